#include "WaylandOutputs.h"

#include "xdg-output-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>

namespace qb {

namespace {

void ignoreName(void*, zxdg_output_v1*, const char*) {}

} // namespace

WaylandOutputs::~WaylandOutputs()
{
    for (Output& each : m_outputs) {
        if (each.place)
            zxdg_output_v1_destroy(each.place);
        wl_output_destroy(each.output);
    }
    if (m_manager)
        zxdg_output_manager_v1_destroy(m_manager);
}

void WaylandOutputs::addOutput(wl_registry* registry, uint32_t name)
{
    Output& added = m_outputs.emplace_back();
    added.name = name;
    added.output =
        static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 1));
    describe(added);
}

void WaylandOutputs::setManager(zxdg_output_manager_v1* manager)
{
    m_manager = manager;
    for (Output& each : m_outputs)
        describe(each);
}

void WaylandOutputs::describe(Output& output)
{
    if (!m_manager || output.place)
        return;
    // Version 2 would announce a name and a description, ignored here; done comes in
    // every version.
    static const zxdg_output_v1_listener listener = {WaylandOutputs::position, WaylandOutputs::size,
                                                     WaylandOutputs::done, ignoreName, ignoreName};
    output.place = zxdg_output_manager_v1_get_xdg_output(m_manager, output.output);
    zxdg_output_v1_add_listener(output.place, &listener, &output);
}

void WaylandOutputs::remove(uint32_t name)
{
    auto gone = std::find_if(m_outputs.begin(), m_outputs.end(),
                             [name](const Output& each) { return each.name == name; });
    if (gone == m_outputs.end())
        return;
    if (gone->place)
        zxdg_output_v1_destroy(gone->place);
    wl_output_destroy(gone->output);
    m_outputs.erase(gone);
}

wl_output* WaylandOutputs::at(QPoint point) const
{
    auto found = std::find_if(m_outputs.begin(), m_outputs.end(),
                              [point](const Output& each) { return each.logical.contains(point); });
    return found == m_outputs.end() ? nullptr : found->output;
}

void WaylandOutputs::position(void* data, zxdg_output_v1*, int32_t x, int32_t y)
{
    static_cast<Output*>(data)->pending.moveTopLeft(QPoint(x, y));
}

void WaylandOutputs::size(void* data, zxdg_output_v1*, int32_t width, int32_t height)
{
    static_cast<Output*>(data)->pending.setSize(QSize(width, height));
}

void WaylandOutputs::done(void* data, zxdg_output_v1*)
{
    auto& output = *static_cast<Output*>(data);
    output.logical = output.pending;
}

} // namespace qb
