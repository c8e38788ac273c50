#include "platform/LoadedXcb.h"
#include "platform/WindowSystem.h"

#include <QGuiApplication>

namespace WindowSystem {

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
