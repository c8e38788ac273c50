// The call of WindowSystem that tells GNOME's compositor of a modal dialog, through its own
// protocol, spoken on Qt's connection to the compositor.
#include "platform/LoadedLibrary.h"
#include "platform/WindowSystem.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

namespace {

// The part of GNOME's shell protocol that the game speaks, at its first version: a window's
// extra surface, and of its requests those up to the one that makes the window a modal dialog.
const wl_interface* noTypes[] = {nullptr, nullptr};
extern const wl_interface gtkSurface;
const wl_interface* newSurfaceTypes[] = {&gtkSurface, nullptr};
const wl_message shellRequests[] = {{"get_gtk_surface", "no", newSurfaceTypes}};
const wl_message shellEvents[] = {{"capabilities", "u", noTypes}};
const wl_interface gtkShell = {"gtk_shell1", 1, 1, shellRequests, 1, shellEvents};
const wl_message surfaceRequests[] = {{"set_dbus_properties", "?s?s?s?s?s?s", noTypes},
                                      {"set_modal", "", noTypes}};
const wl_message surfaceEvents[] = {{"configure", "a", noTypes}};
const wl_interface gtkSurface = {"gtk_surface1", 1, 2, surfaceRequests, 1, surfaceEvents};
constexpr uint32_t getGtkSurface = 0;
constexpr uint32_t setModal = 1;

// The client library's calls, from the copy Qt's Wayland platform has loaded.
struct WaylandCalls
{
    decltype(wl_display_create_queue)* createQueue;
    decltype(wl_event_queue_destroy)* destroyQueue;
    decltype(wl_proxy_create_wrapper)* createWrapper;
    decltype(wl_proxy_wrapper_destroy)* destroyWrapper;
    decltype(wl_proxy_set_queue)* setQueue;
    decltype(wl_display_roundtrip_queue)* roundtrip;
    decltype(wl_proxy_marshal_constructor)* marshalConstructor;
    decltype(wl_proxy_marshal_constructor_versioned)* marshalVersioned;
    decltype(wl_proxy_marshal)* marshal;
    decltype(wl_proxy_add_listener)* addListener;
    decltype(wl_proxy_destroy)* destroy;
    const wl_interface* registryInterface;

    bool found() const
    {
        return createQueue && destroyQueue && createWrapper && destroyWrapper && setQueue &&
               roundtrip && marshalConstructor && marshalVersioned && marshal && addListener &&
               destroy && registryInterface;
    }
};

WaylandCalls findCalls()
{
    const auto find = [](const char* name, auto*& symbol) {
        LoadedLibrary::find("libwayland-client.so.0", name, symbol);
    };
    WaylandCalls wl{};
    find("wl_display_create_queue", wl.createQueue);
    find("wl_event_queue_destroy", wl.destroyQueue);
    find("wl_proxy_create_wrapper", wl.createWrapper);
    find("wl_proxy_wrapper_destroy", wl.destroyWrapper);
    find("wl_proxy_set_queue", wl.setQueue);
    find("wl_display_roundtrip_queue", wl.roundtrip);
    find("wl_proxy_marshal_constructor", wl.marshalConstructor);
    find("wl_proxy_marshal_constructor_versioned", wl.marshalVersioned);
    find("wl_proxy_marshal", wl.marshal);
    find("wl_proxy_add_listener", wl.addListener);
    find("wl_proxy_destroy", wl.destroy);
    find("wl_registry_interface", wl.registryInterface);
    return wl;
}

// The compositor's shell global, bound once on Qt's connection; null where it offers none. The
// registry is read on a queue of its own, so that Qt's queue is left alone; the bound global's
// events go to Qt's queue, which drops them.
wl_proxy* bindGtkShell(const WaylandCalls& wl, wl_display* display)
{
    wl_event_queue* queue = wl.createQueue(display);
    auto* wrapper = static_cast<wl_proxy*>(wl.createWrapper(display));
    wl.setQueue(wrapper, queue);
    wl_proxy* registry =
        wl.marshalConstructor(wrapper, WL_DISPLAY_GET_REGISTRY, wl.registryInterface, nullptr);
    wl.destroyWrapper(wrapper);
    uint32_t global = 0;
    static wl_registry_listener listener{
        [](void* data, wl_registry*, uint32_t name, const char* interface, uint32_t) {
            if (std::strcmp(interface, gtkShell.name) == 0)
                *static_cast<uint32_t*>(data) = name;
        },
        [](void*, wl_registry*, uint32_t) {}};
    wl_proxy* shell = nullptr;
    if (registry) {
        wl.addListener(registry, reinterpret_cast<void (**)()>(&listener), &global);
        wl.roundtrip(display, queue);
        if (global != 0)
            shell = wl.marshalVersioned(registry, WL_REGISTRY_BIND, &gtkShell, 1, global,
                                        gtkShell.name, 1, nullptr);
        if (shell)
            wl.setQueue(shell, nullptr);
        wl.destroy(registry);
    }
    wl.destroyQueue(queue);
    return shell;
}

} // namespace

void WindowSystem::markModalDialog(QWindow& window)
{
    if (current() != Kind::Wayland)
        return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    static const WaylandCalls wl = findCalls();
    if (!native || !wl.found())
        return;
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    static wl_proxy* const shell = display ? bindGtkShell(wl, display) : nullptr;
    auto* surface = static_cast<wl_proxy*>(native->nativeResourceForWindow("surface", &window));
    if (!shell || !surface)
        return;
    wl_proxy* extra = wl.marshalConstructor(shell, getGtkSurface, &gtkSurface, nullptr, surface);
    if (!extra)
        return;
    wl.marshal(extra, setModal);
    // The compositor keeps the mark until the window's surface goes, at its next hiding.
    wl.destroy(extra);
}
