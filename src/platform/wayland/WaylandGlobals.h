#pragma once

#include "WaylandOutputs.h"

#include <cstdint>

struct wl_compositor;
struct wl_registry;
struct wl_shm;
struct zwlr_layer_shell_v1;

namespace qb {

// The compositor's objects that the layer strip uses, bound from its registry.
struct WaylandGlobals
{
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    // The seat is bound with its listener by WaylandInput: its first events come at once.
    uint32_t seatName = 0;
    uint32_t seatVersion = 0;
    zwlr_layer_shell_v1* layerShell = nullptr;
    uint32_t layerShellVersion = 0;
    WaylandOutputs outputs;

    ~WaylandGlobals();
    bool complete() const { return compositor && shm && layerShell; }
};

} // namespace qb
