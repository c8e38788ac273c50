#pragma once

#include <QByteArray>
#include <QString>

enum class Answer
{
    Yes,
    No,
    Cancel
};

// How far a new game got, as far as the game that started it waits to know.
struct NewGameStart
{
    enum class Outcome
    {
        Shown,
        // The system did not start the file.
        NotStarted,
        EndedUnseen,
        // Not shown within the wait; it is left to finish starting.
        StillStarting
    };
    Outcome outcome = Outcome::Shown;
    // How a game that ended unseen ended: by a signal when it is not 0, else with the status.
    int exitStatus = 0;
    int signal = 0;
    // The system's words: why the file did not start, or the name of the signal.
    QString systemText;
    // The last line a game that ended unseen wrote to its error output, if any.
    QString lastErrorLine;
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
    // Starts the game's file as a new game, without a shell and without arguments, and returns
    // once it has shown its window, as it tells, or has ended; or, after a wait of some seconds,
    // leaves it to finish starting. The windows keep painting meanwhile, and take no input.
    [[nodiscard]] virtual NewGameStart startNewGameAndWaitForWindow(const QByteArray& path) = 0;
    // Ends the process at once: every window closes and no further code of ours runs.
    [[noreturn]] virtual void endProgram() = 0;
};
