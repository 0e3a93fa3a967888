#pragma once

#include "ticker/TickerFeed.h"
#include "ticker/view/BandLayout.h"
#include "ticker/view/NewNotes.h"
#include "ticker/view/TickerScroll.h"

#include <QLocale>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace qb {

class BandAnnouncer;
class Clock;
class TickerWindow;
class Platform;
struct Settings;

// The ticker window: a borderless band as wide as the screen, docked at the top or the
// bottom, with the date panel DatumPan, the clock panel UhrPan and the ticker band
// NotizPan. Timer1 drives it every 50 ms; the popup menu KontextMen (right button, Menu
// key, Shift+F10) and the keys F1 and Ctrl+N start the commands. Commands whose windows live
// elsewhere are signals: the connected slot opens the window (modally where the command waits).
// Terminal.cpp builds and lays it out; TerminalTicks.cpp runs the ticks, TerminalCommands.cpp
// the menu's commands, TerminalEvents.cpp mouse, keys and window events.
class Terminal : public QWidget
{
    Q_OBJECT

public:
    static constexpr int timerInterval = 50;
    // UpdateTim: the first online version check after the band has loaded.
    static constexpr int updateDelay = 3000;
    // The start of the ticker text that the band offers a screen reader.
    static constexpr int accessibleTextLength = 4096;

    // The settings are read live: the band follows changes of its font and colours at the
    // next tick; geometry and panel colours follow at the next MachLayout.
    Terminal(Settings& settings, Platform& platform, Clock& clock, TickerFeed& feed,
             QWidget* parent = nullptr);
    ~Terminal() override;

    // Applies the settings: geometry, docking, fonts, colours, menu rights; restarts the
    // ticker text at the left.
    void MachLayout();
    // Enables or disables the panels and the popup menu (the settings window is open).
    void FormAktiv(bool on);
    // Menu captions for Sprache 1 or 2; other values leave them unchanged.
    void SpracheEinstellen();
    // Writes date and time into DatumPan and UhrPan.
    void UhrStellen(const QDateTime& now);

    // The scroll step in twips per tick; a copy of Speed taken at construction and set
    // again by the settings window when it saves.
    int Schritt() const { return m_scroll.Schritt(); }
    void setSchritt(int schritt) { m_scroll.setSchritt(schritt); }

    QTimer& Timer1() { return *m_timer1; }
    QTimer& UpdateTim() { return *m_updateTim; }
    const BandLayout& layout() const { return m_layout; }
    const TickerScroll& scroll() const { return m_scroll; }
    const QString& AnzeigeText() const { return m_anzeigeText; }
    // The surface of the ticker band inside NotizPan.
    TickerWindow& ticker() { return *m_ticker; }
    // NotizPan, the widget that holds the ticker band's surface.
    QWidget& tickerPanel() { return *m_notizPan; }

    // The menu's commands, also for a command handed over from the desktop; each checks
    // the rights as the menu does. False while the settings are open: the menu is shut.
    bool acceptsCommands() const { return m_formAktiv; }
    void newNoteCommand();
    void administrationCommand();
    void settingsCommand();

public slots:
    // One tick of Timer1: network-error waiting, re-docking, clock, content, drawing.
    void tick();

signals:
    // The connected slot shows the note editor modally; Timer1 stands meanwhile and the
    // text is rebuilt afterwards.
    void newNoteRequested();
    // As newNoteRequested, for the notes administration.
    void administrationRequested();
    // Emitted with Timer1 stopped, the controls disabled and the window out of the top
    // layer; the receiver shows the settings (or restores the band when they are refused).
    void settingsRequested();
    void aboutRequested();
    // UpdateTim has fired (once, updateDelay after loading): time for the version check.
    void updateCheckDue();
    // MachLayout has placed the band: windows beside it follow.
    void laidOut();
    // The receiver deletes the network-error marker and ends the program.
    void endRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the band's picture depends on among the settings.
    struct BandSettings
    {
        QString name;
        int size = 0;
        bool bold = false;
        bool italic = false;
        qint32 local = 0;
        qint32 broadcast = 0;
        qint32 background = 0;
        bool operator==(const BandSettings&) const = default;
    };

    // What the layout depends on among the settings, the text colours aside (the
    // picture follows those without a new layout).
    struct LayoutSettings
    {
        BandSettings font; // its colours unused
        bool frame = false;
        bool date = false;
        qint32 dockPos = 0;
        qint32 window = 0;
        qint32 panels = 0;
        qint32 clockText = 0;
        bool ownNotes = false;
        bool operator==(const LayoutSettings&) const = default;
    };

    struct ClockKey
    {
        qint64 second = -1;
        qint16 sprache = 0;
        bool operator==(const ClockKey&) const = default;
    };

    void buildMenu();
    // Whether the application connected the signal that opens a command's window.
    bool provided(void (Terminal::*command)()) const;
    void helpCommand();
    void popUpMenu(const QPoint& globalPosition);
    void applyTopmost();
    void fitClockFont();
    void takeText();
    void renderPicture();
    void draw();
    BandSettings bandSettings() const;
    LayoutSettings layoutSettings() const;
    QFont bandFont() const;

    Settings& m_settings;
    Platform& m_platform;
    Clock& m_clock;
    TickerFeed& m_feed;
    // The system's locale, which gives the date and time separators.
    const QLocale m_locale;

    QLabel* m_datumPan = nullptr;
    QLabel* m_uhrPan = nullptr;
    QWidget* m_notizPan = nullptr; // the container of m_ticker
    TickerWindow* m_ticker = nullptr;
    QLabel* m_testPan1 = nullptr;
    QLabel* m_testPan2 = nullptr;
    BandAnnouncer* m_announcer = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_updateTim = nullptr;
    QMenu* m_kontextMen = nullptr;
    QAction* m_neuMen = nullptr;
    QAction* m_strich1 = nullptr;
    QAction* m_verwaltungMen = nullptr;
    QAction* m_strich3 = nullptr;
    QAction* m_einstellungenMen = nullptr;
    QAction* m_hilfeMen = nullptr;
    QAction* m_aboutMen = nullptr;
    QAction* m_strich2 = nullptr;
    QAction* m_endeMen = nullptr;

    BandLayout m_layout;
    TickerScroll m_scroll;
    QVector<TickerEntry> m_entries;
    NewNotes m_newNotes;
    QString m_anzeigeText;
    int m_textWidth = 0; // width of AnzeigeText in the measuring font, twips
    BandSettings m_rendered;
    LayoutSettings m_laidOut;
    QRect m_laidOutScreen;
    ClockKey m_clockShown;
    bool m_formAktiv = true;
    bool m_inLayout = false;
};

} // namespace qb
