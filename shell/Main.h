#pragma once

#include "game/Board.h"
#include "game/Game.h"
#include "pegs/Hand.h"
#include "shell/SharpFace.h"
#include "shell/SkinDrag.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <optional>

class Platform;

// The main window: a frameless window cut to the shape of the skin, which paints the skin
// and the pictures of the board's elements, and turns the player's presses and clicks into
// the game's handlers. Presses where no element takes them land on the skin, picMainSkin,
// and drag the window.
class Main : public QWidget
{
public:
    // Loads the window at once, as Form_Load; it is ready to show when this returns.
    explicit Main(Platform& platform);

    const Board& board() const { return m_board; }
    const Hand& hand() const { return m_hand; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double-click is no press for the game: a quick player's double-click
    // would otherwise confirm two rows, or drop a peg into a hole and lift it out again.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A hidden or minimised window gets no release, so a move it was making is over.
    void hideEvent(QHideEvent* event) override;
    // Closing the window from outside (the window manager's close, Alt+F4) asks the same
    // question as the close button, so the game never ends without it.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    QPoint skinPixelUnder(const QMouseEvent& event) const;
    void elementPressed(ElementId id, QPoint point, Qt::MouseButton button);
    void elementClicked(ElementId id);
    void titleButtonClicked(TitleAction action);
    // The grip is where the press went down, in device pixels of the window.
    void picMainSkin_MouseDown(Qt::MouseButton button, QPointF globalPosition, QPoint grip);
    void minim_Click();
    void about_Click();
    void help_Click();

    Platform& m_platform;
    bool m_painted = false;
    // The skin as painted, its key transparent; also the picture the palette reads.
    QImage m_face;
    // The face from the skin at twice the size, on a screen whose ratio is above 1; none before.
    std::optional<SharpFace> m_sharpFace;
    Board m_board;
    Game m_game;
    Hand m_hand;
    // The element under the left button since it went down; a release over it clicks it.
    std::optional<ElementId> m_clickCandidate;
    SkinDrag m_skinDrag;
};
