#include "pegs/Hand.h"

#include "pegs/PegColour.h"
#include "platform/Platform.h"

#include <utility>

Hand::Hand(Board& board, Platform& platform, QImage skin)
    : m_board(board), m_platform(platform), m_skin(std::move(skin))
{}

void Hand::koliky_MouseDown(int index, QPoint position)
{
    // Whatever was carried is dropped here for good, also when the press picks nothing.
    m_carriedColour = 0;
    const QPoint sample = m_board[Board::paletteStrip(index)].rect.topLeft() + position;
    if (m_skin.valid(sample)) {
        const QRgb pixel = m_skin.pixel(sample);
        m_carriedColour =
            static_cast<std::uint8_t>(classifyPegColour(qRed(pixel), qGreen(pixel), qBlue(pixel)));
    }
    m_platform.setPointer(m_carriedColour);
}

void Hand::i_Click(int row, int column)
{
    SwapPeg(Board::pegDisplay(row, column));
}

void Hand::SwapPeg(ElementId hole)
{
    const std::uint8_t held = static_cast<std::uint8_t>(m_board.tag(hole).toInt());
    if (m_carriedColour == 0 && held == 0)
        return;
    const std::uint8_t dropped = std::exchange(m_carriedColour, held);
    m_platform.setPointer(m_carriedColour);
    m_board.setColour(hole, dropped);
}
