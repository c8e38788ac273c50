// How long cutting the window's shape out of the skin takes, against Qt's own conversion of
// the same mask.

#include "assets/Pictures.h"
#include "shell/SkinShape.h"

#include <QBitmap>
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const QImage& skin()
{
    static const QImage image = Pictures::skin();
    return image;
}

QImage keyMask()
{
    return skin().createMaskFromColor(skin().pixel(0, 0), Qt::MaskInColor);
}

void BuildSkinRegionFromSkin(benchmark::State& state)
{
    for (auto _ : state) {
        QRegion region = BuildSkinRegion(skin());
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

BENCHMARK(BuildSkinRegionFromSkin)->Unit(benchmark::kMicrosecond);
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
    if (!(BuildSkinRegion(skin()) ^ QRegion(QBitmap::fromImage(keyMask()))).isEmpty()) {
        std::fputs("The two regions cover different pixels.\n", stderr);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
