// The ticker program: shows the band and runs until the user ends it through the
// band's menu. A second start for the same user's notes brings the band to the top.

#include "TickerApplication.h"
#include "core/AppContext.h"
#include "core/ProgramFolders.h"
#include "core/SingleInstance.h"
#include "core/StartUp.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QStandardPaths>

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

    const qb::ProgramFolders folders = qb::programFolders();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // One band per local database: a second start brings the running band to the top.
    qb::SingleInstance instance(
        qb::datenOrdnerIn(documents) + QStringLiteral("qb.kvl"),
        qb::SingleInstance::runtimeFolderFor(QProcessEnvironment::systemEnvironment()));
    if (instance.claim(QStringLiteral("raise")) == qb::SingleInstance::Role::Second)
        return 0;

    qb::AppContext context;
    context.values.dataFolder = folders.data;
    qb::QtPlatform platform(folders.data);
    qb::SystemClock clock;
    qb::TickerApplication windows(context, platform, clock);
    QObject::connect(&instance, &qb::SingleInstance::commandReceived, &app,
                     [&windows](const QString& command) {
                         if (command == QLatin1String("raise"))
                             windows.raiseBand();
                     });
    qb::StartUp startUp(context, platform, clock, windows);
    if (const int status = startUp.Main(documents, folders.state); status != 0)
        return status;
    return app.exec();
}
