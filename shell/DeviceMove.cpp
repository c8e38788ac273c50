#include "shell/DeviceMove.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>

void followPointer(QWidget& window, QPoint grip, QPointF globalPosition)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform offers the interface too, with no connection behind it.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        window.move((globalPosition - QPointF(grip) / window.devicePixelRatioF()).toPoint());
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, id), nullptr);
    if (!pointer)
        return;
    // The window has no frame, so its own corner is the corner the window manager places.
    const std::uint32_t place[] = {static_cast<std::uint32_t>(pointer->root_x - grip.x()),
                                   static_cast<std::uint32_t>(pointer->root_y - grip.y())};
    std::free(pointer);
    xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
    xcb_flush(connection);
}
