// The ticker program: shows the band and runs until the user ends it through the
// band's menu. A second start for the same user's notes brings the band to the top, or
// hands it the command of its command line (--new-note, --notes, --settings, --about,
// --quit) and ends.

#include "BandCommandLine.h"
#include "TickerApplication.h"
#include "core/AppContext.h"
#include "core/ProgramFolders.h"
#include "core/SingleInstance.h"
#include "core/StartUp.h"
#include "platform/Clock.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

bool germanSystem()
{
    return QLocale::system().language() == QLocale::German;
}

// The command line as far as it can be read before the window system is reached: --help,
// --quit and mistakes work without a display. Qt's own options (-style, -platform…) are known
// only to QApplication, which removes them: a line with a single-dash word unknown here is
// read again once it exists.
qb::BandCommandLine readEarly(int argc, char** argv, bool& toolkitOptions)
{
    const QCoreApplication probe(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    toolkitOptions = std::any_of(arguments.begin() + 1, arguments.end(), [](const QString& word) {
        return word.size() > 2 && word.startsWith(QLatin1Char('-')) &&
               !word.startsWith(QLatin1String("--"));
    });
    return qb::readBandCommandLine(arguments, germanSystem());
}

int usageError(const qb::BandCommandLine& line)
{
    std::fprintf(stderr, "quillaband: %s\n", qPrintable(line.error));
    return 2;
}

QString databasePath(const QString& documents)
{
    return qb::dataFolderIn(documents) + QStringLiteral("qb.kvl");
}

QString runtimeFolder()
{
    return qb::SingleInstance::runtimeFolderFor(QProcessEnvironment::systemEnvironment());
}

} // namespace

int main(int argc, char** argv)
{
    // The band positions itself, which needs X11 semantics: use XWayland.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The band sends a strip of a few pixels twenty times a second. Through X
    // shared memory each repaint costs a round trip to the server; sending the
    // strip itself halves the cost of scrolling for the program and the server.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    bool toolkitOptions = false;
    qb::BandCommandLine line = readEarly(argc, argv, toolkitOptions);
    if (!line.error.isEmpty() && !toolkitOptions)
        return usageError(line);
    if (line.help) {
        std::fputs(qPrintable(line.output), stdout);
        return 0;
    }
    if (line.error.isEmpty() && !qb::startsBand(line.command)) {
        // Ending a band that does not run is done already.
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        qb::SingleInstance(databasePath(documents), runtimeFolder()).send(line.command);
        return 0;
    }

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillaband"));
    app.setQuitOnLastWindowClosed(false);
    if (!line.error.isEmpty()) {
        line = qb::readBandCommandLine(QApplication::arguments(), germanSystem());
        if (!line.error.isEmpty())
            return usageError(line);
    }

    const qb::ProgramFolders folders = qb::programFolders();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // One band per local database: a second start hands its command to the running band.
    qb::SingleInstance instance(databasePath(documents), runtimeFolder());
    if (instance.claim(line.command) == qb::SingleInstance::Role::Second)
        return 0;

    qb::AppContext context;
    context.values.dataFolder = folders.data;
    qb::QtPlatform platform(folders.data);
    qb::SystemClock clock;
    qb::TickerApplication windows(context, platform, clock);
    // Queued: a command may open a modal window, which must not run inside the socket's
    // signal.
    QObject::connect(
        &instance, &qb::SingleInstance::commandReceived, &app,
        [&windows](const QString& command) { windows.runCommand(command); }, Qt::QueuedConnection);
    // This start's own command runs once the band is shown.
    if (line.command != QLatin1String("raise"))
        windows.runCommand(line.command);
    qb::StartUp startUp(context, platform, clock, windows);
    if (const int status = startUp.Main(documents, folders.state); status != 0)
        return status;
    const int status = app.exec();
    // A worker left inside a call on a share that does not answer keeps its connection open;
    // the usual teardown would close it and hang on the share: the program ends without it.
    if (!context.broadcastLink.finish())
        std::_Exit(status);
    return status;
}
