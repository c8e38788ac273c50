// A tool for the end-to-end scripts: knows the skin and the element table of the game, and
// reads pictures of its window taken on a real screen.
//   skin-probe facts                          shell assignments, see SkinFacts.h
//   skin-probe shape < RECTANGLES             "x y width height" lines against the skin
//   skin-probe cutaway SHOT X Y RRGGBB        the cut-away pixels show the background
//   skin-probe board SHOT X Y                 "label colour" for every peg display
//   skin-probe diff SHOT SHOT X Y WIDTH HEIGHT  how many pixels differ
//   skin-probe scaled-facts SCALE             shell assignments, see ScaledScreen.h
//   skin-probe scaled SHOT X Y SCALE RRGGBB < RECTANGLES  the window on a scaled screen
//   skin-probe about-text SHOT X Y SCALE      the About text inside its box
//   skin-probe colour SHOT X Y WIDTH HEIGHT N  pixels of peg colour N in an area
//   skin-probe nonkey-box                     "x y width height" round the skin's non-key pixels
// SHOT is a picture of the whole screen and X Y where the window lies on it.
#include "BoardReader.h"
#include "CommittedSkin.h"
#include "ScaledScreen.h"
#include "ScreenChecks.h"
#include "SkinFacts.h"
#include "layout/MainLayout.h"
#include "shell/SkinShape.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int usageError = 2;

QImage readShot(const QString& file)
{
    const QImage shot(file);
    if (shot.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
        std::exit(usageError);
    }
    return shot;
}

QImage windowIn(const QString& shotFile, const QString& x, const QString& y, QSize size)
{
    return readShot(shotFile).copy(QRect(QPoint(x.toInt(), y.toInt()), size));
}

std::vector<QRect> readRectangles()
{
    std::vector<QRect> rects;
    QTextStream in(stdin);
    int x, y, width, height;
    while (true) {
        in >> x >> y >> width >> height;
        if (in.status() != QTextStream::Ok)
            break;
        rects.emplace_back(x, y, width, height);
    }
    return rects;
}

int run(const QStringList& args, QTextStream& out)
{
    const QImage skin = committedSkin();
    const std::vector<Element> elements = MainLayout::createElements();
    const QString command = args.value(0);

    if (command == QLatin1String("facts") && args.size() == 1) {
        writeSkinFacts(skin, elements, out);
        return 0;
    }
    if (command == QLatin1String("shape") && args.size() == 1)
        return checkShape(skin, readRectangles(), out) ? 0 : 1;
    if (command == QLatin1String("cutaway") && args.size() == 5) {
        const QRgb root = args[4].toUInt(nullptr, 16);
        return checkCutAway(windowIn(args[1], args[2], args[3], skin.size()), skin, root, out) ? 0
                                                                                               : 1;
    }
    if (command == QLatin1String("board") && args.size() == 4) {
        const QImage window = windowIn(args[1], args[2], args[3], skin.size());
        for (const PegReading& reading : readBoard(window, skin, elements))
            out << reading.label << ' ' << reading.colour << '\n';
        return 0;
    }
    if (command == QLatin1String("diff") && args.size() == 7) {
        const QRect area(args[3].toInt(), args[4].toInt(), args[5].toInt(), args[6].toInt());
        out << countDifferences(readShot(args[1]), readShot(args[2]), area) << '\n';
        return 0;
    }
    if (command == QLatin1String("scaled-facts") && args.size() == 2) {
        writeScaledFacts(skin, elements, args[1].toDouble(), out);
        return 0;
    }
    if (command == QLatin1String("scaled") && args.size() == 6) {
        const double scale = args[4].toDouble();
        const QImage window =
            windowIn(args[1], args[2], args[3], ScaledSkin(skin, scale).deviceSize());
        return checkScaledWindow(window, skin, committedLargeSkin(), scale,
                                 args[5].toUInt(nullptr, 16), readRectangles(), out)
                   ? 0
                   : 1;
    }
    if (command == QLatin1String("about-text") && args.size() == 5) {
        const QImage dialog =
            readShot(args[1]).copy(QRect(args[2].toInt(), args[3].toInt(), 1 << 14, 1 << 14));
        return checkAboutText(dialog, args[4].toDouble(), out) ? 0 : 1;
    }
    if (command == QLatin1String("nonkey-box") && args.size() == 1) {
        const QRect box = BuildSkinRegion(skin).boundingRect();
        out << box.x() << ' ' << box.y() << ' ' << box.width() << ' ' << box.height() << '\n';
        return 0;
    }
    if (command == QLatin1String("colour") && args.size() == 7) {
        writeColourExtent(readShot(args[1]).convertToFormat(QImage::Format_RGB32),
                          QRect(args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt()),
                          args[6].toInt(), out);
        return 0;
    }
    std::fprintf(stderr, "usage: skin-probe facts | shape | cutaway SHOT X Y RRGGBB | "
                         "board SHOT X Y | diff SHOT SHOT X Y WIDTH HEIGHT | scaled-facts SCALE | "
                         "scaled SHOT X Y SCALE RRGGBB | about-text SHOT X Y SCALE | "
                         "colour SHOT X Y WIDTH HEIGHT N | nonkey-box\n");
    return usageError;
}

} // namespace

int main(int argc, char* argv[])
{
    // Peg pictures are pixmaps, which need a GUI application but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    return run(app.arguments().mid(1), out);
}
