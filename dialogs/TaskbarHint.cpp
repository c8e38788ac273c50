#include "dialogs/TaskbarHint.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <optional>
#include <xcb/xcb.h>

namespace {

// The X client library's calls, taken from the copy that Qt's X11 platform has loaded. The game
// does not link the library itself: linked, it would be loaded before everything else at every
// start, and the dynamic linker would search it for every symbol of every library.
struct Xcb
{
    decltype(&xcb_intern_atom) internAtom;
    decltype(&xcb_intern_atom_reply) internAtomReply;
    decltype(&xcb_change_property) changeProperty;
    decltype(&xcb_flush) flush;
};

template <typename Function> void find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
}

std::optional<Xcb> loadedXcb()
{
    void* library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return {};
    Xcb xcb{};
    find(library, "xcb_intern_atom", xcb.internAtom);
    find(library, "xcb_intern_atom_reply", xcb.internAtomReply);
    find(library, "xcb_change_property", xcb.changeProperty);
    find(library, "xcb_flush", xcb.flush);
    // Qt's platform keeps its own reference for as long as the program runs.
    dlclose(library);
    if (!xcb.internAtom || !xcb.internAtomReply || !xcb.changeProperty || !xcb.flush)
        return {};
    return xcb;
}

xcb_atom_t internAtom(const Xcb& xcb, xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb.internAtom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb.internAtomReply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

void keepOffTaskbar(QWidget& window)
{
    // Qt sets no skip-taskbar state for any window type, so the state goes on the window here.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform offers the interface too, with no connection behind it.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const std::optional<Xcb> xcb = connection ? loadedXcb() : std::nullopt;
    if (!xcb)
        return;
    const xcb_atom_t state = internAtom(*xcb, connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = internAtom(*xcb, connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    // Qt merges its own states into what the unmapped window already carries when it maps it,
    // so this entry survives show().
    xcb->changeProperty(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window.winId()),
                        state, XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    xcb->flush(connection);
}
