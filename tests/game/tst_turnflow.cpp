#include "GameFixture.h"
#include "game/Texts.h"

#include <QTest>

namespace {

const QString question = QString::fromUtf8(Texts::newGameQuestion);

// Plays rows until the game is over without solving the code 2 3 4 5.
void loseGame(GameFixture& fixture)
{
    for (int row = 1; row <= 6; ++row) {
        fixture.fillRow(row, {3, 2, 5, 4});
        fixture.confirm();
    }
}

} // namespace

class TurnFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void startsWithRowOneOpenAndEverythingEmpty()
    {
        GameFixture fixture;
        QCOMPARE(fixture.activeRow(), 1);
        for (int row = 1; row <= 6; ++row) {
            for (int column = 1; column <= 4; ++column) {
                QCOMPARE(fixture.board[Board::clickTarget(row, column)].enabled, row == 1);
                QVERIFY(fixture.board.tag(Board::pegDisplay(row, column)).isEmpty());
            }
            for (ElementId slot : Board::keyGroup(row))
                QVERIFY(fixture.board.tag(slot).isEmpty());
        }
        QVERIFY(!fixture.codeVisible());
    }

    void emptyRowEarnsNothingAndOpensTheNext()
    {
        GameFixture fixture;
        fixture.confirm();
        QCOMPARE(fixture.keys(1), QStringLiteral("----"));
        QCOMPARE(fixture.activeRow(), 2);
        for (int column = 1; column <= 4; ++column)
            QVERIFY(!fixture.board[Board::clickTarget(1, column)].enabled);
        QVERIFY(!fixture.game.lastScore());
    }

    void anyConfirmAreaConfirmsTheActiveRowOnly()
    {
        GameFixture fixture;
        fixture.confirm(3);
        QCOMPARE(fixture.activeRow(), 2);
        fixture.fillRow(2, {2, 6, 6, 6});
        fixture.confirm(0); // lies over row 6
        QCOMPARE(fixture.keys(2), QStringLiteral("8---"));
        QCOMPARE(fixture.keys(6), QStringLiteral("----"));
        QCOMPARE(fixture.activeRow(), 3);
        for (int column = 1; column <= 4; ++column)
            QVERIFY(fixture.board[Board::clickTarget(3, column)].enabled);
    }

    void solvingInRowOneEndsTheGame()
    {
        GameFixture fixture;
        fixture.fillRow(1, {2, 3, 4, 5});
        fixture.confirm();
        QVERIFY(fixture.game.lastScore());
        QCOMPARE(fixture.activeRow(), 0);
        QVERIFY(fixture.codeVisible());
        QVERIFY(fixture.platform.questions.isEmpty());
        QVERIFY(fixture.platform.messages.isEmpty());

        fixture.platform.answers = {Answer::Cancel};
        fixture.confirm();
        QCOMPARE(fixture.platform.questions, QStringList{question});
    }

    void sixRowsWithoutSolveShowTheCodeSilently()
    {
        GameFixture fixture;
        for (int row = 1; row <= 6; ++row) {
            QCOMPARE(fixture.activeRow(), row);
            QVERIFY(!fixture.codeVisible());
            fixture.fillRow(row, {3, 2, 5, 4});
            fixture.confirm();
            QCOMPARE(fixture.keys(row), QStringLiteral("9999"));
        }
        QCOMPARE(fixture.activeRow(), 0);
        QVERIFY(fixture.codeVisible());
        QVERIFY(fixture.platform.messages.isEmpty());
        QVERIFY(fixture.platform.questions.isEmpty());

        fixture.platform.answers = {Answer::Cancel};
        fixture.confirm();
        QCOMPARE(fixture.platform.questions.size(), 1);
    }

    void cancelWhenOverLeavesEverythingAsItWas()
    {
        GameFixture fixture;
        loseGame(fixture);
        const Board snapshot = fixture.board;
        const bool score = fixture.game.lastScore();
        fixture.platform.answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
        for (int index = 0; index < 3; ++index)
            fixture.confirm(index);
        QCOMPARE(fixture.platform.questions.size(), 3);
        QVERIFY(fixture.board == snapshot);
        QCOMPARE(fixture.game.lastScore(), score);
        QCOMPARE(fixture.platform.endCount, 0);
    }

    void closeButtonAsksAtAnyTimeAndCancelChangesNothing()
    {
        GameFixture fixture;
        fixture.fillRow(1, {6, 3, 7, 2});
        fixture.confirm();
        fixture.board.setColour(Board::pegDisplay(2, 2), 4);
        const Board snapshot = fixture.board;
        fixture.platform.answers = {Answer::Cancel};
        fixture.game.kon_Click();
        QCOMPARE(fixture.platform.questions, QStringList{question});
        QVERIFY(fixture.board == snapshot);
        QCOMPARE(fixture.activeRow(), 2);
    }

    void noEndsAtOnceAndNothingRunsAfter()
    {
        GameFixture fixture;
        loseGame(fixture);
        const Board snapshot = fixture.board;
        fixture.platform.answers = {Answer::No, Answer::Cancel};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, fixture.confirm());
        QCOMPARE(fixture.platform.questions.size(), 1);
        QCOMPARE(fixture.platform.endCount, 1);
        QVERIFY(fixture.platform.startedPrograms.isEmpty());
        QVERIFY(fixture.board == snapshot);

        GameFixture midGame;
        midGame.platform.answers = {Answer::No};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, midGame.game.kon_Click());
        QCOMPARE(midGame.platform.questions.size(), 1);
        QVERIFY(midGame.platform.messages.isEmpty());
    }

    void yesStartsTheRunningFileUnderItsPresentNameAndEnds()
    {
        GameFixture fixture;
        loseGame(fixture);
        fixture.platform.executable = "/home/player/games/renamed-game";
        fixture.platform.answers = {Answer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, fixture.confirm());
        QCOMPARE(fixture.platform.startedPrograms, QList<QByteArray>{fixture.platform.executable});
        QVERIFY(fixture.platform.messages.isEmpty());
        QCOMPARE(fixture.platform.endCount, 1);
    }

    void aFailedStartIsReportedBeforeTheEnd_data()
    {
        QTest::addColumn<QByteArray>("executable");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("details");
        const QString denied = QStringLiteral("Podrobnosti: Permission denied");
        QTest::newRow("text") << QByteArray("/opt/hra/vore-trelliq")
                              << QStringLiteral("/opt/hra/vore-trelliq") << 0 << denied;
        // Bytes that are no text stay visible as replacement characters.
        QTest::newRow("folder name not UTF-8")
            << QByteArray("/opt/\xE8\x65\xB9/vore-trelliq")
            << QStringLiteral("/opt/\uFFFDe\uFFFD/vore-trelliq") << 0 << denied;
        QTest::newRow("ended by a signal before it showed")
            << QByteArray("/opt/hra/vore-trelliq") << QStringLiteral("/opt/hra/vore-trelliq") << 6
            << QStringLiteral("Podrobnosti: signál 6 (Aborted), poslední hlášení: no display");
    }

    void aFailedStartIsReportedBeforeTheEnd()
    {
        QFETCH(QByteArray, executable);
        QFETCH(QString, shown);
        QFETCH(int, signal);
        QFETCH(QString, details);
        GameFixture fixture;
        fixture.platform.executable = executable;
        NewGameStart& start = fixture.platform.newGameStart;
        start.outcome =
            signal ? NewGameStart::Outcome::EndedUnseen : NewGameStart::Outcome::NotStarted;
        start.signal = signal;
        start.systemText = signal ? QStringLiteral("Aborted") : QStringLiteral("Permission denied");
        start.lastErrorLine = QStringLiteral("no display");
        fixture.platform.answers = {Answer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, fixture.game.kon_Click());
        QCOMPARE(fixture.platform.startedPrograms, QList<QByteArray>{executable});
        QCOMPARE(fixture.platform.messages.size(), 1);
        QVERIFY2(fixture.platform.messages[0].contains(shown),
                 qPrintable(fixture.platform.messages[0]));
        QVERIFY2(fixture.platform.messages[0].endsWith(u'\n' + details),
                 qPrintable(fixture.platform.messages[0]));
        QCOMPARE(fixture.platform.endCount, 1);
    }

    void hiddenScreenComesOnceInRowSixBeforeTheCodeIsShown()
    {
        GameFixture fixture{{6, 7, 2, 3}};
        const std::array<std::array<int, 4>, 6> pattern = {{
            {5, 5, 4, 4},
            {5, 4, 5, 4},
            {5, 4, 4, 5},
            {5, 4, 4, 5},
            {5, 4, 5, 4},
            {5, 5, 4, 4},
        }};
        bool codeVisibleAtMessage = true;
        bool rowSixFrozenAtMessage = false;
        fixture.platform.onMessage = [&](const QString&) {
            codeVisibleAtMessage = fixture.codeVisible();
            rowSixFrozenAtMessage = fixture.activeRow() == 0;
        };
        for (int row = 1; row <= 6; ++row) {
            fixture.fillRow(row, pattern[row - 1]);
            fixture.confirm();
            QCOMPARE(fixture.platform.messages.size(), row == 6 ? 1 : 0);
        }
        QCOMPARE(fixture.platform.messages, QStringList{QString::fromUtf8(Texts::hiddenScreen)});
        QVERIFY(!codeVisibleAtMessage);
        QVERIFY(rowSixFrozenAtMessage);
        QVERIFY(fixture.codeVisible());
    }
};

QTEST_GUILESS_MAIN(TurnFlowTest)
#include "tst_turnflow.moc"
