#include "platform/LoadedXcb.h"
#include "platform/WindowSystem.h"

#include <QWidget>
#include <cstdint>
#include <cstdlib>

void WindowSystem::followPointer(QWidget& window, QPoint grip, QPointF globalPosition)
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
