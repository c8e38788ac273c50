#include "dialogs/SideWindows.h"

#include "dialogs/frmAbout.h"
#include "dialogs/helpme.h"
#include "platform/OwnExecutable.h"

#include <QPointer>

namespace {

void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
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
