#include "ScriptedPlatform.h"

#include <QtGlobal>

double ScriptedPlatform::nextRandom()
{
    if (randomValues.empty()) {
        Q_ASSERT_X(randomSource, "ScriptedPlatform", "ran out of random values");
        return randomSource();
    }
    const double value = randomValues.front();
    randomValues.pop_front();
    return value;
}

void ScriptedPlatform::showMessage(const QString& text)
{
    messages << text;
    if (onMessage)
        onMessage(text);
}

Answer ScriptedPlatform::askYesNoCancel(const QString& text)
{
    questions << text;
    if (answers.empty()) {
        Q_ASSERT_X(answerSource, "ScriptedPlatform", "ran out of answers");
        return answerSource();
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedPlatform::setPointer(int colour)
{
    pointer = colour;
    ++pointerChanges;
}

NewGameStart ScriptedPlatform::startNewGameAndWaitForWindow(const QByteArray& path)
{
    startedPrograms << path;
    return newGameStart;
}

void ScriptedPlatform::endProgram()
{
    ++endCount;
    throw ProgramEnded{};
}
