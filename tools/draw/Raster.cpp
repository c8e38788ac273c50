#include "tools/draw/Raster.h"

#include <QImage>
#include <QPainter>
#include <QRawFont>

Field coverage(QSize size, float scale, const std::function<void(QPainter&)>& draw)
{
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.scale(scale, scale);
        draw(painter);
    }
    Field field(size.width(), size.height());
    for (int y = 0; y < size.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < size.width(); ++x)
            field.at(x, y) = float(line[x]) / 255.0f;
    }
    return field;
}

QString fontFile(Face face)
{
    const QString folder = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    return folder + (face == Face::SerifBold ? QStringLiteral("DejaVuSerif-Bold.ttf")
                                             : QStringLiteral("DejaVuSans-Bold.ttf"));
}

QPainterPath textOutline(Face face, float pixelSize, const QString& text)
{
    // Unhinted outlines: hinting would tie the shapes to the font engine's version.
    const QRawFont font(fontFile(face), pixelSize, QFont::PreferNoHinting);
    Q_ASSERT(font.isValid());
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath outline;
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        outline.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return outline;
}
