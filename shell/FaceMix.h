#pragma once

#include <QRgb>

// How a run of device pixels is brought from the large face, in two forms that give the same
// pixels from the same tables: the portable one, compiled everywhere and the reference, and a
// data-parallel twin where the processor has one (SSE2, which every x86-64 processor has).
namespace FaceMix {

// The weights in 256ths of two neighbouring pixels that a device column mixes, the first pixel's
// in the lower four lanes and the second's in the upper four, one lane a channel: the pair, read
// at once and widened to 16 bits a channel, is weighed with one multiplication.
struct alignas(16) PairWeights
{
    quint16 lanes[8];
};
PairWeights pairWeights(quint16 share);

// The device pixels of a row from begin up to end, not included, that lie over a run of kept
// skin pixels, and what they are made of.
struct Run
{
    // The rows of the large face before and after the device row's centre, indexed by the large
    // face's columns, and the share of the row after in 256ths, 0 to 256.
    const QRgb* above;
    const QRgb* below;
    quint16 share;
    // Room for the two rows mixed, indexed by the large face's columns: one 64-bit word a pixel,
    // a channel in each 16 bits, in the order that the form keeps them.
    quint64* mixed;
    // The plain face's row that Qt paints on the device row, indexed by its columns.
    const QRgb* plain;
    // Indexed by device columns: the first of the pair of large columns that each mixes, the
    // pair's weights, and the plain face's column that Qt paints there.
    const int* before;
    const PairWeights* weights;
    const int* skinColumns;
    // The target's row, indexed by device columns.
    QRgb* line;
    int begin;
    int end;
};

// A device pixel that sampling left less than opaque, made whole: sampling took in some of the
// transparent outside, which its colour does not show. Where the device's size is rounded away
// from the face's size times the ratio (at 1.125, say), the samples drift from the skin pixels
// Qt paints, and a pixel at the outline may sample nothing but the outside: it shows the plain
// face's pixel.
QRgb madeOpaque(QRgb pixel, const Run& run, int x);

// Paints the run's device pixels: the two rows mixed channel by channel over the columns that
// the run samples, the row after weighing its share and the row before the rest, then each
// device pixel's pair of the mix weighed, and the pixel made opaque. Mixing the rows first
// leaves one mix per device pixel, not three.
using PaintRun = void (*)(const Run& run);

void paintRunPortable(const Run& run);
#if defined(__SSE2__)
void paintRunSse2(const Run& run);
inline constexpr PaintRun fastest = &paintRunSse2;
#else
inline constexpr PaintRun fastest = &paintRunPortable;
#endif

} // namespace FaceMix
