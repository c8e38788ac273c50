#include "shell/FaceMix.h"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace FaceMix {

namespace {

__m128i loaded(const void* bytes)
{
    return _mm_loadu_si128(static_cast<const __m128i*>(bytes));
}

// Two rows of the run mixed over the columns from one up to another, not included, kept with a
// channel in each 16 bits in the order of the pixel's bytes: a device pixel then reads its pair
// widened, with one load.
void mixRows(const Run& run, int from, int to)
{
    // Kept in locals: the stores could otherwise be the run's own fields.
    const QRgb* above = run.above;
    const QRgb* below = run.below;
    quint64* mixed = run.mixed;
    const __m128i zero = _mm_setzero_si128();
    const __m128i rest = _mm_set1_epi16(short(256 - run.share));
    const __m128i share = _mm_set1_epi16(short(run.share));
    // Widened channels, four or eight; no lane overflows, as the weights add up to 256.
    const auto mix = [&](__m128i first, __m128i second) {
        return _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(first, rest), _mm_mullo_epi16(second, share)), 8);
    };
    int column = from;
    for (; column + 4 <= to; column += 4) {
        const __m128i first = loaded(above + column), second = loaded(below + column);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(mixed + column),
                         mix(_mm_unpacklo_epi8(first, zero), _mm_unpacklo_epi8(second, zero)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(mixed + column + 2),
                         mix(_mm_unpackhi_epi8(first, zero), _mm_unpackhi_epi8(second, zero)));
    }
    for (; column < to; ++column) {
        const __m128i first = _mm_cvtsi32_si128(int(above[column]));
        const __m128i second = _mm_cvtsi32_si128(int(below[column]));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(mixed + column),
                         mix(_mm_unpacklo_epi8(first, zero), _mm_unpacklo_epi8(second, zero)));
    }
}

// Two weighed pairs, each added up into its pixel in 16 bits a channel.
__m128i twoPixels(__m128i first, __m128i second)
{
    const __m128i sums =
        _mm_add_epi16(_mm_unpacklo_epi64(first, second), _mm_unpackhi_epi64(first, second));
    return _mm_srli_epi16(sums, 8);
}

} // namespace

void paintRunSse2(const Run& run)
{
    mixRows(run, run.before[run.begin], run.before[run.end - 1] + 2);
    // Kept in locals: the stores to the line could otherwise be the run's own fields.
    const quint64* mixed = run.mixed;
    const int* before = run.before;
    const PairWeights* weights = run.weights;
    QRgb* line = run.line;
    const int end = run.end;
    // The pair of mixed pixels that device column x reads, each channel times its weight.
    const auto pair = [&](int x) {
        return _mm_mullo_epi16(loaded(mixed + before[x]),
                               _mm_load_si128(reinterpret_cast<const __m128i*>(weights + x)));
    };
    const __m128i opaque = _mm_set1_epi8(char(0xFF));
    int x = run.begin;
    for (; x + 4 <= end; x += 4) {
        const __m128i pixels =
            _mm_packus_epi16(twoPixels(pair(x), pair(x + 1)), twoPixels(pair(x + 2), pair(x + 3)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + x), pixels);
        // One bit for each pixel's alpha byte; few pixels, those at the outline, are not opaque.
        if ((_mm_movemask_epi8(_mm_cmpeq_epi8(pixels, opaque)) & 0x8888) != 0x8888) {
            for (int i = x; i < x + 4; ++i) {
                if (qAlpha(line[i]) != 255)
                    line[i] = madeOpaque(line[i], run, i);
            }
        }
    }
    for (; x < end; ++x) {
        const __m128i weighed = pair(x);
        const auto pixel = QRgb(
            _mm_cvtsi128_si32(_mm_packus_epi16(twoPixels(weighed, weighed), _mm_setzero_si128())));
        line[x] = qAlpha(pixel) == 255 ? pixel : madeOpaque(pixel, run, x);
    }
}

} // namespace FaceMix

#endif
