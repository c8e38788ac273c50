#include "platform/ModalBox.h"

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
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

// Runs the box of the shown game's window, handing the player the box while it is shown, until
// the player has acted on it.
QMessageBox::StandardButton runPlayed(ModalBox& box, QWidget& game,
                                      const std::function<bool(QMessageBox&)>& player)
{
    game.show();
    if (!QTest::qWaitForWindowExposed(&game))
        return QMessageBox::NoButton;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (shown && shown->isVisible() && player(*shown))
            look.stop();
    });
    look.start(10);
    return box.run(QStringLiteral("New game?"));
}

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
        bool answered = false;
        QCOMPARE(runPlayed(box, game,
                           [&](QMessageBox& shown) {
                               QTest::keyClick(&shown, Qt::Key_Escape);
                               // Delivered as the window system hands on a press: to the game's
                               // window, which Qt no longer blocks.
                               QTest::mousePress(game.windowHandle(), Qt::LeftButton, {},
                                                 QPoint(10, 10));
                               QTest::mouseRelease(game.windowHandle(), Qt::LeftButton, {},
                                                   QPoint(10, 10));
                               return answered = true;
                           }),
                 QMessageBox::Cancel);
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
        QMessageBox* firstShown = nullptr;
        std::optional<Qt::WindowStates> shownAgainAs;
        QCOMPARE(runPlayed(box, game,
                           [&](QMessageBox& shown) {
                               if (!firstShown) {
                                   firstShown = &shown;
                                   shown.setWindowState(Qt::WindowMaximized);
                                   return false;
                               }
                               shownAgainAs = shown.windowState();
                               QTest::keyClick(&shown, Qt::Key_Escape);
                               return true;
                           }),
                 QMessageBox::Ok);
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
        QPointer<QWindow> boxWindow;
        const auto answer = [&](QMessageBox& shown) {
            if (!QGuiApplication::focusWindow())
                return false;
            boxWindow = shown.windowHandle();
            QTest::keyClick(&shown, Qt::Key_Escape);
            return true;
        };
        const char* focusMoved = SIGNAL(focusObjectChanged(QObject*));
        runPlayed(box, game, answer);
        QVERIFY(boxWindow);
        const int afterOne = Connections::of(*boxWindow, focusMoved);
        for (int showing = 2; showing <= 4; ++showing)
            runPlayed(box, game, answer);
        QCOMPARE(Connections::of(*boxWindow, focusMoved), afterOne);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "tst_messageBox.moc"
