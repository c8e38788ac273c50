#include "shell/FirstFrame.h"

#include "assets/Pictures.h"
#include "platform/WindowShownNotice.h"
#include "shell/TextWarming.h"

#include <QTimer>
#include <QWidget>
#include <chrono>

#if defined(VORE_TEST_HOOKS)
#include <cstdlib>
#endif

void quitAfterFirstFrameIfProfiling([[maybe_unused]] QWidget& window)
{
#if defined(VORE_TEST_HOOKS)
    if (qEnvironmentVariableIsSet("VORE_QUIT_AFTER_FIRST_PAINT"))
        QMetaObject::invokeMethod(
            &window, [] { std::_Exit(EXIT_SUCCESS); }, Qt::QueuedConnection);
#endif
}

void setIconAfterFirstFrame(QWidget& window)
{
    QMetaObject::invokeMethod(
        &window, [&window] { window.setWindowIcon(Pictures::applicationIcon()); },
        Qt::QueuedConnection);
}

void tellStarterAfterFirstFrame(QWidget& window)
{
    QMetaObject::invokeMethod(&window, &WindowShownNotice::tellStarter, Qt::QueuedConnection);
}

void warmTextAfterFirstFrame(QWidget& window)
{
    // The window system is still putting the first frame on the screen when the painting has
    // been handed over; begun at once, the warming would take the processor from it. A player's
    // first press comes far later.
    constexpr std::chrono::milliseconds afterTheFrameIsShown(200);
    QTimer::singleShot(afterTheFrameIsShown, &window, [&window] { warmText(window); });
}
