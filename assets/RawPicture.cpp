#include "assets/RawPicture.h"

#include <cstring>

namespace RawPicture {

namespace {

constexpr qsizetype headerSize = 2 * sizeof(quint32);
constexpr quint32 largestSide = 16384;

} // namespace

QByteArray encode(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const quint32 header[] = {quint32(pixels.width()), quint32(pixels.height())};
    const qsizetype rowBytes = qsizetype(pixels.width()) * 4;
    QByteArray bytes(headerSize + rowBytes * pixels.height(), Qt::Uninitialized);
    std::memcpy(bytes.data(), header, headerSize);
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(bytes.data() + headerSize + y * rowBytes, pixels.constScanLine(y), rowBytes);
    return bytes;
}

QImage view(QByteArrayView bytes)
{
    if (bytes.size() < headerSize)
        return {};
    quint32 header[2];
    std::memcpy(header, bytes.data(), headerSize);
    const auto [width, height] = header;
    if (width == 0 || height == 0 || width > largestSide || height > largestSide ||
        bytes.size() != headerSize + qsizetype(width) * height * 4)
        return {};
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.data()) + headerSize;
    const QImage image(pixels, int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    // Resource data is aligned only as the platform aligns byte arrays; where that leaves the
    // pixels off their word boundary, a copy costs less than reading them unaligned.
    return reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0 ? image : image.copy();
}

QImage transparentKeyFace(const QImage& skin)
{
    if (skin.isNull())
        return {};
    // Colours compare as red, green and blue only, as the window's shape compares them.
    const QImage image = skin.convertToFormat(QImage::Format_RGB32);
    const QRgb key = image.pixel(0, 0);
    const int width = image.width();
    // Opaque RGB32 pixels are already valid premultiplied ARGB, so one pass copies them and
    // clears the key.
    QImage face(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = source[x] == key ? 0 : source[x];
    }
    return face;
}

} // namespace RawPicture
