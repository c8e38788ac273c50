// The heap a long game keeps: opens the About dialog and closes it, and answers the new-game
// question with Cancel, ROUNDS times each (100 by default), then prints the heap in use. Run
// it on a real window system, whose window icons Qt converts, at two lengths and compare:
//   bench_playmemory 100; bench_playmemory 1000

#include "dialogs/SideWindows.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

void closeAbout()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle().startsWith(QLatin1String("About")))
            window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    QtPlatform platform;
    // Stands for the game's window, which the side windows are tied to.
    QWidget game;
    game.show();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->reject();
    });
    answer.start(0);
    for (int i = 0; i < rounds; ++i) {
        showAboutDialog(game.windowHandle());
        QCoreApplication::processEvents();
        closeAbout();
        if (platform.askYesNoCancel(QStringLiteral("Spustit novou hru?")) != Answer::Cancel)
            return 1;
    }
    malloc_trim(0);
    std::printf("%d rounds: %zu bytes of heap in use\n", rounds, mallinfo2().uordblks);
    return 0;
}
