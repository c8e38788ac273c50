#include "platform/LoadedXcb.h"
#include "platform/WindowSystem.h"

#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t internAtom(const LoadedXcb::Calls& xcb, xcb_connection_t* connection, const char* name)
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

void WindowSystem::keepOffTaskbar(QWidget& window)
{
    // Qt sets no skip-taskbar state for any window type, so the state goes on the window here.
    xcb_connection_t* connection = LoadedXcb::connection();
    const LoadedXcb::Calls* xcb = connection ? LoadedXcb::calls() : nullptr;
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
