// The about window and the intro window, offscreen.

#include "core/Settings.h"
#include "dialogs/ui/About.h"
#include "dialogs/ui/Intro.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace qb::test {

class AboutIntroTest : public QObject
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

    void aboutTexts_data()
    {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QStringList>("texts"); // title, lines 1, 2, 3, 12, button
        QTest::newRow("English") << 1 << QStringList{"About ...",
                                                     "Quillaband",
                                                     "Notes and News System for Linux",
                                                     "Build 3.00",
                                                     "Quillaband in the web",
                                                     "Close"};
        QTest::newRow("German") << 2 << QStringList{"Über ...",
                                                    "Quillaband",
                                                    "Notiz- und Nachrichtensystem für Linux",
                                                    "Version 3.00",
                                                    "Quillaband im Web",
                                                    "Schließen"};
    }

    // Every line reads its text to a screen reader too; the link opens the page of the
    // language.
    void aboutTexts()
    {
        QFETCH(int, sprache);
        QFETCH(QStringList, texts);
        m_settings.Sprache = static_cast<qint16>(sprache);
        // Under a decimal-comma locale the version keeps its point.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        About about(m_settings, m_platform, 300, QRect(0, 0, 1920, 30));
        QLocale::setDefault(QLocale::c());

        QStringList shown{about.windowTitle()};
        for (const int line : {1, 2, 3, 12}) {
            QCOMPARE(about.TextLab(line)->accessibleName(), about.TextLab(line)->text());
            shown << about.TextLab(line)->text();
        }
        shown << about.EndeBef()->text();
        QCOMPARE(shown, texts);
        QCOMPARE(about.EndeBef()->accessibleName(), texts.last());

        about.show();
        QTest::mouseClick(about.TextLab(2), Qt::LeftButton);
        QVERIFY(m_platform.calls.filter("openAddress").isEmpty());
        QTest::mouseClick(about.TextLab(12), Qt::LeftButton);
        const QString page = sprache == 1 ? "/quillaband/en/about.htm" : "/quillaband/de/about.htm";
        QCOMPARE(m_platform.calls.filter("openAddress").size(), 1);
        QVERIFY(m_platform.calls.filter("openAddress").first().endsWith(page));
    }

    // Centred on the band, above the screen's top edge when the band is docked there.
    void aboutCentredOnTheBand()
    {
        About top(m_settings, m_platform, 300, QRect(0, 0, 1920, 30));
        QCOMPARE(top.pos(), QPoint((1920 - 360) / 2, (30 - 210) / 2));
        About bottom(m_settings, m_platform, 300, QRect(0, 1046, 1920, 34));
        QCOMPARE(bottom.geometry().center().y(), QRect(0, 1046, 1920, 34).center().y());
    }

    void escAndCloseEndTheWindow()
    {
        About about(m_settings, m_platform, 300, QRect(0, 0, 1920, 30));
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());

        about.show();
        QTest::mouseClick(about.EndeBef(), Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void aboutFollowsImmerObenWhenActivated()
    {
        m_settings.ImmerOben = true;
        About about(m_settings, m_platform, 300, QRect(0, 0, 1920, 30));
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QVERIFY(m_platform.calls.contains("topmost on"));
    }

    void introShowsThePictureAndVersionOfTheLanguage()
    {
        for (const qint16 sprache : {1, 2}) {
            Intro intro(sprache, m_platform, 300);
            const QString version = sprache == 1 ? "Build 3.00" : "Version 3.00";
            QCOMPARE(intro.VersionPan()->text(), version);
            QCOMPARE(intro.VersionPan()->accessibleName(), version);
            QCOMPARE(intro.ImageIma()->pixmap().toImage(), intro.ImageServerIma(sprache).toImage());
            QVERIFY(intro.ImageServerIma(1).toImage() != intro.ImageServerIma(2).toImage());
            QCOMPARE(intro.pos(), QPoint((1920 - 400) / 2, (1080 - 240) / 2));
        }
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::AboutIntroTest)
#include "AboutIntroTest.moc"
