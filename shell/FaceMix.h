#pragma once

#include <QRgb>

// The two steps that bring the large face to a device row, in two forms that give the same
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
    // The large face's two rows mixed, indexed by its columns.
    const QRgb* mixed;
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

struct Form
{
    // Two rows of premultiplied pixels mixed channel by channel, the second weighing share in
    // 256ths (0 to 256) and the first the rest.
    void (*mixRows)(const QRgb* first, const QRgb* second, QRgb* mixed, int count, quint16 share);
    // The run's device pixels, each its pair of the mixed row weighed, made opaque.
    void (*paintRun)(const Run& run);
};

void mixRowsPortable(const QRgb* first, const QRgb* second, QRgb* mixed, int count, quint16 share);
void paintRunPortable(const Run& run);
inline constexpr Form portable{&mixRowsPortable, &paintRunPortable};

#if defined(__SSE2__)
void mixRowsSse2(const QRgb* first, const QRgb* second, QRgb* mixed, int count, quint16 share);
void paintRunSse2(const Run& run);
inline constexpr Form fastest{&mixRowsSse2, &paintRunSse2};
#else
inline constexpr Form fastest = portable;
#endif

} // namespace FaceMix
