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

void tieToMainWindow(QWidget& window, QWindow* mainWindow)
{
    // Makes the native window, and with it the QWindow.
    window.winId();
    window.windowHandle()->setTransientParent(mainWindow);
}

} // namespace WindowSystem
