#include "dialogs/SideWindows.h"

#include "dialogs/frmAbout.h"
#include "dialogs/helpme.h"
#include "platform/OwnExecutable.h"
#include "platform/XlibRequests.h"

#include <QPointer>
#include <QWindow>

namespace {

// Wayland has no skip-taskbar state: a compositor leaves a window off the task list when it has
// a parent. Qt hands the transient parent to the compositor when the window is mapped, so it is
// set before the first show; on X11 it names it only for dialogs, which these are not.
void belongTo(QWindow* gameWindow, QWidget& window)
{
    // Makes the native window, and with it the QWindow.
    window.winId();
    window.windowHandle()->setTransientParent(gameWindow);
}

void bringToFront(QWidget& window)
{
    // show() leaves a window that the window manager minimised where it is; with no taskbar
    // button, the player could then find it only by cycling through the windows.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    settleXlibRequests();
}

// The windows delete themselves on close, which clears these pointers.
QPointer<frmAbout> aboutInstance;
QPointer<helpme> helpInstance;

} // namespace

void showAboutDialog(QWindow* gameWindow)
{
    if (!aboutInstance) {
        aboutInstance = new frmAbout;
        belongTo(gameWindow, *aboutInstance);
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
        belongTo(gameWindow, *helpInstance);
    }
    bringToFront(*helpInstance);
}
