#include "platform/LoadedXcb.h"

#include <QGuiApplication>
#include <dlfcn.h>

namespace LoadedXcb {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform offers the interface too, with no connection behind it.
    return x11 ? x11->connection() : nullptr;
}

void* find(const char* name, const char* library)
{
    void* loaded = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!loaded)
        return nullptr;
    void* function = dlsym(loaded, name);
    // Qt's platform keeps its own reference for as long as the program runs.
    dlclose(loaded);
    return function;
}

} // namespace LoadedXcb
