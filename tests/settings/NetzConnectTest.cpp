#include "settings/ui/NetzConnect.h"
#include "core/Settings.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QTest>

namespace qb::test {

class NetzConnectTest : public QObject
{
    Q_OBJECT

private slots:
    void band_data()
    {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<int>("dockPos");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QPoint>("origin"); // of the primary screen on the desktop
        // 260 twips: pixel edges at 0 and 17, or at 1063 (16200 - 260 twips) and 1080.
        QTest::newRow("English at the top")
            << 1 << 0 << "Establishing connection to broadcast server ..." << QRect(0, 0, 1920, 17)
            << QPoint(0, 0);
        QTest::newRow("German at the bottom")
            << 2 << 1 << "Verbindung mit Broadcast-Server wird hergestellt ..."
            << QRect(0, 1063, 1920, 17) << QPoint(0, 0);
        QTest::newRow("at the bottom of a primary screen right of and below another")
            << 1 << 1 << "Establishing connection to broadcast server ..."
            << QRect(1280, 1263, 1920, 17) << QPoint(1280, 200);
    }

    void band()
    {
        QFETCH(int, sprache);
        QFETCH(int, dockPos);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        QFETCH(QPoint, origin);
        Settings settings;
        settings.Sprache = static_cast<qint16>(sprache);
        settings.dockPos = dockPos;
        ScriptedPlatform platform;
        platform.screenOrigin = origin;

        NetzConnect window(settings, platform);
        window.show();
        QCOMPARE(window.geometry(), geometry);
        const auto* legende = window.findChild<QLabel*>(QStringLiteral("LegendePan"));
        QCOMPARE(legende->text(), text);
        QCOMPARE(legende->geometry(), QRect(QPoint(0, 0), geometry.size()));
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::NetzConnectTest)
#include "NetzConnectTest.moc"
