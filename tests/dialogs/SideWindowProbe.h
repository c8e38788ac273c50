#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

// Finds the side windows the way a player sees them: as top-level windows, by name.
inline QList<QWidget*> windowsNamed(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            found << window;
    return found;
}

// Closes the window as its close control does and waits until it is discarded.
inline bool closeAndWaitUntilGone(QWidget* window)
{
    QPointer<QWidget> watched(window);
    window->close();
    return QTest::qWaitFor([&] { return watched.isNull(); });
}

inline void closeSideWindows()
{
    for (const char* name : {"frmAbout", "helpme"})
        for (QWidget* window : windowsNamed(QString::fromLatin1(name)))
            closeAndWaitUntilGone(window);
}
