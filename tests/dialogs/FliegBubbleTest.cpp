#include "dialogs/BubbleHost.h"
#include "dialogs/FliegBubble.h"
#include "platform/Twips.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace qb::test {

namespace {

QList<FliegBubble*> visibleBubbles()
{
    QList<FliegBubble*> result;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* bubble = qobject_cast<FliegBubble*>(widget); bubble && bubble->isVisible())
            result << bubble;
    }
    return result;
}

// Runs the slide to its end; the left edges (twips) from the start to the rest.
QList<int> slideToRest(FliegBubble& bubble)
{
    QList<int> lefts{bubble.leftTwips()};
    for (int step = 0; step < 1000; ++step) {
        const bool more = bubble.slideStep();
        if (bubble.leftTwips() != lefts.back())
            lefts << bubble.leftTwips();
        if (!more)
            break;
    }
    return lefts;
}

} // namespace

class FliegBubbleTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void slidesInFromTheLeft_data();
    void slidesInFromTheLeft();
    void face();
    void secondCallReplacesTheFirst();
    void closes_data();
    void closes();

private:
    ScriptedPlatform m_platform;
    QWidget* m_anchor = nullptr;
};

void FliegBubbleTest::init()
{
    m_platform.calls.clear();
    // The window the offsets count from: at (100, 50) pixels = (1500, 750) twips.
    m_anchor = new QWidget;
    m_anchor->setGeometry(100, 50, 300, 40);
}

void FliegBubbleTest::cleanup()
{
    delete m_anchor;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<FliegBubble*>(widget))
            delete widget;
    }
}

void FliegBubbleTest::slidesInFromTheLeft_data()
{
    QTest::addColumn<double>("offsetX");
    QTest::addColumn<double>("offsetY");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<int>("steps");

    // From -1770 to the target in steps of 200, the last one capped.
    QTest::newRow("beside the window, offsets rounded half to even")
        << 1000.5 << 200.5 << QPoint(2500, 950) << 22;
    QTest::newRow("beyond the right edge of the screen")
        << 40000.0 << -186.5 << QPoint(41500, 564) << 217;
    QTest::newRow("target left of the start: no slide")
        << -5000.0 << 0.0 << QPoint(-3500, 750) << 0;
}

void FliegBubbleTest::slidesInFromTheLeft()
{
    QFETCH(double, offsetX);
    QFETCH(double, offsetY);
    QFETCH(QPoint, target);
    QFETCH(int, steps);
    BubbleHost host(m_platform, m_anchor);
    host.BubbleZeigen(offsetX, offsetY, QStringLiteral("Notice"));
    FliegBubble* bubble = host.bubble();
    QVERIFY(bubble);
    QCOMPARE(bubble->targetTwips(), target);
    QCOMPARE(bubble->leftTwips(), -1770);
    QCOMPARE(bubble->pos(), QPoint(-118, twips::toPixels(target.y())));

    const QList<int> lefts = slideToRest(*bubble);
    QCOMPARE(lefts.size() - 1, steps);
    for (int i = 1; i < lefts.size() - 1; ++i)
        QCOMPARE(lefts[i] - lefts[i - 1], 200);
    QCOMPARE(bubble->leftTwips(), std::max(-1770, target.x()));
    QCOMPARE(bubble->x(), twips::toPixels(std::max(-1770, target.x())));
    QVERIFY(m_platform.calls.contains(QStringLiteral("topmost on")));
}

void FliegBubbleTest::face()
{
    FliegBubble bubble(m_platform, QStringLiteral("Please enter a password."), QPoint(0, 0));
    QCOMPARE(bubble.size(), QSize(118, 81));
    auto* text = bubble.findChild<QLabel*>(QStringLiteral("mTextPan"));
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("Please enter a password."));
    QCOMPARE(text->geometry(), QRect(10, 28, 99, 46));
}

void FliegBubbleTest::secondCallReplacesTheFirst()
{
    BubbleHost host(m_platform, m_anchor);
    host.BubbleZeigen(0, 0, QStringLiteral("first"));
    QPointer<FliegBubble> first = host.bubble();
    slideToRest(*first);
    host.BubbleZeigen(0, 0, QStringLiteral("second"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(first.isNull());
    const QList<FliegBubble*> bubbles = visibleBubbles();
    QCOMPARE(bubbles.size(), 1);
    QCOMPARE(bubbles.front()->findChild<QLabel*>(QStringLiteral("mTextPan"))->text(),
             QStringLiteral("second"));
    // The new one starts at the left again.
    QCOMPARE(bubbles.front()->leftTwips(), -1770);
}

void FliegBubbleTest::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a click on the face") << "face";
    QTest::newRow("a click on the text") << "text";
    QTest::newRow("a click elsewhere (focus lost)") << "elsewhere";
}

void FliegBubbleTest::closes()
{
    QFETCH(QString, how);
    BubbleHost host(m_platform, m_anchor);
    host.BubbleZeigen(0, 0, QStringLiteral("Notice"));
    QPointer<FliegBubble> bubble = host.bubble();
    slideToRest(*bubble);
    QVERIFY(host.bubbleVisible());

    if (how == QStringLiteral("face")) {
        QTest::mouseClick(bubble, Qt::LeftButton, {}, QPoint(5, 40));
    } else if (how == QStringLiteral("text")) {
        QTest::mouseClick(bubble->findChild<QLabel*>(QStringLiteral("mTextPan")),
                          Qt::LeftButton);
    } else {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(bubble, &deactivate);
    }
    QVERIFY(!host.bubbleVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(bubble.isNull());
}

} // namespace qb::test

QTEST_MAIN(qb::test::FliegBubbleTest)
#include "FliegBubbleTest.moc"
