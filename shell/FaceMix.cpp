#include "shell/FaceMix.h"

namespace FaceMix {

namespace {

// A premultiplied pixel with each channel in 16 bits of its own, room for the channel times a
// weight in 256ths.
quint64 widened(QRgb pixel)
{
    return (pixel & 0x00FF00FFu) | (quint64(pixel & 0xFF00FF00u) << 24);
}

QRgb narrowed(quint64 channels)
{
    return QRgb(channels & 0x00FF00FFu) | QRgb((channels >> 24) & 0xFF00FF00u);
}

} // namespace

PairWeights pairWeights(quint16 share)
{
    const auto rest = quint16(256 - share);
    return {{rest, rest, rest, rest, share, share, share, share}};
}

QRgb madeOpaque(QRgb pixel, const Run& run, int x)
{
    return qAlpha(pixel) == 0 ? run.plain[run.skinColumns[x]] : qUnpremultiply(pixel) | 0xFF000000u;
}

void mixRowsPortable(const QRgb* first, const QRgb* second, QRgb* mixed, int count, quint16 share)
{
    const auto* from = reinterpret_cast<const uchar*>(first);
    const auto* to = reinterpret_cast<const uchar*>(second);
    auto* out = reinterpret_cast<uchar*>(mixed);
    const int rest = 256 - share;
    for (int i = 0; i < count * 4; ++i)
        out[i] = uchar((from[i] * rest + to[i] * share) >> 8);
}

void paintRunPortable(const Run& run)
{
    for (int x = run.begin; x < run.end; ++x) {
        const QRgb* pair = run.mixed + run.before[x];
        const PairWeights& weights = run.weights[x];
        const quint64 sum =
            widened(pair[0]) * weights.lanes[0] + widened(pair[1]) * weights.lanes[4];
        const QRgb pixel = narrowed((sum >> 8) & 0x00FF00FF00FF00FFull);
        run.line[x] = qAlpha(pixel) == 255 ? pixel : madeOpaque(pixel, run, x);
    }
}

} // namespace FaceMix
