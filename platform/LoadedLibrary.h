#pragma once

// Symbols of a shared library that Qt's platform has loaded, found without loading the library
// where it is not: the game links none of the window systems' client libraries, so a start
// loads only those of the platform it runs on.
namespace LoadedLibrary {

// One library's symbols, found by name in turn; whether every one was found is kept, so that a
// table of calls is complete or not used at all.
class Symbols
{
public:
    explicit Symbols(const char* library);
    ~Symbols();
    Symbols(const Symbols&) = delete;
    Symbols& operator=(const Symbols&) = delete;

    // Sets symbol to the named symbol's address, or to null when the library is not loaded or
    // lacks it.
    template <typename Symbol> void find(const char* name, Symbol*& symbol)
    {
        symbol = reinterpret_cast<Symbol*>(address(name));
        m_foundAll = m_foundAll && symbol;
    }

    bool foundAll() const { return m_foundAll; }

private:
    void* address(const char* name) const;

    void* m_library;
    bool m_foundAll;
};

} // namespace LoadedLibrary
