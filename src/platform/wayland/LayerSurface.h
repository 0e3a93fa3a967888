#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>

#include <array>
#include <memory>

class QSocketNotifier;
struct wl_buffer;
struct wl_callback;
struct wl_display;
struct wl_output;
struct wl_surface;
struct zwlr_layer_surface_v1;

namespace qb {

struct WaylandGlobals;
struct WaylandInput;

// A strip docked at an edge of the screen through the wlroots layer-shell protocol, on a
// connection of its own to the Wayland compositor: the program's other windows stay on
// XWayland. Its owner paints the frames and gets the pointer and the keys back as signals,
// queued, so that a window they open never runs inside the connection's dispatch.
class LayerSurface final : public QObject
{
    Q_OBJECT

public:
    // The compositor named by WAYLAND_DISPLAY when it offers the layer shell; null when
    // there is none or it does not.
    static std::unique_ptr<LayerSurface> open(const QByteArray& nameSpace);
    ~LayerSurface() override;

    // Docks the strip at the top or the bottom edge of the output that holds the place (a
    // point on the desktop in logical pixels; the compositor chooses where no output does),
    // as wide as the output and height pixels high, and keeps the strip free of other
    // windows; on top it lies above ordinary windows, otherwise below them. Shows it when it
    // was not shown.
    void dock(QPoint place, bool atBottom, int height, bool onTop);
    // Takes the strip off the screen until the next dock.
    void withdraw();
    // Whether the strip takes the keyboard when it is clicked. A compositor keeps the
    // keyboard with a strip that has it, even when a new window opens: a strip that gives
    // it up sends the keys to that window.
    void takeKeys(bool take);

    // The size the compositor gave the strip; empty until it has given one.
    QSize size() const { return m_size; }
    // The image of the next frame, of size(); null while the last frame is still being
    // shown or the strip has no size yet. present() shows it; only the damaged part differs
    // from the frame shown before.
    QImage* nextFrame();
    void present(const QRect& damage);

signals:
    // The strip has a new size: a frame is wanted.
    void configured();
    void pointerMoved(QPoint position);
    void pointerButton(QPoint position, Qt::MouseButton button, bool pressed);
    // A key went down; key is a Qt::Key.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // The compositor took the strip off the screen (its output went): a new dock asks for
    // a place again.
    void withdrawn();
    // The connection to the compositor broke.
    void lost();

private:
    struct Buffer
    {
        wl_buffer* buffer = nullptr;
        uchar* pixels = nullptr;
        size_t bytes = 0;
        bool busy = false;
        QImage image;
    };

    LayerSurface(wl_display* display, std::unique_ptr<WaylandGlobals> globals);
    void createSurface(bool onTop);
    void setKeyboardInteractivity();
    void destroySurface();
    void destroyBuffers();
    bool makeBuffers();
    void dispatch();
    void flush();
    void fail();

    static void configure(void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t width,
                          uint32_t height);
    static void closed(void* data, zwlr_layer_surface_v1*);
    static void frameDone(void* data, wl_callback* callback, uint32_t);
    static void released(void* data, wl_buffer* buffer);

    wl_display* m_display;
    std::unique_ptr<WaylandGlobals> m_globals;
    std::unique_ptr<WaylandInput> m_input;
    QSocketNotifier* m_notifier = nullptr;
    wl_output* m_output = nullptr; // where the strip was docked; null: the compositor chose
    wl_surface* m_surface = nullptr;
    zwlr_layer_surface_v1* m_layer = nullptr;
    wl_callback* m_frame = nullptr; // the compositor has not yet shown the last frame
    std::array<Buffer, 2> m_buffers;
    Buffer* m_drawing = nullptr;
    QSize m_size;
    bool m_onTop = true;
    bool m_takesKeys = true;
    bool m_failed = false;
};

} // namespace qb
