#include "platform/WindowSystem.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace WindowSystem {

Kind current()
{
    const QString name = QGuiApplication::platformName();
    if (name.startsWith(QLatin1String("xcb")))
        return Kind::X11;
    if (name.startsWith(QLatin1String("wayland")))
        return Kind::Wayland;
    return Kind::Other;
}

bool maskClipsDrawing()
{
    return current() == Kind::X11;
}

bool compositorMovesWindows()
{
    return current() == Kind::Wayland;
}

bool cursorTakesPictureRatio()
{
    return current() == Kind::Wayland;
}

void bringToFront(QWidget& window)
{
    // A Wayland client cannot raise its own window: it may only ask the compositor to activate
    // it, and GNOME's (for a minimised window) and sway (always) grant that only with a token
    // tied to the player's latest press, which Qt 6.4 does not ask for. Where the compositor
    // offers no such request, the window is taken down and mapped again, as every compositor
    // gives a newly mapped window the front and the focus; its widgets, and what they show, stay
    // as they are.
    if (speaksToCompositor() && window.isVisible()) {
        if (activateForLatestPress(window))
            return;
        window.hide();
    }
    // show() leaves a window that the window manager minimised where it is; with no taskbar
    // button, the player could then find it only by cycling through the windows.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    settleXlibRequests();
}

void tieToMainWindow(QWidget& window, QWindow* mainWindow)
{
    // Makes the native window, and with it the QWindow.
    window.winId();
    window.windowHandle()->setTransientParent(mainWindow);
}

} // namespace WindowSystem
