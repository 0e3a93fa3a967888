#include "WaylandInput.h"

#include "KeyTranslation.h"
#include "LayerSurface.h"
#include "WaylandGlobals.h"

#include <wayland-client.h>
#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon.h>

#include <QMetaObject>
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

namespace qb {

namespace {

// The owner's signal, emitted once the dispatch that read the event has returned.
template <typename Signal> void post(LayerSurface& owner, Signal signal)
{
    QMetaObject::invokeMethod(&owner, signal, Qt::QueuedConnection);
}

QPoint pointAt(wl_fixed_t x, wl_fixed_t y)
{
    return QPoint(wl_fixed_to_int(x), wl_fixed_to_int(y));
}

Qt::MouseButton qtButton(uint32_t button)
{
    switch (button) {
    case BTN_LEFT:
        return Qt::LeftButton;
    case BTN_RIGHT:
        return Qt::RightButton;
    case BTN_MIDDLE:
        return Qt::MiddleButton;
    default:
        return Qt::NoButton;
    }
}

void showArrow(WaylandInput& input, uint32_t serial)
{
    wl_cursor* arrow =
        input.cursorTheme ? wl_cursor_theme_get_cursor(input.cursorTheme, "left_ptr") : nullptr;
    if (!arrow || arrow->image_count == 0 || !input.cursorSurface)
        return;
    wl_cursor_image* image = arrow->images[0];
    wl_pointer_set_cursor(input.pointer, serial, input.cursorSurface, int32_t(image->hotspot_x),
                          int32_t(image->hotspot_y));
    wl_surface_attach(input.cursorSurface, wl_cursor_image_get_buffer(image), 0, 0);
    wl_surface_damage(input.cursorSurface, 0, 0, int32_t(image->width), int32_t(image->height));
    wl_surface_commit(input.cursorSurface);
}

void pointerEnter(void* data, wl_pointer*, uint32_t serial, wl_surface*, wl_fixed_t x, wl_fixed_t y)
{
    auto& input = *static_cast<WaylandInput*>(data);
    input.position = pointAt(x, y);
    showArrow(input, serial);
    post(input.owner, [&owner = input.owner, at = input.position] { emit owner.pointerMoved(at); });
}

void pointerLeave(void*, wl_pointer*, uint32_t, wl_surface*) {}

void pointerMotion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y)
{
    auto& input = *static_cast<WaylandInput*>(data);
    input.position = pointAt(x, y);
    post(input.owner, [&owner = input.owner, at = input.position] { emit owner.pointerMoved(at); });
}

void pointerButton(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t button, uint32_t state)
{
    auto& input = *static_cast<WaylandInput*>(data);
    const Qt::MouseButton which = qtButton(button);
    if (which == Qt::NoButton)
        return;
    const bool pressed = state == WL_POINTER_BUTTON_STATE_PRESSED;
    post(input.owner, [&owner = input.owner, at = input.position, which, pressed] {
        emit owner.pointerButton(at, which, pressed);
    });
}

void pointerAxis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}

// The seat is bound at version 4: the later events never come.
const wl_pointer_listener pointerListener = {
    pointerEnter, pointerLeave, pointerMotion, pointerButton, pointerAxis,
    nullptr,      nullptr,      nullptr,       nullptr,       nullptr};

void keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size)
{
    auto& input = *static_cast<WaylandInput*>(data);
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (text != MAP_FAILED) {
            xkb_keymap* map =
                xkb_keymap_new_from_string(input.xkb, static_cast<const char*>(text),
                                           XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
            munmap(text, size);
            if (map) {
                xkb_state_unref(input.keys);
                xkb_keymap_unref(input.keymap);
                input.keymap = map;
                input.keys = xkb_state_new(map);
            }
        }
    }
    close(fd);
}

void keyboardEnter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
void keyboardLeave(void*, wl_keyboard*, uint32_t, wl_surface*) {}

Qt::KeyboardModifiers modifiersOf(xkb_state* keys)
{
    Qt::KeyboardModifiers modifiers;
    const auto active = [keys](const char* name) {
        return xkb_state_mod_name_is_active(keys, name, XKB_STATE_MODS_EFFECTIVE) > 0;
    };
    if (active(XKB_MOD_NAME_SHIFT))
        modifiers |= Qt::ShiftModifier;
    if (active(XKB_MOD_NAME_CTRL))
        modifiers |= Qt::ControlModifier;
    if (active(XKB_MOD_NAME_ALT))
        modifiers |= Qt::AltModifier;
    if (active(XKB_MOD_NAME_LOGO))
        modifiers |= Qt::MetaModifier;
    return modifiers;
}

void key(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t code, uint32_t state)
{
    auto& input = *static_cast<WaylandInput*>(data);
    if (!input.keys || state != WL_KEYBOARD_KEY_STATE_PRESSED)
        return;
    // Wayland sends evdev codes; the X keyboard's codes are 8 higher.
    const xkb_keycode_t xkbCode = code + 8;
    const int qtKey = qtKeyForKeysym(xkb_state_key_get_one_sym(input.keys, xkbCode));
    char text[16] = {};
    xkb_state_key_get_utf8(input.keys, xkbCode, text, sizeof text);
    post(input.owner,
         [&owner = input.owner, qtKey, modifiers = modifiersOf(input.keys),
          typed = QString::fromUtf8(text)] { emit owner.keyPressed(qtKey, modifiers, typed); });
}

void modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched,
               uint32_t locked, uint32_t group)
{
    auto& input = *static_cast<WaylandInput*>(data);
    if (input.keys)
        xkb_state_update_mask(input.keys, depressed, latched, locked, 0, 0, group);
}

void repeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

const wl_keyboard_listener keyboardListener = {keymap, keyboardEnter, keyboardLeave,
                                               key,    modifiers,     repeatInfo};

void capabilities(void* data, wl_seat* seat, uint32_t caps)
{
    auto& input = *static_cast<WaylandInput*>(data);
    if ((caps & WL_SEAT_CAPABILITY_POINTER) && !input.pointer) {
        input.pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(input.pointer, &pointerListener, &input);
    } else if (!(caps & WL_SEAT_CAPABILITY_POINTER) && input.pointer) {
        wl_pointer_destroy(input.pointer);
        input.pointer = nullptr;
    }
    if ((caps & WL_SEAT_CAPABILITY_KEYBOARD) && !input.keyboard) {
        input.keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(input.keyboard, &keyboardListener, &input);
    } else if (!(caps & WL_SEAT_CAPABILITY_KEYBOARD) && input.keyboard) {
        wl_keyboard_destroy(input.keyboard);
        input.keyboard = nullptr;
    }
}

void seatName(void*, wl_seat*, const char*) {}

const wl_seat_listener seatListener = {capabilities, seatName};

} // namespace

WaylandInput::WaylandInput(LayerSurface& owner, const WaylandGlobals& globals,
                           wl_compositor* compositor, wl_shm* shm)
    : owner(owner),
      seat(static_cast<wl_seat*>(wl_registry_bind(globals.registry, globals.seatName,
                                                  &wl_seat_interface, globals.seatVersion))),
      xkb(xkb_context_new(XKB_CONTEXT_NO_FLAGS))
{
    // Listened to before anything else can read the connection: a seat announces its devices
    // right after it is bound.
    wl_seat_add_listener(seat, &seatListener, this);
    const QByteArray theme = qgetenv("XCURSOR_THEME");
    const int size = qEnvironmentVariableIntValue("XCURSOR_SIZE");
    cursorTheme = wl_cursor_theme_load(theme.isEmpty() ? nullptr : theme.constData(),
                                       size > 0 ? size : 24, shm);
    cursorSurface = wl_compositor_create_surface(compositor);
}

WaylandInput::~WaylandInput()
{
    if (pointer)
        wl_pointer_destroy(pointer);
    if (keyboard)
        wl_keyboard_destroy(keyboard);
    if (cursorSurface)
        wl_surface_destroy(cursorSurface);
    if (cursorTheme)
        wl_cursor_theme_destroy(cursorTheme);
    xkb_state_unref(keys);
    xkb_keymap_unref(keymap);
    xkb_context_unref(xkb);
    wl_seat_destroy(seat);
}

} // namespace qb
