#pragma once

#include "ScriptedPlatform.h"
#include "shell/Main.h"

#include <QApplication>
#include <QMouseEvent>
#include <memory>

// A main window on a scripted platform, shown on the offscreen screen, with the code 2 3 4 5,
// and mouse input sent to it as the window system would.
struct MainWindowFixture
{
    MainWindowFixture()
    {
        platform.randomValues = {0.0, 0.2, 0.4, 0.6};
        window = std::make_unique<Main>(platform);
        window->show();
    }

    void send(QEvent::Type type, QPoint at, QPoint global, Qt::MouseButton button,
              Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {})
    {
        QMouseEvent event(type, at, global, button, held, modifiers);
        QApplication::sendEvent(window.get(), &event);
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {})
    {
        send(QEvent::MouseButtonPress, at, window->mapToGlobal(at), button, button, modifiers);
    }

    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, at, window->mapToGlobal(at), button, Qt::NoButton);
    }

    void click(QPoint at)
    {
        press(at);
        release(at);
    }

    // Presses, moves the pointer by the offset and lets go; returns how far the window moved.
    QPoint drag(QPoint from, QPoint offset, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint start = window->pos();
        const QPoint global = window->mapToGlobal(from);
        send(QEvent::MouseButtonPress, from, global, button, button);
        send(QEvent::MouseMove, from + offset, global + offset, Qt::NoButton, button);
        const QPoint end = window->mapFromGlobal(global + offset);
        send(QEvent::MouseButtonRelease, end, global + offset, button, Qt::NoButton);
        return window->pos() - start;
    }

    const Board& board() const { return window->board(); }
    int carried() const { return window->hand().carriedColour(); }

    ScriptedPlatform platform;
    std::unique_ptr<Main> window;
};
