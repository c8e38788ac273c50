#include "dialogs/SideWindowFrame.h"

#include "assets/Pictures.h"
#include "dialogs/PaintedTitleBar.h"
#include "platform/WindowSystem.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace {

// A Wayland compositor may still put a side window in a maximised state: through a key of its
// own, or through Qt's own title bar, which has a maximise button whatever the window asks for.
// Once a fixed-size window has taken a maximised state, its next frame has a size the compositor
// did not configure, and the compositor ends the connection, and the game with it; asking to leave
// the state again does not help, as the compositor still expects that one frame. The window is
// taken down before it draws again and shown anew, in its normal state.
class KeepsItsSize : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        constexpr Qt::WindowStates sized = Qt::WindowMaximized | Qt::WindowFullScreen;
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && (window->windowState() & sized)) {
            window->hide();
            window->setWindowState(window->windowState() & ~sized);
            // Some window systems size the window to the screen before telling.
            window->resize(window->minimumSize());
            window->show();
        }
        return false;
    }
};

} // namespace

QWidget& frameSideWindow(QWidget& window, QSize innerSize)
{
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setWindowIcon(Pictures::applicationIcon());
    WindowSystem::keepOffTaskbar(window);
    window.installEventFilter(new KeepsItsSize(&window));
    if (!WindowSystem::windowsDrawTheirTitleBars()) {
        // An ordinary window, not a dialog: on X11 Qt makes a dialog with no parent transient
        // for an unmapped window of its own, and GNOME's window manager then drops the
        // skip-taskbar state that keepOffTaskbar sets. An ordinary window keeps it, and nothing
        // holds it above the game.
        window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint);
        window.setFixedSize(innerSize);
        return window;
    }
    // Qt's own title bar would offer minimise and maximise; the window goes without it and
    // paints one with a close control only.
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    constexpr int edge = PaintedTitleBar::edge;
    window.setFixedSize(innerSize.width() + 2 * edge,
                        PaintedTitleBar::barHeight + innerSize.height() + 2 * edge);
    new PaintedTitleBar(window);
    auto* inner = new QWidget(&window);
    inner->setGeometry(QRect(QPoint(edge, edge + PaintedTitleBar::barHeight), innerSize));
    return *inner;
}

void centreOnPrimaryScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame's size is the window manager's and unknown before the window is mapped, so the
    // inner area is what gets centred.
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           screen->availableGeometry()));
}
