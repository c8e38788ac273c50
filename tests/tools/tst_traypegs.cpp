#include "layout/MainLayout.h"
#include "pegs/PegColour.h"

#include <QTest>
#include <algorithm>
#include <map>

// A press in the tray carries the colour that the palette reads in the skin; the player expects
// the colour of the peg under the pointer. The drawing program knows which peg it drew at every
// pixel: its map is held against the palette's reading of the committed skins.
class TrayPegsTest : public QObject
{
    Q_OBJECT

private:
    // The board ends left of here; the tray lies on this side.
    static constexpr int trayStart = 208;

    // What a committed skin shows and which peg the drawing put at each of its pixels.
    struct Scene
    {
        QImage skin;
        QImage pegs;
        int scale = 1; // skin pixels per pixel of the window's design
        std::vector<bool> underStrips;

        int colourAt(int x, int y) const
        {
            const QRgb p = skin.pixel(x, y);
            return classifyPegColour(qRed(p), qGreen(p), qBlue(p));
        }
        int pegAt(int x, int y) const
        {
            return qGreen(pegs.pixel(x, y)) << 8 | qBlue(pegs.pixel(x, y));
        }
        int pegColourAt(int x, int y) const { return qRed(pegs.pixel(x, y)); }
        bool stripsCover(int x, int y) const
        {
            return underStrips[std::size_t(y) * std::size_t(skin.width()) + std::size_t(x)];
        }
    };

    // Pixels of a kind, how many of them fail a check and the first that does.
    struct Tally
    {
        int all = 0;
        int failing = 0;
        QPoint first{-1, -1};

        void add(QPoint pixel, bool fails)
        {
            ++all;
            if (fails && failing++ == 0)
                first = pixel;
        }
        double share() const { return 100.0 * failing / std::max(all, 1); }
        QString failingText() const
        {
            return QStringLiteral("%1 of them (%2%), the first at (%3, %4),")
                .arg(failing)
                .arg(share(), 0, 'f', 1)
                .arg(first.x())
                .arg(first.y());
        }
    };

    // The pixels of one peg that are seen under the strips.
    struct VisiblePeg
    {
        int colour = 0;
        std::vector<QPoint> pixels;
    };

    static void addScenes()
    {
        QTest::addColumn<QString>("skinFile");
        QTest::addColumn<QString>("pegsFile");
        QTest::addColumn<int>("scale");
        QTest::newRow("skin") << QStringLiteral(VORE_ASSETS_DIR "/skin.bmp")
                              << QStringLiteral(VORE_DRAWN_DIR "/skin-pegs.png") << 1;
        QTest::newRow("skin@2x") << QStringLiteral(VORE_ASSETS_DIR "/skin@2x.png")
                                 << QStringLiteral(VORE_DRAWN_DIR "/skin@2x-pegs.png") << 2;
    }

    static Scene loadScene()
    {
        QFETCH(QString, skinFile);
        QFETCH(QString, pegsFile);
        QFETCH(int, scale);
        Scene scene{QImage(skinFile).convertToFormat(QImage::Format_RGB32),
                    QImage(pegsFile).convertToFormat(QImage::Format_RGB32),
                    scale,
                    {}};
        if (scene.skin.size() != MainLayout::skinSize * scale ||
            scene.pegs.size() != scene.skin.size())
            qFatal("%s or %s is missing or of the wrong size", qPrintable(skinFile),
                   qPrintable(pegsFile));
        scene.underStrips.assign(std::size_t(scene.skin.width()) * std::size_t(scene.skin.height()),
                                 false);
        for (const Element& e : MainLayout::createElements()) {
            if (e.name != "koliky")
                continue;
            const QRect strip(e.rect.topLeft() * scale, e.rect.size() * scale);
            for (int y = strip.top(); y <= strip.bottom(); ++y) {
                for (int x = strip.left(); x <= strip.right(); ++x)
                    scene.underStrips[std::size_t(y) * std::size_t(scene.skin.width()) +
                                      std::size_t(x)] = true;
            }
        }
        return scene;
    }

    template <typename Visit> static void forEachStripPixel(const Scene& scene, Visit visit)
    {
        for (int y = 0; y < scene.skin.height(); ++y) {
            for (int x = 0; x < scene.skin.width(); ++x) {
                if (scene.stripsCover(x, y))
                    visit(x, y);
            }
        }
    }

    static std::map<int, VisiblePeg> visiblePegs(const Scene& scene)
    {
        std::map<int, VisiblePeg> pegs;
        forEachStripPixel(scene, [&](int x, int y) {
            const int peg = scene.pegAt(x, y);
            if (peg == 0)
                return;
            pegs[peg].colour = scene.pegColourAt(x, y);
            pegs[peg].pixels.push_back({x, y});
        });
        return pegs;
    }

    // The seen pixel deepest inside the seen part of the peg, where a player aims: the one
    // farthest from every pixel outside it, by a chamfer distance (3 along, 4 across).
    static QPoint visibleCentre(const std::vector<QPoint>& pixels)
    {
        QRect box;
        for (QPoint p : pixels)
            box |= QRect(p, QSize(1, 1));
        box.adjust(-1, -1, 1, 1);
        const int w = box.width();
        std::vector<int> distance(std::size_t(w * box.height()), 0);
        const auto at = [&](int x, int y) -> int& { return distance[std::size_t(y * w + x)]; };
        for (QPoint p : pixels)
            at(p.x() - box.left(), p.y() - box.top()) = 1 << 20;
        for (int y = 1; y < box.height() - 1; ++y) {
            for (int x = 1; x < w - 1; ++x) {
                at(x, y) = std::min({at(x, y), at(x - 1, y) + 3, at(x, y - 1) + 3,
                                     at(x - 1, y - 1) + 4, at(x + 1, y - 1) + 4});
            }
        }
        QPoint deepest = pixels.front();
        int deepestDistance = -1;
        for (int y = box.height() - 2; y >= 1; --y) {
            for (int x = w - 2; x >= 1; --x) {
                at(x, y) = std::min({at(x, y), at(x + 1, y) + 3, at(x, y + 1) + 3,
                                     at(x + 1, y + 1) + 4, at(x - 1, y + 1) + 4});
                if (at(x, y) > deepestDistance && at(x, y) > 0) {
                    deepestDistance = at(x, y);
                    deepest = QPoint(x, y) + box.topLeft();
                }
            }
        }
        return deepest;
    }

private slots:
    void colourReadInTheTrayIsThePegDrawnThere_data() { addScenes(); }

    // A pixel that reads as a colour lies on a peg of that colour; at the edge of a peg it may
    // rarely take on its neighbour's.
    void colourReadInTheTrayIsThePegDrawnThere()
    {
        const Scene scene = loadScene();
        Tally astray;
        forEachStripPixel(scene, [&](int x, int y) {
            const int colour = scene.colourAt(x, y);
            if (colour != 0)
                astray.add({x, y}, colour != scene.pegColourAt(x, y));
        });
        qInfo("%d strip pixels read as a colour, %s on no peg or a peg of another colour",
              astray.all, qPrintable(astray.failingText()));
        QVERIFY(astray.all > 0);
        QVERIFY(astray.share() <= 1.0);
    }

    void everyPegReadsAsItsOwnColour_data() { addScenes(); }

    // Every peg that shows enough of itself under the strips to be aimed at gives its colour
    // over most of it and where the player aims, in its middle.
    void everyPegReadsAsItsOwnColour()
    {
        const Scene scene = loadScene();
        const int enoughToAimAt = 30 * scene.scale * scene.scale;
        int checked = 0;
        double lowestShare = 100;
        QStringList failures;
        for (const auto& [number, peg] : visiblePegs(scene)) {
            if (peg.colour < 2 || peg.colour > 7 || int(peg.pixels.size()) < enoughToAimAt)
                continue;
            ++checked;
            const auto own = std::count_if(peg.pixels.begin(), peg.pixels.end(), [&](QPoint p) {
                return scene.colourAt(p.x(), p.y()) == peg.colour;
            });
            const double share = 100.0 * double(own) / double(peg.pixels.size());
            lowestShare = std::min(lowestShare, share);
            const QPoint centre = visibleCentre(peg.pixels);
            const int atCentre = scene.colourAt(centre.x(), centre.y());
            if (share < 60 || atCentre != peg.colour)
                failures << QStringLiteral("peg %1 of colour %2: %3 pixels, %4% its own colour, "
                                           "reads %5 at its centre (%6, %7)")
                                .arg(number)
                                .arg(peg.colour)
                                .arg(peg.pixels.size())
                                .arg(share, 0, 'f', 0)
                                .arg(atCentre)
                                .arg(centre.x())
                                .arg(centre.y());
        }
        qInfo("%d pegs show at least %d pixels under the strips, the least of them %.0f%% in its "
              "own colour; %lld read wrongly",
              checked, enoughToAimAt, lowestShare, failures.size());
        for (const QString& failure : failures)
            qInfo("%s", qPrintable(failure));
        QVERIFY(checked >= 100);
        QVERIFY(failures.isEmpty());
    }

    void loosePegsLieUnderTheStrips_data() { addScenes(); }

    // A press on a peg outside the strips would drag the window instead of taking the peg.
    void loosePegsLieUnderTheStrips()
    {
        const Scene scene = loadScene();
        Tally outside;
        for (int y = 0; y < scene.skin.height(); ++y) {
            for (int x = trayStart * scene.scale; x < scene.skin.width(); ++x) {
                if (scene.pegAt(x, y) != 0)
                    outside.add({x, y}, !scene.stripsCover(x, y));
            }
        }
        qInfo("%d peg pixels on the tray's side, %s outside the strips", outside.all,
              qPrintable(outside.failingText()));
        QVERIFY(outside.all > 0);
        QVERIFY(outside.share() <= 1.0);
    }

    void stripsCoverEveryColourWithRoomBetween_data() { addScenes(); }

    // Each of the six colours must be easy to hit, and there must be room between the pegs that
    // picks up nothing.
    void stripsCoverEveryColourWithRoomBetween()
    {
        const Scene scene = loadScene();
        std::array<int, 8> counts{};
        int covered = 0;
        forEachStripPixel(scene, [&](int x, int y) {
            ++counts[std::size_t(scene.colourAt(x, y))];
            ++covered;
        });
        const double noColour = 100.0 * counts[0] / double(covered);
        qInfo("strips: %d pixels; yellow %d, orange %d, red %d, blue %d, green %d, tan %d; "
              "no colour %d (%.1f%%)",
              covered, counts[2], counts[3], counts[4], counts[5], counts[6], counts[7], counts[0],
              noColour);
        for (int colour = 2; colour <= 7; ++colour)
            QVERIFY2(counts[std::size_t(colour)] >= 1200 * scene.scale * scene.scale,
                     qPrintable(QString::number(colour)));
        QVERIFY(noColour >= 40 && noColour <= 70);
    }
};

QTEST_MAIN(TrayPegsTest)
#include "tst_traypegs.moc"
