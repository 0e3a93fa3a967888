#include "FakeTickerFeed.h"
#include "support/ScriptedPlatform.h"
#include "core/ProgramValues.h"
#include "core/Settings.h"
#include "dialogs/BubbleHost.h"
#include "dialogs/FliegBubble.h"
#include "platform/Clock.h"
#include "platform/Colour.h"
#include "platform/Twips.h"
#include "ticker/ui/NotizPanel.h"
#include "ticker/ui/Terminal.h"
#include "ticker/ui/TerminalNoticeBoard.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>

namespace qb::test {

namespace {

const QString bandFamily = QStringLiteral("DejaVu Sans");

// One band with its collaborators; Timer1 is stopped so that the test drives the ticks.
struct Band
{
    Settings settings;
    ScriptedPlatform platform;
    FixedClock clock{QDateTime(QDate(2026, 3, 2), QTime(15, 5, 9))};
    FakeTickerFeed feed;
    std::unique_ptr<Terminal> terminal;

    explicit Band(const std::function<void(Settings&, ScriptedPlatform&)>& adjust = {})
    {
        settings.Sprache = 1;
        settings.ImmerOben = true;
        settings.eigeneErlauben = true;
        settings.zeigDatum = true;
        settings.zeigRahmen = true;
        settings.SchriftName = bandFamily;
        settings.SchriftGroesse = 8;
        settings.SchriftFett = true;
        settings.SchriftFarbe = Settings::defaultSchriftFarbe;
        settings.SchriftFarbe2 = Settings::defaultSchriftFarbe2;
        settings.notizHgFarbe = Settings::defaultNotizHgFarbe;
        settings.fensterHgFarbe = Settings::defaultFensterHgFarbe;
        settings.uhrHgFarbe = Settings::defaultUhrHgFarbe;
        settings.Speed = 30;
        if (adjust)
            adjust(settings, platform);
        terminal = std::make_unique<Terminal>(settings, platform, clock, feed);
        terminal->Timer1().stop();
    }

    template <class T> T* find(const QString& name) const
    {
        return terminal->findChild<T*>(name);
    }
    QLabel* datumPan() const { return find<QLabel>(QStringLiteral("DatumPan")); }
    QLabel* uhrPan() const { return find<QLabel>(QStringLiteral("UhrPan")); }
    NotizPanel* notizPan() const { return find<NotizPanel>(QStringLiteral("NotizPan")); }
    QMenu* menu() const { return find<QMenu>(QStringLiteral("KontextMen")); }
    QAction* action(const char* name) const { return find<QAction>(QString::fromLatin1(name)); }

    void showAndTick(const QVector<TickerEntry>& entries)
    {
        feed.show(entries);
        terminal->tick();
    }
};

QVector<TickerEntry> longText()
{
    return {{TickerSource::Local, QStringLiteral("A note far too long for the band. ").repeated(12)}};
}

QVector<TickerEntry> shortText()
{
    return {{TickerSource::Local, QStringLiteral("Short note")}};
}

int textHeightTwips(const QString& family, int size)
{
    QFont font(family);
    font.setPointSize(size);
    return twips::fromPixels(QFontMetrics(font).height());
}

int advance(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// Pixels of exactly this colour in the columns [from, to) of an image.
int countColour(const QImage& image, int from, int to, QColor colour)
{
    int count = 0;
    for (int x = std::max(0, from); x < std::min(to, image.width()); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == colour)
                ++count;
        }
    }
    return count;
}

} // namespace

class TerminalTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutGeometry_data();
    void layoutGeometry();
    void textYOverride_data();
    void textYOverride();
    void redocking_data();
    void redocking();
    void menuRights_data();
    void menuRights();
    void captions_data();
    void captions();
    void scrollingPositions();
    void standingText();
    void copyWidthHasSeparatorOnlyWhenScrolling_data();
    void copyWidthHasSeparatorOnlyWhenScrolling();
    void coloursBySource();
    void emptyBand();
    void clockPanels();
    void keys_data();
    void keys();
    void rightClickOpensMenu_data();
    void rightClickOpensMenu();
    void doubleClickOnBand_data();
    void doubleClickOnBand();
    void settingsCommandDisablesTheBand();
    void endAndAboutAreSignals();
    void commandsWithoutWindowCannotBeChosen();
    void activationAppliesTopmost_data();
    void activationAppliesTopmost();
    void networkNoticeBesideTheBand_data();
    void networkNoticeBesideTheBand();
};

void TerminalTest::layoutGeometry_data()
{
    QTest::addColumn<bool>("frame");
    QTest::addColumn<bool>("date");
    QTest::addColumn<int>("dockPos");
    QTest::addColumn<int>("notizLeft");
    QTest::addColumn<int>("notizRight");
    QTest::addColumn<int>("extraHeight");

    // NotizPan from 2025 to W - 90 twips: pixels 135 to 1914 on a 1920 screen.
    QTest::newRow("frame and date, top") << true << true << 0 << 135 << 1914 << 135;
    QTest::newRow("frame and date, bottom") << true << true << 1 << 135 << 1914 << 135;
    QTest::newRow("frame without date") << true << false << 0 << 3 << 1914 << 135;
    QTest::newRow("date without frame, bottom") << false << true << 1 << 132 << 1920 << 0;
    QTest::newRow("neither") << false << false << 0 << 0 << 1920 << 0;
}

void TerminalTest::layoutGeometry()
{
    QFETCH(bool, frame);
    QFETCH(bool, date);
    QFETCH(int, dockPos);
    QFETCH(int, notizLeft);
    QFETCH(int, notizRight);
    QFETCH(int, extraHeight);
    Band band([&](Settings& s, ScriptedPlatform&) {
        s.zeigRahmen = frame;
        s.zeigDatum = date;
        s.dockPos = dockPos;
    });

    // h comes from the height of "test" in the window font.
    const int t = textHeightTwips(bandFamily, 8);
    const int h = static_cast<int>(std::nearbyint(t * 1.5));
    QCOMPARE(band.terminal->layout().bandHeight, h);

    const QRect window = band.terminal->geometry();
    QCOMPARE(window.x(), 0);
    QCOMPARE(window.width(), 1920);
    QCOMPARE(window.height(), twips::toPixels(h + extraHeight));
    QCOMPARE(dockPos == 0 ? window.top() : window.bottom() + 1, dockPos == 0 ? 0 : 1080);

    const QRect notiz = band.notizPan()->geometry();
    QCOMPARE(notiz.left(), notizLeft);
    QCOMPARE(notiz.right() + 1, notizRight);
    QCOMPARE(notiz.top(), frame ? 3 : 0);
    QCOMPARE(notiz.height(), twips::toPixels((frame ? 45 : 0) + h) - notiz.top());
    QCOMPARE(band.datumPan()->isHidden(), !date);
    QCOMPARE(band.uhrPan()->isHidden(), !date);
    QCOMPARE(band.uhrPan()->frameShape(), frame ? QFrame::Panel : QFrame::NoFrame);
    if (date)
        QCOMPARE(band.uhrPan()->geometry().right() + 1, notizLeft);
}

void TerminalTest::textYOverride_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("textY");
    QTest::newRow("size 11 whatever the font measures") << 11 << 135;
    QTest::newRow("size 14 whatever the font measures") << 14 << 85;
}

void TerminalTest::textYOverride()
{
    QFETCH(int, size);
    QFETCH(int, textY);
    Band band([&](Settings& s, ScriptedPlatform&) { s.SchriftGroesse = static_cast<qint16>(size); });
    QCOMPARE(band.terminal->layout().textY, textY);
}

void TerminalTest::redocking_data()
{
    QTest::addColumn<QSize>("newScreen");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("a wider screen re-docks at the next tick")
        << QSize(1920, 1080) << QRect(0, 1080 - 20, 1920, 20);
    QTest::newRow("a narrower screen leaves the band as it is")
        << QSize(1024, 600) << QRect(0, 720 - 20, 1280, 20);
}

void TerminalTest::redocking()
{
    QFETCH(QSize, newScreen);
    QFETCH(QRect, expected);
    Band band([](Settings& s, ScriptedPlatform& p) {
        s.dockPos = 1;
        s.zeigRahmen = false;
        p.screen = QSize(1280, 720);
    });
    const int height = band.terminal->height();
    expected.setTop(expected.bottom() + 1 - height);
    expected.setHeight(height);

    band.platform.screen = newScreen;
    band.terminal->tick();
    QCOMPARE(band.terminal->geometry(), expected);
}

void TerminalTest::menuRights_data()
{
    QTest::addColumn<bool>("eigeneErlauben");
    QTest::newRow("own notes allowed") << true;
    QTest::newRow("own notes not allowed") << false;
}

void TerminalTest::menuRights()
{
    QFETCH(bool, eigeneErlauben);
    Band band([&](Settings& s, ScriptedPlatform&) { s.eigeneErlauben = eigeneErlauben; });
    const auto check = [&band](bool allowed) {
        for (const char* name : {"NeuMen", "Strich1", "VerwaltungMen", "Strich3"})
            QCOMPARE(band.action(name)->isEnabled(), allowed);
        for (const char* name : {"EinstellungenMen", "HilfeMen", "AboutMen", "EndeMen"})
            QVERIFY(band.action(name)->isEnabled());
    };
    check(eigeneErlauben);

    // A broadcaster changes the right: the next layout switches the entries.
    band.settings.eigeneErlauben = !eigeneErlauben;
    band.terminal->MachLayout();
    check(!eigeneErlauben);
}

void TerminalTest::captions_data()
{
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("English")
        << 1
        << QStringList{"New note   Ctrl-N", "Notes administration", "Settings", "Help  F1",
                       "About ...", "End"};
    QTest::newRow("German")
        << 2
        << QStringList{"Neue Notiz   Strg-N", "Notizverwaltung", "Einstellungen", "Hilfe  F1",
                       QString::fromUtf8("Über ..."), "Beenden"};
}

void TerminalTest::captions()
{
    QFETCH(int, sprache);
    QFETCH(QStringList, captions);
    Band band([&](Settings& s, ScriptedPlatform&) { s.Sprache = static_cast<qint16>(sprache); });
    const auto texts = [&band] {
        QStringList result;
        for (const char* name :
             {"NeuMen", "VerwaltungMen", "EinstellungenMen", "HilfeMen", "AboutMen", "EndeMen"})
            result << band.action(name)->text();
        return result;
    };
    QCOMPARE(texts(), captions);
    QCOMPARE(band.menu()->actions().size(), 9);

    // Any other language keeps the captions.
    band.settings.Sprache = 0;
    band.terminal->SpracheEinstellen();
    QCOMPARE(texts(), captions);
}

void TerminalTest::scrollingPositions()
{
    Band band;
    band.feed.show(longText());
    const int expectedX[] = {101, 71, 41, 11, -19};
    for (const int x : expectedX) {
        QCOMPARE(band.terminal->scroll().x(), x);
        band.terminal->tick();
        QCOMPARE(band.terminal->scroll().LaufModus(), int(TickerScroll::Scrolling));
        QCOMPARE(band.notizPan()->copies().front(), twips::toPixels(x));
    }
    // Once the first copy's end has come into the band, the second follows it without a gap.
    const int copyWidth = band.notizPan()->picture().copyWidth();
    const int bandWidth = band.notizPan()->width();
    const int ticksUntilSecondCopy = (copyWidth - bandWidth) * 15 / 30 + 10;
    for (int tick = 0; tick < ticksUntilSecondCopy; ++tick)
        band.terminal->tick();
    const QVector<int> copies = band.notizPan()->copies();
    QVERIFY(copies.size() >= 2);
    QVERIFY(copies[1] < bandWidth);
    QCOMPARE(copies[1] - copies[0], copyWidth);

}

void TerminalTest::standingText()
{
    Band band;
    band.showAndTick(shortText());
    QCOMPARE(band.terminal->scroll().LaufModus(), int(TickerScroll::Standing));
    QCOMPARE(band.notizPan()->copies(), QVector<int>{twips::toPixels(101)});

    band.terminal->tick();
    band.terminal->tick();
    QCOMPARE(band.notizPan()->copies(), QVector<int>{twips::toPixels(101)});
    QCOMPARE(band.terminal->scroll().x(), 71);

    // A new layout draws it again at the left of the new band.
    band.settings.zeigDatum = false;
    band.terminal->MachLayout();
    QCOMPARE(band.terminal->scroll().x(), 101);
    band.terminal->tick();
    QCOMPARE(band.notizPan()->copies(), QVector<int>{twips::toPixels(101)});
    QCOMPARE(band.notizPan()->x(), 3);
}

void TerminalTest::copyWidthHasSeparatorOnlyWhenScrolling_data()
{
    const QString blank = QStringLiteral(" ");
    const QString separator = ProgramValues::Trenner + blank;
    const QString a = QStringLiteral("First");
    const QString b = QStringLiteral("Second");
    const QString longA = longText().front().text;

    QTest::addColumn<QVector<TickerEntry>>("entries");
    QTest::addColumn<QString>("drawn");
    QTest::newRow("standing: no separator after the last entry")
        << QVector<TickerEntry>{{TickerSource::Local, a}, {TickerSource::Broadcast, b}}
        << a + blank + separator + b + blank;
    QTest::newRow("scrolling: separator after the last entry too")
        << QVector<TickerEntry>{{TickerSource::Local, longA}, {TickerSource::Broadcast, b}}
        << longA + blank + separator + b + blank + separator;
}

void TerminalTest::copyWidthHasSeparatorOnlyWhenScrolling()
{
    QFETCH(QVector<TickerEntry>, entries);
    QFETCH(QString, drawn);
    Band band;
    band.showAndTick(entries);
    const int expected = advance(band.notizPan()->font(), drawn);
    QVERIFY2(std::abs(band.notizPan()->picture().copyWidth() - expected) <= 1,
             qPrintable(QStringLiteral("copy width %1, expected %2")
                            .arg(band.notizPan()->picture().copyWidth())
                            .arg(expected)));
}

void TerminalTest::coloursBySource()
{
    const QColor local(255, 0, 0);
    const QColor broadcast(0, 0, 255);
    const QColor adopted(0, 255, 0);
    const QColor background(0, 0, 0);
    Band band([&](Settings& s, ScriptedPlatform&) {
        s.SchriftGroesse = 20;
        s.SchriftFarbe = colour::fromQColor(local);
        s.SchriftFarbe2 = colour::fromQColor(broadcast);
        s.notizHgFarbe = colour::fromQColor(background);
    });
    const QString a = QStringLiteral("HHHH");
    const QString b = QStringLiteral("MMMM");
    band.showAndTick({{TickerSource::Local, a}, {TickerSource::Broadcast, b}});

    const QFont font = band.notizPan()->font();
    const int start = band.notizPan()->copies().front();
    const int aEnd = start + advance(font, a);
    const int bStart = start + advance(font, a + QStringLiteral(" ") + ProgramValues::Trenner
                                                 + QStringLiteral(" "));
    const int bEnd = bStart + advance(font, b);

    QImage image = band.notizPan()->grab().toImage();
    QVERIFY(countColour(image, start, aEnd, local) > 0);
    QCOMPARE(countColour(image, start, aEnd, broadcast), 0);
    QVERIFY(countColour(image, aEnd, bStart, local) > 0); // the separator dot
    QCOMPARE(countColour(image, aEnd, bStart, broadcast), 0);
    QVERIFY(countColour(image, bStart, bEnd, broadcast) > 0);
    QCOMPARE(countColour(image, bStart, bEnd, local), 0);
    QCOMPARE(image.pixelColor(image.width() - 1, 0), background);

    // Colours adopted between ticks show at the next tick, the text standing where it was.
    band.settings.SchriftFarbe2 = colour::fromQColor(adopted);
    band.terminal->tick();
    image = band.notizPan()->grab().toImage();
    QVERIFY(countColour(image, bStart, bEnd, adopted) > 0);
    QCOMPARE(countColour(image, bStart, bEnd, broadcast), 0);
    QCOMPARE(band.notizPan()->copies().front(), start);
}

void TerminalTest::emptyBand()
{
    Band band;
    band.showAndTick(longText());
    band.terminal->tick();
    band.showAndTick({});
    QVERIFY(band.terminal->AnzeigeText().isEmpty());
    QVERIFY(band.notizPan()->copies().isEmpty());

    const QImage image = band.notizPan()->grab().toImage();
    const QColor background = colour::toQColor(Settings::defaultNotizHgFarbe);
    QCOMPARE(countColour(image, 0, image.width(), background), image.width() * image.height());
}

void TerminalTest::clockPanels()
{
    Band band;
    band.terminal->tick();
    QCOMPARE(band.uhrPan()->text(), QStringLiteral("3:05:09 pm"));
    QCOMPARE(band.datumPan()->text(), QStringLiteral("03/02/26"));
    band.clock.advanceSeconds(1);
    band.terminal->tick();
    QCOMPARE(band.uhrPan()->text(), QStringLiteral("3:05:10 pm"));
    QCOMPARE(band.feed.waits, 2);
    QCOMPARE(band.feed.steps, 2);

    // Hidden panels are not refreshed.
    Band hidden([](Settings& s, ScriptedPlatform&) { s.zeigDatum = false; });
    hidden.terminal->tick();
    QVERIFY(hidden.uhrPan()->text().isEmpty());
    QVERIFY(hidden.datumPan()->text().isEmpty());
}

void TerminalTest::keys_data()
{
    QTest::addColumn<int>("sprache");
    QTest::addColumn<bool>("eigeneErlauben");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("documents");
    QTest::addColumn<int>("newNotes");

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("F1 opens the English help") << 1 << true << int(Qt::Key_F1) << none
                                               << QStringList{"openDocument start-e.htm"} << 0;
    QTest::newRow("F1 opens the German help") << 2 << true << int(Qt::Key_F1) << none
                                              << QStringList{"openDocument start-d.htm"} << 0;
    QTest::newRow("Shift+F1 does nothing")
        << 1 << true << int(Qt::Key_F1) << int(Qt::ShiftModifier) << QStringList{} << 0;
    QTest::newRow("Ctrl+N writes a new note") << 1 << true << int(Qt::Key_N) << ctrl
                                              << QStringList{} << 1;
    QTest::newRow("Ctrl+N without own notes does nothing")
        << 1 << false << int(Qt::Key_N) << ctrl << QStringList{} << 0;
    QTest::newRow("Ctrl+Shift+N does nothing")
        << 1 << true << int(Qt::Key_N) << int(Qt::ControlModifier | Qt::ShiftModifier)
        << QStringList{} << 0;
    QTest::newRow("N alone does nothing") << 1 << true << int(Qt::Key_N) << none
                                          << QStringList{} << 0;
}

void TerminalTest::keys()
{
    QFETCH(int, sprache);
    QFETCH(bool, eigeneErlauben);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, documents);
    QFETCH(int, newNotes);
    Band band([&](Settings& s, ScriptedPlatform&) {
        s.Sprache = static_cast<qint16>(sprache);
        s.eigeneErlauben = eigeneErlauben;
    });
    band.terminal->Timer1().start();
    const int rebuildsBefore = band.feed.rebuildRequests;
    bool timerStoodWhileOpen = false;
    QObject::connect(band.terminal.get(), &Terminal::newNoteRequested, band.terminal.get(),
                     [&band, &timerStoodWhileOpen] {
                         timerStoodWhileOpen = !band.terminal->Timer1().isActive();
                     });
    QSignalSpy newNote(band.terminal.get(), &Terminal::newNoteRequested);

    QTest::keyClick(band.terminal.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(band.platform.calls.filter(QStringLiteral("openDocument")), documents);
    QCOMPARE(newNote.count(), newNotes);
    if (newNotes > 0) {
        // The ticker stands while the editor is open and rebuilds at once afterwards.
        QVERIFY(timerStoodWhileOpen);
        QVERIFY(band.terminal->Timer1().isActive());
        QCOMPARE(band.feed.rebuildRequests, rebuildsBefore + 1);
    }
}

void TerminalTest::rightClickOpensMenu_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right button on the date") << "DatumPan" << int(Qt::RightButton) << true;
    QTest::newRow("right button on the clock") << "UhrPan" << int(Qt::RightButton) << true;
    QTest::newRow("right button on the band") << "NotizPan" << int(Qt::RightButton) << true;
    QTest::newRow("right button on the frame") << "Terminal" << int(Qt::RightButton) << true;
    QTest::newRow("left button on the band") << "NotizPan" << int(Qt::LeftButton) << false;
    QTest::newRow("middle button on the frame") << "Terminal" << int(Qt::MiddleButton) << false;
}

void TerminalTest::rightClickOpensMenu()
{
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(bool, opens);
    Band band;
    band.terminal->show();
    QWidget* widget = target == QStringLiteral("Terminal") ? band.terminal.get()
                                                           : band.find<QWidget>(target);
    QVERIFY(widget);
    // (1, 1) of the window lies in the frame, left of and above every panel.
    QTest::mousePress(widget, Qt::MouseButton(button), {}, QPoint(1, 1));
    QCOMPARE(band.menu()->isVisible(), opens);
    band.menu()->hide();
}

void TerminalTest::doubleClickOnBand_data()
{
    QTest::addColumn<bool>("eigeneErlauben");
    QTest::addColumn<int>("opened");
    QTest::newRow("own notes allowed: administration") << true << 1;
    QTest::newRow("own notes not allowed: nothing") << false << 0;
}

void TerminalTest::doubleClickOnBand()
{
    QFETCH(bool, eigeneErlauben);
    QFETCH(int, opened);
    Band band([&](Settings& s, ScriptedPlatform&) { s.eigeneErlauben = eigeneErlauben; });
    band.terminal->show();
    const int rebuildsBefore = band.feed.rebuildRequests;
    QSignalSpy administration(band.terminal.get(), &Terminal::administrationRequested);
    QTest::mouseDClick(band.notizPan(), Qt::LeftButton, {}, QPoint(20, 5));
    QCOMPARE(administration.count(), opened);
    QCOMPARE(band.feed.rebuildRequests, rebuildsBefore + opened);
}

void TerminalTest::settingsCommandDisablesTheBand()
{
    Band band;
    band.terminal->show();
    band.terminal->Timer1().start();
    band.platform.calls.clear();
    QSignalSpy settings(band.terminal.get(), &Terminal::settingsRequested);

    band.action("EinstellungenMen")->trigger();
    QCOMPARE(settings.count(), 1);
    QVERIFY(!band.terminal->Timer1().isActive());
    QCOMPARE(band.platform.calls, QStringList{"topmost off"});
    // The menu cannot be used a second time meanwhile.
    QTest::mousePress(band.notizPan(), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(!band.menu()->isVisible());
    QTest::keyClick(band.terminal.get(), Qt::Key_F1);
    QVERIFY(band.platform.calls.filter(QStringLiteral("openDocument")).isEmpty());

    band.terminal->FormAktiv(true);
    QTest::mousePress(band.notizPan(), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(band.menu()->isVisible());
    band.menu()->hide();
}

void TerminalTest::endAndAboutAreSignals()
{
    Band band;
    QSignalSpy end(band.terminal.get(), &Terminal::endRequested);
    QSignalSpy about(band.terminal.get(), &Terminal::aboutRequested);
    band.action("EndeMen")->trigger();
    band.action("AboutMen")->trigger();
    band.action("HilfeMen")->trigger();
    QCOMPARE(end.count(), 1);
    QCOMPARE(about.count(), 1);
    QCOMPARE(band.platform.calls.filter(QStringLiteral("openDocument")),
             QStringList{"openDocument start-e.htm"});
}

// A command whose window the application does not provide is greyed out and
// does nothing: the settings command must not leave the band stopped.
void TerminalTest::commandsWithoutWindowCannotBeChosen()
{
    Band band;
    band.terminal->show();
    band.terminal->Timer1().start();
    QTest::mousePress(band.notizPan(), Qt::RightButton, {}, QPoint(5, 5));
    for (const char* name : {"NeuMen", "VerwaltungMen", "EinstellungenMen", "AboutMen"})
        QVERIFY2(!band.action(name)->isEnabled(), name);
    QVERIFY(band.action("HilfeMen")->isEnabled());
    band.menu()->hide();
    band.action("EinstellungenMen")->trigger();
    QVERIFY(band.terminal->Timer1().isActive());
    QTest::mousePress(band.notizPan(), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(band.menu()->isVisible());
    band.menu()->hide();
}

void TerminalTest::activationAppliesTopmost_data()
{
    QTest::addColumn<bool>("immerOben");
    QTest::addColumn<QString>("call");
    QTest::newRow("always on top") << true << "topmost on";
    QTest::newRow("normal layer") << false << "topmost off";
}

void TerminalTest::activationAppliesTopmost()
{
    QFETCH(bool, immerOben);
    QFETCH(QString, call);
    Band band([&](Settings& s, ScriptedPlatform&) { s.ImmerOben = immerOben; });
    band.platform.calls.clear();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(band.terminal.get(), &activate);
    QCOMPARE(band.platform.calls, QStringList{call});
}

void TerminalTest::networkNoticeBesideTheBand_data()
{
    QTest::addColumn<int>("dockPos");
    QTest::newRow("docked at the top: below the band's middle") << 0;
    QTest::newRow("docked at the bottom: above the band") << 1;
}

void TerminalTest::networkNoticeBesideTheBand()
{
    QFETCH(int, dockPos);
    Band band([&](Settings& s, ScriptedPlatform&) { s.dockPos = dockPos; });
    band.terminal->show();
    BubbleHost bubbles(band.platform, band.terminal.get());
    TerminalNoticeBoard board(band.settings, *band.terminal, bubbles);
    const QString text = QStringLiteral("Network error - cannot reach broadcast server.");

    board.showNetworkNotice(text);
    QVERIFY(board.noticeVisible());
    FliegBubble* bubble = bubbles.bubble();
    QVERIFY(bubble);
    QCOMPARE(bubble->findChild<QLabel*>(QStringLiteral("mTextPan"))->text(), text);

    const BandLayout& layout = band.terminal->layout();
    const int top = twips::fromPixels(band.terminal->y());
    const double y = dockPos == 0 ? layout.windowHeight / 2.0 - 400 : -1515.0;
    QCOMPARE(bubble->targetTwips(),
             QPoint(28800 / 2 - 885, top + static_cast<int>(std::nearbyint(y))));

    board.closeNotice();
    QVERIFY(!board.noticeVisible());
}

} // namespace qb::test

QTEST_MAIN(qb::test::TerminalTest)
#include "TerminalTest.moc"
