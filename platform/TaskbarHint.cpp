#include "dialogs/TaskbarHint.h"

#include "platform/LoadedXcb.h"

#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

struct Xcb
{
    decltype(xcb_intern_atom)* internAtom;
    decltype(xcb_intern_atom_reply)* internAtomReply;
    decltype(xcb_change_property)* changeProperty;
    decltype(xcb_flush)* flush;
};

std::optional<Xcb> loadedXcb()
{
    Xcb xcb{};
    LoadedXcb::find("xcb_intern_atom", xcb.internAtom);
    LoadedXcb::find("xcb_intern_atom_reply", xcb.internAtomReply);
    LoadedXcb::find("xcb_change_property", xcb.changeProperty);
    LoadedXcb::find("xcb_flush", xcb.flush);
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
    xcb_connection_t* connection = LoadedXcb::connection();
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
