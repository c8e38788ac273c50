#pragma once

#include "layout/Element.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

using ElementId = std::size_t;
using KeyGroup = std::array<ElementId, 4>;

// The whole state of one game, held as the elements of the main window: colours as tag text
// with the matching picture, the active row as the enabled click targets, the shown code as
// the visible code pegs. A plain value, so a test can snapshot it and compare.
class Board
{
public:
    Board();

    const std::vector<Element>& elements() const { return m_elements; }
    const Element& operator[](ElementId id) const { return m_elements[id]; }

    // Rows count 1 (bottom) to 6 (top), columns 1 to 4.
    static ElementId clickTarget(int row, int column); // iRC
    static ElementId pegDisplay(int row, int column);  // pRC
    static KeyGroup keyGroup(int row);                 // hR(0..3)
    static ElementId codePeg(int column);              // mC
    static ElementId paletteStrip(int index);          // koliky(0..24)
    // Any element by its name, and its index for members of a control array.
    static ElementId find(std::string_view name, int index = -1);

    const QString& tag(ElementId id) const { return m_elements[id].tag; }
    // Writes a colour number as tag text and its picture in one step; 0 clears both.
    void setColour(ElementId id, int colour);
    void setEnabled(ElementId id, bool enabled);
    void setVisible(ElementId id, bool visible);

    // Called with each element whose state changed, so a view can repaint just that element.
    void setChangeListener(std::function<void(ElementId)> listener);

    bool operator==(const Board& other) const { return m_elements == other.m_elements; }

private:
    void changed(ElementId id);

    std::vector<Element> m_elements;
    std::function<void(ElementId)> m_listener;
};
