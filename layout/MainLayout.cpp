#include "layout/MainLayout.h"

#include <algorithm>
#include <array>

namespace {

// A name made of a letter and one or two digits, with a nul after it.
using ShortName = std::array<char, 4>;

constexpr ShortName shortName(char letter, int first, int second = 0)
{
    return {letter, char('0' + first), second == 0 ? '\0' : char('0' + second), '\0'};
}

// The names of the elements that stand at a place of the board, made from the place as the
// README's list of short names gives them, so the table states each place once: "iRC" and "pRC"
// for the hole and the peg display in row R, column C, "hR" for the key places of row R and
// "mC" for the code peg of column C.
struct PlaceNames
{
    std::array<std::array<ShortName, 4>, 6> holes{};
    std::array<std::array<ShortName, 4>, 6> pegDisplays{};
    std::array<ShortName, 6> keyPlaces{};
    std::array<ShortName, 4> codePegs{};
};

constexpr PlaceNames placeNames = [] {
    PlaceNames names;
    for (int row = 1; row <= 6; ++row) {
        for (int column = 1; column <= 4; ++column) {
            names.holes[row - 1][column - 1] = shortName('i', row, column);
            names.pegDisplays[row - 1][column - 1] = shortName('p', row, column);
        }
        names.keyPlaces[row - 1] = shortName('h', row);
    }
    for (int column = 1; column <= 4; ++column)
        names.codePegs[column - 1] = shortName('m', column);
    return names;
}();

// Who an element is: its name, its index in a control array (-1 for a single element) and its
// role.
struct Identity
{
    std::string_view name;
    int index;
    Role role;

    friend constexpr bool operator==(const Identity&, const Identity&) = default;
};

struct Design
{
    Identity identity;
    int x, y, width, height;
    bool enabled;
    bool visible;
};

constexpr Identity titleButton(std::string_view name, TitleAction action)
{
    return {name, -1, {ElementKind::TitleButton, 0, 0, action}};
}

// A place outside the board does not compile: the name tables are read at compile time.
constexpr Identity codePeg(int column)
{
    return {placeNames.codePegs.at(column - 1).data(), -1, {ElementKind::CodePeg, 0, column}};
}

constexpr Identity hole(int row, int column)
{
    return {
        placeNames.holes.at(row - 1).at(column - 1).data(), -1, {ElementKind::Hole, row, column}};
}

constexpr Identity pegDisplay(int row, int column)
{
    return {placeNames.pegDisplays.at(row - 1).at(column - 1).data(),
            -1,
            {ElementKind::PegDisplay, row, column}};
}

constexpr Identity keyPlace(int row, int index)
{
    return {placeNames.keyPlaces.at(row - 1).data(), index, {ElementKind::KeyPlace, row}};
}

constexpr Identity confirmArea(int index)
{
    return {"ok", index, {ElementKind::ConfirmArea}};
}

constexpr Identity paletteStrip(int index)
{
    return {"koliky", index, {ElementKind::PaletteStrip}};
}

// Every element of the main window; where two would take a press, the earlier one does. The
// README's list of short names says what each name stands for.
// clang-format off
constexpr std::array designs = {
    // Title-strip buttons.
    Design{titleButton("about", TitleAction::About), 311, 19, 16, 14, true, true},
    Design{titleButton("help", TitleAction::Help), 330, 19, 16, 14, true, true},
    Design{titleButton("minim", TitleAction::Minimise), 351, 19, 16, 14, true, true},
    Design{titleButton("kon", TitleAction::Close), 371, 19, 16, 14, true, true},
    // The hidden code, shown over the board title when the game ends.
    Design{codePeg(1), 88, 112, 32, 32, false, false},
    Design{codePeg(2), 112, 112, 32, 32, false, false},
    Design{codePeg(3), 136, 112, 32, 32, false, false},
    Design{codePeg(4), 160, 112, 32, 32, false, false},
    // Row 1: click targets, peg displays, key places.
    Design{hole(1, 1), 89, 515, 20, 20, true, true},
    Design{hole(1, 2), 118, 515, 20, 20, true, true},
    Design{hole(1, 3), 147, 515, 20, 20, true, true},
    Design{hole(1, 4), 176, 515, 20, 20, true, true},
    Design{pegDisplay(1, 1), 83, 510, 32, 32, false, true},
    Design{pegDisplay(1, 2), 112, 510, 32, 32, false, true},
    Design{pegDisplay(1, 3), 141, 510, 32, 32, false, true},
    Design{pegDisplay(1, 4), 169, 510, 32, 32, false, true},
    Design{keyPlace(1, 0), 8, 494, 32, 32, false, true},
    Design{keyPlace(1, 1), 36, 494, 32, 32, false, true},
    Design{keyPlace(1, 2), 8, 523, 32, 32, false, true},
    Design{keyPlace(1, 3), 36, 523, 32, 32, false, true},
    // Row 2: click targets, peg displays, key places.
    Design{hole(2, 1), 89, 452, 20, 20, false, true},
    Design{hole(2, 2), 118, 452, 20, 20, false, true},
    Design{hole(2, 3), 147, 452, 20, 20, false, true},
    Design{hole(2, 4), 176, 452, 20, 20, false, true},
    Design{pegDisplay(2, 1), 83, 446, 32, 32, false, true},
    Design{pegDisplay(2, 2), 112, 446, 32, 32, false, true},
    Design{pegDisplay(2, 3), 141, 446, 32, 32, false, true},
    Design{pegDisplay(2, 4), 169, 446, 32, 32, false, true},
    Design{keyPlace(2, 0), 8, 432, 32, 32, false, true},
    Design{keyPlace(2, 1), 36, 432, 32, 32, false, true},
    Design{keyPlace(2, 2), 8, 461, 32, 32, false, true},
    Design{keyPlace(2, 3), 36, 461, 32, 32, false, true},
    // Row 3: click targets, peg displays, key places.
    Design{hole(3, 1), 89, 388, 20, 20, false, true},
    Design{hole(3, 2), 118, 388, 20, 20, false, true},
    Design{hole(3, 3), 147, 388, 20, 20, false, true},
    Design{hole(3, 4), 176, 388, 20, 20, false, true},
    Design{pegDisplay(3, 1), 83, 382, 32, 32, false, true},
    Design{pegDisplay(3, 2), 112, 382, 32, 32, false, true},
    Design{pegDisplay(3, 3), 141, 382, 32, 32, false, true},
    Design{pegDisplay(3, 4), 169, 382, 32, 32, false, true},
    Design{keyPlace(3, 0), 8, 368, 32, 32, false, true},
    Design{keyPlace(3, 1), 36, 368, 32, 32, false, true},
    Design{keyPlace(3, 2), 8, 397, 32, 32, false, true},
    Design{keyPlace(3, 3), 36, 397, 32, 32, false, true},
    // Row 4: click targets, peg displays, key places.
    Design{hole(4, 1), 89, 324, 20, 20, false, true},
    Design{hole(4, 2), 118, 324, 20, 20, false, true},
    Design{hole(4, 3), 147, 324, 20, 20, false, true},
    Design{hole(4, 4), 176, 324, 20, 20, false, true},
    Design{pegDisplay(4, 1), 83, 318, 32, 32, false, true},
    Design{pegDisplay(4, 2), 112, 318, 32, 32, false, true},
    Design{pegDisplay(4, 3), 141, 318, 32, 32, false, true},
    Design{pegDisplay(4, 4), 169, 318, 32, 32, false, true},
    Design{keyPlace(4, 0), 8, 302, 32, 32, false, true},
    Design{keyPlace(4, 1), 36, 302, 32, 32, false, true},
    Design{keyPlace(4, 2), 8, 331, 32, 32, false, true},
    Design{keyPlace(4, 3), 36, 331, 32, 32, false, true},
    // Row 5: click targets, peg displays, key places.
    Design{hole(5, 1), 90, 260, 20, 20, false, true},
    Design{hole(5, 2), 119, 260, 20, 20, false, true},
    Design{hole(5, 3), 148, 260, 20, 20, false, true},
    Design{hole(5, 4), 177, 260, 20, 20, false, true},
    Design{pegDisplay(5, 1), 83, 254, 32, 32, false, true},
    Design{pegDisplay(5, 2), 112, 254, 32, 32, false, true},
    Design{pegDisplay(5, 3), 141, 254, 32, 32, false, true},
    Design{pegDisplay(5, 4), 169, 254, 32, 32, false, true},
    Design{keyPlace(5, 0), 8, 240, 32, 32, false, true},
    Design{keyPlace(5, 1), 36, 240, 32, 32, false, true},
    Design{keyPlace(5, 2), 8, 269, 32, 32, false, true},
    Design{keyPlace(5, 3), 36, 269, 32, 32, false, true},
    // Row 6: click targets, peg displays, key places.
    Design{hole(6, 1), 90, 197, 20, 20, false, true},
    Design{hole(6, 2), 119, 197, 20, 20, false, true},
    Design{hole(6, 3), 148, 197, 20, 20, false, true},
    Design{hole(6, 4), 177, 197, 20, 20, false, true},
    Design{pegDisplay(6, 1), 83, 190, 32, 32, false, true},
    Design{pegDisplay(6, 2), 112, 190, 32, 32, false, true},
    Design{pegDisplay(6, 3), 141, 190, 32, 32, false, true},
    Design{pegDisplay(6, 4), 170, 190, 32, 32, false, true},
    Design{keyPlace(6, 0), 8, 176, 32, 32, false, true},
    Design{keyPlace(6, 1), 36, 176, 32, 32, false, true},
    Design{keyPlace(6, 2), 8, 205, 32, 32, false, true},
    Design{keyPlace(6, 3), 36, 205, 32, 32, false, true},
    // Confirm areas; ok(k) lies over the key places of row 6 - k.
    Design{confirmArea(0), 14, 181, 51, 51, true, true},
    Design{confirmArea(1), 14, 244, 51, 51, true, true},
    Design{confirmArea(2), 14, 308, 51, 51, true, true},
    Design{confirmArea(3), 13, 373, 51, 51, true, true},
    Design{confirmArea(4), 13, 437, 51, 51, true, true},
    Design{confirmArea(5), 12, 500, 51, 51, true, true},
    // Palette strips following the outline of the tray of loose pegs.
    Design{paletteStrip(0), 216, 160, 9, 217, true, true},
    Design{paletteStrip(1), 224, 176, 9, 209, true, true},
    Design{paletteStrip(2), 232, 184, 9, 209, true, true},
    Design{paletteStrip(3), 240, 192, 9, 209, true, true},
    Design{paletteStrip(4), 248, 200, 9, 209, true, true},
    Design{paletteStrip(5), 256, 208, 9, 209, true, true},
    Design{paletteStrip(6), 264, 216, 9, 209, true, true},
    Design{paletteStrip(7), 272, 216, 9, 217, true, true},
    Design{paletteStrip(8), 280, 216, 9, 225, true, true},
    Design{paletteStrip(9), 288, 240, 9, 201, true, true},
    Design{paletteStrip(10), 296, 240, 9, 209, true, true},
    Design{paletteStrip(11), 304, 248, 9, 209, true, true},
    Design{paletteStrip(12), 312, 256, 9, 201, true, true},
    Design{paletteStrip(13), 320, 280, 9, 177, true, true},
    Design{paletteStrip(14), 328, 288, 9, 177, true, true},
    Design{paletteStrip(15), 336, 288, 9, 169, true, true},
    Design{paletteStrip(16), 344, 296, 9, 145, true, true},
    Design{paletteStrip(17), 352, 288, 9, 153, true, true},
    Design{paletteStrip(18), 360, 296, 9, 145, true, true},
    Design{paletteStrip(19), 368, 312, 9, 121, true, true},
    Design{paletteStrip(20), 376, 312, 9, 113, true, true},
    Design{paletteStrip(21), 384, 320, 9, 97, true, true},
    Design{paletteStrip(22), 392, 328, 9, 81, true, true},
    Design{paletteStrip(23), 400, 344, 9, 49, true, true},
    Design{paletteStrip(24), 408, 352, 9, 41, true, true},
};
// clang-format on

// Every element of the board once, and no other but the title buttons: a slip in the table that
// would leave a place without its element, or give it two, does not compile.
constexpr bool eachElementOnce()
{
    const auto once = [](const Identity& identity) {
        return std::count_if(designs.begin(), designs.end(), [&](const Design& design) {
                   return design.identity == identity;
               }) == 1;
    };
    bool all = designs.size() == 4 + 4 + 6 * (4 + 4 + 4 + 1) + 25;
    for (int row = 1; row <= 6; ++row) {
        for (int column = 1; column <= 4; ++column)
            all = all && once(hole(row, column)) && once(pegDisplay(row, column));
        for (int index = 0; index < 4; ++index)
            all = all && once(keyPlace(row, index));
        all = all && once(confirmArea(row - 1));
    }
    for (int column = 1; column <= 4; ++column)
        all = all && once(codePeg(column));
    for (int index = 0; index < 25; ++index)
        all = all && once(paletteStrip(index));
    return all;
}
static_assert(eachElementOnce());

} // namespace

namespace MainLayout {

std::vector<Element> createElements()
{
    std::vector<Element> elements;
    elements.reserve(designs.size());
    for (const Design& d : designs)
        elements.push_back({d.identity.name,
                            d.identity.index,
                            d.identity.role,
                            QRect(d.x, d.y, d.width, d.height),
                            d.enabled,
                            d.visible,
                            {},
                            0});
    return elements;
}

std::optional<std::size_t> elementAt(std::span<const Element> elements, QPoint point)
{
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& element = elements[i];
        if (element.enabled && element.visible && element.rect.contains(point))
            return i;
    }
    return std::nullopt;
}

} // namespace MainLayout
