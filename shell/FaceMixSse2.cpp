#include "shell/FaceMix.h"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace FaceMix {

namespace {

__m128i loaded(const QRgb* pixels)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
}

// Two rows' halves of four channels each, widened to 16 bits a channel, mixed as the portable
// form mixes them: no lane overflows, as the weights add up to 256.
__m128i mixedHalves(__m128i first, __m128i second, __m128i rest, __m128i share)
{
    return _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(first, rest), _mm_mullo_epi16(second, share)), 8);
}

// The pair of pixels that begins at a column of the mixed row, each channel times its pixel's
// weight.
__m128i weighedPair(const QRgb* pair, const PairWeights& weights)
{
    const __m128i pixels = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pair));
    return _mm_mullo_epi16(_mm_unpacklo_epi8(pixels, _mm_setzero_si128()),
                           _mm_load_si128(reinterpret_cast<const __m128i*>(&weights)));
}

// Two weighed pairs, each added up into its pixel in 16 bits a channel.
__m128i twoPixels(__m128i first, __m128i second)
{
    const __m128i sums =
        _mm_add_epi16(_mm_unpacklo_epi64(first, second), _mm_unpackhi_epi64(first, second));
    return _mm_srli_epi16(sums, 8);
}

} // namespace

void mixRowsSse2(const QRgb* first, const QRgb* second, QRgb* mixed, int count, quint16 share)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i rest = _mm_set1_epi16(short(256 - share)), weight = _mm_set1_epi16(short(share));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i from = loaded(first + i), to = loaded(second + i);
        const __m128i low =
            mixedHalves(_mm_unpacklo_epi8(from, zero), _mm_unpacklo_epi8(to, zero), rest, weight);
        const __m128i high =
            mixedHalves(_mm_unpackhi_epi8(from, zero), _mm_unpackhi_epi8(to, zero), rest, weight);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(mixed + i), _mm_packus_epi16(low, high));
    }
    mixRowsPortable(first + i, second + i, mixed + i, count - i, share);
}

void paintRunSse2(const Run& run)
{
    // Kept in locals: the stores to the line could otherwise be the run's own fields.
    const QRgb* mixed = run.mixed;
    const int* before = run.before;
    const PairWeights* weights = run.weights;
    QRgb* line = run.line;
    const int end = run.end;
    const __m128i opaque = _mm_set1_epi8(char(0xFF));
    int x = run.begin;
    for (; x + 4 <= end; x += 4) {
        const __m128i pixels =
            _mm_packus_epi16(twoPixels(weighedPair(mixed + before[x], weights[x]),
                                       weighedPair(mixed + before[x + 1], weights[x + 1])),
                             twoPixels(weighedPair(mixed + before[x + 2], weights[x + 2]),
                                       weighedPair(mixed + before[x + 3], weights[x + 3])));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + x), pixels);
        // One bit for each pixel's alpha byte; few pixels, those at the outline, are not opaque.
        if ((_mm_movemask_epi8(_mm_cmpeq_epi8(pixels, opaque)) & 0x8888) != 0x8888) {
            for (int i = x; i < x + 4; ++i) {
                if (qAlpha(line[i]) != 255)
                    line[i] = madeOpaque(line[i], run, i);
            }
        }
    }
    Run rest = run;
    rest.begin = x;
    paintRunPortable(rest);
}

} // namespace FaceMix

#endif
