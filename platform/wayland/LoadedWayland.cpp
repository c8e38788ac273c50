#include "platform/wayland/LoadedWayland.h"

#include "platform/LoadedLibrary.h"
#include "platform/wayland/WaylandConnection.h"

#include <QGuiApplication>
#include <optional>
#include <qpa/qplatformnativeinterface.h>

namespace {

// The connection of Qt's Wayland platform, or null on any other platform.
wl_display* qtDisplay()
{
    // Qt 6.4 names the objects of its Wayland connection only through its platform's native
    // interface.
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return nullptr;
    return static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
}

// The window's surface on Qt's connection; null until Qt has made the native window.
wl_proxy* qtSurface(QWindow& window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !window.handle())
        return nullptr;
    return static_cast<wl_proxy*>(native->nativeResourceForWindow("surface", &window));
}

} // namespace

namespace LoadedWayland {

const Calls* calls()
{
    static const std::optional<Calls> loaded = LoadedLibrary::table<Calls>(
        "libwayland-client.so.0", std::pair{"wl_display_create_queue", &Calls::createQueue},
        std::pair{"wl_event_queue_destroy", &Calls::destroyQueue},
        std::pair{"wl_display_roundtrip_queue", &Calls::roundtripQueue},
        std::pair{"wl_display_flush", &Calls::flush},
        std::pair{"wl_proxy_create_wrapper", &Calls::createWrapper},
        std::pair{"wl_proxy_wrapper_destroy", &Calls::destroyWrapper},
        std::pair{"wl_proxy_set_queue", &Calls::setQueue},
        std::pair{"wl_proxy_marshal_flags", &Calls::marshal},
        std::pair{"wl_proxy_add_listener", &Calls::addListener},
        std::pair{"wl_proxy_destroy", &Calls::destroy},
        std::pair{"wl_registry_interface", &Calls::registryInterface},
        std::pair{"wl_seat_interface", &Calls::seatInterface},
        std::pair{"wl_pointer_interface", &Calls::pointerInterface});
    return loaded ? &*loaded : nullptr;
}

} // namespace LoadedWayland

WaylandConnection WaylandConnection::qts()
{
    wl_display* display = qtDisplay();
    return {display, display ? LoadedWayland::calls() : nullptr, qtSurface};
}
