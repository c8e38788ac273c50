// The call of WindowSystem that only a Wayland compositor answers, asked straight of it through
// the client library that Qt's Wayland platform has loaded.
#include "platform/LoadedLibrary.h"
#include "platform/WindowSystem.h"

#include <cstring>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

namespace {

// The Wayland client library's calls, from the copy that Qt's Wayland platform has loaded: the
// game does not link the library, so that a start on X11 does not load it.
struct WaylandCalls
{
    decltype(wl_display_connect)* connect;
    decltype(wl_display_disconnect)* disconnect;
    decltype(wl_display_roundtrip)* roundtrip;
    decltype(wl_proxy_marshal_constructor)* marshalConstructor;
    decltype(wl_proxy_add_listener)* addListener;
    decltype(wl_proxy_destroy)* destroy;
    const wl_interface* registryInterface;
};

template <typename Symbol> void find(const char* name, Symbol*& symbol)
{
    LoadedLibrary::find("libwayland-client.so.0", name, symbol);
}

// Whether the compositor lists the global through which a client asks it to draw the frame:
// where it does, Qt asks, and the compositor draws it. Asked on a connection of its own, so that
// Qt's queue of events is left alone; a failure counts as no such global.
bool listsDecorationManager()
{
    WaylandCalls wl{};
    find("wl_display_connect", wl.connect);
    find("wl_display_disconnect", wl.disconnect);
    find("wl_display_roundtrip", wl.roundtrip);
    find("wl_proxy_marshal_constructor", wl.marshalConstructor);
    find("wl_proxy_add_listener", wl.addListener);
    find("wl_proxy_destroy", wl.destroy);
    find("wl_registry_interface", wl.registryInterface);
    if (!wl.connect || !wl.disconnect || !wl.roundtrip || !wl.marshalConstructor ||
        !wl.addListener || !wl.destroy || !wl.registryInterface)
        return false;

    wl_display* display = wl.connect(nullptr);
    if (!display)
        return false;
    bool listed = false;
    static wl_registry_listener listener{
        [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool*>(data) = true;
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_proxy* registry =
        wl.marshalConstructor(reinterpret_cast<wl_proxy*>(display), WL_DISPLAY_GET_REGISTRY,
                              wl.registryInterface, nullptr);
    if (registry) {
        wl.addListener(registry, reinterpret_cast<void (**)()>(&listener), &listed);
        wl.roundtrip(display);
        wl.destroy(registry);
    }
    wl.disconnect(display);
    return listed;
}

} // namespace

bool WindowSystem::windowsDrawTheirTitleBars()
{
    if (current() != Kind::Wayland)
        return false;
    static const bool ownBars = !listsDecorationManager();
    return ownBars;
}
