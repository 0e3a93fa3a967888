#pragma once

#include "WaylandOutputs.h"

#include <cstdint>

struct wl_compositor;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct zwlr_layer_shell_v1;

namespace qb {

// The compositor's objects that the layer strip uses, bound from its registry.
struct WaylandGlobals
{
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    uint32_t layerShellVersion = 0;
    WaylandOutputs outputs;

    ~WaylandGlobals();
    bool complete() const { return compositor && shm && layerShell; }
};

} // namespace qb
