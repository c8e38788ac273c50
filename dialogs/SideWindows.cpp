#include "dialogs/SideWindows.h"

#include "dialogs/frmAbout.h"
#include "dialogs/helpme.h"
#include "platform/OwnExecutable.h"
#include "platform/XlibRequests.h"

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
    settleXlibRequests();
}

// The windows delete themselves on close, which clears these pointers.
QPointer<frmAbout> aboutInstance;
QPointer<helpme> helpInstance;

} // namespace

void showAboutDialog()
{
    if (!aboutInstance)
        aboutInstance = new frmAbout;
    bringToFront(*aboutInstance);
}

void showHelpWindow()
{
    showHelpWindow(OwnExecutable::folder());
}

void showHelpWindow(const QByteArray& folder)
{
    if (!helpInstance)
        helpInstance = new helpme(folder);
    bringToFront(*helpInstance);
}
