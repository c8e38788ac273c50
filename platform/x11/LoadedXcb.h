#pragma once

#include <xcb/xcb.h>

struct _XDisplay;

// The X client library's calls, taken from the copy that Qt's X11 platform has loaded. The game
// does not link the library itself: linked, it would be loaded before everything else at every
// start, and the dynamic linker would search it for every symbol of every library.
namespace LoadedXcb {

// Every call that the game makes to the X server.
struct Calls
{
    decltype(xcb_query_pointer)* queryPointer;
    decltype(xcb_query_pointer_reply)* queryPointerReply;
    decltype(xcb_configure_window)* configureWindow;
    decltype(xcb_intern_atom)* internAtom;
    decltype(xcb_intern_atom_reply)* internAtomReply;
    decltype(xcb_change_property)* changeProperty;
    decltype(xcb_flush)* flush;
};

// The connection of Qt's X11 platform, or null on any other platform.
xcb_connection_t* connection();

// The calls, taken from the loaded library on first use; null when the library is not loaded or
// lacks any of them.
const Calls* calls();

// The X library's round trip, from the copy Qt's X11 platform has loaded (it shares Qt's
// connection); null when that library is not loaded.
using XSyncCall = int(_XDisplay*, int);
XSyncCall* xSync();

} // namespace LoadedXcb
