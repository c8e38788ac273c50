#include "tools/draw/IcoFile.h"

#include "tools/draw/LittleEndian.h"

namespace {

constexpr std::uint32_t directorySize = 6;
constexpr std::uint32_t entrySize = 16;
constexpr std::uint32_t infoHeaderSize = 40;

QByteArray iconImage(const QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    const int colourRowBytes = paddedRowBytes(width * 24);
    const int maskRowBytes = paddedRowBytes(width);
    QByteArray out;
    appendLittleEndian32(out, infoHeaderSize);
    appendLittleEndian32(out, std::uint32_t(width));
    // An icon's header counts the colour rows and the mask rows together.
    appendLittleEndian32(out, std::uint32_t(2 * height));
    appendLittleEndian16(out, 1);
    appendLittleEndian16(out, 24);
    appendLittleEndian32(out, 0);
    appendLittleEndian32(out, std::uint32_t((colourRowBytes + maskRowBytes) * height));
    for (int field = 0; field < 4; ++field)
        appendLittleEndian32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            // Masked pixels are black so that the mask alone decides what shows.
            const bool opaque = qAlpha(pixel) == 255;
            out.append(char(opaque ? qBlue(pixel) : 0));
            out.append(char(opaque ? qGreen(pixel) : 0));
            out.append(char(opaque ? qRed(pixel) : 0));
        }
        out.append(colourRowBytes - width * 3, '\0');
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(image.pixel(x, y)) != 255)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray icoFile(const QList<QImage>& images)
{
    QByteArray out;
    appendLittleEndian16(out, 0); // reserved
    appendLittleEndian16(out, 1); // an icon, not a cursor
    appendLittleEndian16(out, std::uint16_t(images.size()));
    QList<QByteArray> bodies;
    for (const QImage& image : images)
        bodies.append(iconImage(image));
    auto offset = std::uint32_t(directorySize + entrySize * std::uint32_t(images.size()));
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0, as one byte cannot hold it.
        out.append(char(images[i].width() & 0xff));
        out.append(char(images[i].height() & 0xff));
        out.append(char(0)); // no palette
        out.append(char(0)); // reserved
        appendLittleEndian16(out, 1);
        appendLittleEndian16(out, 24);
        appendLittleEndian32(out, std::uint32_t(bodies[i].size()));
        appendLittleEndian32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const QByteArray& body : bodies)
        out.append(body);
    return out;
}
