#pragma once

#include "platform/ModalBox.h"
#include "platform/PegPointers.h"
#include "platform/Platform.h"

#include <QPointer>
#include <chrono>
#include <random>

class QWidget;

// The desktop behind the rules: Qt message boxes, the main window's cursor, the process.
class QtPlatform final : public Platform
{
public:
    // Call once the application object exists: the pointers follow its window system. A new game
    // starts well within a second; the wait for its window is for a machine under heavy load.
    explicit QtPlatform(std::chrono::milliseconds newGameWait = std::chrono::seconds(10));
    ~QtPlatform() override;

    // The game's window, set once it exists: its pointer shows the carried peg, and the message
    // boxes belong to it, dressed by the frame.
    void setMainWindow(QWidget* window, const BoxFrame& boxFrame);

    double timeOfDay() const override;
    void seedRandom(double seed) override;
    double nextRandom() override;

    void showMessage(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;

    void setPointer(int colour) override;

    QByteArray runningExecutable() const override;
    NewGameStart startNewGameAndWaitForWindow(const QByteArray& path) override;
    [[noreturn]] void endProgram() override;

private:
    std::mt19937_64 m_generator;
    QPointer<QWidget> m_pointerWidget;
    PegPointers m_pegPointers;
    ModalBox m_messageBox{QMessageBox::Ok, QMessageBox::Ok};
    ModalBox m_questionBox{QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                           QMessageBox::Yes};
    std::chrono::milliseconds m_newGameWait;
};
