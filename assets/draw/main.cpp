// Draws every picture of the game into a folder: the skin, the peg icons and the application
// icon. The same source gives the same pictures on every machine.

#include "assets/draw/AppIcon.h"
#include "assets/draw/BmpFile.h"
#include "assets/draw/IcoFile.h"
#include "assets/draw/PegIcons.h"
#include "assets/draw/Raster.h"
#include "assets/draw/Skin.h"

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

// The skin with its cut-away parts transparent, as it looks on a desktop.
QImage preview(const QImage& skin)
{
    QImage image = skin.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = skin.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (skin.pixel(x, y) == key)
                image.setPixel(x, y, 0);
        }
    }
    return image;
}

bool drawAll(const QDir& out, const QString& previewPath)
{
    if (!out.mkpath(QStringLiteral("pegs")) || !out.mkpath(QStringLiteral("icons")))
        return false;
    const QImage skin = drawSkin();
    bool written = writeFile(out.filePath(QStringLiteral("skin.bmp")), bmpFile(skin));
    for (int colour = 2; colour <= 9; ++colour)
        written = written &&
                  drawPegIcon(colour).save(out.filePath(QStringLiteral("pegs/%1.png").arg(colour)));
    for (int size : {16, 32, 48, 64, 128, 256})
        written = written && drawApplicationIcon(size).save(
                                 out.filePath(QStringLiteral("icons/%1.png").arg(size)));
    // The program file's icon holds its images in this order.
    const QList<QImage> iconImages = {drawApplicationIcon(64), drawApplicationIcon(16),
                                      drawApplicationIcon(32)};
    written = written && writeFile(out.filePath(QStringLiteral("app.ico")), icoFile(iconImages));
    if (!previewPath.isEmpty())
        written = written && preview(skin).save(previewPath);
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
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        err << "usage: vore-draw-assets OUTPUT-FOLDER [SKIN-PREVIEW.png]\n";
        return 2;
    }
    for (Face face : {Face::SerifBold, Face::SansBold}) {
        if (!QFile::exists(fontFile(face))) {
            err << "missing font " << fontFile(face) << " (package fonts-dejavu-core)\n";
            return 1;
        }
    }
    if (!drawAll(QDir(arguments[1]), arguments.value(2))) {
        err << "could not write the pictures into " << arguments[1] << "\n";
        return 1;
    }
    return 0;
}
