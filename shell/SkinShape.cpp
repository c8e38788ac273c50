#include "shell/SkinShape.h"

#include <bit>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

enum class Seek
{
    Key,
    NotKey
};

#if defined(__SSE2__)
// All ones in the lanes of four pixels that are the key.
__m128i keyLanes(const QRgb* pixels, __m128i keys)
{
    return _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels)), keys);
}
#endif

// The first column from x on whose pixel is (or is not) the key, or the width if none is.
// Runs are long, so sixteen pixels, then four, are compared at a time where the processor can:
// the scan is most of the work start-up does on the skin.
int seek(const QRgb* line, int x, int width, QRgb key, Seek seek)
{
#if defined(__SSE2__)
    const __m128i keys = _mm_set1_epi32(static_cast<int>(key));
    const unsigned flip16 = seek == Seek::NotKey ? 0xFFFF : 0;
    for (; x + 16 <= width; x += 16) {
        // Narrowed with saturation to one byte per pixel, in order, then one bit per pixel.
        const __m128i low = _mm_packs_epi32(keyLanes(line + x, keys), keyLanes(line + x + 4, keys));
        const __m128i high =
            _mm_packs_epi32(keyLanes(line + x + 8, keys), keyLanes(line + x + 12, keys));
        const unsigned found =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high))) ^ flip16;
        if (found != 0)
            return x + std::countr_zero(found);
    }
    for (; x + 4 <= width; x += 4) {
        // One bit per pixel, set where the pixel is the key.
        unsigned found = _mm_movemask_ps(_mm_castsi128_ps(keyLanes(line + x, keys)));
        if (seek == Seek::NotKey)
            found ^= 0xF;
        if (found != 0)
            return x + std::countr_zero(found);
    }
#endif
    for (; x < width; ++x) {
        if ((line[x] == key) == (seek == Seek::Key))
            return x;
    }
    return width;
}

// Colours compare as red, green and blue only, as a pixel read from the screen would. A face
// whose key is already transparent is compared as it is, alpha included: its key pixels are
// the only ones with alpha 0, and flattening them would make them black like the skin's own
// black pixels.
QImage comparable(const QImage& skin)
{
    const QImage::Format format = skin.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied
               ? skin
               : skin.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QRegion BuildSkinRegion(const QImage& skin)
{
    if (skin.isNull())
        return {};
    const QImage image = comparable(skin);
    const int width = image.width();
    const QRgb key = image.pixel(0, 0);

    // Collected first and handed over at once: uniting run by run would copy the growing
    // region for every run.
    std::vector<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = seek(line, 0, width, key, Seek::NotKey);
        while (x < width) {
            const int end = seek(line, x, width, key, Seek::Key);
            runs.emplace_back(x, y, end - x, 1);
            x = seek(line, end, width, key, Seek::NotKey);
        }
    }

    // The runs come sorted by row, then column, one pixel high and never touching sideways:
    // the banded form that QRegion keeps, so they can be taken as they are.
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}
