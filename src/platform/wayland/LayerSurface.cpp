#include "LayerSurface.h"

#include "WaylandGlobals.h"
#include "WaylandInput.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <QSocketNotifier>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace qb {

namespace {

// The versions of the compositor's objects whose events the listeners here know.
constexpr uint32_t compositorVersion = 4;
constexpr uint32_t seatVersion = 4;
constexpr uint32_t layerShellVersion = 4;
// From these versions on the layer can change and the keyboard is given on a click.
constexpr uint32_t layerChangeVersion = 2;
constexpr uint32_t onDemandKeysVersion = 4;
// Up to version 2 an output's place ends with the xdg-output's own done event.
constexpr uint32_t outputVersion = 2;

void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t version)
{
    auto& globals = *static_cast<WaylandGlobals*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && !globals.compositor) {
        globals.compositor = static_cast<wl_compositor*>(wl_registry_bind(
            registry, name, &wl_compositor_interface, std::min(version, compositorVersion)));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0 && !globals.shm) {
        globals.shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals.seatName) {
        globals.seatName = name;
        globals.seatVersion = std::min(version, seatVersion);
    } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0 &&
               !globals.layerShell) {
        globals.layerShellVersion = std::min(version, layerShellVersion);
        globals.layerShell = static_cast<zwlr_layer_shell_v1*>(wl_registry_bind(
            registry, name, &zwlr_layer_shell_v1_interface, globals.layerShellVersion));
    } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
        globals.outputs.addOutput(registry, name);
    } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0) {
        globals.outputs.setManager(static_cast<zxdg_output_manager_v1*>(wl_registry_bind(
            registry, name, &zxdg_output_manager_v1_interface, std::min(version, outputVersion))));
    }
}

void globalRemoved(void* data, wl_registry*, uint32_t name)
{
    static_cast<WaylandGlobals*>(data)->outputs.remove(name);
}

const wl_registry_listener registryListener = {global, globalRemoved};

uint32_t layerFor(bool onTop)
{
    return onTop ? ZWLR_LAYER_SHELL_V1_LAYER_TOP : ZWLR_LAYER_SHELL_V1_LAYER_BOTTOM;
}

} // namespace

WaylandGlobals::~WaylandGlobals()
{
    if (layerShell)
        zwlr_layer_shell_v1_destroy(layerShell);
    if (shm)
        wl_shm_destroy(shm);
    if (compositor)
        wl_compositor_destroy(compositor);
    if (registry)
        wl_registry_destroy(registry);
}

std::unique_ptr<LayerSurface> LayerSurface::open(const QByteArray& nameSpace)
{
    // Without WAYLAND_DISPLAY the library would try a default socket: a desktop session
    // that has a compositor names it.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    auto globals = std::make_unique<WaylandGlobals>();
    globals->registry = wl_display_get_registry(display);
    wl_registry_add_listener(globals->registry, &registryListener, globals.get());
    if (wl_display_roundtrip(display) < 0 || !globals->complete()) {
        globals.reset();
        wl_display_disconnect(display);
        return nullptr;
    }
    std::unique_ptr<LayerSurface> surface(new LayerSurface(display, std::move(globals)));
    // What the bound objects announce, with their listeners in place: the seat's devices,
    // the outputs' places.
    if (wl_display_roundtrip(display) < 0)
        return nullptr;
    surface->setObjectName(QString::fromUtf8(nameSpace));
    return surface;
}

LayerSurface::LayerSurface(wl_display* display, std::unique_ptr<WaylandGlobals> globals)
    : m_display(display), m_globals(std::move(globals))
{
    if (m_globals->seatName)
        m_input = std::make_unique<WaylandInput>(*this, *m_globals, m_globals->compositor,
                                                 m_globals->shm);
    m_notifier = new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LayerSurface::dispatch);
    flush();
}

LayerSurface::~LayerSurface()
{
    destroySurface();
    m_input.reset();
    m_globals.reset();
    wl_display_disconnect(m_display);
}

void LayerSurface::dock(QPoint place, bool atBottom, int height, bool onTop)
{
    if (m_failed)
        return;
    // A layer surface stays on its output: another output takes a new one.
    wl_output* output = m_globals->outputs.at(place);
    if (m_layer && output != m_output)
        destroySurface();
    m_output = output;
    if (!m_layer)
        createSurface(onTop);
    else if (onTop != m_onTop && m_globals->layerShellVersion >= layerChangeVersion)
        zwlr_layer_surface_v1_set_layer(m_layer, layerFor(onTop));
    m_onTop = onTop;
    const uint32_t edge =
        atBottom ? ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM : ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP;
    zwlr_layer_surface_v1_set_anchor(m_layer, edge | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT |
                                                  ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    // Width 0: the compositor gives the output's width.
    zwlr_layer_surface_v1_set_size(m_layer, 0, uint32_t(std::max(height, 1)));
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, std::max(height, 1));
    wl_surface_commit(m_surface);
    flush();
}

void LayerSurface::createSurface(bool onTop)
{
    m_surface = wl_compositor_create_surface(m_globals->compositor);
    m_layer =
        zwlr_layer_shell_v1_get_layer_surface(m_globals->layerShell, m_surface, m_output,
                                              layerFor(onTop), objectName().toUtf8().constData());
    static const zwlr_layer_surface_v1_listener layerListener = {LayerSurface::configure,
                                                                 LayerSurface::closed};
    zwlr_layer_surface_v1_add_listener(m_layer, &layerListener, this);
    setKeyboardInteractivity();
}

void LayerSurface::setKeyboardInteractivity()
{
    // Keys come after a click on the strip, as in any window; older compositors give none
    // rather than all of them.
    const bool onDemand = m_takesKeys && m_globals->layerShellVersion >= onDemandKeysVersion;
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        m_layer, onDemand ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_ON_DEMAND
                          : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
}

void LayerSurface::takeKeys(bool take)
{
    if (take == m_takesKeys)
        return;
    m_takesKeys = take;
    if (!m_layer || m_failed)
        return;
    setKeyboardInteractivity();
    wl_surface_commit(m_surface);
    flush();
}

void LayerSurface::withdraw()
{
    destroySurface();
    flush();
}

void LayerSurface::destroySurface()
{
    if (m_frame)
        wl_callback_destroy(m_frame);
    m_frame = nullptr;
    if (m_layer)
        zwlr_layer_surface_v1_destroy(m_layer);
    m_layer = nullptr;
    if (m_surface)
        wl_surface_destroy(m_surface);
    m_surface = nullptr;
    destroyBuffers();
    m_size = QSize();
}

void LayerSurface::configure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial,
                             uint32_t width, uint32_t height)
{
    auto& self = *static_cast<LayerSurface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    const QSize size{int(width), int(height)};
    if (size == self.m_size || size.isEmpty())
        return;
    self.m_size = size;
    self.destroyBuffers();
    QMetaObject::invokeMethod(&self, &LayerSurface::configured, Qt::QueuedConnection);
}

void LayerSurface::closed(void* data, zwlr_layer_surface_v1*)
{
    auto& self = *static_cast<LayerSurface*>(data);
    QMetaObject::invokeMethod(
        &self,
        [&self] {
            self.destroySurface();
            self.flush();
            emit self.withdrawn();
        },
        Qt::QueuedConnection);
}

QImage* LayerSurface::nextFrame()
{
    if (m_failed || !m_layer || m_size.isEmpty() || m_frame)
        return nullptr;
    if (!m_buffers[0].buffer && !makeBuffers())
        return nullptr;
    auto free = std::find_if(m_buffers.begin(), m_buffers.end(),
                             [](const Buffer& buffer) { return !buffer.busy; });
    m_drawing = free == m_buffers.end() ? nullptr : &*free;
    return m_drawing ? &m_drawing->image : nullptr;
}

void LayerSurface::present(const QRect& damage)
{
    if (!m_drawing)
        return;
    m_drawing->busy = true;
    wl_surface_attach(m_surface, m_drawing->buffer, 0, 0);
    // The buffer's pixels are the surface's: a compositor too old for buffer damage takes
    // the same place in surface coordinates.
    if (wl_surface_get_version(m_surface) >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION)
        wl_surface_damage_buffer(m_surface, damage.x(), damage.y(), damage.width(),
                                 damage.height());
    else
        wl_surface_damage(m_surface, damage.x(), damage.y(), damage.width(), damage.height());
    static const wl_callback_listener frameListener = {LayerSurface::frameDone};
    m_frame = wl_surface_frame(m_surface);
    wl_callback_add_listener(m_frame, &frameListener, this);
    wl_surface_commit(m_surface);
    m_drawing = nullptr;
    flush();
}

void LayerSurface::frameDone(void* data, wl_callback* callback, uint32_t)
{
    auto& self = *static_cast<LayerSurface*>(data);
    wl_callback_destroy(callback);
    if (self.m_frame == callback)
        self.m_frame = nullptr;
}

void LayerSurface::released(void* data, wl_buffer* buffer)
{
    auto& self = *static_cast<LayerSurface*>(data);
    for (Buffer& each : self.m_buffers) {
        if (each.buffer == buffer)
            each.busy = false;
    }
}

bool LayerSurface::makeBuffers()
{
    static const wl_buffer_listener bufferListener = {LayerSurface::released};
    const int stride = m_size.width() * 4;
    const size_t bytes = size_t(stride) * size_t(m_size.height());
    for (Buffer& each : m_buffers) {
        const int fd = memfd_create("quillaband-band", MFD_CLOEXEC);
        if (fd < 0 || ftruncate(fd, off_t(bytes)) < 0) {
            if (fd >= 0)
                close(fd);
            destroyBuffers();
            return false;
        }
        void* pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (pixels == MAP_FAILED) {
            close(fd);
            destroyBuffers();
            return false;
        }
        wl_shm_pool* pool = wl_shm_create_pool(m_globals->shm, fd, int32_t(bytes));
        each.buffer = wl_shm_pool_create_buffer(pool, 0, m_size.width(), m_size.height(), stride,
                                                WL_SHM_FORMAT_XRGB8888);
        wl_buffer_add_listener(each.buffer, &bufferListener, this);
        wl_shm_pool_destroy(pool);
        close(fd);
        each.pixels = static_cast<uchar*>(pixels);
        each.bytes = bytes;
        // XRGB8888 in the machine's order is Qt's RGB32.
        each.image =
            QImage(each.pixels, m_size.width(), m_size.height(), stride, QImage::Format_RGB32);
    }
    return true;
}

void LayerSurface::destroyBuffers()
{
    for (Buffer& each : m_buffers) {
        if (each.buffer)
            wl_buffer_destroy(each.buffer);
        each.image = QImage();
        if (each.pixels)
            munmap(each.pixels, each.bytes);
        each = Buffer();
    }
    m_drawing = nullptr;
}

void LayerSurface::dispatch()
{
    if (wl_display_dispatch(m_display) < 0)
        fail();
    else
        flush();
}

void LayerSurface::flush()
{
    // A full socket is sent on the next dispatch; a broken one is a lost compositor.
    if (!m_failed && wl_display_flush(m_display) < 0 && errno != EAGAIN)
        fail();
}

void LayerSurface::fail()
{
    if (m_failed)
        return;
    m_failed = true;
    m_notifier->setEnabled(false);
    emit lost();
}

} // namespace qb
