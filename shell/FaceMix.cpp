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

// Two widened pixels mixed, every channel at once; the weights add up to 256.
quint64 mixed(quint64 first, quint64 second, quint32 firstWeight, quint32 secondWeight)
{
    return ((first * firstWeight + second * secondWeight) >> 8) & 0x00FF00FF00FF00FFull;
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

void paintRunPortable(const Run& run)
{
    const int from = run.before[run.begin], to = run.before[run.end - 1] + 2;
    for (int column = from; column < to; ++column)
        run.mixed[column] = mixed(widened(run.above[column]), widened(run.below[column]),
                                  256 - run.share, run.share);
    for (int x = run.begin; x < run.end; ++x) {
        const quint64* pair = run.mixed + run.before[x];
        const PairWeights& weights = run.weights[x];
        const QRgb pixel = narrowed(mixed(pair[0], pair[1], weights.lanes[0], weights.lanes[4]));
        run.line[x] = qAlpha(pixel) == 255 ? pixel : madeOpaque(pixel, run, x);
    }
}

} // namespace FaceMix
