#include "layout/MainLayout.h"

#include <array>

namespace {

struct Design
{
    std::string_view name;
    int index;
    Role role;
    int x, y, width, height;
    bool enabled;
    bool visible;
};

constexpr Role titleButton(TitleAction action)
{
    return {ElementKind::TitleButton, 0, 0, action};
}

constexpr Role codePeg(int column)
{
    return {ElementKind::CodePeg, 0, column};
}

constexpr Role hole(int row, int column)
{
    return {ElementKind::Hole, row, column};
}

constexpr Role pegDisplay(int row, int column)
{
    return {ElementKind::PegDisplay, row, column};
}

constexpr Role keyPlace(int row)
{
    return {ElementKind::KeyPlace, row};
}

constexpr Role confirmArea{ElementKind::ConfirmArea};
constexpr Role paletteStrip{ElementKind::PaletteStrip};

// Every element of the main window; where two would take a press, the earlier one does. The
// README's list of short names says what each name stands for.
// clang-format off
constexpr std::array designs = {
    // Title-strip buttons.
    Design{"about", -1, titleButton(TitleAction::About), 311, 19, 16, 14, true, true},
    Design{"help", -1, titleButton(TitleAction::Help), 330, 19, 16, 14, true, true},
    Design{"minim", -1, titleButton(TitleAction::Minimise), 351, 19, 16, 14, true, true},
    Design{"kon", -1, titleButton(TitleAction::Close), 371, 19, 16, 14, true, true},
    // The hidden code, shown over the board title when the game ends.
    Design{"m1", -1, codePeg(1), 88, 112, 32, 32, false, false},
    Design{"m2", -1, codePeg(2), 112, 112, 32, 32, false, false},
    Design{"m3", -1, codePeg(3), 136, 112, 32, 32, false, false},
    Design{"m4", -1, codePeg(4), 160, 112, 32, 32, false, false},
    // Row 1: click targets, peg displays, key places.
    Design{"i11", -1, hole(1, 1), 89, 515, 20, 20, true, true},
    Design{"i12", -1, hole(1, 2), 118, 515, 20, 20, true, true},
    Design{"i13", -1, hole(1, 3), 147, 515, 20, 20, true, true},
    Design{"i14", -1, hole(1, 4), 176, 515, 20, 20, true, true},
    Design{"p11", -1, pegDisplay(1, 1), 83, 510, 32, 32, false, true},
    Design{"p12", -1, pegDisplay(1, 2), 112, 510, 32, 32, false, true},
    Design{"p13", -1, pegDisplay(1, 3), 141, 510, 32, 32, false, true},
    Design{"p14", -1, pegDisplay(1, 4), 169, 510, 32, 32, false, true},
    Design{"h1", 0, keyPlace(1), 8, 494, 32, 32, false, true},
    Design{"h1", 1, keyPlace(1), 36, 494, 32, 32, false, true},
    Design{"h1", 2, keyPlace(1), 8, 523, 32, 32, false, true},
    Design{"h1", 3, keyPlace(1), 36, 523, 32, 32, false, true},
    // Row 2: click targets, peg displays, key places.
    Design{"i21", -1, hole(2, 1), 89, 452, 20, 20, false, true},
    Design{"i22", -1, hole(2, 2), 118, 452, 20, 20, false, true},
    Design{"i23", -1, hole(2, 3), 147, 452, 20, 20, false, true},
    Design{"i24", -1, hole(2, 4), 176, 452, 20, 20, false, true},
    Design{"p21", -1, pegDisplay(2, 1), 83, 446, 32, 32, false, true},
    Design{"p22", -1, pegDisplay(2, 2), 112, 446, 32, 32, false, true},
    Design{"p23", -1, pegDisplay(2, 3), 141, 446, 32, 32, false, true},
    Design{"p24", -1, pegDisplay(2, 4), 169, 446, 32, 32, false, true},
    Design{"h2", 0, keyPlace(2), 8, 432, 32, 32, false, true},
    Design{"h2", 1, keyPlace(2), 36, 432, 32, 32, false, true},
    Design{"h2", 2, keyPlace(2), 8, 461, 32, 32, false, true},
    Design{"h2", 3, keyPlace(2), 36, 461, 32, 32, false, true},
    // Row 3: click targets, peg displays, key places.
    Design{"i31", -1, hole(3, 1), 89, 388, 20, 20, false, true},
    Design{"i32", -1, hole(3, 2), 118, 388, 20, 20, false, true},
    Design{"i33", -1, hole(3, 3), 147, 388, 20, 20, false, true},
    Design{"i34", -1, hole(3, 4), 176, 388, 20, 20, false, true},
    Design{"p31", -1, pegDisplay(3, 1), 83, 382, 32, 32, false, true},
    Design{"p32", -1, pegDisplay(3, 2), 112, 382, 32, 32, false, true},
    Design{"p33", -1, pegDisplay(3, 3), 141, 382, 32, 32, false, true},
    Design{"p34", -1, pegDisplay(3, 4), 169, 382, 32, 32, false, true},
    Design{"h3", 0, keyPlace(3), 8, 368, 32, 32, false, true},
    Design{"h3", 1, keyPlace(3), 36, 368, 32, 32, false, true},
    Design{"h3", 2, keyPlace(3), 8, 397, 32, 32, false, true},
    Design{"h3", 3, keyPlace(3), 36, 397, 32, 32, false, true},
    // Row 4: click targets, peg displays, key places.
    Design{"i41", -1, hole(4, 1), 89, 324, 20, 20, false, true},
    Design{"i42", -1, hole(4, 2), 118, 324, 20, 20, false, true},
    Design{"i43", -1, hole(4, 3), 147, 324, 20, 20, false, true},
    Design{"i44", -1, hole(4, 4), 176, 324, 20, 20, false, true},
    Design{"p41", -1, pegDisplay(4, 1), 83, 318, 32, 32, false, true},
    Design{"p42", -1, pegDisplay(4, 2), 112, 318, 32, 32, false, true},
    Design{"p43", -1, pegDisplay(4, 3), 141, 318, 32, 32, false, true},
    Design{"p44", -1, pegDisplay(4, 4), 169, 318, 32, 32, false, true},
    Design{"h4", 0, keyPlace(4), 8, 302, 32, 32, false, true},
    Design{"h4", 1, keyPlace(4), 36, 302, 32, 32, false, true},
    Design{"h4", 2, keyPlace(4), 8, 331, 32, 32, false, true},
    Design{"h4", 3, keyPlace(4), 36, 331, 32, 32, false, true},
    // Row 5: click targets, peg displays, key places.
    Design{"i51", -1, hole(5, 1), 90, 260, 20, 20, false, true},
    Design{"i52", -1, hole(5, 2), 119, 260, 20, 20, false, true},
    Design{"i53", -1, hole(5, 3), 148, 260, 20, 20, false, true},
    Design{"i54", -1, hole(5, 4), 177, 260, 20, 20, false, true},
    Design{"p51", -1, pegDisplay(5, 1), 83, 254, 32, 32, false, true},
    Design{"p52", -1, pegDisplay(5, 2), 112, 254, 32, 32, false, true},
    Design{"p53", -1, pegDisplay(5, 3), 141, 254, 32, 32, false, true},
    Design{"p54", -1, pegDisplay(5, 4), 169, 254, 32, 32, false, true},
    Design{"h5", 0, keyPlace(5), 8, 240, 32, 32, false, true},
    Design{"h5", 1, keyPlace(5), 36, 240, 32, 32, false, true},
    Design{"h5", 2, keyPlace(5), 8, 269, 32, 32, false, true},
    Design{"h5", 3, keyPlace(5), 36, 269, 32, 32, false, true},
    // Row 6: click targets, peg displays, key places.
    Design{"i61", -1, hole(6, 1), 90, 197, 20, 20, false, true},
    Design{"i62", -1, hole(6, 2), 119, 197, 20, 20, false, true},
    Design{"i63", -1, hole(6, 3), 148, 197, 20, 20, false, true},
    Design{"i64", -1, hole(6, 4), 177, 197, 20, 20, false, true},
    Design{"p61", -1, pegDisplay(6, 1), 83, 190, 32, 32, false, true},
    Design{"p62", -1, pegDisplay(6, 2), 112, 190, 32, 32, false, true},
    Design{"p63", -1, pegDisplay(6, 3), 141, 190, 32, 32, false, true},
    Design{"p64", -1, pegDisplay(6, 4), 170, 190, 32, 32, false, true},
    Design{"h6", 0, keyPlace(6), 8, 176, 32, 32, false, true},
    Design{"h6", 1, keyPlace(6), 36, 176, 32, 32, false, true},
    Design{"h6", 2, keyPlace(6), 8, 205, 32, 32, false, true},
    Design{"h6", 3, keyPlace(6), 36, 205, 32, 32, false, true},
    // Confirm areas; ok(k) lies over the key places of row 6 - k.
    Design{"ok", 0, confirmArea, 14, 181, 51, 51, true, true},
    Design{"ok", 1, confirmArea, 14, 244, 51, 51, true, true},
    Design{"ok", 2, confirmArea, 14, 308, 51, 51, true, true},
    Design{"ok", 3, confirmArea, 13, 373, 51, 51, true, true},
    Design{"ok", 4, confirmArea, 13, 437, 51, 51, true, true},
    Design{"ok", 5, confirmArea, 12, 500, 51, 51, true, true},
    // Palette strips following the outline of the tray of loose pegs.
    Design{"koliky", 0, paletteStrip, 216, 160, 9, 217, true, true},
    Design{"koliky", 1, paletteStrip, 224, 176, 9, 209, true, true},
    Design{"koliky", 2, paletteStrip, 232, 184, 9, 209, true, true},
    Design{"koliky", 3, paletteStrip, 240, 192, 9, 209, true, true},
    Design{"koliky", 4, paletteStrip, 248, 200, 9, 209, true, true},
    Design{"koliky", 5, paletteStrip, 256, 208, 9, 209, true, true},
    Design{"koliky", 6, paletteStrip, 264, 216, 9, 209, true, true},
    Design{"koliky", 7, paletteStrip, 272, 216, 9, 217, true, true},
    Design{"koliky", 8, paletteStrip, 280, 216, 9, 225, true, true},
    Design{"koliky", 9, paletteStrip, 288, 240, 9, 201, true, true},
    Design{"koliky", 10, paletteStrip, 296, 240, 9, 209, true, true},
    Design{"koliky", 11, paletteStrip, 304, 248, 9, 209, true, true},
    Design{"koliky", 12, paletteStrip, 312, 256, 9, 201, true, true},
    Design{"koliky", 13, paletteStrip, 320, 280, 9, 177, true, true},
    Design{"koliky", 14, paletteStrip, 328, 288, 9, 177, true, true},
    Design{"koliky", 15, paletteStrip, 336, 288, 9, 169, true, true},
    Design{"koliky", 16, paletteStrip, 344, 296, 9, 145, true, true},
    Design{"koliky", 17, paletteStrip, 352, 288, 9, 153, true, true},
    Design{"koliky", 18, paletteStrip, 360, 296, 9, 145, true, true},
    Design{"koliky", 19, paletteStrip, 368, 312, 9, 121, true, true},
    Design{"koliky", 20, paletteStrip, 376, 312, 9, 113, true, true},
    Design{"koliky", 21, paletteStrip, 384, 320, 9, 97, true, true},
    Design{"koliky", 22, paletteStrip, 392, 328, 9, 81, true, true},
    Design{"koliky", 23, paletteStrip, 400, 344, 9, 49, true, true},
    Design{"koliky", 24, paletteStrip, 408, 352, 9, 41, true, true},
};
// clang-format on

} // namespace

namespace MainLayout {

std::vector<Element> createElements()
{
    std::vector<Element> elements;
    elements.reserve(designs.size());
    for (const Design& d : designs)
        elements.push_back({d.name,
                            d.index,
                            d.role,
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
