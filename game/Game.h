#pragma once

#include "game/Board.h"

class Platform;

// The rules of one game: the secret code, the scoring of a row, the turn flow and the
// new-game question. Works on the board's elements and reaches the desktop only through
// the platform.
class Game
{
public:
    Game(Board& board, Platform& platform);

    // Deals four distinct colours into the code pegs m1 to m4; called once per process.
    void DrawSecretCode();

    // Writes the row's black and white key pegs; shows the code and returns true when solved.
    bool ScoreGuess(const KeyGroup& keys, ElementId g1, ElementId g2, ElementId g3, ElementId g4);

    // A click on any confirm area confirms the active row, whichever area was clicked.
    void ok_Click(int index);
    void kon_Click();
    // Returns only when the player cancels; Yes and No end the process inside it.
    void AskNewGame();

    bool lastScore() const { return m_lastScore; }

private:
    int drawColour();
    bool isOver() const;

    Board& m_board;
    Platform& m_platform;
    bool m_lastScore = false;
};
