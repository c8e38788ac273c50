#include "platform/x11/LoadedXcb.h"

#include "platform/LoadedLibrary.h"

#include <QGuiApplication>
#include <optional>

namespace LoadedXcb {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform offers the interface too, with no connection behind it.
    return x11 ? x11->connection() : nullptr;
}

const Calls* calls()
{
    static const std::optional<Calls> loaded = LoadedLibrary::table<Calls>(
        "libxcb.so.1", std::pair{"xcb_query_pointer", &Calls::queryPointer},
        std::pair{"xcb_query_pointer_reply", &Calls::queryPointerReply},
        std::pair{"xcb_configure_window", &Calls::configureWindow},
        std::pair{"xcb_intern_atom", &Calls::internAtom},
        std::pair{"xcb_intern_atom_reply", &Calls::internAtomReply},
        std::pair{"xcb_change_property", &Calls::changeProperty},
        std::pair{"xcb_flush", &Calls::flush});
    return loaded ? &*loaded : nullptr;
}

XSyncCall* xSync()
{
    XSyncCall* call;
    LoadedLibrary::Symbols("libX11.so.6").find("XSync", call);
    return call;
}

} // namespace LoadedXcb
