#include "platform/InputHeldBack.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

// The application need not be a QApplication: a program without windows may wait for a new game.
InputHeldBack::InputHeldBack(const QWidget* except) : m_except(except)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputHeldBack::~InputHeldBack()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputHeldBack::eventFilter(QObject* receiver, QEvent* event)
{
    if (!event->isInputEvent() && event->type() != QEvent::Close &&
        event->type() != QEvent::Shortcut)
        return false;
    if (!m_except)
        return true;
    if (const auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->window() != m_except;
    if (const auto* window = qobject_cast<QWindow*>(receiver))
        return window != m_except->windowHandle();
    return false;
}
