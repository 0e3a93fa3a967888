#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <list>

struct wl_output;
struct wl_registry;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

namespace qb {

// The compositor's outputs and their places on the desktop in logical pixels (xdg-output),
// the coordinates XWayland gives the program's windows: which output a window lies on.
class WaylandOutputs
{
public:
    WaylandOutputs() = default;
    ~WaylandOutputs();
    WaylandOutputs(const WaylandOutputs&) = delete;
    WaylandOutputs& operator=(const WaylandOutputs&) = delete;

    // From the registry's announcements: an output, the output manager, a global gone.
    void addOutput(wl_registry* registry, uint32_t name);
    void setManager(zxdg_output_manager_v1* manager);
    void remove(uint32_t name);

    // The output whose place holds the point; null when none does or the places are unknown
    // (a compositor without xdg-output), and the compositor chooses.
    wl_output* at(QPoint point) const;

private:
    struct Output
    {
        uint32_t name = 0;
        wl_output* output = nullptr;
        zxdg_output_v1* place = nullptr;
        QRect pending;
        QRect logical;
    };

    void describe(Output& output);
    static void position(void* data, zxdg_output_v1*, int32_t x, int32_t y);
    static void size(void* data, zxdg_output_v1*, int32_t width, int32_t height);
    static void done(void* data, zxdg_output_v1*);

    zxdg_output_manager_v1* m_manager = nullptr;
    std::list<Output> m_outputs; // stable addresses: each is its listener's data
};

} // namespace qb
