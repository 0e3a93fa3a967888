// qb-virtual-pointer: gives a headless wlroots compositor a pointer, which it lacks without
// input devices, and holds it until it is ended; a test then moves and presses it through
// the compositor (swaymsg seat - cursor ...). Prints "ready" once the pointer exists.

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <cstdio>
#include <cstring>
#include <wayland-client.h>

namespace {

struct Globals
{
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
};

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    auto& globals = *static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals.seat)
        globals.seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        globals.pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void globalRemoved(void*, wl_registry*, uint32_t) {}

} // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fputs("qb-virtual-pointer: no Wayland display\n", stderr);
        return 1;
    }
    Globals globals;
    static const wl_registry_listener listener = {global, globalRemoved};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &globals);
    wl_display_roundtrip(display);
    if (!globals.pointers) {
        std::fputs("qb-virtual-pointer: the compositor offers no virtual pointers\n", stderr);
        return 1;
    }
    zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat);
    wl_display_roundtrip(display);
    std::puts("ready");
    std::fflush(stdout);
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
