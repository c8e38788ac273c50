#pragma once

// Symbols of a shared library that Qt's platform has loaded, found without loading the library
// where it is not: the game links none of the window systems' client libraries, so a start
// loads only those of the platform it runs on.
namespace LoadedLibrary {

// The symbol's address, or null when the library is not loaded or lacks it.
void* find(const char* library, const char* name);

template <typename Symbol> void find(const char* library, const char* name, Symbol*& symbol)
{
    symbol = reinterpret_cast<Symbol*>(find(library, name));
}

} // namespace LoadedLibrary
