#include "platform/InputHeldBack.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

InputHeldBack::InputHeldBack(const QWidget* except) : m_except(except)
{
    qApp->installEventFilter(this);
}

InputHeldBack::~InputHeldBack()
{
    qApp->removeEventFilter(this);
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
