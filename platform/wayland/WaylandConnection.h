#pragma once

#include "platform/wayland/LoadedWayland.h"

#include <functional>

class QWindow;

// What the game's Wayland calls act on: a connection to the compositor, the client library's
// calls, and each window's surface on that connection; the serial of a press comes in on it too.
// The game hands them Qt's connection; a test hands them one of its own, to a compositor of its
// own.
struct WaylandConnection
{
    wl_display* display = nullptr;
    const LoadedWayland::Calls* calls = nullptr;
    // The window's surface on the connection; null until it has one.
    std::function<wl_proxy*(QWindow&)> surface;

    // Qt's connection, with the calls of the library that Qt's platform has loaded; without a
    // display on any other platform.
    static WaylandConnection qts();
};

namespace WindowSystem {

// Has the Wayland calls speak on the connection from now on, asking its compositor anew when
// first needed, and lets go of what they had made on the one before, which must still be open.
// The game never calls it: its calls speak on Qt's connection.
void speakWaylandOn(WaylandConnection connection);

} // namespace WindowSystem
