#include "platform/LoadedLibrary.h"

#include <dlfcn.h>

namespace LoadedLibrary {

Symbols::Symbols(const char* library)
    : m_library(dlopen(library, RTLD_LAZY | RTLD_NOLOAD)), m_foundAll(m_library != nullptr)
{}

Symbols::~Symbols()
{
    // Qt's platform keeps its own reference for as long as the program runs.
    if (m_library)
        dlclose(m_library);
}

void* Symbols::address(const char* name) const
{
    return m_library ? dlsym(m_library, name) : nullptr;
}

} // namespace LoadedLibrary
