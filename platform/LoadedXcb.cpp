#include "platform/LoadedXcb.h"

#include "platform/LoadedLibrary.h"

#include <QGuiApplication>
#include <optional>

namespace {

std::optional<LoadedXcb::Calls> load()
{
    LoadedLibrary::Symbols library("libxcb.so.1");
    LoadedXcb::Calls xcb{};
    library.find("xcb_query_pointer", xcb.queryPointer);
    library.find("xcb_query_pointer_reply", xcb.queryPointerReply);
    library.find("xcb_configure_window", xcb.configureWindow);
    library.find("xcb_intern_atom", xcb.internAtom);
    library.find("xcb_intern_atom_reply", xcb.internAtomReply);
    library.find("xcb_change_property", xcb.changeProperty);
    library.find("xcb_flush", xcb.flush);
    if (!library.foundAll())
        return std::nullopt;
    return xcb;
}

} // namespace

namespace LoadedXcb {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform offers the interface too, with no connection behind it.
    return x11 ? x11->connection() : nullptr;
}

const Calls* calls()
{
    static const std::optional<Calls> loaded = load();
    return loaded ? &*loaded : nullptr;
}

XSyncCall* xSync()
{
    XSyncCall* call;
    LoadedLibrary::Symbols("libX11.so.6").find("XSync", call);
    return call;
}

} // namespace LoadedXcb
