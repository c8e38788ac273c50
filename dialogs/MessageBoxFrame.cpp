#include "dialogs/MessageBoxFrame.h"

#include "dialogs/PaintedTitleBar.h"
#include "platform/WindowSystem.h"

#include <QMessageBox>

void frameMessageBox(QMessageBox& box)
{
    if (!WindowSystem::windowsDrawTheirTitleBars())
        return;
    box.setWindowFlags(box.windowFlags() | Qt::FramelessWindowHint);
    // The box lays its texts and buttons out inside these margins, and sizes itself with them.
    constexpr int edge = PaintedTitleBar::edge;
    box.setContentsMargins(edge, edge + PaintedTitleBar::barHeight, edge, edge);
    new PaintedTitleBar(box);
}
