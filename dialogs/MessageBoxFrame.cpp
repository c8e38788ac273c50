#include "dialogs/MessageBoxFrame.h"

#include "dialogs/SideWindowTitleBar.h"
#include "platform/WindowSystem.h"

#include <QMessageBox>

void frameMessageBox(QMessageBox& box)
{
    if (!WindowSystem::windowsDrawTheirTitleBars())
        return;
    box.setWindowFlags(box.windowFlags() | Qt::FramelessWindowHint);
    // The box lays its texts and buttons out inside these margins, and sizes itself with them.
    constexpr int edge = SideWindowTitleBar::edge;
    box.setContentsMargins(edge, edge + SideWindowTitleBar::barHeight, edge, edge);
    new SideWindowTitleBar(box);
}
