// How long cutting the window's shape out of the shipped face takes, against Qt's own
// conversion of the committed skin's mask.

#include "CommittedSkin.h"
#include "assets/Pictures.h"
#include "shell/SkinShape.h"

#include <QBitmap>
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const QImage& skin()
{
    static const QImage image = committedSkin();
    return image;
}

const QImage& face()
{
    static const QImage image = Pictures::face();
    return image;
}

QImage keyMask()
{
    return skin().createMaskFromColor(skin().pixel(0, 0), Qt::MaskInColor);
}

void BuildSkinRegionFromFace(benchmark::State& state)
{
    for (auto _ : state) {
        QRegion region = BuildSkinRegion(face());
        benchmark::DoNotOptimize(region);
    }
}

// Qt is handed the finished mask: only the bitmap and the region are timed.
void QtRegionFromMask(benchmark::State& state)
{
    const QImage mask = keyMask();
    for (auto _ : state) {
        QRegion region(QBitmap::fromImage(mask));
        benchmark::DoNotOptimize(region);
    }
}

// The whole way from the skin with Qt, for comparison: making the mask dominates.
void QtRegionFromSkin(benchmark::State& state)
{
    for (auto _ : state) {
        QRegion region(QBitmap::fromImage(keyMask()));
        benchmark::DoNotOptimize(region);
    }
}

BENCHMARK(BuildSkinRegionFromFace)->Unit(benchmark::kMicrosecond);
BENCHMARK(QtRegionFromMask)->Unit(benchmark::kMicrosecond);
BENCHMARK(QtRegionFromSkin)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // Timing two results that differ would compare nothing.
    if (!(BuildSkinRegion(face()) ^ QRegion(QBitmap::fromImage(keyMask()))).isEmpty()) {
        std::fputs("The two regions cover different pixels.\n", stderr);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
