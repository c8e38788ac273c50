#pragma once

#include <QObject>

class QWidget;

// Holds back the player's input and the window system's close requests from the game's windows
// for as long as it lives, but from the one window given: nothing the player does reaches a game
// that waits on an answer, or on its own end.
class InputHeldBack : public QObject
{
public:
    // With no window given, from every window.
    explicit InputHeldBack(const QWidget* except = nullptr);
    ~InputHeldBack() override;
    InputHeldBack(const InputHeldBack&) = delete;
    InputHeldBack& operator=(const InputHeldBack&) = delete;

    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    const QWidget* m_except;
};
