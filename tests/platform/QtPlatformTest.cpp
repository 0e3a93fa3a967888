#include "platform/QtPlatform.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace qb::test {

class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    // Regression: changing the layer re-created the window, and the new window was
    // activated and put back on top at once. The layer now changes on the window as it is.
    void layerChangesKeepTheWindow()
    {
        QtPlatform platform;
        QWidget band(nullptr, Qt::FramelessWindowHint);
        platform.setTopmost(band, true);
        band.show();
        QVERIFY(band.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        const WId window = band.winId();
        for (const bool onTop : {false, true, false}) {
            platform.setTopmost(band, onTop);
            QCOMPARE(band.winId(), window);
            QVERIFY(band.isVisible());
            QCOMPARE(band.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(band.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        }
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::QtPlatformTest)
#include "QtPlatformTest.moc"
