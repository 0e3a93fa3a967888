#include "dialogs/ui/BubbleHost.h"
#include "platform/Twips.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace qb::test {

namespace {

// Runs the slide to its end; the left edges (twips) from the start to the rest.
QList<int> slideToRest(FliegBubble& bubble)
{
    QList<int> lefts{bubble.leftTwips()};
    for (int step = 0; step < 1000 && bubble.slideStep(); ++step)
        lefts << bubble.leftTwips();
    if (bubble.leftTwips() != lefts.back())
        lefts << bubble.leftTwips();
    return lefts;
}

} // namespace

class FliegBubbleTest : public QObject
{
    Q_OBJECT

    ScriptedPlatform m_platform;
    QWidget m_anchor; // the window the offsets count from

private slots:
    // At (100, 50) pixels = (1500, 750) twips.
    void initTestCase() { m_anchor.setGeometry(100, 50, 300, 40); }

    // From -1770 twips to the target in steps of 200, the last one capped; the offsets are
    // rounded half to even.
    void slidesInFromTheLeft()
    {
        BubbleHost host(m_platform, &m_anchor);
        host.BubbleZeigen(1000.5, 200.5, QStringLiteral("Notice"));
        FliegBubble* bubble = host.bubble();
        QCOMPARE(bubble->targetTwips(), QPoint(2500, 950));
        QCOMPARE(bubble->pos(), QPoint(-118, twips::toPixels(950)));

        const QList<int> lefts = slideToRest(*bubble);
        QCOMPARE(lefts.size() - 1, 22);
        for (int i = 1; i < lefts.size() - 1; ++i)
            QCOMPARE(lefts[i] - lefts[i - 1], 200);
        QCOMPARE(bubble->pos(), QPoint(twips::toPixels(2500), twips::toPixels(950)));
        QVERIFY(m_platform.calls.contains(QStringLiteral("topmost on")));
    }

    // A notice longer than the face holds makes the face taller; a short one keeps its size.
    void longTextGrowsTheFace()
    {
        BubbleHost host(m_platform, &m_anchor);
        host.BubbleZeigen(0, 0, QStringLiteral("Notice"));
        QCOMPARE(host.bubble()->height(), twips::toPixels(FliegBubble::heightTwips));
        host.BubbleZeigen(0, 0,
                          QStringLiteral("The notes file \"/home/someone/Documents/"
                                         "Quillaband 3/qb.kvl\" was removed; notes cannot "
                                         "be saved until it is back."));
        const auto* text = host.bubble()->findChild<QLabel*>(QStringLiteral("mTextPan"));
        QVERIFY(text->height() >= text->heightForWidth(text->width()));
        QVERIFY(text->geometry().bottom() < host.bubble()->height());
    }

    void secondCallReplacesTheFirst()
    {
        BubbleHost host(m_platform, &m_anchor);
        host.BubbleZeigen(0, 0, QStringLiteral("first"));
        QPointer<FliegBubble> first = host.bubble();
        slideToRest(*first);
        host.BubbleZeigen(0, 0, QStringLiteral("second"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(first.isNull());
        QList<FliegBubble*> visible;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* bubble = qobject_cast<FliegBubble*>(widget); bubble && bubble->isVisible())
                visible << bubble;
        }
        QCOMPARE(visible.size(), 1);
        QCOMPARE(visible.front()->findChild<QLabel*>(QStringLiteral("mTextPan"))->text(),
                 QStringLiteral("second"));
        QCOMPARE(visible.front()->leftTwips(), -1770); // it starts at the left again
    }

    void closes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("a click on the face") << "face";
        QTest::newRow("a click on the text") << "text";
        QTest::newRow("a click elsewhere (focus lost)") << "elsewhere";
    }

    void closes()
    {
        QFETCH(QString, how);
        BubbleHost host(m_platform, &m_anchor);
        host.BubbleZeigen(0, 0, QStringLiteral("Notice"));
        QPointer<FliegBubble> bubble = host.bubble();
        slideToRest(*bubble);
        QVERIFY(host.bubbleVisible());

        QEvent deactivate(QEvent::WindowDeactivate);
        if (how == QStringLiteral("face"))
            QTest::mouseClick(bubble, Qt::LeftButton, {}, QPoint(5, 40));
        else if (how == QStringLiteral("text"))
            QTest::mouseClick(bubble->findChild<QLabel*>(), Qt::LeftButton); // mTextPan
        else
            QApplication::sendEvent(bubble, &deactivate);
        QVERIFY(!host.bubbleVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(bubble.isNull());
    }

    void staysWhenTheFocusIsRefusedWhileItSlidesIn()
    {
        BubbleHost host(m_platform, &m_anchor);
        host.BubbleZeigen(0, 0, QStringLiteral("Notice"));
        QVERIFY(host.bubble()->sliding());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(host.bubble(), &deactivate);
        QVERIFY(host.bubbleVisible());
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::FliegBubbleTest)
#include "FliegBubbleTest.moc"
