#include "ScriptedPlatform.h"
#include "game/Board.h"
#include "game/Game.h"
#include "layout/MainLayout.h"

#include <QTest>

namespace {

QString routedName(const Board& board, QPoint point)
{
    const auto id = MainLayout::elementAt(board.elements(), point);
    if (!id)
        return QStringLiteral("skin");
    const Element& element = board[*id];
    const QString name = QString::fromLatin1(element.name.data(), qsizetype(element.name.size()));
    return element.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(element.index);
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void routesPressesToTheTakingElement_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("target");

        QTest::newRow("hole of row 1") << QPoint(99, 525) << "i11";
        QTest::newRow("hole of an inactive row") << QPoint(99, 334) << "skin";
        QTest::newRow("key place under its confirm area") << QPoint(30, 520) << "ok(5)";
        QTest::newRow("confirm area of row 6") << QPoint(40, 200) << "ok(0)";
        QTest::newRow("ring of a peg display") << QPoint(84, 511) << "skin";
        QTest::newRow("above the first palette strip") << QPoint(216, 159) << "skin";
        QTest::newRow("first palette strip") << QPoint(216, 160) << "koliky(0)";
        QTest::newRow("shared column of two strips") << QPoint(224, 200) << "koliky(0)";
        QTest::newRow("last palette strip") << QPoint(416, 360) << "koliky(24)";
        QTest::newRow("hidden code peg") << QPoint(100, 120) << "skin";
        QTest::newRow("about") << QPoint(311, 19) << "about";
        QTest::newRow("help") << QPoint(345, 32) << "help";
        QTest::newRow("minimise") << QPoint(351, 19) << "minim";
        QTest::newRow("close") << QPoint(386, 32) << "kon";
        QTest::newRow("title strip beside the buttons") << QPoint(300, 25) << "skin";
    }

    void routesPressesToTheTakingElement()
    {
        QFETCH(QPoint, point);
        QFETCH(QString, target);
        QCOMPARE(routedName(Board(), point), target);
    }

    void confirmedRowNoLongerTakesPresses()
    {
        Board board;
        ScriptedPlatform platform;
        Game game(board, platform);
        platform.randomValues = {0.0, 0.2, 0.4, 0.6};
        game.DrawSecretCode();
        game.ok_Click(5);
        QCOMPARE(routedName(board, QPoint(99, 525)), QStringLiteral("skin"));
        QCOMPARE(routedName(board, QPoint(100, 462)), QStringLiteral("i21"));
    }

    void tableHoldsTheFactsOfTheBoard()
    {
        const Board board;
        const QRect skin(QPoint(0, 0), MainLayout::skinSize);
        QCOMPARE(board.elements().size(), std::size_t(111));
        for (const Element& element : board.elements())
            QVERIFY2(skin.contains(element.rect), element.name.data());

        for (int row = 1; row <= 6; ++row) {
            for (int column = 1; column <= 4; ++column) {
                const QRect target = board[Board::clickTarget(row, column)].rect;
                const QRect display = board[Board::pegDisplay(row, column)].rect;
                QCOMPARE(target.size(), QSize(20, 20));
                QCOMPARE(display.size(), QSize(32, 32));
                QVERIFY(display.contains(target));
                const QPointF offset = QRectF(target).center() - QRectF(display).center();
                QVERIFY(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2);
            }
            const QRect confirm = board[Board::find("ok", 6 - row)].rect;
            QCOMPARE(confirm.size(), QSize(51, 51));
            for (ElementId slot : Board::keyGroup(row))
                QVERIFY(confirm.intersects(board[slot].rect));
        }
        for (int k = 0; k < 25; ++k) {
            const QRect strip = board[Board::paletteStrip(k)].rect;
            QCOMPARE(strip.x(), 216 + 8 * k);
            QCOMPARE(strip.width(), 9);
        }
        for (int column = 1; column <= 4; ++column) {
            const Element& peg = board[Board::codePeg(column)];
            QVERIFY(!peg.enabled && !peg.visible);
            QVERIFY(QRect(88, 112, 104, 32).contains(peg.rect));
        }
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
