// Draws every picture of the game into a folder: the skin, the peg icons and the application
// icon, the skin and the pegs also at twice the resolution. The same source gives the same pictures
// on every machine.

#include "assets/RawPicture.h"
#include "tools/draw/AppIcon.h"
#include "tools/draw/BmpFile.h"
#include "tools/draw/IcoFile.h"
#include "tools/draw/PegIcons.h"
#include "tools/draw/Raster.h"
#include "tools/draw/Skin.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool drawAll(const QDir& out, const QString& previewPath, bool pegMaps)
{
    if (!out.mkpath(QStringLiteral("pegs")) || !out.mkpath(QStringLiteral("icons")))
        return false;
    const SkinDrawings drawings = drawSkins();
    const QImage& skin = drawings.single.skin;
    bool written = writeFile(out.filePath(QStringLiteral("skin.bmp")), bmpFile(skin)) &&
                   drawings.doubled.skin.save(out.filePath(QStringLiteral("skin@2x.png")));
    if (pegMaps)
        written = written &&
                  drawings.single.pegs.save(out.filePath(QStringLiteral("skin-pegs.png"))) &&
                  drawings.doubled.pegs.save(out.filePath(QStringLiteral("skin@2x-pegs.png")));
    for (int colour = 2; colour <= 9; ++colour) {
        for (const auto& [ratio, suffix] : {std::pair(1, ""), std::pair(2, "@2x")})
            written =
                written &&
                drawPegIcon(colour, ratio)
                    .save(out.filePath(QStringLiteral("pegs/%1%2.png").arg(colour).arg(suffix)));
    }
    for (int size : {16, 32, 48, 64, 128, 256})
        written = written && drawApplicationIcon(size).save(
                                 out.filePath(QStringLiteral("icons/%1.png").arg(size)));
    // The program file's icon holds its images in this order.
    const QList<QImage> iconImages = {drawApplicationIcon(64), drawApplicationIcon(16),
                                      drawApplicationIcon(32)};
    written = written && writeFile(out.filePath(QStringLiteral("app.ico")), icoFile(iconImages));
    // The preview shows the skin as it looks on a desktop, its cut-away parts transparent.
    if (!previewPath.isEmpty())
        written = written && RawPicture::transparentKeyFace(skin).save(previewPath);
    return written;
}

} // namespace

int main(int argc, char* argv[])
{
    // Nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of the game."));
    parser.addHelpOption();
    // The tests compare these maps with what the palette reads in the committed skins.
    const QCommandLineOption pegMaps(
        QStringLiteral("peg-maps"),
        QStringLiteral("Also write which loose peg every skin pixel shows (skin-pegs.png, "
                       "skin@2x-pegs.png)."));
    parser.addOption(pegMaps);
    parser.addPositionalArgument(QStringLiteral("OUTPUT-FOLDER"),
                                 QStringLiteral("Where the pictures are written."));
    parser.addPositionalArgument(QStringLiteral("SKIN-PREVIEW.png"),
                                 QStringLiteral("The skin as seen on a desktop."),
                                 QStringLiteral("[SKIN-PREVIEW.png]"));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty() || arguments.size() > 2)
        parser.showHelp(2);
    for (Face face : {Face::SerifBold, Face::SansBold}) {
        if (!QFile::exists(fontFile(face))) {
            err << "missing font " << fontFile(face) << " (package fonts-dejavu-core)\n";
            return 1;
        }
    }
    if (!drawAll(QDir(arguments[0]), arguments.value(1), parser.isSet(pegMaps))) {
        err << "could not write the pictures into " << arguments[0] << "\n";
        return 1;
    }
    return 0;
}
