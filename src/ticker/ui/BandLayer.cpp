#include "BandLayer.h"

#include "Terminal.h"
#include "TickerWindow.h"
#include "core/Settings.h"
#include "platform/wayland/LayerSurface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

namespace qb {

namespace {

// While nothing else moves the band (a window of its commands is open), its clock and
// layer are looked at this often.
constexpr int refreshInterval = 250;
// A strip the compositor took away asks for a place again after this long.
constexpr int redockDelay = 1000;

} // namespace

BandLayer::BandLayer(Terminal& terminal, const Settings& settings,
                     std::unique_ptr<LayerSurface> strip)
    : QObject(&terminal), m_terminal(terminal), m_settings(settings), m_strip(std::move(strip))
{
    terminal.setAttribute(Qt::WA_DontShowOnScreen);
    terminal.ticker().setPainting(false);
    terminal.installEventFilter(this);
    for (QMenu* menu : terminal.findChildren<QMenu*>())
        menu->installEventFilter(this);
    connect(&terminal, &Terminal::laidOut, this, &BandLayer::dock);
    connect(&terminal.Timer1(), &QTimer::timeout, this, &BandLayer::paintFrame);
    connect(&m_refresh, &QTimer::timeout, this, &BandLayer::refresh);
    m_refresh.start(refreshInterval);
    connect(m_strip.get(), &LayerSurface::configured, this, &BandLayer::paintFrame);
    connect(m_strip.get(), &LayerSurface::pointerButton, this, &BandLayer::button);
    connect(m_strip.get(), &LayerSurface::pointerMoved, this, &BandLayer::move);
    connect(m_strip.get(), &LayerSurface::keyPressed, this, &BandLayer::key);
    connect(m_strip.get(), &LayerSurface::withdrawn, this, [this] {
        // Docked again on the output the compositor chooses, once it has one.
        m_docked = false;
        QTimer::singleShot(redockDelay, this, &BandLayer::dock);
    });
    connect(m_strip.get(), &LayerSurface::lost, this, &BandLayer::giveUp);
}

BandLayer::~BandLayer() = default;

bool BandLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_terminal && event->type() == QEvent::Show) {
        dock();
    } else if (watched == &m_terminal && event->type() == QEvent::Hide) {
        m_docked = false;
        m_strip->withdraw();
    } else if (event->type() == QEvent::Show && watched->isWidgetType()) {
        keepOutOfStrip(*static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

bool BandLayer::onTop() const
{
    // Out of the top layer while the settings are open, as the band's window is.
    return m_settings.ImmerOben && m_terminal.acceptsCommands();
}

void BandLayer::dock()
{
    m_panelsKey.clear(); // a new layout: the panels are rendered again
    if (!m_terminal.isVisible())
        return;
    m_docked = true;
    m_dockedOnTop = onTop();
    // On the output of the screen the band laid itself out for.
    m_strip->dock(m_terminal.geometry().center(), m_settings.dockPos != 0, m_terminal.height(),
                  m_dockedOnTop);
    paintFrame();
}

void BandLayer::refresh()
{
    // A window of the band's commands gets the keys the strip would keep.
    m_strip->takeKeys(!QApplication::activeModalWidget());
    if (m_docked && onTop() != m_dockedOnTop)
        dock();
    if (!m_terminal.Timer1().isActive())
        paintFrame();
}

void BandLayer::paintFrame()
{
    QImage* frame = m_docked ? m_strip->nextFrame() : nullptr;
    if (!frame)
        return;
    const bool panelsChanged = renderPanels();
    QPainter painter(frame);
    painter.drawImage(0, 0, m_panels);
    // The ticker band is a window of its own that the widgets' rendering leaves out: its
    // picture is painted where its panel lies.
    const QWidget& panel = m_terminal.tickerPanel();
    const QRect area(panel.mapTo(&m_terminal, QPoint()), panel.size());
    TickerWindow& ticker = m_terminal.ticker();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    ticker.picture().setGeometry(area.size(), ticker.textTop(), frame->devicePixelRatio());
    ticker.picture().paint(painter, ticker.copies(), QRect(QPoint(), area.size()));
    painter.end();
    // The compositor takes again only what changed since the last frame.
    m_strip->present(panelsChanged ? frame->rect() : area);
}

void BandLayer::keepOutOfStrip(QWidget& menu) const
{
    // The strip lies above the program's other windows: a menu opened where the band was
    // clicked would hide its first entries under it, so it opens beside the strip.
    const QRect strip(m_terminal.mapToGlobal(QPoint()), m_terminal.size());
    QRect place = menu.geometry();
    if (!place.intersects(strip))
        return;
    if (m_settings.dockPos != 0)
        place.moveBottom(strip.top() - 1);
    else
        place.moveTop(strip.bottom() + 1);
    menu.move(place.topLeft());
}

bool BandLayer::renderPanels()
{
    // Rendering the widgets is the dearest part of a frame, and they change about once a
    // second: they are rendered again when a text, a state or the layout changed.
    // Hidden labels (those that measure the text) are left out.
    QString key;
    for (const QLabel* label : m_terminal.findChildren<QLabel*>()) {
        if (label->isVisible())
            key += label->text() + QLatin1Char(label->isEnabled() ? '1' : '0');
    }
    if (key != m_panelsKey || m_panels.size() != m_strip->size()) {
        m_panelsKey = key;
        m_panels = QImage(m_strip->size(), QImage::Format_RGB32);
        m_panels.fill(m_terminal.palette().window().color());
        QPainter painter(&m_panels);
        m_terminal.render(&painter);
        return true;
    }
    return false;
}

std::pair<QObject*, QPointF> BandLayer::target(QPoint at) const
{
    const QWidget& panel = m_terminal.tickerPanel();
    const QRect area(panel.mapTo(&m_terminal, QPoint()), panel.size());
    if (area.contains(at))
        return {&m_terminal.ticker(), QPointF(at - area.topLeft())};
    QWidget* child = m_terminal.childAt(at);
    QWidget* widget = child ? child : &m_terminal;
    return {widget, QPointF(widget->mapFrom(&m_terminal, at))};
}

void BandLayer::sendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    const auto [receiver, local] = target(at);
    QMouseEvent event(type, local, QPointF(m_terminal.mapToGlobal(at)), button, m_buttons,
                      QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(receiver, &event);
}

void BandLayer::button(QPoint at, Qt::MouseButton button, bool pressed)
{
    // The band's window would be blocked behind a modal window; a click beside an open menu
    // closes the menu, as on any window.
    if (QApplication::activeModalWidget())
        return;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        if (pressed)
            popup->close();
        return;
    }
    if (!pressed) {
        m_buttons &= ~button;
        sendMouse(QEvent::MouseButtonRelease, at, button);
        return;
    }
    m_buttons |= button;
    const QStyleHints* hints = QGuiApplication::styleHints();
    const bool twice = button == m_pressButton && m_pressTime.isValid() &&
                       m_pressTime.elapsed() < hints->mouseDoubleClickInterval() &&
                       (at - m_pressAt).manhattanLength() <= hints->mouseDoubleClickDistance();
    m_pressButton = twice ? Qt::NoButton : button; // a third click starts a new pair
    m_pressAt = at;
    m_pressTime.start();
    sendMouse(QEvent::MouseButtonPress, at, button);
    if (twice)
        sendMouse(QEvent::MouseButtonDblClick, at, button);
}

void BandLayer::move(QPoint at)
{
    if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget())
        sendMouse(QEvent::MouseMove, at, Qt::NoButton);
}

void BandLayer::key(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (QApplication::activeModalWidget()) {
        m_strip->takeKeys(false);
        return;
    }
    QWidget* popup = QApplication::activePopupWidget();
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(popup ? popup : static_cast<QWidget*>(&m_terminal), &event);
}

void BandLayer::giveUp()
{
    m_refresh.stop();
    const bool shown = m_terminal.isVisible();
    m_terminal.hide();
    m_terminal.setAttribute(Qt::WA_DontShowOnScreen, false);
    m_terminal.ticker().setPainting(true);
    emit lost();
    if (shown)
        m_terminal.show();
    deleteLater();
}

} // namespace qb
