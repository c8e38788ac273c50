#include "shell/FirstFrame.h"

#include "assets/Pictures.h"

#include <QWidget>

#if defined(VORE_TEST_HOOKS)
#include <cstdlib>
#endif

void afterFirstFrame(QWidget& window)
{
    // Posted: the painting under way is handed to the window system before the loop returns.
    QMetaObject::invokeMethod(
        &window,
        [&window] {
#if defined(VORE_TEST_HOOKS)
            // Lets a profiler count the work from starting the program to its first frame.
            if (qEnvironmentVariableIsSet("VORE_QUIT_AFTER_FIRST_PAINT"))
                std::_Exit(EXIT_SUCCESS);
#endif
            window.setWindowIcon(Pictures::applicationIcon());
        },
        Qt::QueuedConnection);
}
