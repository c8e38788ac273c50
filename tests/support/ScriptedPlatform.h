#pragma once

#include "platform/Platform.h"

#include <QStringList>
#include <deque>
#include <functional>

// Thrown where the real platform would end the process, so a test sees that nothing ran after.
struct ProgramEnded
{};

// A platform for tests: answers prompts from a queue, hands out given random values, and
// records every message, pointer change and program start.
class ScriptedPlatform final : public Platform
{
public:
    std::deque<Answer> answers;
    std::deque<double> randomValues;
    // Asked for random values once the queue is empty; none set means the queue must suffice.
    std::function<double()> randomSource;
    // Asked for an answer once the queue is empty.
    std::function<Answer()> answerSource;
    // Called when a message box opens, with the text, so a test can look at the board then.
    std::function<void(const QString&)> onMessage;

    QStringList messages;
    QStringList questions;
    QList<QByteArray> startedPrograms;
    QByteArray executable = "/opt/game/vore-trelliq";
    NewGameStart newGameStart;
    int pointer = 0;
    int pointerChanges = 0;
    int endCount = 0;
    double seed = -1;
    double clock = 1234.5;

    double timeOfDay() const override { return clock; }
    void seedRandom(double value) override { seed = value; }
    double nextRandom() override;
    void showMessage(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    void setPointer(int colour) override;
    QByteArray runningExecutable() const override { return executable; }
    NewGameStart startNewGameAndWaitForWindow(const QByteArray& path) override;
    [[noreturn]] void endProgram() override;
};
