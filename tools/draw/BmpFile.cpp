#include "tools/draw/BmpFile.h"

#include "tools/draw/LittleEndian.h"

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t pixelsPerMetre = 3780; // 96 dots per inch

} // namespace

QByteArray bmpFile(const QImage& image)
{
    const int rowBytes = paddedRowBytes(image.width() * 24);
    const auto pixelBytes = std::uint32_t(rowBytes * image.height());
    const std::uint32_t offset = fileHeaderSize + infoHeaderSize;
    QByteArray out;
    out.reserve(int(offset + pixelBytes));
    out.append("BM");
    appendLittleEndian32(out, offset + pixelBytes);
    appendLittleEndian32(out, 0); // reserved
    appendLittleEndian32(out, offset);
    appendLittleEndian32(out, infoHeaderSize);
    appendLittleEndian32(out, std::uint32_t(image.width()));
    appendLittleEndian32(out, std::uint32_t(image.height())); // positive: bottom row first
    appendLittleEndian16(out, 1);                             // planes
    appendLittleEndian16(out, 24);                            // bits per pixel
    appendLittleEndian32(out, 0);                             // no compression
    appendLittleEndian32(out, pixelBytes);
    appendLittleEndian32(out, pixelsPerMetre);
    appendLittleEndian32(out, pixelsPerMetre);
    appendLittleEndian32(out, 0); // colours used: no table
    appendLittleEndian32(out, 0); // important colours: all
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.append(char(qBlue(pixel)));
            out.append(char(qGreen(pixel)));
            out.append(char(qRed(pixel)));
        }
        out.append(rowBytes - image.width() * 3, '\0');
    }
    return out;
}
