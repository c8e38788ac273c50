#include "game/Board.h"

#include "layout/MainLayout.h"

#include <QtGlobal>

namespace {

// Ids of the named elements, looked up once in the layout table.
struct Ids
{
    std::array<std::array<ElementId, 4>, 6> clickTargets{};
    std::array<std::array<ElementId, 4>, 6> pegDisplays{};
    std::array<KeyGroup, 6> keyGroups{};
    std::array<ElementId, 4> codePegs{};
    std::array<ElementId, 25> paletteStrips{};
};

// A name made of a letter and one or two digits, as in "p23" or "h4".
struct ShortName
{
    std::array<char, 3> text{};
    std::size_t length = 0;
    ShortName(char letter, int first, int second = -1)
        : text{letter, char('0' + first), char('0' + second)}, length(second < 0 ? 2 : 3)
    {}
    operator std::string_view() const { return {text.data(), length}; }
};

const std::vector<Element>& designTable()
{
    static const std::vector<Element> table = MainLayout::createElements();
    return table;
}

const Ids& ids()
{
    static const Ids table = [] {
        Ids built;
        for (int row = 1; row <= 6; ++row) {
            for (int column = 1; column <= 4; ++column) {
                built.clickTargets[row - 1][column - 1] = Board::find(ShortName('i', row, column));
                built.pegDisplays[row - 1][column - 1] = Board::find(ShortName('p', row, column));
            }
            for (int index = 0; index < 4; ++index)
                built.keyGroups[row - 1][index] = Board::find(ShortName('h', row), index);
        }
        for (int column = 1; column <= 4; ++column)
            built.codePegs[column - 1] = Board::find(ShortName('m', column));
        for (int index = 0; index < 25; ++index)
            built.paletteStrips[index] = Board::find("koliky", index);
        return built;
    }();
    return table;
}

} // namespace

Board::Board() : m_elements(designTable()) {}

ElementId Board::find(std::string_view name, int index)
{
    const std::vector<Element>& table = designTable();
    for (ElementId id = 0; id < table.size(); ++id) {
        if (table[id].name == name && table[id].index == index)
            return id;
    }
    Q_ASSERT_X(false, "Board::find", "no such element");
    return 0;
}

ElementId Board::clickTarget(int row, int column)
{
    Q_ASSERT(row >= 1 && row <= 6 && column >= 1 && column <= 4);
    return ids().clickTargets[row - 1][column - 1];
}

ElementId Board::pegDisplay(int row, int column)
{
    Q_ASSERT(row >= 1 && row <= 6 && column >= 1 && column <= 4);
    return ids().pegDisplays[row - 1][column - 1];
}

KeyGroup Board::keyGroup(int row)
{
    Q_ASSERT(row >= 1 && row <= 6);
    return ids().keyGroups[row - 1];
}

ElementId Board::codePeg(int column)
{
    Q_ASSERT(column >= 1 && column <= 4);
    return ids().codePegs[column - 1];
}

ElementId Board::paletteStrip(int index)
{
    Q_ASSERT(index >= 0 && index < 25);
    return ids().paletteStrips[index];
}

void Board::setColour(ElementId id, int colour)
{
    Q_ASSERT(colour == 0 || (colour >= 2 && colour <= 9));
    Element& element = m_elements[id];
    element.picture = colour;
    element.tag = colour == 0 ? QString() : QString::number(colour);
    changed(id);
}

void Board::setEnabled(ElementId id, bool enabled)
{
    m_elements[id].enabled = enabled;
    changed(id);
}

void Board::setVisible(ElementId id, bool visible)
{
    m_elements[id].visible = visible;
    changed(id);
}

void Board::setChangeListener(std::function<void(ElementId)> listener)
{
    m_listener = std::move(listener);
}

void Board::changed(ElementId id)
{
    if (m_listener)
        m_listener(id);
}
