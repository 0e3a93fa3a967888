// The ticker program: starts from its own folder, shows the band and runs
// until the user ends it through the band's menu.

#include "TickerApplication.h"
#include "core/AppContext.h"
#include "core/FileRoutines.h"
#include "core/StartUp.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdlib>

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
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillaband"));
    app.setQuitOnLastWindowClosed(false);
    qb::InProgrammOrdnerWechseln(QCoreApplication::applicationDirPath());

    qb::AppContext context;
    qb::QtPlatform platform;
    qb::SystemClock clock;
    qb::TickerApplication windows(context, platform, clock);
    qb::StartUp startUp(context, platform, clock, windows);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (const int status = startUp.Main(documents); status != 0)
        return status;
    const int status = app.exec();
    // A worker left inside a call on a share that does not answer keeps its connection open;
    // the usual teardown would close it and hang on the share: the program ends without it.
    if (!context.broadcastLink.finish())
        std::_Exit(status);
    return status;
}
