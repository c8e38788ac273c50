#include "platform/ModalBox.h"

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <optional>

// The game's window, whose close control would ask the question again.
class Pressed : public QWidget
{
public:
    Pressed() { resize(200, 100); }

    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// How many connections a signal has, which QObject tells only to its own kind.
struct Connections : QObject
{
    static int of(const QObject& sender, const char* signal)
    {
        return (sender.*&Connections::receivers)(signal);
    }
};

class MessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    // A press that the window system queued behind the answer reaches the game once Qt has taken
    // the box down, before its run returns: it must not ask the question from inside its run.
    void pressBehindTheAnswerIsHeldBack()
    {
        ModalBox box(QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
        Pressed game;
        box.setOwner(&game, {});
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        bool answered = false;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!shown || !shown->isVisible())
                return;
            answer.stop();
            QTest::keyClick(shown, Qt::Key_Escape);
            // Delivered as the window system hands on a press: to the game's window, which Qt
            // no longer blocks.
            QTest::mousePress(game.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
            QTest::mouseRelease(game.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
            answered = true;
        });
        answer.start(10);
        QCOMPARE(box.run(QStringLiteral("New game?")), QMessageBox::Cancel);
        QVERIFY(answered);
        QCOMPARE(game.presses, 0);
        QVERIFY(!QApplication::activeModalWidget());
        // Once the answer is in, the game takes presses again.
        QTest::mousePress(game.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(game.presses, 1);
    }

    // The box belongs to the game's window, wears the dress it is given, and, maximised by the
    // window system, is shown anew at its size.
    void boxOfTheGameDressedAndShownAgainFromMaximised()
    {
        ModalBox box(QMessageBox::Ok, QMessageBox::Ok);
        QWidget game;
        QMessageBox* dressed = nullptr;
        box.setOwner(&game, [&dressed](QMessageBox& shown) { dressed = &shown; });
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        QMessageBox* firstShown = nullptr;
        std::optional<Qt::WindowStates> shownAgainAs;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!shown || !shown->isVisible())
                return;
            if (!firstShown) {
                firstShown = shown;
                shown->setWindowState(Qt::WindowMaximized);
                return;
            }
            shownAgainAs = shown->windowState();
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        answer.start(10);
        QCOMPARE(box.run(QStringLiteral("Hidden screen")), QMessageBox::Ok);
        QVERIFY(firstShown);
        QCOMPARE(firstShown->parentWidget(), &game);
        QCOMPARE(dressed, firstShown);
        QVERIFY(shownAgainAs);
        QVERIFY(!(*shownAgainAs & Qt::WindowMaximized));
    }

    // Qt connects the window it activates to the application, and leaves a window destroyed
    // while active, as the box's is at each answer, connected: one more at every showing.
    void showingsLeaveNoConnectionBehind()
    {
        ModalBox box(QMessageBox::Ok, QMessageBox::Ok);
        QWidget game;
        box.setOwner(&game, {});
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        QPointer<QWindow> boxWindow;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (shown && shown->isVisible() && QGuiApplication::focusWindow()) {
                boxWindow = shown->windowHandle();
                QTest::keyClick(shown, Qt::Key_Escape);
            }
        });
        answer.start(10);
        const char* focusMoved = SIGNAL(focusObjectChanged(QObject*));
        box.run(QStringLiteral("Hidden screen"));
        QVERIFY(boxWindow);
        const int afterOne = Connections::of(*boxWindow, focusMoved);
        for (int showing = 2; showing <= 4; ++showing)
            box.run(QStringLiteral("Hidden screen"));
        QCOMPARE(Connections::of(*boxWindow, focusMoved), afterOne);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "tst_messageBox.moc"
