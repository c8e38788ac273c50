#include "platform/LoadedXcb.h"

#include <QGuiApplication>
#include <dlfcn.h>
#include <optional>

namespace {

void* findIn(const char* library, const char* name)
{
    void* loaded = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!loaded)
        return nullptr;
    void* function = dlsym(loaded, name);
    // Qt's platform keeps its own reference for as long as the program runs.
    dlclose(loaded);
    return function;
}

template <typename Function> void find(const char* name, Function*& function)
{
    function = reinterpret_cast<Function*>(findIn("libxcb.so.1", name));
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
    return reinterpret_cast<XSyncCall*>(findIn("libX11.so.6", "XSync"));
}

} // namespace LoadedXcb
