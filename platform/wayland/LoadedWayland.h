#pragma once

#include <wayland-client-core.h>

// The Wayland client library's calls, taken from the copy that Qt's Wayland platform has loaded.
// The game does not link the library, so that a start on X11 does not load it.
namespace LoadedWayland {

// Every call that the game makes to the compositor.
struct Calls
{
    decltype(wl_display_create_queue)* createQueue;
    decltype(wl_event_queue_destroy)* destroyQueue;
    decltype(wl_display_roundtrip_queue)* roundtripQueue;
    decltype(wl_display_flush)* flush;
    decltype(wl_proxy_create_wrapper)* createWrapper;
    decltype(wl_proxy_wrapper_destroy)* destroyWrapper;
    decltype(wl_proxy_set_queue)* setQueue;
    decltype(wl_proxy_marshal_flags)* marshal;
    decltype(wl_proxy_add_listener)* addListener;
    decltype(wl_proxy_destroy)* destroy;
    const wl_interface* registryInterface;
    const wl_interface* seatInterface;
    const wl_interface* pointerInterface;
};

// The calls, taken from the loaded library on first use; null when the library is not loaded or
// lacks any of them.
const Calls* calls();

} // namespace LoadedWayland
