#include "BandCommandLine.h"

#include <QCommandLineParser>

#include <array>

namespace qb {

namespace {

struct Option
{
    const char* name;
    const char* english;
    const char* german;
};

constexpr std::array options{
    Option{"new-note", "Opens the note editor for a new note.",
           "Öffnet den Notizeditor für eine neue Notiz."},
    Option{"notes", "Opens the notes administration.", "Öffnet die Notizverwaltung."},
    Option{"settings", "Opens the settings (after the password, when one is set).",
           "Öffnet die Einstellungen (nach dem Kennwort, wenn eines gesetzt ist)."},
    Option{"about", "Shows the program information.", "Zeigt die Programminformation."},
    Option{"quit", "Ends the running band.", "Beendet das laufende Band."},
};

} // namespace

BandCommandLine readBandCommandLine(const QStringList& arguments, bool german)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        german ? QStringLiteral("Notizen- und Nachrichtenband. Ohne Option startet es das "
                                "Band oder holt das laufende nach vorn; eine Option gibt "
                                "den Befehl an das laufende Band dieses Benutzers.")
               : QStringLiteral("Notes and news band. Without an option it starts the band "
                                "or brings the running one to the front; an option hands "
                                "the command to this user's running band."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  german ? QStringLiteral("Zeigt diese Hilfe.")
                                         : QStringLiteral("Shows this help."));
    parser.addOption(help);
    for (const Option& option : options)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(option.name),
                               QString::fromUtf8(german ? option.german : option.english)));

    BandCommandLine result;
    const QString usage = german ? QStringLiteral("quillaband --help zeigt die Optionen.")
                                 : QStringLiteral("quillaband --help lists the options.");
    if (!parser.parse(arguments)) {
        QString unknown = parser.unknownOptionNames().value(0);
        if (!unknown.isEmpty())
            unknown.prepend(unknown.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
        result.error = unknown.isEmpty() ? usage
                                         : (german ? QStringLiteral("Unbekannte Option „%1“. ")
                                                   : QStringLiteral("Unknown option \"%1\". "))
                                                   .arg(unknown) +
                                               usage;
        return result;
    }
    if (parser.isSet(help)) {
        result.help = true;
        result.output = parser.helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = (german ? QStringLiteral("Unerwartetes Argument „%1“. ")
                               : QStringLiteral("Unexpected argument \"%1\". "))
                           .arg(parser.positionalArguments().constFirst()) +
                       usage;
        return result;
    }
    QStringList given;
    for (const Option& option : options)
        if (parser.isSet(QString::fromLatin1(option.name)))
            given.append(QString::fromLatin1(option.name));
    if (given.size() > 1) {
        result.error = (german ? QStringLiteral("Nur eine der Optionen --%1 auf einmal. ")
                               : QStringLiteral("Only one of the options --%1 at a time. "))
                           .arg(given.join(QStringLiteral(", --"))) +
                       usage;
        return result;
    }
    result.command = given.value(0, QStringLiteral("raise"));
    return result;
}

bool startsBand(const QString& command)
{
    return command != QLatin1String("quit");
}

} // namespace qb
