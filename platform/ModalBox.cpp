#include "platform/ModalBox.h"

#include "platform/AppInfo.h"
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
// - maximised or full screen, as a compositor may make any window on its own (weston's keys,
//   GNOME's Super+Up). A box of fixed size would answer the compositor's size with its own, for
//   which weston ends the connection, and the game with it; the box is taken down before it
//   draws again.
// - under Wayland, once the keyboard has gone from the box to another window of the game. A
//   compositor does not know that the box blocks the game: a press on the game's window gives
//   that window the keyboard, also when the compositor has minimised the box, and a Wayland
//   client can neither raise nor restore a window of its own.
class BoxShownAgain : public QObject
{
public:
    explicit BoxShownAgain(QMessageBox& box) : QObject(&box), m_box(box)
    {
        box.installEventFilter(this);
        if (WindowSystem::current() == WindowSystem::Kind::Wayland)
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
