#pragma once

#include "platform/PegPointers.h"
#include "platform/Platform.h"

#include <QPointer>
#include <memory>
#include <random>

class QMessageBox;
class QWidget;

// The desktop behind the rules: Qt message boxes, the main window's cursor, the process.
class QtPlatform final : public Platform
{
public:
    // Call once the application object exists: the pointers follow its window system.
    QtPlatform();
    ~QtPlatform() override;

    // The widget whose pointer shows the carried peg; set once the main window exists.
    void setPointerWidget(QWidget* widget);

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
    std::unique_ptr<QMessageBox> m_messageBox;
    std::unique_ptr<QMessageBox> m_questionBox;
};
