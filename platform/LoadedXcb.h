#pragma once

#include <xcb/xcb.h>

// The X client library's calls, taken from the copy that Qt's X11 platform has loaded. The game
// does not link the library itself: linked, it would be loaded before everything else at every
// start, and the dynamic linker would search it for every symbol of every library.
namespace LoadedXcb {

// The connection of Qt's X11 platform, or null on any other platform.
xcb_connection_t* connection();

// The named call from the loaded library (the xcb library unless another is named), or null
// when the library is not loaded.
void* find(const char* name, const char* library = "libxcb.so.1");

template <typename Function>
void find(const char* name, Function*& function, const char* library = "libxcb.so.1")
{
    function = reinterpret_cast<Function*>(find(name, library));
}

} // namespace LoadedXcb
