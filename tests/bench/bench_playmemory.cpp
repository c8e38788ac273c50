// The heap that answering the new-game question keeps. The game's close button is clicked and
// each question answered with Escape through the X server, as a player's hand would, once the
// window manager has activated the box; the heap in use is printed at each checkpoint, a number
// of answers. It fails when the last checkpoint holds more than LIMIT KiB over the first. Run it
// under a window manager (playmemory.sh starts one):
//   bench_playmemory LIMIT CHECKPOINT...

#include "dialogs/MessageBoxFrame.h"
#include "platform/QtPlatform.h"
#include "shell/Main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::vector<int> checkpoints;
    for (int i = 2; i < argc; ++i)
        checkpoints.push_back(std::atoi(argv[i]));
    if (checkpoints.empty() || QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "usage, on X11: bench_playmemory LIMIT CHECKPOINT...\n");
        return 2;
    }
    QtPlatform platform;
    Main window(platform);
    platform.setMainWindow(&window, frameMessageBox);
    window.show();
    // The player's hand, on a connection of its own, so the game's is left as it is.
    Display* hand = XOpenDisplay(nullptr);
    // Clicked at either end by turns: two quick clicks at one spot would make a double-click.
    const QRect close = window.board()[Board::find("kon")].rect.adjusted(1, 1, -1, -1);

    std::vector<long long> heap;
    int answered = 0;
    bool asked = false, answering = false;
    QElapsedTimer sinceLastStep;
    sinceLastStep.start();
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // Answered once the window manager has given the box the input focus, and 60 ms later,
        // still quicker than a player: answered at once, Qt may not be done activating it.
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(hand, &focus, &revert);
        if (box && !answering && focus == box->winId() && sinceLastStep.elapsed() >= 60) {
            const KeyCode escape = XKeysymToKeycode(hand, XK_Escape);
            XTestFakeKeyEvent(hand, escape, True, CurrentTime);
            XTestFakeKeyEvent(hand, escape, False, CurrentTime);
            answering = true;
        } else if (!box && answering) {
            asked = answering = false;
            if (++answered == checkpoints[heap.size()]) {
                malloc_trim(0);
                heap.push_back(static_cast<long long>(mallinfo2().uordblks));
                std::printf("%6d answers: %lld bytes of heap in use, %+.1f KiB on the first\n",
                            answered, heap.back(), (heap.back() - heap.front()) / 1024.0);
                std::fflush(stdout);
                if (heap.size() == checkpoints.size())
                    QCoreApplication::exit(0);
            }
        } else if (!box && !asked && (answered > 0 || window.isActiveWindow())) {
            const QPoint at =
                window.mapToGlobal(answered % 2 ? close.topLeft() : close.bottomRight());
            XTestFakeMotionEvent(hand, -1, at.x(), at.y(), CurrentTime);
            XTestFakeButtonEvent(hand, 1, True, CurrentTime);
            XTestFakeButtonEvent(hand, 1, False, CurrentTime);
            asked = true;
        } else if (sinceLastStep.elapsed() > 10000) {
            std::fprintf(stderr, "no step for 10 s after %d answers\n", answered);
            std::exit(1);
        } else {
            return;
        }
        XSync(hand, False);
        sinceLastStep.restart();
    });
    step.start(1);
    app.exec();
    return heap.back() - heap.front() > std::atoi(argv[1]) * 1024LL ? 1 : 0;
}
