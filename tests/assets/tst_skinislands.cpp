#include "CommittedSkin.h"

#include <QTest>
#include <deque>

// The window is cut where the skin shows the key colour: two islands, no holes, hard edges.
class SkinShapeTest : public QObject
{
    Q_OBJECT

private:
    static constexpr QRgb key = 0xffff00ff;
    QImage m_skin;

    bool isKey(QPoint p) const { return m_skin.pixel(p) == key; }

    // Visits every pixel 4-connected to the seeds through pixels of the same kind.
    template <typename Visit>
    void flood(std::vector<QPoint> seeds, std::vector<bool>& seen, bool keyKind, Visit visit) const
    {
        std::deque<QPoint> queue;
        for (QPoint seed : seeds) {
            std::size_t index = std::size_t(seed.y() * m_skin.width() + seed.x());
            if (!seen[index] && isKey(seed) == keyKind) {
                seen[index] = true;
                queue.push_back(seed);
            }
        }
        while (!queue.empty()) {
            const QPoint p = queue.front();
            queue.pop_front();
            visit(p);
            for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint next = p + step;
                if (!m_skin.rect().contains(next))
                    continue;
                const std::size_t index = std::size_t(next.y() * m_skin.width() + next.x());
                if (!seen[index] && isKey(next) == keyKind) {
                    seen[index] = true;
                    queue.push_back(next);
                }
            }
        }
    }

private slots:
    void initTestCase()
    {
        m_skin = committedSkin();
        QCOMPARE(m_skin.size(), QSize(449, 563));
    }

    void cornersAreExactlyTheKeyColour()
    {
        for (QPoint corner : {QPoint(0, 0), QPoint(448, 0), QPoint(0, 562), QPoint(448, 562)})
            QCOMPARE(m_skin.pixel(corner), key);
    }

    void borderIsWhollyKey()
    {
        for (int x = 0; x < m_skin.width(); ++x) {
            QVERIFY2(isKey({x, 0}), qPrintable(QStringLiteral("top row at x %1").arg(x)));
            QVERIFY2(isKey({x, 562}), qPrintable(QStringLiteral("bottom row at x %1").arg(x)));
        }
        for (int y = 0; y < m_skin.height(); ++y) {
            QVERIFY2(isKey({0, y}), qPrintable(QStringLiteral("left column at y %1").arg(y)));
            QVERIFY2(isKey({448, y}), qPrintable(QStringLiteral("right column at y %1").arg(y)));
        }
    }

    // On a screen that scales by two the window keeps its shape: the skin drawn at twice the
    // resolution is cut away exactly where the skin's pixel under it is.
    void doubleSkinIsCutWhereTheSkinIs()
    {
        const QImage doubled = QImage(QStringLiteral(VORE_ASSETS_DIR "/skin@2x.png"))
                                   .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(doubled.size(), m_skin.size() * 2);
        for (int y = 0; y < doubled.height(); ++y) {
            for (int x = 0; x < doubled.width(); ++x) {
                QVERIFY2((doubled.pixel(x, y) == key) == isKey({x / 2, y / 2}),
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
    }

    // Every key pixel reaches the border through key pixels: no holes in the window, and no
    // exact magenta left inside a shape.
    void noKeyPixelLiesInsideAShape()
    {
        std::vector<QPoint> border;
        for (int x = 0; x < m_skin.width(); ++x)
            border.insert(border.end(), {QPoint(x, 0), QPoint(x, 562)});
        for (int y = 0; y < m_skin.height(); ++y)
            border.insert(border.end(), {QPoint(0, y), QPoint(448, y)});
        std::vector<bool> seen(std::size_t(m_skin.width() * m_skin.height()));
        int outside = 0;
        flood(border, seen, true, [&](QPoint) { ++outside; });
        int keyPixels = 0;
        for (int y = 0; y < m_skin.height(); ++y) {
            for (int x = 0; x < m_skin.width(); ++x)
                keyPixels += isKey({x, y});
        }
        qInfo("key pixels: %d of %d", keyPixels, m_skin.width() * m_skin.height());
        QCOMPARE(outside, keyPixels);
    }

    void shapeIsTwoIslandsWithTheirExtents()
    {
        std::vector<bool> seen(std::size_t(m_skin.width() * m_skin.height()));
        QList<QRect> islands;
        for (int y = 0; y < m_skin.height(); ++y) {
            for (int x = 0; x < m_skin.width(); ++x) {
                if (seen[std::size_t(y * m_skin.width() + x)] || isKey({x, y}))
                    continue;
                QRect extent(x, y, 1, 1);
                flood({QPoint(x, y)}, seen, false, [&](QPoint p) { extent |= QRect(p, p); });
                islands.append(extent);
            }
        }
        for (const QRect& island : islands) {
            qInfo("island: x %d to %d, y %d to %d", island.left(), island.right(), island.top(),
                  island.bottom());
        }
        QCOMPARE(islands.size(), 2);
        // The title strip is found first, scanning from the top.
        const QRect strip = islands[0];
        const QRect board = islands[1];
        constexpr int slack = 3;
        const auto near = [](int actual, int expected) {
            return std::abs(actual - expected) <= slack;
        };
        QVERIFY(near(strip.left(), 250) && near(strip.right(), 447));
        QVERIFY(near(strip.top(), 1) && near(strip.bottom(), 50));
        QVERIFY(near(board.left(), 1) && near(board.right(), 446));
        QVERIFY(near(board.top(), 84) && near(board.bottom(), 561));

        // The window's region is built from horizontal runs of shape pixels, one each.
        int runs = 0;
        for (int y = 0; y < m_skin.height(); ++y) {
            for (int x = 0; x < m_skin.width(); ++x)
                runs += !isKey({x, y}) && (x == 0 || isKey({x - 1, y}));
        }
        qInfo("region rows: %d runs of shape pixels", runs);
    }

    // A shape pixel next to the cut must not be tinted towards magenta: blending an edge with
    // the key colour raises red and blue above green together.
    void edgesShowNoPinkFringe()
    {
        int edgePixels = 0;
        for (int y = 1; y < m_skin.height() - 1; ++y) {
            for (int x = 1; x < m_skin.width() - 1; ++x) {
                if (isKey({x, y}))
                    continue;
                if (!isKey({x + 1, y}) && !isKey({x - 1, y}) && !isKey({x, y + 1}) &&
                    !isKey({x, y - 1}))
                    continue;
                ++edgePixels;
                const QRgb p = m_skin.pixel(x, y);
                const bool pink = qRed(p) - qGreen(p) > 32 && qBlue(p) - qGreen(p) > 32;
                QVERIFY2(!pink, qPrintable(QStringLiteral("pinkish edge pixel at (%1, %2): %3")
                                               .arg(x)
                                               .arg(y)
                                               .arg(p, 8, 16)));
            }
        }
        qInfo("edge pixels checked: %d", edgePixels);
    }
};

QTEST_MAIN(SkinShapeTest)
#include "tst_skinislands.moc"
