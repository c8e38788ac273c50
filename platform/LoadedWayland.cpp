#include "platform/LoadedWayland.h"

#include "platform/LoadedLibrary.h"

#include <QGuiApplication>
#include <optional>
#include <qpa/qplatformnativeinterface.h>

namespace {

std::optional<LoadedWayland::Calls> load()
{
    LoadedLibrary::Symbols library("libwayland-client.so.0");
    LoadedWayland::Calls wl{};
    library.find("wl_display_create_queue", wl.createQueue);
    library.find("wl_display_roundtrip_queue", wl.roundtripQueue);
    library.find("wl_display_flush", wl.flush);
    library.find("wl_proxy_create_wrapper", wl.createWrapper);
    library.find("wl_proxy_wrapper_destroy", wl.destroyWrapper);
    library.find("wl_proxy_set_queue", wl.setQueue);
    library.find("wl_proxy_marshal_flags", wl.marshal);
    library.find("wl_proxy_add_listener", wl.addListener);
    library.find("wl_registry_interface", wl.registryInterface);
    library.find("wl_seat_interface", wl.seatInterface);
    library.find("wl_pointer_interface", wl.pointerInterface);
    if (!library.foundAll())
        return std::nullopt;
    return wl;
}

} // namespace

namespace LoadedWayland {

wl_display* display()
{
    // Qt 6.4 names the objects of its Wayland connection only through its platform's native
    // interface.
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return nullptr;
    return static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
}

const Calls* calls()
{
    static const std::optional<Calls> loaded = load();
    return loaded ? &*loaded : nullptr;
}

wl_proxy* surface(QWindow& window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !window.handle())
        return nullptr;
    return static_cast<wl_proxy*>(native->nativeResourceForWindow("surface", &window));
}

} // namespace LoadedWayland
