#pragma once

#include "platform/ModalBox.h"
#include "platform/PegPointers.h"
#include "platform/Platform.h"

#include <QPointer>
#include <random>

class QWidget;

// The desktop behind the rules: Qt message boxes, the main window's cursor, the process.
class QtPlatform final : public Platform
{
public:
    // Call once the application object exists: the pointers follow its window system.
    QtPlatform();
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
    StartOutcome startProgram(const QByteArray& path) override;
    [[noreturn]] void endProgram() override;

private:
    std::mt19937_64 m_generator;
    QPointer<QWidget> m_pointerWidget;
    PegPointers m_pegPointers;
    ModalBox m_messageBox{QMessageBox::Ok, QMessageBox::Ok};
    ModalBox m_questionBox{QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                           QMessageBox::Yes};
};
