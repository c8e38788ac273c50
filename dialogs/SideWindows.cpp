#include "dialogs/SideWindows.h"

#include "dialogs/frmAbout.h"
#include "dialogs/helpme.h"
#include "platform/OwnExecutable.h"
#include "platform/WindowSystem.h"

#include <QPointer>

namespace {

void bringToFront(QWidget& window)
{
    // show() leaves a window that the window manager minimised where it is; with no taskbar
    // button, the player could then find it only by cycling through the windows.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    WindowSystem::settleXlibRequests();
}

// The windows delete themselves on close, which clears these pointers.
QPointer<frmAbout> aboutInstance;
QPointer<helpme> helpInstance;

} // namespace

void showAboutDialog(QWindow* gameWindow)
{
    if (!aboutInstance) {
        aboutInstance = new frmAbout;
        WindowSystem::tieToMainWindow(*aboutInstance, gameWindow);
    }
    bringToFront(*aboutInstance);
}

void showHelpWindow(QWindow* gameWindow)
{
    showHelpWindow(gameWindow, OwnExecutable::folder());
}

void showHelpWindow(QWindow* gameWindow, const QByteArray& folder)
{
    if (!helpInstance) {
        helpInstance = new helpme(folder);
        WindowSystem::tieToMainWindow(*helpInstance, gameWindow);
    }
    bringToFront(*helpInstance);
}
