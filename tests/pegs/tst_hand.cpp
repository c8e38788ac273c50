#include "ScriptedPlatform.h"
#include "game/Board.h"
#include "pegs/Hand.h"

#include <QTest>

namespace {

const QRgb outline = qRgb(20, 16, 12);

// Palette strip 12 lies at x 312 to 320, y 256 to 456; spots of the six colours sit in it.
constexpr int spotStrip = 12;
QPoint spotOf(int colour)
{
    return {4, 20 + 10 * colour};
}

const std::array<QRgb, 8> typicalPixels = {0,
                                           0,
                                           qRgb(226, 220, 40),
                                           qRgb(206, 138, 27),
                                           qRgb(191, 0, 42),
                                           qRgb(44, 107, 165),
                                           qRgb(49, 159, 50),
                                           qRgb(170, 129, 79)};

// A skin that is outline everywhere except at the spots of the six colours.
QImage paletteSkin()
{
    QImage skin(449, 563, QImage::Format_RGB32);
    skin.fill(outline);
    const QPoint corner = Board()[Board::paletteStrip(spotStrip)].rect.topLeft();
    for (int colour = 2; colour <= 7; ++colour)
        skin.setPixel(corner + spotOf(colour), typicalPixels[colour]);
    return skin;
}

struct Fixture
{
    explicit Fixture(QImage skin = paletteSkin()) : hand(board, platform, std::move(skin)) {}

    void carry(int colour) { hand.koliky_MouseDown(spotStrip, spotOf(colour)); }

    Board board;
    ScriptedPlatform platform;
    Hand hand;
};

const ElementId p23 = Board::pegDisplay(2, 3);

} // namespace

class HandTest : public QObject
{
    Q_OBJECT

private slots:
    void palettePressPicksTheColourOfThePixel_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<int>("colour");
        const char* names[] = {"", "", "yellow", "orange", "red", "blue", "green", "tan"};
        for (int colour = 2; colour <= 7; ++colour)
            QTest::newRow(names[colour]) << typicalPixels[colour] << colour;
        QTest::newRow("orange, too red for tan") << qRgb(200, 120, 60) << 3;
        QTest::newRow("orange and tan, tan wins") << qRgb(180, 120, 60) << 7;
        QTest::newRow("yellow and orange, orange wins") << qRgb(200, 180, 40) << 3;
        QTest::newRow("green on a bound") << qRgb(200, 100, 50) << 0;
        QTest::newRow("just inside") << qRgb(151, 151, 99) << 3;
        QTest::newRow("red on a bound") << qRgb(150, 151, 99) << 0;
        QTest::newRow("outline") << outline << 0;
        QTest::newRow("black key peg") << qRgb(68, 59, 53) << 0;
        QTest::newRow("white key peg") << qRgb(248, 246, 234) << 0;
    }

    void palettePressPicksTheColourOfThePixel()
    {
        QFETCH(QRgb, pixel);
        QFETCH(int, colour);
        QImage skin = paletteSkin();
        const QPoint inStrip(6, 150);
        skin.setPixel(Board()[Board::paletteStrip(3)].rect.topLeft() + inStrip, pixel);
        Fixture fixture(skin);
        // Something else is carried first: the press replaces it or empties the hand.
        fixture.carry(colour == 7 ? 2 : 7);

        fixture.hand.koliky_MouseDown(3, inStrip);

        QCOMPARE(fixture.hand.carriedColour(), colour);
        QCOMPARE(fixture.platform.pointer, colour);
        QCOMPARE(fixture.board, Board());
    }

    void stripsSharingAColumnReadTheSamePixel()
    {
        // x 224 is the last column of koliky(0) and the first of koliky(1).
        QImage skin = paletteSkin();
        skin.setPixel(223, 200, typicalPixels[4]);
        skin.setPixel(224, 200, typicalPixels[5]);
        skin.setPixel(225, 200, typicalPixels[6]);
        Fixture fixture(skin);

        fixture.hand.koliky_MouseDown(0, {8, 40});
        QCOMPARE(fixture.hand.carriedColour(), 5);
        fixture.carry(2);
        fixture.hand.koliky_MouseDown(1, {0, 24});
        QCOMPARE(fixture.hand.carriedColour(), 5);
        QCOMPARE(fixture.platform.pointer, 5);
    }

    void swapExchangesHandAndHole_data()
    {
        QTest::addColumn<int>("holeBefore");
        QTest::addColumn<int>("handBefore");
        QTest::newRow("empty hole, empty hand") << 0 << 0;
        QTest::newRow("drop into an empty hole") << 0 << 4;
        QTest::newRow("lift out") << 6 << 0;
        QTest::newRow("swap") << 6 << 4;
        QTest::newRow("swap with the same colour") << 3 << 3;
    }

    void swapExchangesHandAndHole()
    {
        QFETCH(int, holeBefore);
        QFETCH(int, handBefore);
        Fixture fixture;
        if (holeBefore != 0) {
            fixture.carry(holeBefore);
            fixture.hand.SwapPeg(p23);
        }
        if (handBefore != 0)
            fixture.carry(handBefore);
        Board expected = fixture.board;
        expected.setColour(p23, handBefore);
        const int pointerChanges = fixture.platform.pointerChanges;

        fixture.hand.SwapPeg(p23);

        QCOMPARE(fixture.board, expected);
        QCOMPARE(fixture.board[p23].picture, handBefore);
        QCOMPARE(fixture.hand.carriedColour(), holeBefore);
        QCOMPARE(fixture.platform.pointer, holeBefore);
        // An empty hand on an empty hole leaves even the pointer alone.
        QCOMPARE(fixture.platform.pointerChanges == pointerChanges, holeBefore + handBefore == 0);
    }

    void eachHoleTargetSwapsWithItsOwnDisplay()
    {
        for (int row = 1; row <= 6; ++row) {
            for (int column = 1; column <= 4; ++column) {
                Fixture fixture;
                fixture.carry(6);
                Board expected = fixture.board;
                expected.setColour(Board::pegDisplay(row, column), 6);

                fixture.hand.i_Click(row, column);

                QVERIFY2(fixture.board == expected,
                         qPrintable(QString("i%1%2").arg(row).arg(column)));
                QCOMPARE(fixture.hand.carriedColour(), 0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(HandTest)
#include "tst_hand.moc"
