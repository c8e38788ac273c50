#include "shell/FirstFrame.h"

#include "assets/Pictures.h"
#include "platform/WindowShownNotice.h"
#include "shell/TextWarming.h"

#include <QWidget>

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
    QMetaObject::invokeMethod(
        &window, [&window] { warmText(window); }, Qt::QueuedConnection);
}
