#include "dialogs/SideWindows.h"

#include "dialogs/frmAbout.h"
#include "dialogs/helpme.h"
#include "platform/OwnExecutable.h"
#include "platform/WindowSystem.h"

#include <QPointer>

namespace {

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
    WindowSystem::bringToFront(*aboutInstance);
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
    WindowSystem::bringToFront(*helpInstance);
}
