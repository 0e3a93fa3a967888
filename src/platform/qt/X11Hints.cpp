#include "X11Hints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace qb::x11 {

namespace {

struct FreeReply
{
    void operator()(void* reply) const { std::free(reply); }
};

xcb_connection_t* connection()
{
    const auto* native =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return native ? native->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* xcb, const char* name)
{
    const auto cookie = xcb_intern_atom(xcb, 0, static_cast<uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(xcb, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

void setStrut(QWidget& window, const Strut& strut)
{
    xcb_connection_t* xcb = connection();
    // A window not created yet gets its strut when it is shown.
    if (!xcb || !window.testAttribute(Qt::WA_WState_Created))
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t partial = atom(xcb, "_NET_WM_STRUT_PARTIAL");
    const xcb_atom_t full = atom(xcb, "_NET_WM_STRUT");
    if (strut.isEmpty()) {
        xcb_delete_property(xcb, id, partial);
        xcb_delete_property(xcb, id, full);
    } else {
        std::array<uint32_t, 12> values{};
        std::transform(strut.values.begin(), strut.values.end(), values.begin(),
                       [](int value) { return static_cast<uint32_t>(std::max(0, value)); });
        xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, id, partial, XCB_ATOM_CARDINAL, 32, 12,
                            values.data());
        // Window managers that know only the older hint reserve the whole edge.
        xcb_change_property(xcb, XCB_PROP_MODE_REPLACE, id, full, XCB_ATOM_CARDINAL, 32, 4,
                            values.data());
    }
    xcb_flush(xcb);
}

bool raise(QWidget& window)
{
    xcb_connection_t* xcb = connection();
    if (!xcb || !window.testAttribute(Qt::WA_WState_Created))
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = atom(xcb, "_NET_RESTACK_WINDOW");
    message.data.data32[0] = 2; // asked for by the user's program, as a pager would
    message.data.data32[2] = XCB_STACK_MODE_ABOVE;
    xcb_send_event(xcb, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(xcb);
    return true;
}

std::optional<bool> strutSupported()
{
    xcb_connection_t* xcb = connection();
    if (!xcb)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data;
    const xcb_atom_t supported = atom(xcb, "_NET_SUPPORTED");
    const xcb_atom_t wanted[] = {atom(xcb, "_NET_WM_STRUT_PARTIAL"), atom(xcb, "_NET_WM_STRUT")};
    // The list holds a few hundred atoms at most.
    const auto cookie = xcb_get_property(xcb, 0, screen->root, supported, XCB_ATOM_ATOM, 0, 4096);
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
        xcb_get_property_reply(xcb, cookie, nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::any_of(atoms, atoms + count, [&](xcb_atom_t listed) {
        return std::find(std::begin(wanted), std::end(wanted), listed) != std::end(wanted);
    });
}

} // namespace qb::x11
