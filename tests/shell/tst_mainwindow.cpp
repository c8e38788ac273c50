#include "CommittedSkin.h"
#include "MainWindowFixture.h"
#include "assets/Pictures.h"
#include "layout/MainLayout.h"
#include "pegs/PegColour.h"
#include "shell/Centring.h"
#include "shell/SkinShape.h"

#include <QPaintEvent>
#include <QScreen>
#include <QTest>

namespace {

const QPoint i11Centre(99, 525);
const QPoint p11Ring(85, 512); // inside p11, outside its click target i11
const QPoint ok5(30, 520);
const QPoint aboveFirstStrip(216, 159);
const QPoint minim(359, 26);
const QPoint kon(379, 26);

// A point of the tray whose skin pixel has the colour, found in the artwork itself.
QPoint paletteSpot(int colour)
{
    const QImage skin = committedSkin();
    for (int index = 0; index < 25; ++index) {
        const QRect strip = Board()[Board::paletteStrip(index)].rect;
        for (int y = strip.top(); y <= strip.bottom(); ++y) {
            for (int x = strip.left(); x <= strip.right(); ++x) {
                const QRgb pixel = skin.pixel(x, y);
                if (classifyPegColour(qRed(pixel), qGreen(pixel), qBlue(pixel)) == colour)
                    return {x, y};
            }
        }
    }
    qFatal("the tray shows no peg of colour %d", colour);
}

// Records what the window repaints.
class PaintRecorder : public QObject
{
public:
    QRegion painted;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void loadsAShapedCentredWindowThenDealsTheCode()
    {
        ScriptedPlatform platform;
        QSize sizeAtDeal;
        QRegion shapeAtDeal;
        QPoint placeAtDeal;
        double seedAtDeal = -1;
        int draws = 0;
        platform.randomSource = [&] {
            if (draws == 0) {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (widget->windowTitle() == "Vore TRELLIQ") {
                        sizeAtDeal = widget->size();
                        shapeAtDeal = widget->mask();
                        placeAtDeal = widget->pos();
                    }
                }
                seedAtDeal = platform.seed;
            }
            return 0.2 * draws++;
        };
        const Main window(platform);

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred = screen.topLeft() + centredPosition(screen.size(), {449, 563});
        QCOMPARE(seedAtDeal, platform.clock);
        QCOMPARE(sizeAtDeal, QSize(449, 563));
        QVERIFY((shapeAtDeal ^ BuildSkinRegion(committedSkin())).isEmpty());
        QCOMPARE(placeAtDeal, centred);
        QCOMPARE(window.pos(), centred);
        QCOMPARE(draws, 4);
        for (int column = 1; column <= 4; ++column) {
            QCOMPARE(window.board().tag(Board::codePeg(column)), QString::number(column + 1));
            QVERIFY(!window.board()[Board::codePeg(column)].visible);
        }

        QCOMPARE(window.windowTitle(), QStringLiteral("Vore TRELLIQ"));
        // The icon waits until the first frame is shown.
        QVERIFY(window.windowIcon().isNull());
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.minimumSize(), QSize(449, 563));
        QCOMPARE(window.maximumSize(), QSize(449, 563));
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    }

    void palettePressTakesAColourWithAnyButton_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
        QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
        QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
        QTest::newRow("shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("ctrl alt") << Qt::RightButton
                                  << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier);
    }

    void palettePressTakesAColourWithAnyButton()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        MainWindowFixture fixture;
        fixture.press(paletteSpot(5), button, modifiers);
        QCOMPARE(fixture.carried(), 5);
        QCOMPARE(fixture.platform.pointer, 5);
        fixture.release(paletteSpot(5), button);
        QCOMPARE(fixture.drag(paletteSpot(2), {30, 20}, button), QPoint());
        QCOMPARE(fixture.carried(), 2);
    }

    void pressesOnTheBareSkinDragTheWindow_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("drags");
        QTest::newRow("above the tray") << aboveFirstStrip << Qt::LeftButton << true;
        QTest::newRow("right button") << aboveFirstStrip << Qt::RightButton << true;
        QTest::newRow("middle button") << aboveFirstStrip << Qt::MiddleButton << true;
        QTest::newRow("hole of row 4") << QPoint(99, 334) << Qt::LeftButton << true;
        QTest::newRow("ring around a hole") << p11Ring << Qt::LeftButton << true;
        QTest::newRow("hole of row 1") << i11Centre << Qt::LeftButton << false;
        QTest::newRow("right button on a hole") << i11Centre << Qt::RightButton << false;
        QTest::newRow("confirm area") << ok5 << Qt::LeftButton << false;
        QTest::newRow("minimise") << minim << Qt::LeftButton << false;
        QTest::newRow("close") << kon << Qt::MiddleButton << false;
        QTest::newRow("about") << QPoint(315, 22) << Qt::LeftButton << false;
        QTest::newRow("help") << QPoint(334, 22) << Qt::LeftButton << false;
        QTest::newRow("cut-away corner") << QPoint(1, 1) << Qt::LeftButton << false;
    }

    void pressesOnTheBareSkinDragTheWindow()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, drags);
        MainWindowFixture fixture;
        const Board before = fixture.board();
        QCOMPARE(fixture.drag(at, {80, -60}, button), drags ? QPoint(80, -60) : QPoint());
        // Letting go away from where it went down clicks nothing.
        QVERIFY(fixture.board() == before);
        QVERIFY(fixture.platform.questions.isEmpty());
        QVERIFY(!fixture.window->isMinimized());
    }

    void clickMovesThePegBetweenHandAndHole_data()
    {
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<Qt::MouseButton>("button");
        // The column of the hole in row 1 that takes the peg; 0 for none.
        QTest::addColumn<int>("column");
        const QPoint i12 = Board()[Board::clickTarget(1, 2)].rect.center();
        const QPoint i14 = Board()[Board::clickTarget(1, 4)].rect.center();
        QTest::newRow("left click") << i11Centre << i11Centre << Qt::LeftButton << 1;
        QTest::newRow("second column") << i12 << i12 << Qt::LeftButton << 2;
        QTest::newRow("fourth column") << i14 << i14 << Qt::LeftButton << 4;
        QTest::newRow("edge of the target")
            << QPoint(89, 515) << QPoint(108, 534) << Qt::LeftButton << 1;
        QTest::newRow("released on the next hole") << i11Centre << i12 << Qt::LeftButton << 0;
        QTest::newRow("released on the ring") << i11Centre << p11Ring << Qt::LeftButton << 0;
        QTest::newRow("right click") << i11Centre << i11Centre << Qt::RightButton << 0;
        QTest::newRow("on the ring") << p11Ring << p11Ring << Qt::LeftButton << 0;
    }

    void clickMovesThePegBetweenHandAndHole()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, releaseAt);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, column);
        MainWindowFixture fixture;
        fixture.click(paletteSpot(3));
        Board expected = fixture.board();
        if (column != 0)
            expected.setColour(Board::pegDisplay(1, column), 3);

        fixture.press(pressAt, button);
        fixture.release(releaseAt, button);

        QVERIFY(fixture.board() == expected);
        QCOMPARE(fixture.carried(), column != 0 ? 0 : 3);
        QCOMPARE(fixture.platform.pointer, fixture.carried());
        if (column != 0) {
            fixture.click(pressAt);
            QVERIFY(fixture.board().tag(Board::pegDisplay(1, column)).isEmpty());
            QCOMPARE(fixture.platform.pointer, 3);
        }
    }

    void secondPressOfADoubleClickIsNoPress_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("carriedBefore");
        QTest::addColumn<int>("activeRowAfter");
        QTest::addColumn<QString>("p11After");
        QTest::addColumn<int>("carriedAfter");
        QTest::newRow("confirm area") << ok5 << 0 << 2 << QString() << 0;
        QTest::newRow("empty hole, peg in hand") << i11Centre << 4 << 1 << "4" << 0;
        QTest::newRow("bare skin") << aboveFirstStrip << 0 << 1 << QString() << 0;
    }

    void secondPressOfADoubleClickIsNoPress()
    {
        QFETCH(QPoint, at);
        QFETCH(int, carriedBefore);
        QFETCH(int, activeRowAfter);
        QFETCH(QString, p11After);
        QFETCH(int, carriedAfter);
        MainWindowFixture fixture;
        if (carriedBefore != 0)
            fixture.click(paletteSpot(carriedBefore));
        const QPoint home = fixture.window->pos();

        fixture.click(at);
        const QPoint global = fixture.window->mapToGlobal(at);
        fixture.send(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton);
        fixture.send(QEvent::MouseMove, at + QPoint(30, 20), global + QPoint(30, 20), Qt::NoButton,
                     Qt::LeftButton);
        QCOMPARE(fixture.window->pos(), home);
        fixture.send(QEvent::MouseMove, at, global, Qt::NoButton, Qt::LeftButton);
        fixture.release(at);

        for (int row = 1; row <= 6; ++row)
            QCOMPARE(fixture.board()[Board::clickTarget(row, 1)].enabled, row == activeRowAfter);
        QCOMPARE(fixture.board().tag(Board::pegDisplay(1, 1)), p11After);
        QCOMPARE(fixture.carried(), carriedAfter);
        if (at == ok5) {
            // The next click counts again.
            fixture.click(at);
            QVERIFY(fixture.board()[Board::clickTarget(3, 1)].enabled);
        }
    }

    void pointerMovesMoveTheWindowOnlyWithThePressedButtonHeld_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::MouseButtons>("heldWhileMoving");
        QTest::addColumn<bool>("hideBeforeMoving");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("right held")
            << Qt::RightButton << Qt::MouseButtons(Qt::RightButton) << false << QPoint(100, 20);
        QTest::newRow("left held")
            << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton) << false << QPoint(100, 20);
        QTest::newRow("another button held")
            << Qt::RightButton << Qt::MouseButtons(Qt::MiddleButton) << false << QPoint();
        QTest::newRow("hidden on the way")
            << Qt::RightButton << Qt::MouseButtons(Qt::RightButton) << true << QPoint();
    }

    // The release of a move can go astray (the window is minimised, another client takes the
    // pointer); what the window sees next must not carry it along with the pointer.
    void pointerMovesMoveTheWindowOnlyWithThePressedButtonHeld()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::MouseButtons, heldWhileMoving);
        QFETCH(bool, hideBeforeMoving);
        QFETCH(QPoint, moved);
        MainWindowFixture fixture;
        const QPoint global = fixture.window->mapToGlobal(aboveFirstStrip);
        fixture.send(QEvent::MouseButtonPress, aboveFirstStrip, global, button, button);
        if (hideBeforeMoving) {
            fixture.window->hide();
            fixture.window->show();
        }
        const QPoint home = fixture.window->pos();
        fixture.send(QEvent::MouseMove, aboveFirstStrip + QPoint(100, 20), global + QPoint(100, 20),
                     Qt::NoButton, heldWhileMoving);
        QCOMPARE(fixture.window->pos() - home, moved);
    }

    void holeOfAConfirmedRowDragsTheWindow()
    {
        MainWindowFixture fixture;
        fixture.click(ok5);
        QVERIFY(!fixture.board()[Board::clickTarget(1, 1)].enabled);
        QVERIFY(fixture.board()[Board::clickTarget(2, 1)].enabled);
        QCOMPARE(fixture.drag(i11Centre, {5, 5}), QPoint(5, 5));
    }

    void minimisingKeepsTheCarriedPeg()
    {
        MainWindowFixture fixture;
        fixture.click(paletteSpot(6));
        const Board before = fixture.board();
        fixture.click(minim);
        QVERIFY(fixture.window->windowState() & Qt::WindowMinimized);
        QCOMPARE(fixture.carried(), 6);
        QCOMPARE(fixture.platform.pointer, 6);
        QVERIFY(fixture.board() == before);
    }

    void closeButtonAsksAndCancelKeepsTheBoard()
    {
        MainWindowFixture fixture;
        fixture.click(paletteSpot(4));
        fixture.click(i11Centre);
        fixture.click(paletteSpot(7));
        const Board before = fixture.board();
        fixture.platform.answers = {Answer::Cancel};
        fixture.click(kon);
        QCOMPARE(fixture.platform.questions, QStringList{"Spustit novou hru?"});
        QVERIFY(fixture.board() == before);
        QCOMPARE(fixture.carried(), 7);
    }

    void closingFromOutsideAsksAndCancelKeepsTheWindow()
    {
        MainWindowFixture fixture;
        fixture.click(paletteSpot(5));
        const Board before = fixture.board();
        fixture.platform.answers = {Answer::Cancel};
        QVERIFY(!fixture.window->close());
        QCOMPARE(fixture.platform.questions, QStringList{"Spustit novou hru?"});
        QVERIFY(fixture.window->isVisible());
        QVERIFY(fixture.board() == before);
        QCOMPARE(fixture.carried(), 5);
    }

    void sideWindowButtonsOpenOneModelessWindowEach_data()
    {
        QTest::addColumn<QPoint>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("about") << QPoint(315, 22) << "About Vore TRELLIQ";
        QTest::newRow("help") << QPoint(334, 22) << "Help";
    }

    void sideWindowButtonsOpenOneModelessWindowEach()
    {
        QFETCH(QPoint, button);
        QFETCH(QString, title);
        MainWindowFixture fixture;
        const Board before = fixture.board();
        fixture.click(button);
        fixture.click(button);

        QList<QWidget*> opened;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == title)
                opened << widget;
        }
        QCOMPARE(opened.size(), 1);
        QVERIFY(!opened[0]->isModal());
        QVERIFY(!opened[0]->parentWidget());
        QVERIFY(fixture.board() == before);
        // The game goes on beside it.
        fixture.click(paletteSpot(4));
        QCOMPARE(fixture.carried(), 4);
        opened[0]->close();
    }

    void repaintsOnlyWhatChanged()
    {
        MainWindowFixture fixture;
        QVERIFY(QTest::qWaitForWindowExposed(fixture.window.get()));
        QCoreApplication::processEvents();
        PaintRecorder recorder;
        fixture.window->installEventFilter(&recorder);

        fixture.click(paletteSpot(2));
        QCoreApplication::processEvents();
        QVERIFY(recorder.painted.isEmpty());
        fixture.click(i11Centre);
        QCoreApplication::processEvents();

        const QRect p11 = fixture.board()[Board::pegDisplay(1, 1)].rect;
        QVERIFY(!recorder.painted.isEmpty());
        QVERIFY((recorder.painted - p11).isEmpty());
    }

    void paintsTheSkinAndTheVisiblePictures()
    {
        MainWindowFixture fixture;
        fixture.click(paletteSpot(2));
        fixture.click(i11Centre);
        const QImage shown = fixture.window->grab().toImage();
        const QImage skin = committedSkin();
        const QImage peg = Pictures::peg(2).toImage();

        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        QCOMPARE(shown.pixel(aboveFirstStrip), skin.pixel(aboveFirstStrip));
        const QPoint pegCentre(16, 16);
        const QRect p11 = fixture.board()[Board::pegDisplay(1, 1)].rect;
        QCOMPARE(shown.pixel(p11.topLeft() + pegCentre), peg.pixel(pegCentre));
        // A transparent corner of the peg lets the skin show through.
        QCOMPARE(shown.pixel(p11.topLeft()), skin.pixel(p11.topLeft()));
        // The code stays hidden.
        const QRect m1 = fixture.board()[Board::codePeg(1)].rect;
        QCOMPARE(shown.pixel(m1.topLeft() + pegCentre), skin.pixel(m1.topLeft() + pegCentre));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
