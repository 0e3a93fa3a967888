#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <memory>
#include <utility>

namespace qb {

class LayerSurface;
class Terminal;
struct Settings;

// The band on a compositor with a layer shell: the band's own window stays off the screen,
// its picture goes to a strip docked at the screen edge, and the strip's clicks and keys
// reach the band's widgets as the window's own would. The strip keeps its height free of
// other windows, lies above them while the band is always on top and its settings are
// closed, and goes while the band is hidden.
class BandLayer final : public QObject
{
    Q_OBJECT

public:
    // Owned by the band; takes the band's window off the screen.
    BandLayer(Terminal& terminal, const Settings& settings, std::unique_ptr<LayerSurface> strip);
    ~BandLayer() override;

signals:
    // The connection to the compositor broke: the band's window is back on the screen, to
    // be docked by the window manager's means.
    void lost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onTop() const;
    void dock();
    void paintFrame();
    // Renders the band's widgets (the ticker band aside) into m_panels when they changed;
    // true when it did.
    bool renderPanels();
    // Ticks that do not run while a window of the band's commands is open.
    void refresh();
    void button(QPoint at, Qt::MouseButton button, bool pressed);
    void move(QPoint at);
    void key(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void keepOutOfStrip(QWidget& menu) const;
    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button);
    // The object under a point of the band, and the point in that object's coordinates.
    std::pair<QObject*, QPointF> target(QPoint at) const;
    void giveUp();

    Terminal& m_terminal;
    const Settings& m_settings;
    std::unique_ptr<LayerSurface> m_strip;
    QTimer m_refresh;
    QImage m_panels;
    QString m_panelsKey;
    bool m_docked = false;
    bool m_dockedOnTop = false;
    Qt::MouseButtons m_buttons;
    // The last press, to tell a double click.
    QElapsedTimer m_pressTime;
    QPoint m_pressAt;
    Qt::MouseButton m_pressButton = Qt::NoButton;
};

} // namespace qb
