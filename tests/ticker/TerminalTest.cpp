#include "ticker/ui/Terminal.h"
#include "core/ProgramValues.h"
#include "core/Settings.h"
#include "dialogs/ui/BubbleHost.h"
#include "dialogs/ui/FliegBubble.h"
#include "platform/Clock.h"
#include "platform/Colour.h"
#include "platform/Twips.h"
#include "support/ScriptedPlatform.h"
#include "ticker/ui/BandDock.h"
#include "ticker/ui/TerminalNoticeBoard.h"
#include "ticker/ui/TickerWindow.h"
#include "ticker/view/BandText.h"
#include "ticker/view/ClockFont.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>
#include <utility>

namespace qb::test {

namespace {

// One band with its collaborators; Timer1 is stopped so that the test drives the ticks.
// The band's content feed is the test's: show() hands the next tick a new text.
struct Band final : TickerFeed
{
    Settings settings;
    ScriptedPlatform platform;
    FixedClock clock{QDateTime(QDate(2026, 3, 2), QTime(15, 5, 9))};
    QVector<TickerEntry> shown;
    bool changed = false;
    int rebuildRequests = 0;
    std::unique_ptr<Terminal> terminal;

    explicit Band(const std::function<void(Settings&)>& adjust = {}, QSize screen = {1920, 1080})
    {
        settings.Sprache = 1;
        settings.SchriftName = QStringLiteral("DejaVu Sans");
        settings.SchriftGroesse = 8;
        settings.notizHgFarbe = Settings::defaultNotizHgFarbe;
        settings.Speed = 30;
        settings.eigeneErlauben = settings.zeigDatum = settings.zeigRahmen = true;
        if (adjust)
            adjust(settings);
        platform.screen = screen;
        terminal = std::make_unique<Terminal>(settings, platform, clock, *this);
        terminal->Timer1().stop();
    }

    template <class T = QWidget> T* find(const char* name) const
    {
        return terminal->findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* notizPan() const { return find("NotizPan"); }
    TickerWindow& ticker() const { return terminal->ticker(); }
    // The pixels the ticker band shows: the band on the (offscreen) screen.
    QImage picture() const
    {
        terminal->show();
        if (!QTest::qWaitForWindowExposed(&ticker()))
            return {};
        return ticker().screen()->grabWindow(ticker().winId()).toImage();
    }
    QMenu* menu() const { return find<QMenu>("KontextMen"); }
    QAction* action(const char* name) const { return find<QAction>(name); }
    void rightClick() const { QTest::mousePress(&ticker(), Qt::RightButton, {}, QPoint(5, 5)); }

    void show(const QVector<TickerEntry>& entries)
    {
        shown = entries;
        changed = true;
        terminal->tick();
    }

    void waitForNetwork(const QDateTime&) override {}
    bool NotizMachen(const QDateTime&) override { return std::exchange(changed, false); }
    const QVector<TickerEntry>& entries() const override { return shown; }
    void requestRebuild() override { ++rebuildRequests; }
};

const QString blank = QStringLiteral(" ");
const QString separator = ProgramValues::Trenner + blank;
const QString longNote = QStringLiteral("A note far too long for the band. ").repeated(12);

int advance(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// Whether the columns [from, to) of an image show the colour present and never absent.
bool shows(const QImage& image, int from, int to, QColor present, QColor absent)
{
    bool seen = false;
    for (int x = std::max(0, from); x < std::min(to, image.width()); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == absent)
                return false;
            seen = seen || image.pixelColor(x, y) == present;
        }
    }
    return seen;
}

} // namespace

class TerminalTest : public QObject
{
    Q_OBJECT

private slots:
    // The numbers are BandLayout's; here: the font's height, twips to pixels, shared edges.
    void layoutGeometry()
    {
        Band band([](Settings& s) { s.dockPos = 1; });
        // h comes from the height of "test" in the window font.
        QFont font(band.settings.SchriftName);
        font.setPointSize(8);
        const int h = static_cast<int>(std::nearbyint(QFontMetrics(font).height() * 15 * 1.5));
        const int height = twips::toPixels(h + 135);
        QCOMPARE(band.terminal->geometry(), QRect(0, 1080 - height, 1920, height));
        // NotizPan from 2025 to W - 90 twips: pixels 135 to 1914 on a 1920 screen.
        const int bottom = twips::toPixels(45 + h);
        QCOMPARE(band.notizPan()->geometry(), QRect(135, 3, 1914 - 135, bottom - 3));
        QCOMPARE(band.find("UhrPan")->geometry().right() + 1, 135);
    }

    // Any change of the primary screen re-docks the band at the next tick: wider, and
    // (a regression: the band stayed below a smaller screen) narrower and lower, and a
    // primary screen that moved away from the desktop's origin.
    void redocking()
    {
        Band band([](Settings& s) { s.dockPos = 1; }, QSize(1280, 720));
        const int height = band.terminal->height();
        const QRect screens[] = {QRect(0, 0, 1920, 1080), QRect(0, 0, 1024, 600),
                                 QRect(1920, 300, 1280, 720)};
        for (const QRect& screen : screens) {
            band.platform.screenOrigin = screen.topLeft();
            band.platform.screen = screen.size();
            band.terminal->tick();
            QCOMPARE(band.terminal->geometry(),
                     QRect(screen.x(), screen.bottom() + 1 - height, screen.width(), height));
        }
    }

    // The note entries follow eigeneErlauben at each layout and each time the menu opens.
    void menuRights()
    {
        for (const bool allowed : {true, false}) {
            Band band([&](Settings& s) { s.eigeneErlauben = allowed; });
            for (auto signal : {&Terminal::newNoteRequested, &Terminal::administrationRequested})
                QObject::connect(band.terminal.get(), signal, [] {});
            const auto check = [&band](bool expected) {
                for (const char* name : {"NeuMen", "Strich1", "VerwaltungMen", "Strich3"})
                    QVERIFY2(band.action(name)->isEnabled() == expected, name);
            };
            check(allowed);
            // A broadcaster changes the right: the next layout switches the entries.
            band.settings.eigeneErlauben = !allowed;
            band.terminal->MachLayout();
            check(!allowed);
            band.terminal->show();
            band.rightClick();
            QVERIFY(band.menu()->isVisible());
            check(!allowed);
            band.menu()->hide();
        }
    }

    void drawing_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("positions"); // x in twips, tick by tick
        QTest::newRow("wider than the band: scrolls by Speed from 101, separator after the last")
            << longNote << int(TickerScroll::Scrolling) << QList<int>{101, 71, 41, 11, -19};
        QTest::newRow("fits the band: drawn once at 101 and stands, no separator after the last")
            << QStringLiteral("First") << int(TickerScroll::Standing) << QList<int>{101, 101, 101};
    }

    void drawing()
    {
        QFETCH(QString, first);
        QFETCH(int, mode);
        QFETCH(QList<int>, positions);
        Band band;
        const QString second = QStringLiteral("Second");
        band.show({{TickerSource::Local, first}, {TickerSource::Broadcast, second}});
        for (const int x : positions) {
            QCOMPARE(band.ticker().copies().front(), twips::toPixels(x));
            band.terminal->tick();
        }
        QCOMPARE(band.terminal->scroll().LaufModus(), mode);
        const bool scrolling = mode == TickerScroll::Scrolling;
        const int copyWidth = band.ticker().picture().copyWidth();
        const QString tail = scrolling ? separator : QString();
        const int drawn = advance(band.ticker().picture().style().font,
                                  first + blank + separator + second + blank + tail);
        QVERIFY2(std::abs(copyWidth - drawn) <= 1, qPrintable(QString::number(copyWidth)));

        if (scrolling) {
            // Once the first copy's end has come into the band, the second follows it.
            const int bandWidth = band.notizPan()->width();
            for (int tick = 0; tick < (copyWidth - bandWidth) * 15 / 30 + 10; ++tick)
                band.terminal->tick();
            const QVector<int> copies = band.ticker().copies();
            QVERIFY(copies.size() >= 2 && copies[1] < bandWidth);
            QCOMPARE(copies[1] - copies[0], copyWidth);
        }
        // A new layout starts the text at the left again.
        band.terminal->MachLayout();
        QCOMPARE(band.terminal->scroll().x(), 101);
    }

    // Regression: a receiver drew the broadcaster's font in a band sized for its own. An
    // adoption that changes the layout lays the band out again and measures the text anew;
    // one that changes nothing leaves the text scrolling where it was.
    void adoptedSettingsLayTheBandOutAgain()
    {
        Band band;
        band.show({{TickerSource::Broadcast, longNote}});
        const int height = band.terminal->height();
        QCOMPARE(band.terminal->scroll().x(), 71);

        band.terminal->tick();
        // Nothing adopted: no new layout.
        QCOMPARE(band.terminal->scroll().x(), 41);

        band.settings.SchriftGroesse = 24;
        band.terminal->tick();
        QVERIFY(band.terminal->height() > height);
        QCOMPARE(band.ticker().picture().style().font.pointSize(), 24);
        QCOMPARE(band.terminal->scroll().x(), 71); // the text starts again at the left

        band.settings.dockPos = 1;
        band.terminal->tick();
        QCOMPARE(band.terminal->geometry().bottom(), 1079);
    }

    // The picture draws the text where a line layout of it puts every glyph, marks above
    // their letters included, however it stores the positions between paints.
    void pictureDrawsTheLaidOutText()
    {
        const QString text =
            QStringLiteral("Ärger q\u0323\u0307 x\u0302\u0330 \u05E9\u05DC\u05D5\u05DD "
                           "mixed 123 ") +
            QStringLiteral("word ").repeated(40);
        const BandPicture::Style style{QFont(QStringLiteral("DejaVu Sans"), 12), Qt::darkBlue,
                                       Qt::red, Qt::white};
        BandPicture picture;
        picture.setContent({{TickerSource::Local, text.chopped(1)}}, false, style);
        const QSize band(picture.copyWidth() + 40, 30);
        picture.setGeometry(band, 4, 1.0);
        QImage drawn(band, QImage::Format_RGB32);
        QPainter painter(&drawn);
        picture.paint(painter, {17}, drawn.rect());
        painter.end();

        QImage expected(band, QImage::Format_RGB32);
        expected.fill(style.background);
        QTextLayout layout(text, style.font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        layout.createLine().setPosition(QPointF(0, 0));
        layout.endLayout();
        QPainter reference(&expected);
        reference.setPen(style.local);
        layout.draw(&reference, QPointF(17, 4));
        reference.end();
        QCOMPARE(drawn, expected);
    }

    // A tick moves the shown pixels and paints only the strip that comes into view; the
    // band must look as if it had been painted whole, also across the seam of two copies.
    void scrolledBandLooksPaintedWhole()
    {
        Band band([](Settings& s) { s.Speed = 45; }); // 3 pixels per tick
        band.show({{TickerSource::Local, longNote}, {TickerSource::Broadcast, longNote}});
        band.picture();
        const int copyWidth = band.ticker().picture().copyWidth();
        for (const int ticks : {1, 7, copyWidth / 3}) {
            for (int tick = 0; tick < ticks; ++tick)
                band.terminal->tick();
            const QImage scrolled = band.picture();
            band.ticker().redraw();
            QCOMPARE(scrolled, band.picture());
        }
    }

    void coloursBySourceAndEmptyBand()
    {
        const QColor local(Qt::red), broadcast(Qt::blue), adopted(Qt::green), background(Qt::black);
        Band band([&](Settings& s) {
            s.SchriftGroesse = 20;
            s.SchriftFarbe = colour::fromQColor(local);
            s.SchriftFarbe2 = colour::fromQColor(broadcast);
            s.notizHgFarbe = colour::fromQColor(background);
        });
        const QString a = QStringLiteral("HHHH");
        const QString b = QStringLiteral("MMMM");
        band.show({{TickerSource::Local, a}, {TickerSource::Broadcast, b}});

        const QFont font = band.ticker().picture().style().font;
        const int start = band.ticker().copies().front();
        const int aEnd = start + advance(font, a);
        const int bStart = start + advance(font, a + blank + separator);
        const int bEnd = bStart + advance(font, b);
        const QImage image = band.picture();
        QVERIFY(shows(image, start, aEnd, local, broadcast));
        QVERIFY(shows(image, aEnd, bStart, local, broadcast)); // the separator dot
        QVERIFY(shows(image, bStart, bEnd, broadcast, local));
        QCOMPARE(image.pixelColor(image.width() - 1, 0), background);

        // Colours adopted between ticks show at the next tick, the text standing where it was.
        band.settings.SchriftFarbe2 = colour::fromQColor(adopted);
        band.terminal->tick();
        QVERIFY(shows(band.picture(), bStart, bEnd, adopted, broadcast));
        QCOMPARE(band.ticker().copies().front(), start);

        // An empty text leaves nothing but the background.
        band.show({});
        QVERIFY(band.terminal->AnzeigeText().isEmpty());
        QVERIFY(band.ticker().copies().isEmpty());
        const QImage empty = band.picture();
        QImage filled(empty.size(), empty.format());
        filled.fill(background);
        QCOMPARE(empty, filled);
    }

    // Each note keeps its direction to itself: an override or embedding left open, or a
    // right-to-left first note, must not move the note after it to its left.
    void noteDirectionsStayInsideTheirNotes_data()
    {
        QTest::addColumn<QString>("first");
        QTest::newRow("override left open") << QStringLiteral("\u202EHHHH");
        QTest::newRow("embedding left open") << QStringLiteral("\u202BHHHH \u05E9");
        QTest::newRow("a right-to-left note") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD");
    }
    void noteDirectionsStayInsideTheirNotes()
    {
        QFETCH(QString, first);
        const QColor local(Qt::red), broadcast(Qt::blue);
        Band band([&](Settings& s) {
            s.SchriftGroesse = 20;
            s.SchriftFarbe = colour::fromQColor(local);
            s.SchriftFarbe2 = colour::fromQColor(broadcast);
        });
        band.show(
            {{TickerSource::Broadcast, first}, {TickerSource::Local, QStringLiteral("MMMM")}});
        const QImage image = band.picture();
        QColor leftmost;
        for (int x = 0; x < image.width() && !leftmost.isValid(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel == local || pixel == broadcast) {
                    leftmost = pixel;
                    break;
                }
            }
        }
        QCOMPARE(leftmost, broadcast);
    }

    // Regression: a note of a megabyte was measured and laid out whole at every change,
    // blanking the band for seconds. The band shows a bounded stretch of it, breaks and
    // tabs as blanks, other control characters dropped; the note itself is untouched.
    void largeNoteWithControlCharacters()
    {
        Band band;
        const QString huge =
            QStringLiteral("line \u05E9\u05DC\u05D5\u05DD\r\n\tend\x01 ").repeated(60000);
        band.show({{TickerSource::Local, huge}});
        const QString shown = band.terminal->AnzeigeText();
        QVERIFY(shown.size() <= bandTextLimit + 1 + ProgramValues::Trenner.size());
        QVERIFY(shown.startsWith(QStringLiteral("line \u05E9\u05DC\u05D5\u05DD  end line")));
        QCOMPARE(band.terminal->scroll().LaufModus(), int(TickerScroll::Scrolling));
        QCOMPARE(band.shown.front().text, huge);
    }

    // Regression: from 9 points on, "12:30:00 pm" and the date were cut off. At every font
    // size, in both languages, with and without frame, the widest texts fit the panels,
    // whose widths stay 915 and 1065 twips.
    void clockTextsFitTheirPanels()
    {
        for (const bool frame : {true, false}) {
            for (int size = 6; size <= 36; ++size) {
                Band band([&](Settings& s) {
                    s.SchriftGroesse = static_cast<qint16>(size);
                    s.zeigRahmen = frame;
                });
                for (const char* name : {"DatumPan", "UhrPan"}) {
                    const auto* panel = band.find<QLabel>(name);
                    const QString where = QStringLiteral("%1 at %2 pt").arg(name).arg(size);
                    QCOMPARE(panel->width(), twips::toPixels(name == QByteArray("DatumPan")
                                                                 ? BandLayout::datumWidth
                                                                 : BandLayout::uhrWidth));
                    const QStringList texts =
                        name == QByteArray("DatumPan")
                            ? ClockFont::widestDates(panel->font(), QLocale())
                            : ClockFont::widestTimes(panel->font(), QLocale());
                    const QFontMetricsF metrics(panel->font());
                    for (const QString& text : texts)
                        QVERIFY2(metrics.horizontalAdvance(text) <= panel->contentsRect().width(),
                                 qPrintable(where + QStringLiteral(": ") + text));
                    QVERIFY2(metrics.height() <= panel->contentsRect().height(), qPrintable(where));
                }
            }
        }
    }

    // The captions follow the clock from second to second; hidden panels are left empty.
    void clockPanels()
    {
        Band band;
        band.terminal->tick();
        QCOMPARE(band.find<QLabel>("DatumPan")->text(), QStringLiteral("03/02/26"));
        band.clock.advanceSeconds(1);
        band.terminal->tick();
        QCOMPARE(band.find<QLabel>("UhrPan")->text(), QStringLiteral("3:05:10 pm"));

        Band hidden([](Settings& s) { s.zeigDatum = false; });
        hidden.terminal->tick();
        QVERIFY(hidden.find<QLabel>("UhrPan")->text().isEmpty());
    }

    void commands_data()
    {
        QTest::addColumn<bool>("eigeneErlauben");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("opened");
        const QString english = QStringLiteral("openDocument start-e.htm");
        QTest::newRow("F1: help") << true << "F1" << english;
        QTest::newRow("F1 without own notes still helps") << false << "F1" << english;
        QTest::newRow("Ctrl+N: new note") << true << "Ctrl+N"
                                          << "note";
        QTest::newRow("Ctrl+N without own notes: nothing") << false << "Ctrl+N"
                                                           << "";
        QTest::newRow("Ctrl+Shift+N: modifiers must match") << true << "Ctrl+Shift+N"
                                                            << "";
        QTest::newRow("double-click: administration") << true << "double-click"
                                                      << "admin";
        QTest::newRow("double-click without own notes: nothing") << false << "double-click"
                                                                 << "";
    }

    // The note windows stop the ticker while open; the text is rebuilt afterwards.
    void commands()
    {
        QFETCH(bool, eigeneErlauben);
        QFETCH(QString, input);
        QFETCH(QString, opened);
        Band band([&](Settings& s) { s.eigeneErlauben = eigeneErlauben; });
        Terminal* terminal = band.terminal.get();
        terminal->show();
        terminal->Timer1().start();
        band.platform.calls.clear();
        const int rebuildsBefore = band.rebuildRequests;
        // The windows record that they opened; "!" if the ticker ran meanwhile, "?" if the
        // new note came without the hourglass over the ticker.
        const auto open = [&](const char* what) {
            const bool hourglass = band.ticker().cursor().shape() == Qt::WaitCursor;
            band.platform.calls << what + QString(terminal->Timer1().isActive() ? "!" : "") +
                                       (what == QStringLiteral("note") && !hourglass ? "?" : "");
        };
        QObject::connect(terminal, &Terminal::newNoteRequested, [&] { open("note"); });
        QObject::connect(terminal, &Terminal::administrationRequested, [&] { open("admin"); });

        if (input == QStringLiteral("F1"))
            QTest::keyClick(terminal, Qt::Key_F1);
        else if (input == QStringLiteral("double-click"))
            QTest::mouseDClick(&band.ticker(), Qt::LeftButton, {}, QPoint(20, 5));
        else
            QTest::keyClick(terminal, Qt::Key_N,
                            Qt::ControlModifier |
                                (input == "Ctrl+N" ? Qt::NoModifier : Qt::ShiftModifier));
        // A click on the band activates it, which re-applies its layer: not a window.
        band.platform.calls.removeIf(
            [](const QString& call) { return call.startsWith("topmost"); });
        QCOMPARE(band.platform.calls, opened.isEmpty() ? QStringList{} : QStringList{opened});
        const bool noteWindow = opened == "note" || opened == "admin";
        QCOMPARE(band.rebuildRequests, rebuildsBefore + (noteWindow ? 1 : 0));
        QVERIFY(terminal->Timer1().isActive());
    }

    // The right button opens the menu on the frame as on the panels;
    // while the settings are open the band stands, leaves the top layer and takes no command;
    // afterwards each activation puts it into the layer ImmerOben asks for.
    void menuUnlessSettingsAreOpen()
    {
        Band band([](Settings& s) { s.ImmerOben = true; });
        // The layer is set before the window exists (changing it between creating and
        // showing re-creates the window) and again on showing. Regression: the layer came
        // only with an activation, which a window manager need not give a new window.
        QCOMPARE(band.platform.calls, QStringList{"topmost on"});
        band.terminal->show();
        QCOMPARE(band.platform.calls, (QStringList{"topmost on", "topmost on"}));
        QSignalSpy settings(band.terminal.get(), &Terminal::settingsRequested);
        // (1, 1) of the window lies in the frame, left of and above every panel.
        QTest::mousePress(band.terminal.get(), Qt::RightButton, {}, QPoint(1, 1));
        QVERIFY(band.menu()->isVisible());
        band.menu()->hide();

        band.terminal->Timer1().start();
        band.platform.calls.clear();
        band.action("EinstellungenMen")->trigger();
        QCOMPARE(settings.count(), 1);
        QVERIFY(!band.terminal->Timer1().isActive());
        band.rightClick();
        QTest::keyClick(band.terminal.get(), Qt::Key_F1);
        QVERIFY(!band.menu()->isVisible());
        QCOMPARE(band.platform.calls, QStringList{"topmost off"}); // and no help
        // Regression: an activation while the settings were open put the band back on top.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(band.terminal.get(), &activate);
        QCOMPARE(band.platform.calls, QStringList{"topmost off"});
        band.terminal->FormAktiv(true);
        band.rightClick();
        QVERIFY(band.menu()->isVisible());
        band.menu()->hide();
        QApplication::sendEvent(band.terminal.get(), &activate);
        QCOMPARE(band.platform.calls, (QStringList{"topmost off", "topmost on"}));
    }

    // A command whose window the application does not provide is greyed out and
    // does nothing: the settings command must not leave the band stopped.
    void commandsWithoutWindowCannotBeChosen()
    {
        Band band;
        band.terminal->show();
        band.terminal->Timer1().start();
        band.rightClick();
        for (const char* name : {"NeuMen", "VerwaltungMen", "EinstellungenMen", "AboutMen"})
            QVERIFY2(!band.action(name)->isEnabled(), name);
        QVERIFY(band.action("HilfeMen")->isEnabled());
        band.menu()->hide();
        band.action("EinstellungenMen")->trigger();
        QVERIFY(band.terminal->Timer1().isActive());
        band.rightClick();
        QVERIFY(band.menu()->isVisible());
        band.menu()->hide();
    }

    // The strip follows the band's edge and height at each layout while it is shown, and
    // is given back while it is hidden; a layout that changes nothing leaves it alone.
    void dockReservesTheBandsStrip()
    {
        Band band;
        BandDock dock(*band.terminal, band.settings, band.platform);
        const auto strut = [](int top, int bottom) {
            return QStringLiteral("strut 0 0 %1 %2 0 0 0 0 0 %3 0 %4")
                .arg(top)
                .arg(bottom)
                .arg(top ? 1919 : 0)
                .arg(bottom ? 1919 : 0);
        };
        // Nothing to reserve before the band is on the screen.
        QVERIFY(band.platform.calls.filter("strut").isEmpty());
        band.terminal->show();
        QVERIFY(QTest::qWaitForWindowExposed(band.terminal.get()));
        const int height = band.terminal->height();
        band.terminal->MachLayout();
        band.settings.dockPos = 1;
        band.terminal->MachLayout();
        band.settings.SchriftGroesse = 20;
        band.terminal->MachLayout();
        const int taller = band.terminal->height();
        QVERIFY(taller > height);
        band.terminal->hide();
        band.terminal->MachLayout();
        QCOMPARE(band.platform.calls.filter("strut"),
                 (QStringList{strut(height, 0), strut(0, height), strut(0, taller), strut(0, 0)}));

        // A window manager that moves the band out of its strip: the band goes back to its
        // edge and reserves nothing from then on.
        Band pushed;
        BandDock pushedDock(*pushed.terminal, pushed.settings, pushed.platform);
        pushed.terminal->show();
        QVERIFY(QTest::qWaitForWindowExposed(pushed.terminal.get()));
        pushed.terminal->move(0, height);
        QTRY_COMPARE(pushed.terminal->pos(), QPoint(0, 0));
        pushed.terminal->MachLayout();
        QCOMPARE(pushed.platform.calls.filter("strut"),
                 (QStringList{strut(height, 0), strut(0, 0)}));
    }

    // The notice is centred on the band (1770 twips wide): 400 twips above the middle of a
    // band at the top, its height (1215) and 300 twips above a band at the bottom.
    void networkNoticeBesideTheBand()
    {
        for (const int dockPos : {0, 1}) {
            Band band([&](Settings& s) { s.dockPos = dockPos; });
            band.terminal->show();
            BubbleHost bubbles(band.platform, band.terminal.get());
            TerminalNoticeBoard board(band.settings, *band.terminal, bubbles);
            board.showNetworkNotice(QStringLiteral("Network error"));
            QVERIFY(board.noticeVisible());
            const int top = twips::fromPixels(band.terminal->y());
            const int height = band.terminal->layout().windowHeight;
            const double y = dockPos == 0 ? height / 2.0 - 400 : -1515;
            QCOMPARE(bubbles.bubble()->targetTwips(), QPoint(14400 - 885, top + std::nearbyint(y)));
            board.closeNotice();
            QVERIFY(!board.noticeVisible());
        }
    }

    // Closing the network notice (the tick does so while the broadcaster's file is
    // reachable) leaves any other notice, such as an update's failure, for its time.
    void otherNoticesOutliveTheNetworkNotice()
    {
        Band band;
        band.terminal->show();
        BubbleHost bubbles(band.platform, band.terminal.get());
        TerminalNoticeBoard board(band.settings, *band.terminal, bubbles);
        board.showNotice(QStringLiteral("The update failed."));
        QVERIFY(!board.noticeVisible());
        board.closeNotice();
        QVERIFY(bubbles.bubbleVisible());
        board.showNetworkNotice(QStringLiteral("Network error"));
        board.showNotice(QStringLiteral("The update failed."));
        board.closeNotice();
        QVERIFY(bubbles.bubbleVisible());
    }
};

} // namespace qb::test

QTEST_MAIN(qb::test::TerminalTest)
#include "TerminalTest.moc"
