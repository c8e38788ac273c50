#include "GameFixture.h"
#include "platform/QtPlatform.h"

#include <QTest>
#include <map>

class SecretCodeTest : public QObject
{
    Q_OBJECT

private slots:
    void laterPegsAreDrawnAgainUntilTheyDiffer()
    {
        GameFixture fixture;
        const Board before = fixture.board;
        // 2; 2 again, then 3; 3, 2, then 7; 7, 7, 3, 2, then 5.
        fixture.platform.randomValues = {0.0,   0.1, 0.2,  0.3,  0.05, 0.99,
                                         0.999, 0.9, 0.25, 0.01, 0.5};
        fixture.game.DrawSecretCode();
        QVERIFY(fixture.platform.randomValues.empty());

        const std::array<int, 4> expected = {2, 3, 7, 5};
        for (int column = 1; column <= 4; ++column) {
            const Element& peg = fixture.board[Board::codePeg(column)];
            QCOMPARE(peg.tag, QString::number(expected[column - 1]));
            QCOMPARE(peg.picture, expected[column - 1]);
            QVERIFY(!peg.visible);
        }
        for (ElementId id = 0; id < before.elements().size(); ++id) {
            if (!fixture.board[id].name.starts_with('m'))
                QCOMPARE(fixture.board[id], before[id]);
        }
    }

    void aSeededGeneratorDealsEveryOrderedCodeEvenly()
    {
        QtPlatform platform;
        platform.seedRandom(45296.123456);
        Board board;
        Game game(board, platform);

        constexpr int deals = 36000;
        std::map<QString, int> counts;
        for (int deal = 0; deal < deals; ++deal) {
            game.DrawSecretCode();
            QString code;
            for (int column = 1; column <= 4; ++column)
                code += board.tag(Board::codePeg(column));
            QCOMPARE(code.size(), 4);
            for (int i = 0; i < 4; ++i) {
                QVERIFY2(code[i] >= u'2' && code[i] <= u'7', qPrintable(code));
                for (int j = i + 1; j < 4; ++j)
                    QVERIFY2(code[i] != code[j], qPrintable(code));
            }
            ++counts[code];
        }

        QCOMPARE(counts.size(), std::size_t(360));
        const double expected = deals / 360.0;
        double chiSquare = 0;
        for (const auto& [code, count] : counts)
            chiSquare += (count - expected) * (count - expected) / expected;
        qInfo("chi-square over 360 codes: %.1f (359 degrees of freedom)", chiSquare);
        // The 0.999 quantile of chi-square with 359 degrees of freedom is about 452.
        QVERIFY2(chiSquare < 452, qPrintable(QString::number(chiSquare)));
    }

    void theGeneratorStaysInsideTheUnitInterval()
    {
        QtPlatform platform;
        platform.seedRandom(0);
        double low = 1, high = 0;
        for (int i = 0; i < 100000; ++i) {
            const double value = platform.nextRandom();
            QVERIFY(value >= 0 && value < 1);
            low = std::min(low, value);
            high = std::max(high, value);
        }
        QVERIFY(low < 0.001 && high > 0.999);
    }
};

QTEST_GUILESS_MAIN(SecretCodeTest)
#include "tst_secretcode.moc"
