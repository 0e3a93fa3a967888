#include "SettingsStore.h"

#include "RecordSet.h"
#include "schedule/RhyDetails.h"

#include <cmath>
#include <limits>
#include <optional>

namespace qb {

namespace {

// A stored whole number in [low, high]; nullopt for Null, text that is not a
// number, or a value out of range (such a column keeps its value).
std::optional<qint64> wholeNumber(const QVariant& stored, qint64 low, qint64 high)
{
    if (!stored.isValid() || stored.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = stored.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double rounded = std::nearbyint(number);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

std::optional<qint16> int16Value(const QVariant& stored)
{
    const auto number =
        wholeNumber(stored, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    return number ? std::optional<qint16>(static_cast<qint16>(*number)) : std::nullopt;
}

std::optional<qint32> int32Value(const QVariant& stored)
{
    const auto number =
        wholeNumber(stored, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    return number ? std::optional<qint32>(static_cast<qint32>(*number)) : std::nullopt;
}

std::optional<QString> textValue(const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return std::nullopt;
    return stored.toString();
}

// Colours read through their text form: the leading numeric part, 0 when there is none.
std::optional<qint32> colourByText(const QVariant& stored)
{
    const auto text = textValue(stored);
    return text ? std::optional<qint32>(ZahlLesen(*text)) : std::nullopt;
}

template <class T> void take(T& target, const std::optional<T>& value)
{
    if (value)
        target = *value;
}

// A colour below 0 means "the default".
void takeColour(qint32& target, const std::optional<qint32>& value, qint32 fallback)
{
    if (value)
        target = *value < 0 ? fallback : *value;
}

// The current row of a record set, or a row handed over as values.
class Row
{
public:
    explicit Row(RecordSet& set) : m_set(&set) {}
    explicit Row(const QHash<QString, QVariant>& values) : m_values(&values) {}
    QVariant operator[](const char* column) const
    {
        const QString name = QString::fromLatin1(column);
        return m_set ? m_set->value(name) : m_values->value(name);
    }
    bool has(const char* column) const
    {
        const QString name = QString::fromLatin1(column);
        return m_set ? m_set->hasColumn(name) : m_values->contains(name);
    }

private:
    RecordSet* m_set = nullptr;
    const QHash<QString, QVariant>* m_values = nullptr;
};

// The display settings that a receiver adopts too: colours, font group, speed,
// frame and date, password and the permission for own notes.
void loadShared(const Row& row, Settings& s)
{
    takeColour(s.fensterHgFarbe, int32Value(row["fensterHgFarbe"]),
               Settings::defaultFensterHgFarbe);
    takeColour(s.uhrHgFarbe, int32Value(row["uhrHgFarbe"]), Settings::defaultUhrHgFarbe);
    takeColour(s.notizHgFarbe, int32Value(row["notizHgFarbe"]), Settings::defaultNotizHgFarbe);
    takeColour(s.UhrSchriftFarbe, int32Value(row["UhrSchriftFarbe"]),
               Settings::defaultUhrSchriftFarbe);

    if (textValue(row["SchriftName"]).value_or(QString()).isEmpty()) {
        s.SchriftName = Settings::defaultSchriftName;
        s.SchriftGroesse = Settings::defaultSchriftGroesse;
        s.SchriftFarbe = Settings::defaultSchriftFarbe;
        s.SchriftFett = Settings::defaultSchriftFett;
        s.SchriftKursiv = Settings::defaultSchriftKursiv;
    } else {
        take(s.SchriftName, textValue(row["SchriftName"]));
        take(s.SchriftGroesse, int16Value(row["SchriftGroesse"]));
        take(s.SchriftFarbe, colourByText(row["SchriftFarbe"]));
        take(s.SchriftFett, boolValue(row["SchriftFett"]));
        take(s.SchriftKursiv, boolValue(row["SchriftKursiv"]));
    }
    takeColour(s.SchriftFarbe2, colourByText(row["SchriftFarbe2"]), Settings::defaultSchriftFarbe2);

    take(s.passWort, textValue(row["passWort"]));
    take(s.eigeneErlauben, boolValue(row["eigeneErlauben"]));
    take(s.zeigDatum, boolValue(row["zeigDatum"]));
    take(s.zeigRahmen, boolValue(row["zeigRahmen"]));
    // A table without the column keeps the speed, like the other optional columns.
    const auto speed = int16Value(row["Speed"]);
    if (!row.has("Speed"))
        return;
    if (row["Speed"].isNull() || (speed && *speed < Settings::minimumSpeed))
        s.Speed = Settings::defaultSpeed;
    else
        take(s.Speed, speed);
}

} // namespace

std::optional<bool> boolValue(const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = stored.toString().trimmed().toDouble(&ok);
    if (!ok || std::isnan(number))
        return std::nullopt;
    return number != 0;
}

void EinstellungenLaden(RecordSet& einstellungen, Settings& s)
{
    if (!einstellungen.first() || einstellungen.atEnd())
        return;
    const Row row(einstellungen);
    take(s.Sprache, int16Value(row["Sprache"]));
    take(s.ImmerOben, boolValue(row["ImmerOben"]));
    take(s.dockPos, int32Value(row["dockPos"]));
    take(s.erstVorbei, boolValue(row["erstVorbei"]));
    loadShared(row, s);
    // Null switches are off; a missing column keeps its value.
    if (einstellungen.hasColumn(QStringLiteral("sysopStatus")))
        s.sysopStatus = boolValue(row["sysopStatus"]).value_or(false);
    if (einstellungen.hasColumn(QStringLiteral("broadcastStatus")))
        s.broadcastStatus = boolValue(row["broadcastStatus"]).value_or(false);
    take(s.broadcastPfad, textValue(row["broadcastPfad"]));
    take(s.remoteEinstellungen, boolValue(row["remoteEinstellungen"]));
}

bool BroadcastEinstellungenLaden(RecordSet& broadcasterEinstellungen, Settings& s)
{
    if (!broadcasterEinstellungen.first() || broadcasterEinstellungen.atEnd())
        return false;
    loadShared(Row(broadcasterEinstellungen), s);
    return true;
}

void BroadcastEinstellungenLaden(const QHash<QString, QVariant>& row, Settings& s)
{
    loadShared(Row(row), s);
}

bool EinstellungenZeileSichern(RecordSet& einstellungen, RecordSet& templateRow)
{
    if (!einstellungen.first())
        return false;
    if (!einstellungen.atEnd())
        return true;
    if (!templateRow.first() || templateRow.atEnd() || !einstellungen.addNew())
        return false;
    for (const QString& column : templateRow.columns()) {
        if (einstellungen.hasColumn(column))
            einstellungen.setValue(column, templateRow.value(column));
    }
    if (!einstellungen.update()) {
        einstellungen.cancelUpdate();
        return false;
    }
    return einstellungen.first();
}

bool EinstellungenSpeichern(RecordSet& einstellungen, const Settings& s)
{
    if (!einstellungen.first() || !einstellungen.edit())
        return false;
    const auto flag = [](bool on) { return on ? -1 : 0; };
    const std::pair<const char*, QVariant> columns[] = {
        {"Sprache", s.Sprache},
        {"ImmerOben", flag(s.ImmerOben)},
        {"dockPos", s.dockPos},
        {"Schrift3D", s.Schrift3D},
        {"SchriftName", s.SchriftName},
        {"SchriftGroesse", s.SchriftGroesse},
        {"SchriftFarbe", s.SchriftFarbe},
        {"SchriftFarbe2", s.SchriftFarbe2},
        {"SchriftFett", flag(s.SchriftFett)},
        {"SchriftKursiv", flag(s.SchriftKursiv)},
        {"fensterHgFarbe", s.fensterHgFarbe},
        {"uhrHgFarbe", s.uhrHgFarbe},
        {"notizHgFarbe", s.notizHgFarbe},
        {"UhrSchriftFarbe", s.UhrSchriftFarbe},
        {"sysopStatus", flag(s.sysopStatus)},
        {"passWort", s.passWort},
        {"broadcastStatus", flag(s.broadcastStatus)},
        {"broadcastPfad", s.broadcastPfad},
        {"remoteEinstellungen", flag(s.remoteEinstellungen)},
        {"eigeneErlauben", flag(s.eigeneErlauben)},
        {"zeigDatum", flag(s.zeigDatum)},
        {"zeigRahmen", flag(s.zeigRahmen)},
        {"Speed", s.Speed},
    };
    for (const auto& [column, value] : columns) {
        if (!einstellungen.setValue(QString::fromLatin1(column), value)) {
            einstellungen.cancelUpdate();
            return false;
        }
    }
    if (einstellungen.update())
        return true;
    einstellungen.cancelUpdate();
    return false;
}

} // namespace qb
