#pragma once

#include "game/Board.h"

#include <QImage>
#include <QPoint>
#include <cstdint>

class Platform;

// The peg in the player's hand, shown as the mouse pointer: taken from the painted tray of
// loose pegs, then dropped into, swapped with or lifted out of the holes of the active row.
class Hand
{
public:
    // The skin is the picture whose pixels the palette strips lie over.
    Hand(Board& board, Platform& platform, QImage skin);

    // The colour number held, 2 to 7, or 0 when the hand is empty.
    std::uint8_t carriedColour() const { return m_carriedColour; }

    // A press on palette strip koliky(index), at a point relative to the strip's corner in
    // skin pixels. Every button and modifier picks alike, so none is asked for.
    void koliky_MouseDown(int index, QPoint position);
    // The click handler of every hole target iRC: it swaps with its own peg display pRC.
    void i_Click(int row, int column);
    // Exchanges the hand with a hole: the hole gets what the hand held and the hand what the
    // hole held, an empty hole counting as no colour.
    void SwapPeg(ElementId hole);

private:
    Board& m_board;
    Platform& m_platform;
    QImage m_skin;
    std::uint8_t m_carriedColour = 0;
};
