#include "game/Game.h"

#include "game/Colours.h"
#include "game/Texts.h"
#include "platform/Platform.h"

#include <QFile>
#include <cmath>
#include <optional>

namespace {

// The twelve holes that, all blue, form the hidden screen: a pattern across the six rows.
constexpr std::array<std::array<int, 2>, 12> hiddenScreenHoles = {{
    {1, 1},
    {1, 2},
    {2, 1},
    {2, 3},
    {3, 1},
    {3, 4},
    {4, 1},
    {4, 4},
    {5, 1},
    {5, 3},
    {6, 1},
    {6, 2},
}};

// Why a new game failed, in the game's words; none for a game shown, or still starting, which
// the player will yet see.
std::optional<QString> failureReason(const NewGameStart& start)
{
    switch (start.outcome) {
    case NewGameStart::Outcome::NotStarted:
        return QString::fromUtf8(Texts::fileNotStarted);
    case NewGameStart::Outcome::EndedUnseen:
        return QString::fromUtf8(Texts::endedUnseen);
    case NewGameStart::Outcome::Shown:
    case NewGameStart::Outcome::StillStarting:
        break;
    }
    return std::nullopt;
}

QString failureDetails(const NewGameStart& start)
{
    if (start.outcome == NewGameStart::Outcome::NotStarted)
        return start.systemText;
    QString details =
        start.signal != 0
            ? QString::fromUtf8(Texts::endedBySignal).arg(start.signal).arg(start.systemText)
            : QString::fromUtf8(Texts::exitStatus).arg(start.exitStatus);
    if (!start.lastErrorLine.isEmpty())
        details +=
            QStringLiteral(", ") + QString::fromUtf8(Texts::lastErrorLine).arg(start.lastErrorLine);
    return details;
}

} // namespace

Game::Game(Board& board, Platform& platform) : m_board(board), m_platform(platform) {}

int Game::drawColour()
{
    return Colour::firstPeg + static_cast<int>(std::floor(6 * m_platform.nextRandom()));
}

void Game::DrawSecretCode()
{
    // Each later peg is drawn again until it differs from every earlier one; earlier pegs stay.
    for (int column = 1; column <= 4; ++column) {
        const ElementId peg = Board::codePeg(column);
        bool repeatsEarlier = true;
        while (repeatsEarlier) {
            m_board.setColour(peg, drawColour());
            repeatsEarlier = false;
            for (int earlier = 1; earlier < column; ++earlier)
                repeatsEarlier |= m_board.tag(peg) == m_board.tag(Board::codePeg(earlier));
        }
    }
}

bool Game::ScoreGuess(const KeyGroup& keys, ElementId g1, ElementId g2, ElementId g3, ElementId g4)
{
    const std::array<ElementId, 4> guess = {g1, g2, g3, g4};
    const auto code = [this](int column) -> const QString& {
        return m_board.tag(Board::codePeg(column + 1));
    };
    // A column that has earned a key peg earns nothing more. There is no such flag per code
    // peg: a column earns a white peg whenever its colour stands elsewhere in the code.
    std::array<bool, 4> used{};

    for (ElementId slot : keys) {
        bool placed = false;
        for (int c = 0; c < 4 && !placed; ++c) {
            if (!used[c] && m_board.tag(guess[c]) == code(c)) {
                used[c] = true;
                m_board.setColour(slot, Colour::exactKey);
                placed = true;
            }
        }
        for (int c = 0; c < 4 && !placed; ++c) {
            bool elsewhere = false;
            for (int k = 0; k < 4; ++k)
                elsewhere |= k != c && m_board.tag(guess[c]) == code(k);
            if (!used[c] && elsewhere) {
                used[c] = true;
                m_board.setColour(slot, Colour::colourKey);
                placed = true;
            }
        }
    }

    bool solved = true;
    for (ElementId slot : keys)
        solved &= m_board.tag(slot) == QString::number(Colour::exactKey);
    if (solved) {
        for (int column = 1; column <= 4; ++column)
            m_board.setVisible(Board::codePeg(column), true);
    }

    bool hiddenScreen = true;
    for (const auto& [row, column] : hiddenScreenHoles)
        hiddenScreen &=
            m_board.tag(Board::pegDisplay(row, column)) == QString::number(Colour::blue);
    if (hiddenScreen)
        m_platform.showMessage(QString::fromUtf8(Texts::hiddenScreen));

    return solved;
}

bool Game::isOver() const
{
    for (int row = 1; row <= 6; ++row) {
        if (m_board[Board::clickTarget(row, 1)].enabled)
            return false;
    }
    return true;
}

void Game::ok_Click(int /*index*/)
{
    if (isOver())
        AskNewGame();

    // Rows are tested from the top down, so the row opened below lies above the confirmed one
    // and has already been passed: one click confirms exactly one row.
    for (int row = 6; row >= 1; --row) {
        if (!m_board[Board::clickTarget(row, 1)].enabled)
            continue;
        for (int column = 1; column <= 4; ++column)
            m_board.setEnabled(Board::clickTarget(row, column), false);
        m_lastScore =
            ScoreGuess(Board::keyGroup(row), Board::pegDisplay(row, 1), Board::pegDisplay(row, 2),
                       Board::pegDisplay(row, 3), Board::pegDisplay(row, 4));
        if (m_lastScore)
            continue;
        if (row < 6) {
            for (int column = 1; column <= 4; ++column)
                m_board.setEnabled(Board::clickTarget(row + 1, column), true);
        } else {
            for (int column = 1; column <= 4; ++column)
                m_board.setVisible(Board::codePeg(column), true);
        }
    }
}

void Game::kon_Click()
{
    AskNewGame();
}

void Game::AskNewGame()
{
    const Answer answer = m_platform.askYesNoCancel(QString::fromUtf8(Texts::newGameQuestion));
    if (answer == Answer::No)
        m_platform.endProgram();
    if (answer == Answer::Yes) {
        const QByteArray program = m_platform.runningExecutable();
        const NewGameStart start = m_platform.startNewGameAndWaitForWindow(program);
        if (const std::optional<QString> reason = failureReason(start))
            m_platform.showMessage(
                QString::fromUtf8(Texts::newGameFailed)
                    .arg(QFile::decodeName(program), *reason, failureDetails(start)));
        m_platform.endProgram();
    }
}
