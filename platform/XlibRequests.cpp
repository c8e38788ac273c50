#include "platform/XlibRequests.h"

#include "platform/LoadedXcb.h"

#include <QGuiApplication>

void settleXlibRequests()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    int (*sync)(Display*, int) = nullptr;
    LoadedXcb::find("XSync", sync, "libX11.so.6");
    if (sync)
        sync(display, 0);
}
