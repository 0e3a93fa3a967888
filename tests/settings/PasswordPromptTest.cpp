#include "core/Settings.h"
#include "settings/ui/PassTest.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace qb::test {

namespace {

const QRect bandAtTop{0, 0, 28800, 450};

} // namespace

class PasswordPromptTest : public QObject
{
    Q_OBJECT

    Settings m_settings;
    ScriptedPlatform m_platform;
    QList<double> m_pauses;

    std::unique_ptr<PassTest> prompt(const QRect& band = bandAtTop)
    {
        auto passTest = std::make_unique<PassTest>(m_settings, m_platform, band,
                                                   [this](double s) { m_pauses << s; });
        passTest->show();
        return passTest;
    }

    static QLineEdit* field(PassTest& passTest)
    {
        return passTest.findChild<QLineEdit*>(QStringLiteral("PaßText"));
    }
    static QLabel* meldung(PassTest& passTest)
    {
        return passTest.findChild<QLabel*>(QStringLiteral("MeldungPan"));
    }

private slots:
    void init()
    {
        m_settings = Settings{};
        m_settings.Sprache = 1;
        m_platform.calls.clear();
        m_pauses.clear();
    }

    void password_data()
    {
        QTest::addColumn<QString>("passWort");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("granted");
        QTest::newRow("case of one letter") << "Geheim"
                                            << "geheim" << false;
        QTest::newRow("trailing blank") << "Geheim"
                                        << "Geheim " << false;
        QTest::newRow("exact") << "Geheim"
                               << "Geheim" << true;
        QTest::newRow("empty passWort, empty entry") << ""
                                                     << "" << true;
        QTest::newRow("empty passWort, any entry") << ""
                                                   << "x" << false;
        // The settings window saves up to 100 characters; the prompt must take them all.
        QTest::newRow("100 characters") << QString(100, 'k') << QString(100, 'k') << true;
    }

    void password()
    {
        QFETCH(QString, passWort);
        QFETCH(QString, typed);
        QFETCH(bool, granted);
        m_settings.passWort = passWort;
        auto passTest = prompt();
        QCOMPARE(m_platform.calls, QStringList{"beep"});
        QTest::keyClicks(field(*passTest), typed);
        QTest::keyClick(field(*passTest), Qt::Key_Return);
        QCOMPARE(passTest->accessGranted(), granted);
        QCOMPARE(passTest->isVisible(), !granted);
        if (granted) {
            QCOMPARE(passTest->result(), int(QDialog::Accepted));
            QCOMPARE(m_pauses, QList<double>{0.5});
            const QImage green = PassTest::lamp(true).toImage();
            for (const char* name : {"LichtIma1", "LichtIma2"})
                QCOMPARE(passTest->findChild<QLabel*>(name)->pixmap().toImage(), green);
        } else {
            QCOMPARE(meldung(*passTest)->text(), QStringLiteral("Zugang abgelehnt !"));
            QCOMPARE(meldung(*passTest)->palette().color(QPalette::Window), QColor(255, 0, 0));
            QCOMPARE(field(*passTest)->text(), QString());
            QCOMPARE(m_platform.calls, (QStringList{"beep", "beep"}));
        }
    }

    // The first key after a refusal clears the message before it is typed.
    void nextKeyClearsTheMessage()
    {
        m_settings.passWort = QStringLiteral("a");
        auto passTest = prompt();
        QTest::keyClick(field(*passTest), Qt::Key_Return);
        QTest::keyClick(field(*passTest), Qt::Key_B);
        QCOMPARE(meldung(*passTest)->text(), QString());
        QCOMPARE(meldung(*passTest)->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(field(*passTest)->text(), QStringLiteral("b"));
    }

    void otherWaysOfClosingGiveNoAccess_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Esc") << "esc";
        QTest::newRow("Abbrechen") << "cancel";
        QTest::newRow("window closed") << "close";
    }

    // Also after an earlier prompt granted access: each prompt starts refused.
    void otherWaysOfClosingGiveNoAccess()
    {
        QFETCH(QString, way);
        m_settings.passWort = QStringLiteral("pw");
        auto earlier = prompt();
        QTest::keyClicks(field(*earlier), QStringLiteral("pw"));
        QTest::keyClick(field(*earlier), Qt::Key_Return);
        QVERIFY(earlier->accessGranted());

        auto passTest = prompt();
        QTest::keyClicks(field(*passTest), QStringLiteral("p"));
        if (way == "esc")
            QTest::keyClick(field(*passTest), Qt::Key_Escape);
        else if (way == "cancel")
            passTest->findChild<QPushButton*>(QStringLiteral("AbbrechenBef"))->click();
        else
            passTest->close();
        QVERIFY(!passTest->isVisible());
        QVERIFY(!passTest->accessGranted());
    }

    void okButtonChecksLikeEnter()
    {
        m_settings.passWort = QStringLiteral("pw");
        auto passTest = prompt();
        QTest::keyClicks(field(*passTest), QStringLiteral("pw"));
        passTest->findChild<QPushButton*>(QStringLiteral("OkBef"))->click();
        QVERIFY(passTest->accessGranted());
    }

    // Captions: SettingsWordingTest.
    void placement_data()
    {
        QTest::addColumn<QRect>("band");
        QTest::addColumn<QPoint>("pixels");
        // Left 500 + 8190 / 2 - 5865 / 2 = 1662.5 twips: 111 px. Top on the middle line:
        // 225 twips at the top; 16200 - 2070 - 225 = 13905 twips at the bottom.
        QTest::newRow("band at the top") << bandAtTop << QPoint(111, 15);
        QTest::newRow("band at the bottom") << QRect(0, 15750, 28800, 450) << QPoint(111, 927);
    }

    void placement()
    {
        QFETCH(QRect, band);
        QFETCH(QPoint, pixels);
        auto passTest = prompt(band);
        QCOMPARE(passTest->pos(), pixels);
        QCOMPARE(passTest->size(), QSize(391, 138));
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::PasswordPromptTest)
#include "PasswordPromptTest.moc"
