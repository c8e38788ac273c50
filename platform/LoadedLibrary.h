#pragma once

#include <optional>
#include <utility>

// Symbols of a shared library that Qt's platform has loaded, found without loading the library
// where it is not: the game links none of the window systems' client libraries, so a start
// loads only those of the platform it runs on.
namespace LoadedLibrary {

// One library's symbols, found by name in turn; whether every one was found is kept.
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

// A table of one library's symbols, each named beside the member that holds it: complete, or
// none at all.
template <typename Table, typename... Symbol>
std::optional<Table> table(const char* library,
                           std::pair<const char*, Symbol * Table::*>... symbols)
{
    Symbols found(library);
    Table table{};
    (found.find(symbols.first, table.*symbols.second), ...);
    if (!found.foundAll())
        return std::nullopt;
    return table;
}

} // namespace LoadedLibrary
