#pragma once

#include <QPoint>

struct wl_cursor_theme;
struct wl_keyboard;
struct wl_pointer;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct wl_compositor;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace qb {

class LayerSurface;
struct WaylandGlobals;

// The seat's pointer and keyboard on the layer strip's connection: their events become the
// strip's signals, posted to the strip's thread after the dispatch that read them.
struct WaylandInput
{
    // Binds the seat that the globals name.
    WaylandInput(LayerSurface& owner, const WaylandGlobals& globals, wl_compositor* compositor,
                 wl_shm* shm);
    ~WaylandInput();
    WaylandInput(const WaylandInput&) = delete;
    WaylandInput& operator=(const WaylandInput&) = delete;

    LayerSurface& owner;
    wl_seat* seat;
    wl_pointer* pointer = nullptr;
    wl_keyboard* keyboard = nullptr;
    // The arrow shown over the strip: a surface has no pointer image of its own.
    wl_cursor_theme* cursorTheme = nullptr;
    wl_surface* cursorSurface = nullptr;
    QPoint position;
    xkb_context* xkb = nullptr;
    xkb_keymap* keymap = nullptr;
    xkb_state* keys = nullptr;
};

} // namespace qb
