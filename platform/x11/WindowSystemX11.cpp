// The calls of WindowSystem that only an X server answers, made straight to it through the
// libraries that Qt's X11 platform has loaded; each does nothing, or what Qt can do, elsewhere.
#include "platform/WindowSystem.h"
#include "platform/x11/LoadedXcb.h"

#include <QGuiApplication>
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

namespace WindowSystem {

void followPointer(QWidget& window, QPoint grip, QPointF globalPosition)
{
    xcb_connection_t* connection = LoadedXcb::connection();
    const LoadedXcb::Calls* xcb = connection ? LoadedXcb::calls() : nullptr;
    if (!xcb) {
        window.move((globalPosition - QPointF(grip) / window.devicePixelRatioF()).toPoint());
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_query_pointer_reply_t* pointer =
        xcb->queryPointerReply(connection, xcb->queryPointer(connection, id), nullptr);
    if (!pointer)
        return;
    // The window has no frame, so its own corner is the corner the window manager places.
    const std::uint32_t place[] = {static_cast<std::uint32_t>(pointer->root_x - grip.x()),
                                   static_cast<std::uint32_t>(pointer->root_y - grip.y())};
    std::free(pointer);
    xcb->configureWindow(connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
    xcb->flush(connection);
}

void keepOffTaskbar(QWidget& window)
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

void settleXlibRequests()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    if (LoadedXcb::XSyncCall* sync = LoadedXcb::xSync())
        sync(display, 0);
}

} // namespace WindowSystem
