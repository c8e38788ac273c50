#include "platform/LoadedLibrary.h"

#include <dlfcn.h>

void* LoadedLibrary::find(const char* library, const char* name)
{
    void* loaded = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!loaded)
        return nullptr;
    void* symbol = dlsym(loaded, name);
    // Qt's platform keeps its own reference for as long as the program runs.
    dlclose(loaded);
    return symbol;
}
