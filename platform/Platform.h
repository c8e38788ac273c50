#pragma once

#include <QByteArray>
#include <QString>

enum class Answer
{
    Yes,
    No,
    Cancel
};

struct StartOutcome
{
    bool started = false;
    QString error;
};

// Everything the game rules need from the desktop: randomness and the clock, message boxes,
// the mouse pointer, and starting and ending processes. The rules never touch Qt widgets;
// tests drive them through a scripted implementation of this interface.
class Platform
{
public:
    virtual ~Platform() = default;

    // Seconds since local midnight, with the fraction to the microsecond.
    virtual double timeOfDay() const = 0;
    virtual void seedRandom(double seed) = 0;
    // The next value of a uniform generator on [0, 1).
    virtual double nextRandom() = 0;

    // Modal boxes captioned with the application title, without an icon.
    virtual void showMessage(const QString& text) = 0;
    virtual Answer askYesNoCancel(const QString& text) = 0;

    // Colour number 0 restores the default pointer; 2 to 9 show that peg as the pointer.
    virtual void setPointer(int colour) = 0;

    // The running program's file as it is named now, which may differ from its name at start;
    // after an upgrade has put a new file in its place, that file. Paths are the file system's
    // bytes, which need not be text.
    virtual QByteArray runningExecutable() const = 0;
    // Starts a program without a shell and without arguments, and returns once it has shown its
    // window, as a new game tells: a program that ends before, or does not show it within a few
    // seconds, counts as not started.
    [[nodiscard]] virtual StartOutcome startProgram(const QByteArray& path) = 0;
    // Ends the process at once: every window closes and no further code of ours runs.
    [[noreturn]] virtual void endProgram() = 0;
};
