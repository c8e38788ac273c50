#include "platform/ModalBox.h"

#include "platform/AppInfo.h"
#include "platform/InputHeldBack.h"
#include "platform/QtTranslation.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <utility>

// Takes the box down, which ends its run, so that it is shown anew: mapped again, a window comes
// back in its normal state, in front and with the keyboard. That is needed where the window
// system has left the box where the player cannot answer it:
// - maximised or full screen, as a compositor may make any window on its own (weston's
//   Super+Shift+M and Super+Shift+F); a box of fixed size would then answer the compositor's size
//   with its own, and stay in that state, away from where the player had it. The box is taken
//   down before it draws again.
// - under Wayland, once the keyboard has gone from the box to another window of the game, where
//   the compositor brings no window it activates to the front: sway raises the window pressed on
//   over the box.
class BoxShownAgain : public QObject
{
public:
    explicit BoxShownAgain(QMessageBox& box) : QObject(&box), m_box(box)
    {
        box.installEventFilter(this);
        if (WindowSystem::current() == WindowSystem::Kind::Wayland &&
            !WindowSystem::activationRaises())
            connect(qApp, &QGuiApplication::focusWindowChanged, this,
                    &BoxShownAgain::keyboardMoved);
    }

    // Whether the box was taken down since it was last shown.
    bool takenDown() { return std::exchange(m_takenDown, false); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        constexpr Qt::WindowStates sized = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (event->type() == QEvent::Show)
            m_hadKeyboard = false;
        if (event->type() == QEvent::WindowStateChange && (m_box.windowState() & sized)) {
            takeDown();
            m_box.setWindowState(m_box.windowState() & ~sized);
        }
        return false;
    }

private:
    void keyboardMoved(QWindow* window)
    {
        if (window && window == m_box.windowHandle()) {
            m_hadKeyboard = true;
            return;
        }
        // The compositor tells of the keyboard leaving a box that was taken down only once the
        // box is shown again; only a box that has had the keyboard since then has lost it.
        if (!window || !m_hadKeyboard || !m_box.isVisible())
            return;
        // Not while Qt is still handing the keyboard over.
        QTimer::singleShot(0, this, [this] {
            if (m_box.isVisible() && QGuiApplication::focusWindow() != m_box.windowHandle())
                takeDown();
        });
    }

    void takeDown()
    {
        m_takenDown = true;
        m_box.hide();
    }

    QMessageBox& m_box;
    bool m_takenDown = false;
    bool m_hadKeyboard = false;
};

// Marks each showing of the box a modal dialog for the compositor, as its window is about to draw
// its first frame: GNOME's compositor places a window as it first draws, and centres only a
// modal dialog over its parent.
class BoxMarkedModal : public QObject
{
public:
    explicit BoxMarkedModal(QMessageBox& box) : QObject(&box), m_box(box)
    {
        box.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWindow* window = m_box.windowHandle();
        if (watched == &m_box && event->type() == QEvent::Show) {
            m_marked = false;
            // The box's window outlives its native window, which is made anew at each showing.
            if (window && !m_watchesWindow) {
                m_watchesWindow = true;
                window->installEventFilter(this);
            }
        } else if (watched == window && event->type() == QEvent::Expose && !m_marked) {
            m_marked = true;
            WindowSystem::markModalDialog(*window);
        }
        return false;
    }

private:
    QMessageBox& m_box;
    bool m_watchesWindow = false;
    bool m_marked = false;
};

ModalBox::ModalBox(QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
    : m_buttons(buttons), m_defaultButton(defaultButton)
{}

ModalBox::~ModalBox()
{
    delete m_box.data();
}

void ModalBox::setOwner(QWidget* owner, BoxFrame frame)
{
    m_owner = owner;
    m_frame = std::move(frame);
}

QMessageBox& ModalBox::box()
{
    if (!m_box) {
        m_box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(AppInfo::title), QString(),
                                m_buttons, m_owner);
        if (m_buttons & QMessageBox::Cancel)
            m_box->setEscapeButton(QMessageBox::Cancel);
        m_box->setTextFormat(Qt::PlainText);
        if (m_frame)
            m_frame(*m_box);
        m_shownAgain = new BoxShownAgain(*m_box);
        new BoxMarkedModal(*m_box);
    }
    return *m_box;
}

QMessageBox::StandardButton ModalBox::run(const QString& text)
{
    translateQtTexts();
    QMessageBox& shown = box();
    shown.setText(text);
    // Shown as a new box would be: centred, with the focus on the default button.
    shown.setAttribute(Qt::WA_Moved, false);
    shown.setDefaultButton(m_defaultButton);
    int answer = 0;
    // Qt unblocks the game's windows as the box hides, and its event loop hands on everything
    // queued by then before the run returns: a press on the game's close control queued behind
    // the answer would otherwise ask the question again from inside its own run.
    const InputHeldBack heldBack(&shown);
    do
        answer = shown.exec();
    while (m_shownAgain->takenDown());
    // Qt connects the window it activates to the application and disconnects it when another
    // window takes over; a window that is destroyed while active, as the box's native window is
    // when it hides, keeps its connection. The box's window outlives its native window, so the
    // connection would stay for good, one more at every showing.
    QWindow* window = shown.windowHandle();
    if (window && QGuiApplication::focusWindow() != window)
        QObject::disconnect(window, &QWindow::focusObjectChanged, qApp, nullptr);
    // Qt makes the box's native window anew at each showing.
    WindowSystem::settleXlibRequests();
    return static_cast<QMessageBox::StandardButton>(answer);
}
