#include "editor/EditorCaptions.h"

namespace qb {

namespace {

struct Caption
{
    const char* name;
    TextPaar text;
};

constexpr Caption captions[] = {
    {"windowTitle", {u"Quillaband - Edit note", u"Quillaband - Notiz bearbeiten"}},
    {"Notiz", {u"Note text", u"Notiztext"}},
    {"ZeitArtOpt(0)", {u"Show note permanently", u"Notiz permanent anzeigen"}},
    {"ZeitArtOpt(1)", {u"Note with date/time options", u"Notiz mit Zeitsteuerung"}},
    {"UhrArtOpt(0)", {u"Whole day", u"Ganztags"}},
    {"UhrArtOpt(1)", {u"From", u"Von"}},
    {"zzzPanel(25)", {u"to", u"bis"}},
    {"zzzPanel(26)", {u"", u"Uhr"}},
    {"RhythmusOpt(1)", {u"Daily", u"Täglich"}},
    {"RhythmusOpt(2)", {u"Weekly", u"Wöchentlich"}},
    {"RhythmusOpt(3)", {u"Monthly", u"Monatlich"}},
    {"RhythmusOpt(4)", {u"Yearly", u"Jährlich"}},
    {"WoTagChe(1)", {u"on Mondays", u"Montags"}},
    {"WoTagChe(2)", {u"on Tuesdays", u"Dienstags"}},
    {"WoTagChe(3)", {u"on Wednesdays", u"Mittwochs"}},
    {"WoTagChe(4)", {u"on Thursdays", u"Donnerstags"}},
    {"WoTagChe(5)", {u"on Fridays", u"Freitags"}},
    {"WoTagChe(6)", {u"on Saturdays", u"Samstags"}},
    {"WoTagChe(7)", {u"on Sundays", u"Sonntags"}},
    {"zzzPanel(0)", {u"First time on", u"Erstmals am"}},
    {"zzzPanel(1)", {u"Duration", u"Dauer"}},
    {"zzzPanel(2)", {u"Week(s)", u"Woche(n)"}},
    {"zzzPanel(3)", {u"No final date: 0", u"Ohne Endtermin: 0"}},
    {"OkBef", {u"&Save", u"&Speichern"}},
    {"AbbrechenBef", {u"Cancel", u"Abbrechen"}},
    {"MonArtOpt(1)", {u"Day of month", u"Tag des Monats"}},
    {"zzzPanel(4)", {u"Each", u"Jeden"}},
    {"zzzPanel(5)", {u". of month", u". des Monats"}},
    {"MonArtOpt(2)", {u"Weekday of month", u"Wochentag des Monats"}},
    {"zzzPanel(7)", {u"Each", u"Jeden"}},
    {"MoPosOpt(1)", {u"first", u"ersten"}},
    {"MoPosOpt(2)", {u"second", u"zweiten"}},
    {"MoPosOpt(3)", {u"third", u"dritten"}},
    {"MoPosOpt(4)", {u"fourth", u"vierten"}},
    {"MoPosOpt(5)", {u"last", u"letzten"}},
    {"zzzPanel(6)", {u"of month", u"des Monats"}},
    {"zzzPanel(10)", {u"Starting", u"Beginnend"}},
    {"zzzPanel(11)", {u"days earlier", u"Tage vorher"}},
    {"zzzPanel(12)", {u"First time on", u"Erstmals am"}},
    {"zzzPanel(13)", {u"Each", u"Jeden"}},
    {"zzzPanel(14)", {u"of year", u"des Jahres"}},
    {"zzzPanel(15)", {u"and each", u"und jeden"}},
    {"zzzPanel(16)", {u"of year", u"des Jahres"}},
    {"zzzPanel(17)", {u"and each", u"und jeden"}},
    {"zzzPanel(18)", {u"of year", u"des Jahres"}},
    {"zzzPanel(19)", {u"and each", u"und jeden"}},
    {"zzzPanel(20)", {u"of year", u"des Jahres"}},
    {"zzzPanel(21)", {u"Starting", u"Beginnend"}},
    {"zzzPanel(22)", {u"days earlier", u"Tage vorher"}},
    {"zzzPanel(23)", {u"First time on", u"Erstmals am"}},
};

// Monday first, January first.
constexpr TextPaar weekdays[] = {
    {u"Monday", u"Montag"},       {u"Tuesday", u"Dienstag"}, {u"Wednesday", u"Mittwoch"},
    {u"Thursday", u"Donnerstag"}, {u"Friday", u"Freitag"},   {u"Saturday", u"Samstag"},
    {u"Sunday", u"Sonntag"},
};
constexpr TextPaar months[] = {
    {u"January", u"Januar"},  {u"February", u"Februar"},  {u"March", u"März"},
    {u"April", u"April"},     {u"May", u"Mai"},           {u"June", u"Juni"},
    {u"July", u"Juli"},       {u"August", u"August"},     {u"September", u"September"},
    {u"October", u"Oktober"}, {u"November", u"November"}, {u"December", u"Dezember"},
};

template <std::size_t N> QStringList listInSprache(const TextPaar (&pairs)[N], qint16 sprache)
{
    QStringList list;
    for (const TextPaar& pair : pairs)
        list << inSprache(pair, sprache);
    return list;
}

} // namespace

QString editorCaption(const QString& name, qint16 sprache)
{
    for (const Caption& caption : captions) {
        if (name == QLatin1String(caption.name))
            return inSprache(caption.text, sprache);
    }
    return {};
}

QStringList editorCaptionNames()
{
    QStringList names;
    for (const Caption& caption : captions)
        names << QString::fromLatin1(caption.name);
    return names;
}

QStringList weekdayNames(qint16 sprache)
{
    return listInSprache(weekdays, sprache);
}

QStringList monthNames(qint16 sprache)
{
    return listInSprache(months, sprache);
}

TextTable editorCaptionTable()
{
    TextTable all;
    for (const Caption& caption : captions)
        all.push_back(caption.text);
    all.insert(all.end(), std::begin(weekdays), std::end(weekdays));
    all.insert(all.end(), std::begin(months), std::end(months));
    return all;
}

} // namespace qb
