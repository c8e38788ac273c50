#include "shell/Main.h"

#include "dialogs/MessageBoxFrame.h"
#include "platform/AppInfo.h"
#include "platform/DisplayCheck.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main()
{
    // The game reads no command line: Qt is shown only a program name, never the arguments.
    char name[] = "vore-trelliq";
    char* arguments[] = {name, nullptr};
    int count = 1;
    DisplayCheck displayCheck;
    QApplication app(count, arguments);
    displayCheck.passed();
    // Wayland compositors match the window to its launcher by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppInfo::desktopId));

    QtPlatform platform;
    Main window(platform);
    platform.setMainWindow(&window, frameMessageBox);
    window.show();
    return app.exec();
}
