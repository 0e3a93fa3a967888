#include "SettingsTexts.h"

namespace qb {

namespace {

// The window starts in English and keeps it for a language other than 1 and 2; its
// messages follow it.
QString pick(const TextPaar& pair, qint16 sprache)
{
    return inSprache(pair, sprache, Otherwise::English);
}

constexpr TextPaar help1{
    u"Enable the sysop mode to password-protect the access to the program settings, "
    u"in order to prevent unauthorized changes.\r\n\r\n"
    u"The sysop mode will be activated automatically by enabling the broadcast reciever mode. "
    u"In this case, the password of the transmitter is valid also for this computer.",
    u"Wenn Sie den Sysop-Status aktivieren, kann der Zugang zu den Programmeinstellungen "
    u"mit einem Passwort geschützt werden, um unberechtigte Änderungen zu verhindern.\r\n\r\n"
    u"Bei aktiviertem Broadcasting wird der Sysop-Status automatisch aktiviert. Es gilt das "
    u"Passwort des Broadcast-Senders."};
constexpr TextPaar help2{
    u"Enable the broadcast receiver mode and set the path to the broadcast database "
    u"to recieve the news contained in the database qb.kvl of the transmitter. Quillaband 3 "
    u"installations with disabled broadcast receiver mode are not connected and work either as "
    u"transmitters or as stand-alone applications.\r\n\r\n"
    u"Enabling the broadcast receiver mode enables the sysop mode automatically. The sysop "
    u"decides for every installation whether it will be connected to the broadcast system or "
    u"not. On every connected receiver the sysop sets the path to the broadcast database.",
    u"Wenn Sie diesen Computer als Broadcast-Empfänger aktivieren und den Pfad zur Broadcast-"
    u"Datenbank einstellen, empfangen Sie die Nachrichten, die in der Datenbank qb.kvl des "
    u"Broadcasters enthalten sind. Quillaband 3-Installationen, bei denen Broadcasting nicht "
    u"aktiviert ist, sind nicht angeschlossen und arbeiten entweder als Sender oder als "
    u"Einzelplatzanwendung.\r\n\r\n"
    u"Bei Aktivierung als Broadcast-Empfänger erfolgt automatisch auch die Aktivierung des "
    u"SysOp-Status. Der Sysop stellt an jeder Installation ein, ob sie an das Broadcast-System "
    u"angeschlossen wird. An jedem angeschlossenen Empfänger stellt der Sysop den Pfad zur "
    u"Broadcast-Datenbank ein."};

struct Caption
{
    QString SettingsCaptions::*field;
    TextPaar text;
};

using C = SettingsCaptions;
const Caption captions[] = {
    {&C::title, {u"Quillaband - Settings", u"Quillaband - Einstellungen"}},
    {&C::onTop, {u"Always on top", u"Immer im Vordergrund"}},
    {&C::dockAbove, {u"Dock window above", u"Fensterposition oben"}},
    {&C::dockBelow, {u"Dock window below", u"Fensterposition unten"}},
    {&C::frame, {u"Frame", u"Rahmen"}},
    {&C::swatchDate, {u"Date / time", u"Datum / Uhrzeit"}},
    {&C::swatchLocal, {u" Note local", u" Notiz lokal"}},
    {&C::swatchBroadcast, {u" Note broadcast", u" Notiz Broadcast"}},
    {&C::font, {u"Font", u"Schrift"}},
    {&C::reset, {u"Default values", u"Standardeinstellungen"}},
    {&C::resetTip, {u"Reset to default values", u"Standardwerte wiederherstellen"}},
    {&C::save, {u"&Save", u"&Speichern"}},
    {&C::cancel, {u"C&ancel", u"&Abbrechen"}},
    {&C::hint,
     {u"Click on a ticker element to set its properties.",
      u"Klicken Sie auf ein Ticker-Element, um seine Eigenschaften einzustellen."}},
    {&C::helpLink, {u"<- What does this mean?", u"<- Was heißt das?"}},
    {&C::sysop, {u"Enable sysop mode", u"Sysop-Status aktivieren"}},
    {&C::password, {u"Password", u"Passwort"}},
    {&C::eyeTip, {u"Show/hide password", u"Passwort zeigen/verbergen"}},
    {&C::receiver, {u"Enable broadcast receiver mode", u"Broadcasting-Empfänger aktivieren"}},
    {&C::pathLabel,
     {u"Path to broadcast dispatcher database qb.kvl:", u"Pfad zum Broadcast-Sender qb.kvl:"}},
    {&C::pathHint,
     {u"(set on all connected receivers - NOT on dispatcher)",
      u"(an allen angeschlossenen Empfängern einstellen - NICHT am Sender)"}},
    {&C::pathTip, {u"Click to change", u"Zum Ändern anklicken"}},
    {&C::notSpecified, {u"<< Not specified >>", u"<< Nicht festgelegt >>"}},
    {&C::adopt,
     {u"Adopt all other settings of the broadcaster for all receivers",
      u"Übrige Einstellungen des Broadcasters für alle Empfänger übernehmen"}},
    {&C::adoptHint,
     {u"(set on broadcaster only - overlays settings of connected recievers)",
      u"(nur am Broadcaster einstellen - überlagert angeschlossene Empfänger)"}},
    {&C::ownNotes,
     {u"Receivers may also enter and edit their own notes",
      u"Empfänger dürfen auch eigene Notizen verwalten"}},
    {&C::showDate, {u"Display date/time", u"Datum/Uhrzeit anzeigen"}},
    {&C::showMargin, {u"Display margin", u"Rand anzeigen"}},
    {&C::close, {u"Close", u"Schließen"}},
    {&C::help1, help1},
    {&C::help2, help2},
    {&C::speedLabel, {u"Ticker speed:", u"Laufband-Geschwindigkeit:"}},
    {&C::speedNormal, {u"Default", u"Normal"}},
    {&C::speedSlow, {u"Slow", u"Langsam"}},
    {&C::speedVerySlow, {u"Very slow", u"Sehr langsam"}},
};

// In the order of SettingsMessage.
constexpr TextPaar messages[] = {
    {u"Sysop mode required with enabled broadcast mode.",
     u"Sysop-Status muss bei aktiviertem Broadcasting aktiviert sein."},
    {u"Please enter a password.", u"Bitte Passwort eingeben."},
    {u"Please specify a broadcast path.", u"Bitte einen Pfad zum Broadcaster einstellen."},
    {u"Really reset to default values?", u"Standardwerte wirklich wiederherstellen?"},
    {u"Save changes?", u"Änderungen speichern?"},
    {u"Set path to broadcaster", u"Pfad zum Broadcaster festlegen"},
    {u"Broadcast path has to point at another computer - really set this path?",
     u"Broadcast-Pfad muss auf anderen Computer weisen - diesen Pfad wirklich wählen?"},
    {u"Select %1", u"%1 wählen"},
    {u"This section is subject to access control.",
     u"Dieser Programmteil unterliegt der Zugangsbeschränkung."},
    {u"Please enter password:", u"Bitte Passwort eingeben:"},
    {u"Establishing connection to broadcast server ...",
     u"Verbindung mit Broadcast-Server wird hergestellt ..."},
};
static_assert(std::size(messages) == static_cast<std::size_t>(SettingsMessage::Connecting) + 1);

// The element buttons' captions; elements 3 and 4 share theirs.
struct ElementCaption
{
    int element;
    int button;
    TextPaar text;
};
constexpr ElementCaption elementCaptions[] = {
    {1, 1, {u"Frame color", u"Rahmenfarbe"}},
    {2, 1, {u"Date/time background color", u"Datum/Uhrzeit Hintergrundfarbe"}},
    {2, 2, {u"Date/time font color", u"Datum/Uhrzeit Schriftfarbe"}},
    {3, 1, {u"Note background color", u"Notiz Hintergrundfarbe"}},
    {3, 2, {u"Note font color local", u"Notiz Schriftfarbe lokal"}},
    {3, 3, {u"Note font color broadcast", u"Notiz Schriftfarbe Broadcast"}},
    {3, 4, {u"Font", u"Schrift"}},
};

} // namespace

std::optional<SettingsCaptions> SettingsCaptions::forLanguage(qint16 sprache)
{
    if (!isSprache(sprache))
        return std::nullopt;
    SettingsCaptions c;
    for (const Caption& caption : captions)
        c.*caption.field = inSprache(caption.text, sprache);
    return c;
}

namespace SettingsTexts {

QString message(SettingsMessage which, qint16 sprache)
{
    const TextPaar& text = messages[static_cast<std::size_t>(which)];
    // The connection strip is the band's, not the settings window's: German unless 1.
    if (which == SettingsMessage::Connecting)
        return inSprache(text, sprache);
    return pick(text, sprache);
}

QString colourDialogTitle(const QString& caption, qint16 sprache)
{
    return message(SettingsMessage::ColourDialogTitle, sprache).arg(caption);
}

QString notSpecified(qint16 sprache)
{
    for (const Caption& caption : captions) {
        if (caption.field == &SettingsCaptions::notSpecified)
            return pick(caption.text, sprache);
    }
    return {};
}

QString elementButtonCaption(int element, int button, qint16 sprache)
{
    const int shared = element == 4 ? 3 : element;
    for (const ElementCaption& caption : elementCaptions) {
        if (caption.element == shared && caption.button == button)
            return pick(caption.text, sprache);
    }
    return {};
}

TextTable table()
{
    TextTable all;
    for (const Caption& caption : captions)
        all.push_back(caption.text);
    all.insert(all.end(), std::begin(messages), std::end(messages));
    for (const ElementCaption& caption : elementCaptions)
        all.push_back(caption.text);
    return all;
}

} // namespace SettingsTexts

} // namespace qb
