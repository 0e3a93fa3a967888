#include "dialogs/ui/mBox.h"
#include "core/Settings.h"
#include "dialogs/ui/MBoxButton.h"
#include "dialogs/ui/QuestionHost.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

namespace qb::test {

namespace {

// 1920 x 1080 pixels and a band 450 twips (30 pixels) high.
const mBox::Place topPlace{28800, 16200, 450, false, {}};

} // namespace

class MBoxTest : public QObject
{
    Q_OBJECT

    ScriptedPlatform m_platform;
    Settings m_settings;
    QWidget m_band;
    QList<double> m_pauses;

    QuestionHost host()
    {
        QuestionHost meldung(m_platform, m_settings, [this](double s) { m_pauses << s; });
        meldung.setBand(&m_band);
        return meldung;
    }

    // Runs action on the open box once the modal call has started.
    void whenOpen(QuestionHost& meldung, std::function<void(mBox&)> action)
    {
        QTimer::singleShot(0, [&meldung, action] {
            QVERIFY(meldung.openBox());
            action(*meldung.openBox());
        });
    }

private slots:
    void init()
    {
        m_settings = Settings{};
        m_settings.Sprache = 1;
        m_band.resize(1920, 30);
        m_pauses.clear();
    }

    // Pixels are the twips of the button-set table divided by 15.
    void buttonSets_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<QRect>>("rects"); // buttons 0, 1, 2; empty = hidden
        const QRect hidden;
        QTest::newRow("1 cancel, German") << 1 << 2 << QStringList{"Abbrechen", "Ja", "Nein"}
                                          << QList<QRect>{{98, 137, 124, 17}, hidden, hidden};
        QTest::newRow("2 yes and no")
            << 2 << 1 << QStringList{"OK", "Yes", "No"}
            << QList<QRect>{hidden, {98, 137, 60, 17}, {162, 137, 60, 17}};
        QTest::newRow("1 cancel, English") << 1 << 1 << QStringList{"Cancel", "Yes", "No"}
                                           << QList<QRect>{{98, 137, 124, 17}, hidden, hidden};
        QTest::newRow("3 two quarters and a half, German")
            << 3 << 2 << QStringList{"OK", "Ja", "Nein"}
            << QList<QRect>{{160, 137, 60, 17}, {98, 137, 29, 17}, {129, 137, 29, 17}};
        QTest::newRow("4 OK") << 4 << 1 << QStringList{"OK", "Yes", "No"}
                              << QList<QRect>{{98, 137, 124, 17}, hidden, hidden};
    }

    void buttonSets()
    {
        QFETCH(int, set);
        QFETCH(int, sprache);
        QFETCH(QStringList, captions);
        QFETCH(QList<QRect>, rects);
        mBox box(static_cast<qint16>(sprache), set, QStringLiteral("Text"), topPlace,
                 [](double) {});
        box.show();
        QCOMPARE(box.size(), QSize(290, 170));
        for (int number = 0; number < 3; ++number) {
            MBoxButton* button = box.button(number);
            QCOMPARE(button->text(), captions[number]);
            QCOMPARE(button->isVisible(), !rects[number].isNull());
            if (!rects[number].isNull())
                QCOMPARE(button->geometry(), rects[number]);
        }
    }

    void escape_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("answer");
        QTest::newRow("1 cancel") << 1 << 0;
        QTest::newRow("2 yes/no means no") << 2 << 2;
        QTest::newRow("3 with OK") << 3 << 0;
        QTest::newRow("4 OK") << 4 << 0;
    }

    void escape()
    {
        QFETCH(int, set);
        QFETCH(int, answer);
        QuestionHost meldung = host();
        whenOpen(meldung, [](mBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(meldung.MeldungZeigen(set, QStringLiteral("Really?")), answer);
        QCOMPARE(meldung.answer(), answer);
    }

    // The answer is the pressed button even when the pointer leaves it before the release;
    // the box slides out of the screen and the modal call returns.
    void pressOnYesReleasedElsewhere()
    {
        QuestionHost meldung = host();
        int topAfter = 0;
        whenOpen(meldung, [&topAfter](mBox& box) {
            MBoxButton* yes = box.button(1);
            const QPoint rest = yes->pos();
            QTest::mousePress(yes, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(yes->pos(), rest + QPoint(2, 2));
            QTest::mouseRelease(yes, Qt::LeftButton, {}, QPoint(-80, -60));
            topAfter = box.positionTwips().y();
        });
        QCOMPARE(meldung.MeldungZeigen(2, QStringLiteral("Really?")), 1);
        QVERIFY(topAfter > 16200);
        QCOMPARE(m_pauses, QList<double>{0.05});
    }

    void placement_data()
    {
        QTest::addColumn<bool>("below");
        QTest::addColumn<int>("top");
        // Below: the box's lower edge 100 under the band's upper edge (16200 - 450).
        QTest::newRow("band at the bottom") << true << 16200 - 450 - 2550 + 100;
        // Above: the box's top 400 above the band's lower edge.
        QTest::newRow("band at the top") << false << 450 - 400;
    }

    void placement()
    {
        QFETCH(bool, below);
        QFETCH(int, top);
        mBox::Place place = topPlace;
        place.dockedBelow = below;
        // The primary screen right of another one: the box stands on the primary screen.
        place.screenOrigin = below ? QPoint(1920, 0) : QPoint();
        mBox box(1, 2, QStringLiteral("Text"), place, [](double) {});
        QCOMPARE(box.positionTwips(), QPoint(-4350, top));
        box.show();
        box.slideIn();
        QCOMPARE(box.positionTwips(), QPoint(14400 - 2175, top));
        QCOMPARE(box.pos() - place.screenOrigin, QPoint(815, qRound(top / 15.0)));
    }

    void hoverLightensTheGround()
    {
        mBox box(1, 2, QStringLiteral("Text"), topPlace, [](double) {});
        box.show();
        MBoxButton* no = box.button(2);
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QApplication::sendEvent(no, &enter);
        QCOMPARE(no->ground(), 221);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(no, &leave);
        QCOMPARE(no->ground(), 204);
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::MBoxTest)
#include "MBoxTest.moc"
