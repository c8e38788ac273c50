#pragma once

#include "game/Board.h"
#include "game/Game.h"
#include "platform/QtPlatform.h"

#include <QWidget>

// The main window: paints the skin and the board's elements.
class Main : public QWidget
{
public:
    Main();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtPlatform m_platform;
    Board m_board;
    Game m_game{m_board, m_platform};
    QImage m_skin;
};
