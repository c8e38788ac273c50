#include "dialogs/PaintedTitleBar.h"

#include <QTest>

using Action = TitleBarPointer::Action;

class TitleBarTest : public QObject
{
    Q_OBJECT

private:
    static constexpr int dragDistance = 10;
    static constexpr int width = 400;
    // On the bar, left of the close control.
    static constexpr QPoint onTitle{200, 18};

    static TitleBarPointer bar()
    {
        TitleBarPointer pointer(dragDistance);
        pointer.setBarWidth(width);
        return pointer;
    }

    static QPoint onClose() { return bar().closeControl().center(); }

private slots:
    void closeControlLiesAtTheRightEndOfTheBar_data()
    {
        QTest::addColumn<int>("barWidth");
        QTest::newRow("narrow") << 240;
        QTest::newRow("wide") << 640;
    }

    void closeControlLiesAtTheRightEndOfTheBar()
    {
        QFETCH(int, barWidth);
        TitleBarPointer pointer(dragDistance);
        pointer.setBarWidth(barWidth);
        const QRect control = pointer.closeControl();
        QVERIFY(control.contains(QPoint(barWidth - 18, TitleBarPointer::barHeight / 2)));
        QCOMPARE(control.size(), QSize(24, 24));
        // Clear of the bar's edges and of its bottom line, as far above that as below the top.
        QCOMPARE(control.top(), TitleBarPointer::barHeight - 1 - control.bottom() - 1);
        QVERIFY(control.right() < barWidth - 1);
    }

    void closesWhenAPressOnTheControlEndsOnIt_data()
    {
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<bool>("closes");
        QTest::newRow("click on the control") << onClose() << onClose() << true;
        QTest::newRow("released beside it") << onClose() << onClose() + QPoint(-20, 0) << false;
        QTest::newRow("pressed beside it") << onClose() + QPoint(-20, 0) << onClose() << false;
    }

    void closesWhenAPressOnTheControlEndsOnIt()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, releaseAt);
        QFETCH(bool, closes);
        TitleBarPointer pointer = bar();
        pointer.press(pressAt);
        QCOMPARE(pointer.release(releaseAt), closes ? Action::Close : Action::None);
        // A second release, with no press before it, closes nothing.
        QCOMPARE(pointer.release(releaseAt), Action::None);
    }

    void dragOnTheBarStartsOneMove()
    {
        TitleBarPointer pointer = bar();
        pointer.press(onTitle);
        QCOMPARE(pointer.move(onTitle + QPoint(dragDistance - 1, 0), true), Action::None);
        QCOMPARE(pointer.move(onTitle + QPoint(dragDistance / 2, dragDistance / 2), true),
                 Action::StartMove);
        QCOMPARE(pointer.move(onTitle + QPoint(3 * dragDistance, 0), true), Action::None);
        QCOMPARE(pointer.release(onTitle), Action::None);
    }

    void noMoveWithoutAHeldPressOnTheBar()
    {
        TitleBarPointer pointer = bar();
        QCOMPARE(pointer.move(onTitle + QPoint(3 * dragDistance, 0), true), Action::None);
        pointer.press(onTitle);
        QCOMPARE(pointer.move(onTitle + QPoint(3 * dragDistance, 0), false), Action::None);
        QCOMPARE(pointer.release(onTitle), Action::None);
        QCOMPARE(pointer.move(onTitle + QPoint(3 * dragDistance, 0), true), Action::None);
        // Nor from a press on the close control.
        pointer.press(onClose());
        QCOMPARE(pointer.move(onClose() - QPoint(3 * dragDistance, 0), true), Action::None);
    }

    // The bar hands the pointer's buttons on: its window closes as the click on the close
    // control ends, not as it begins.
    void barClosesItsWindowAsTheClickEnds()
    {
        QWidget window;
        window.resize(width, 200);
        auto* titleBar = new PaintedTitleBar(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint control(titleBar->width() - 18, 18);
        QTest::mousePress(titleBar, Qt::LeftButton, {}, control);
        QVERIFY(window.isVisible());
        QTest::mouseRelease(titleBar, Qt::LeftButton, {}, control);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TitleBarTest)
#include "tst_titleBar.moc"
