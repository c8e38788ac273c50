#pragma once

#include "ScriptedPlatform.h"
#include "game/Board.h"
#include "game/Game.h"

#include <array>

// A fresh board with a chosen code, a scripted platform and the rules over both.
struct GameFixture
{
    Board board;
    ScriptedPlatform platform;
    Game game{board, platform};

    explicit GameFixture(std::array<int, 4> code = {2, 3, 4, 5})
    {
        for (int column = 1; column <= 4; ++column)
            board.setColour(Board::codePeg(column), code[column - 1]);
    }

    void fillRow(int row, std::array<int, 4> colours)
    {
        for (int column = 1; column <= 4; ++column)
            board.setColour(Board::pegDisplay(row, column), colours[column - 1]);
    }

    QString keys(int row) const
    {
        QString text;
        for (ElementId slot : Board::keyGroup(row))
            text += board.tag(slot).isEmpty() ? QStringLiteral("-") : board.tag(slot);
        return text;
    }

    int activeRow() const
    {
        for (int row = 1; row <= 6; ++row) {
            if (board[Board::clickTarget(row, 1)].enabled)
                return row;
        }
        return 0;
    }

    bool codeVisible() const
    {
        bool visible = true;
        for (int column = 1; column <= 4; ++column)
            visible &= board[Board::codePeg(column)].visible;
        return visible;
    }

    // Confirms the active row through the confirm area of the given index.
    void confirm(int okIndex = 5) { game.ok_Click(okIndex); }
};
