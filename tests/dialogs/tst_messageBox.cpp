#include "platform/ModalBox.h"

#include <QTest>
#include <QTimer>
#include <QWindow>

// The game's window, whose close control would ask the question again.
class Pressed : public QWidget
{
public:
    Pressed() { resize(200, 100); }

    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
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
};

QTEST_MAIN(MessageBoxTest)
#include "tst_messageBox.moc"
