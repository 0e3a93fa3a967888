#include "editor/EditorCaptions.h"


namespace qb {

namespace {

struct Caption
{
    const char* name;
    const char16_t* german;
    const char16_t* english;
};

constexpr Caption captions[] = {
    {"windowTitle", u"Quillaband - Notiz bearbeiten", u"Quillaband - Edit note"},
    {"Notiz", u"Notiztext", u"Note text"},
    {"ZeitArtOpt(0)", u"Notiz permanent anzeigen", u"Show note permanently"},
    {"ZeitArtOpt(1)", u"Notiz mit Zeitsteuerung", u"Note with date/time options"},
    {"UhrArtOpt(0)", u"Ganztags", u"Whole day"},
    {"UhrArtOpt(1)", u"Von", u"From"},
    {"zzzPanel(25)", u"bis", u"to"},
    {"zzzPanel(26)", u"Uhr", u""},
    {"RhythmusOpt(1)", u"Täglich", u"Daily"},
    {"RhythmusOpt(2)", u"Wöchentlich", u"Weekly"},
    {"RhythmusOpt(3)", u"Monatlich", u"Monthly"},
    {"RhythmusOpt(4)", u"Jährlich", u"Yearly"},
    {"WoTagChe(1)", u"Montags", u"on Mondays"},
    {"WoTagChe(2)", u"Dienstags", u"on Tuesdays"},
    {"WoTagChe(3)", u"Mittwochs", u"on Wednesdays"},
    {"WoTagChe(4)", u"Donnerstags", u"on Thursdays"},
    {"WoTagChe(5)", u"Freitags", u"on Fridays"},
    {"WoTagChe(6)", u"Samstags", u"on Saturdays"},
    {"WoTagChe(7)", u"Sonntags", u"on Sundays"},
    {"zzzPanel(0)", u"Erstmals am", u"First time on"},
    {"zzzPanel(1)", u"Dauer", u"Duration"},
    {"zzzPanel(2)", u"Woche(n)", u"Week(s)"},
    {"zzzPanel(3)", u"Ohne Endtermin: 0", u"No final date: 0"},
    {"OkBef", u"&Speichern", u"&Save"},
    {"AbbrechenBef", u"Abbrechen", u"Cancel"},
    {"MonArtOpt(1)", u"Tag des Monats", u"Day of month"},
    {"zzzPanel(4)", u"Jeden", u"Each"},
    {"zzzPanel(5)", u". des Monats", u". of month"},
    {"MonArtOpt(2)", u"Wochentag des Monats", u"Weekday of month"},
    {"zzzPanel(7)", u"Jeden", u"Each"},
    {"MoPosOpt(1)", u"ersten", u"first"},
    {"MoPosOpt(2)", u"zweiten", u"second"},
    {"MoPosOpt(3)", u"dritten", u"third"},
    {"MoPosOpt(4)", u"vierten", u"fourth"},
    {"MoPosOpt(5)", u"letzten", u"last"},
    {"zzzPanel(6)", u"des Monats", u"of month"},
    {"zzzPanel(10)", u"Beginnend", u"Starting"},
    {"zzzPanel(11)", u"Tage vorher", u"days earlier"},
    {"zzzPanel(12)", u"Erstmals am", u"First time on"},
    {"zzzPanel(13)", u"Jeden", u"Each"},
    {"zzzPanel(14)", u"des Jahres", u"of year"},
    {"zzzPanel(15)", u"und jeden", u"and each"},
    {"zzzPanel(16)", u"des Jahres", u"of year"},
    {"zzzPanel(17)", u"und jeden", u"and each"},
    {"zzzPanel(18)", u"des Jahres", u"of year"},
    {"zzzPanel(19)", u"und jeden", u"and each"},
    {"zzzPanel(20)", u"des Jahres", u"of year"},
    {"zzzPanel(21)", u"Beginnend", u"Starting"},
    {"zzzPanel(22)", u"Tage vorher", u"days earlier"},
    {"zzzPanel(23)", u"Erstmals am", u"First time on"},
};

QStringList pick(const char16_t* const* german, const char16_t* const* english,
                 int count, int sprache)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::fromUtf16(sprache == 1 ? english[i] : german[i]);
    return list;
}

} // namespace

QString editorCaption(const QString& name, int sprache)
{
    for (const Caption& caption : captions) {
        if (name == QLatin1String(caption.name))
            return QString::fromUtf16(sprache == 1 ? caption.english : caption.german);
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

QStringList wochentagListe(int sprache)
{
    static const char16_t* const german[] = {u"Montag",  u"Dienstag", u"Mittwoch", u"Donnerstag",
                                             u"Freitag", u"Samstag",  u"Sonntag"};
    static const char16_t* const english[] = {u"Monday", u"Tuesday",  u"Wednesday", u"Thursday",
                                              u"Friday", u"Saturday", u"Sunday"};
    return pick(german, english, 7, sprache);
}

QStringList monatListe(int sprache)
{
    static const char16_t* const german[] = {u"Januar",    u"Februar", u"März",     u"April",
                                             u"Mai",       u"Juni",    u"Juli",     u"August",
                                             u"September", u"Oktober", u"November", u"Dezember"};
    static const char16_t* const english[] = {u"January",   u"February", u"March",    u"April",
                                              u"May",       u"June",     u"July",     u"August",
                                              u"September", u"October",  u"November", u"December"};
    return pick(german, english, 12, sprache);
}

} // namespace qb
