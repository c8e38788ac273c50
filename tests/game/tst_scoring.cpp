#include "GameFixture.h"
#include "game/Texts.h"

#include <QTest>

using Row = std::array<int, 4>;
Q_DECLARE_METATYPE(Row)

class ScoringTest : public QObject
{
    Q_OBJECT

private slots:
    void scoresEachColumnOnItsOwn_data()
    {
        QTest::addColumn<Row>("guess");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("solved");

        // The code is 2 3 4 5 throughout; 0 leaves a hole empty.
        QTest::newRow("solved") << Row{2, 3, 4, 5} << "8888" << true;
        QTest::newRow("all colours elsewhere") << Row{5, 4, 3, 2} << "9999" << false;
        QTest::newRow("one colour in every column") << Row{2, 2, 2, 2} << "8999" << false;
        QTest::newRow("exact before colour") << Row{3, 3, 6, 6} << "89--" << false;
        QTest::newRow("no colour of the code") << Row{6, 7, 6, 7} << "----" << false;
        QTest::newRow("one hole empty") << Row{2, 0, 4, 5} << "888-" << false;
        QTest::newRow("row left empty") << Row{0, 0, 0, 0} << "----" << false;
        QTest::newRow("exact pegs first whatever the column") << Row{6, 2, 4, 7} << "89--" << false;
        QTest::newRow("swapped pair") << Row{3, 2, 4, 5} << "8899" << false;
    }

    void scoresEachColumnOnItsOwn()
    {
        QFETCH(Row, guess);
        QFETCH(QString, keys);
        QFETCH(bool, solved);

        GameFixture fixture;
        fixture.fillRow(3, guess);
        const Board before = fixture.board;
        const bool result = fixture.game.ScoreGuess(
            Board::keyGroup(3), Board::pegDisplay(3, 1), Board::pegDisplay(3, 2),
            Board::pegDisplay(3, 3), Board::pegDisplay(3, 4));

        QCOMPARE(result, solved);
        QCOMPARE(fixture.keys(3), keys);
        QCOMPARE(fixture.codeVisible(), solved);
        for (ElementId slot : Board::keyGroup(3))
            QCOMPARE(fixture.board[slot].picture, fixture.board.tag(slot).toInt());
        QVERIFY(fixture.platform.messages.isEmpty());

        // Nothing but the key places of the row, and the code pegs when solved, changes.
        for (ElementId id = 0; id < before.elements().size(); ++id) {
            const bool keyPlace = fixture.board[id].name == "h3";
            const bool codePeg = fixture.board[id].name.starts_with('m');
            if (!keyPlace && !(codePeg && solved))
                QCOMPARE(fixture.board[id], before[id]);
        }
    }

    void hiddenScreenNeedsAllTwelveBlueHoles()
    {
        const std::array<std::array<int, 4>, 6> pattern = {{
            {5, 5, 6, 7}, // row 1
            {5, 6, 5, 7}, // row 2
            {5, 6, 7, 5}, // row 3
            {5, 7, 6, 5}, // row 4
            {5, 6, 5, 7}, // row 5
            {5, 5, 7, 6}, // row 6
        }};
        for (int missing = 0; missing <= 12; ++missing) {
            GameFixture fixture{{6, 7, 2, 3}};
            int blueSeen = 0;
            for (int row = 1; row <= 6; ++row) {
                std::array<int, 4> colours = pattern[row - 1];
                for (int& colour : colours) {
                    if (colour == 5 && ++blueSeen == missing)
                        colour = 4;
                }
                fixture.fillRow(row, colours);
            }
            fixture.game.ScoreGuess(Board::keyGroup(6), Board::pegDisplay(6, 1),
                                    Board::pegDisplay(6, 2), Board::pegDisplay(6, 3),
                                    Board::pegDisplay(6, 4));
            const QStringList expected =
                missing == 0 ? QStringList{QString::fromUtf8(Texts::hiddenScreen)} : QStringList{};
            QCOMPARE(fixture.platform.messages, expected);
        }
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
