#include "platform/LoadedXcb.h"

#include "platform/LoadedLibrary.h"

#include <QGuiApplication>
#include <optional>

namespace {

template <typename Function> void find(const char* name, Function*& function)
{
    LoadedLibrary::find("libxcb.so.1", name, function);
}

std::optional<LoadedXcb::Calls> load()
{
    LoadedXcb::Calls xcb{};
    find("xcb_query_pointer", xcb.queryPointer);
    find("xcb_query_pointer_reply", xcb.queryPointerReply);
    find("xcb_configure_window", xcb.configureWindow);
    find("xcb_intern_atom", xcb.internAtom);
    find("xcb_intern_atom_reply", xcb.internAtomReply);
    find("xcb_change_property", xcb.changeProperty);
    find("xcb_flush", xcb.flush);
    if (!xcb.queryPointer || !xcb.queryPointerReply || !xcb.configureWindow || !xcb.internAtom ||
        !xcb.internAtomReply || !xcb.changeProperty || !xcb.flush)
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
    LoadedLibrary::find("libX11.so.6", "XSync", call);
    return call;
}

} // namespace LoadedXcb
