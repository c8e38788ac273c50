#include "dialogs/SideWindowFrame.h"

#include "assets/Pictures.h"
#include "dialogs/TaskbarHint.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

void frameSideWindow(QWidget& window, QSize innerSize)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setFixedSize(innerSize);
    window.setWindowIcon(Pictures::applicationIcon());
    keepOffTaskbar(window);
}

void centreOnPrimaryScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame's size is the window manager's and unknown before the window is mapped, so the
    // inner area is what gets centred.
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           screen->availableGeometry()));
}
