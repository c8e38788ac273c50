#include "shell/Centring.h"

#include <QTest>

class CentringTest : public QObject
{
    Q_OBJECT

private slots:
    void edgeIsHalfTheRoundedDifference_data()
    {
        QTest::addColumn<double>("screen");
        QTest::addColumn<double>("window");
        QTest::addColumn<int>("edge");
        QTest::newRow("1024 wide") << 15360.0 << 6735.0 << 4312;
        QTest::newRow("768 high") << 11520.0 << 8445.0 << 1537;
        QTest::newRow("odd difference") << 8625.0 << 0.0 << 4312;
        QTest::newRow("negative odd difference") << 0.0 << 1245.0 << -622;
        QTest::newRow("480 high") << 7200.0 << 8445.0 << -622;
        QTest::newRow("2.5 rounds down to even") << 10.5 << 8.0 << 1;
        QTest::newRow("3.5 rounds up to even") << 11.5 << 8.0 << 2;
        QTest::newRow("-2.5 rounds up to even") << 8.0 << 10.5 << -1;
        QTest::newRow("-3.5 rounds down to even") << 8.0 << 11.5 << -2;
    }

    void edgeIsHalfTheRoundedDifference()
    {
        QFETCH(double, screen);
        QFETCH(double, window);
        QFETCH(int, edge);
        QCOMPARE(centredTwips(screen, window), edge);
    }

    void positionInPixels_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(287, 102);
        QTest::newRow("640 x 480") << QSize(640, 480) << QPoint(95, -41);
        QTest::newRow("same size") << QSize(449, 563) << QPoint(0, 0);
    }

    void positionInPixels()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, position);
        QCOMPARE(centredPosition(screen, QSize(449, 563)), position);
    }
};

QTEST_APPLESS_MAIN(CentringTest)
#include "tst_centring.moc"
