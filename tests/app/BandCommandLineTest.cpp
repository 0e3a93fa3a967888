#include "BandCommandLine.h"

#include <gtest/gtest.h>

using namespace qb;

// The command a command line hands to the band, or that it is refused (each option's own
// command is proven against the running band end to end).
TEST(BandCommandLine, Commands)
{
    struct Case
    {
        QStringList arguments;
        QString command; // empty: refused with a message
    };
    const Case cases[] = {
        {{}, QStringLiteral("raise")},
        {{QStringLiteral("--settings")}, QStringLiteral("settings")},
        {{QStringLiteral("--notes"), QStringLiteral("--quit")}, {}},
        {{QStringLiteral("--unheard-of")}, {}},
        {{QStringLiteral("notes")}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        for (const bool german : {false, true}) {
            const BandCommandLine line = readBandCommandLine(
                QStringList{QStringLiteral("quillaband")} + c.arguments, german);
            EXPECT_EQ(line.command, c.command);
            EXPECT_EQ(line.error.isEmpty(), !c.command.isEmpty());
        }
    }
    const BandCommandLine german =
        readBandCommandLine({QStringLiteral("quillaband"), QStringLiteral("--unheard-of")}, true);
    EXPECT_TRUE(german.error.contains(QStringLiteral("Unbekannte Option „--unheard-of“")))
        << german.error.toStdString();
    const BandCommandLine help =
        readBandCommandLine({QStringLiteral("quillaband"), QStringLiteral("--help")}, false);
    EXPECT_TRUE(help.help);
    for (const char* option : {"--new-note", "--notes", "--settings", "--about", "--quit"})
        EXPECT_TRUE(help.output.contains(QLatin1String(option))) << option;
}
