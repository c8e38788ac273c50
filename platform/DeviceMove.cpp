#include "shell/DeviceMove.h"

#include "platform/LoadedXcb.h"

#include <QWidget>
#include <cstdint>
#include <cstdlib>

namespace {

struct Xcb
{
    decltype(xcb_query_pointer)* queryPointer;
    decltype(xcb_query_pointer_reply)* queryPointerReply;
    decltype(xcb_configure_window)* configureWindow;
    decltype(xcb_flush)* flush;
};

Xcb loadedXcb()
{
    Xcb xcb{};
    LoadedXcb::find("xcb_query_pointer", xcb.queryPointer);
    LoadedXcb::find("xcb_query_pointer_reply", xcb.queryPointerReply);
    LoadedXcb::find("xcb_configure_window", xcb.configureWindow);
    LoadedXcb::find("xcb_flush", xcb.flush);
    return xcb;
}

} // namespace

void followPointer(QWidget& window, QPoint grip, QPointF globalPosition)
{
    xcb_connection_t* connection = LoadedXcb::connection();
    static const Xcb xcb = loadedXcb();
    if (!connection || !xcb.queryPointer || !xcb.queryPointerReply || !xcb.configureWindow ||
        !xcb.flush) {
        window.move((globalPosition - QPointF(grip) / window.devicePixelRatioF()).toPoint());
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_query_pointer_reply_t* pointer =
        xcb.queryPointerReply(connection, xcb.queryPointer(connection, id), nullptr);
    if (!pointer)
        return;
    // The window has no frame, so its own corner is the corner the window manager places.
    const std::uint32_t place[] = {static_cast<std::uint32_t>(pointer->root_x - grip.x()),
                                   static_cast<std::uint32_t>(pointer->root_y - grip.y())};
    std::free(pointer);
    xcb.configureWindow(connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
    xcb.flush(connection);
}
