// The update notice beside the band, offscreen.

#include "update/ui/UpdateSignal.h"
#include "core/Settings.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace qb::test {

class UpdateSignalTest : public QObject
{
    Q_OBJECT

    ScriptedPlatform m_platform;
    Settings m_settings;

private slots:
    void init()
    {
        m_settings = Settings{};
        m_settings.Sprache = 1;
        m_platform.calls.clear();
    }

    void updateSignalBesideTheBand_data()
    {
        QTest::addColumn<int>("dockPos");
        QTest::addColumn<QRect>("band");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("docked at the top") << 0 << QRect(0, 0, 1920, 30) << QPoint(1770, 30);
        QTest::newRow("docked at the bottom")
            << 1 << QRect(0, 1046, 1920, 34) << QPoint(1770, 1021);
    }

    void updateSignalBesideTheBand()
    {
        QFETCH(int, dockPos);
        QFETCH(QRect, band);
        QFETCH(QPoint, topLeft);
        m_settings.dockPos = dockPos;
        UpdateSignal signal(m_settings, m_platform);
        signal.placeBy(band);
        QCOMPARE(signal.geometry(), QRect(topLeft, QSize(150, 25)));
    }

    void updateSignalCaptionAndClick()
    {
        for (const qint16 sprache : {1, 2}) {
            m_settings.Sprache = sprache;
            UpdateSignal signal(m_settings, m_platform);
            const QString caption = sprache == 1 ? "Update available" : "Update verfügbar";
            QCOMPARE(signal.LegendePan()->text(), caption);
            QCOMPARE(signal.LegendePan()->accessibleName(), caption);
            QCOMPARE(signal.windowTitle(), caption);
            QSignalSpy install(&signal, &UpdateSignal::installRequested);
            signal.show();
            QTest::mouseClick(signal.LegendePan(), Qt::LeftButton);
            QCOMPARE(install.size(), 1);
        }
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::UpdateSignalTest)
#include "UpdateSignalTest.moc"
