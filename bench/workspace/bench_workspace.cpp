// Speed of the workspace's per-colour work: the wheel colours (recomputed by
// every base-colour change), the wheel picture and the palette pictures.
#include "HSLUtils.h"
#include "HarmonyPicture.h"
#include "PalettePicture.h"
#include "WheelColors.h"
#include "WheelPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

TColor nextColor(std::uint32_t& seed)
{
    seed = seed * 1664525u + 1013904223u;
    return FromRgb24(seed >> 8);
}

void BM_WheelColorsRYB(benchmark::State& state)
{
    std::uint32_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(Workspace::GenerateWheelRYB(nextColor(seed)));
}
BENCHMARK(BM_WheelColorsRYB);

void BM_WheelColorsRGB(benchmark::State& state)
{
    std::uint32_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(Workspace::GenerateWheelRGB(nextColor(seed)));
}
BENCHMARK(BM_WheelColorsRGB);

void BM_RenderWheel(benchmark::State& state)
{
    Workspace::WheelState s;
    s.colors = Workspace::GenerateWheelRYB(MakeColor(255, 102, 0));
    QImage image(s.size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        Workspace::renderWheel(p, s);
    }
}
BENCHMARK(BM_RenderWheel)->Unit(benchmark::kMicrosecond);

void BM_RenderHarmonyWheel(benchmark::State& state)
{
    Workspace::HarmonyWheelState s;
    s.colors = Workspace::GenerateWheelRYB(MakeColor(255, 102, 0));
    s.type = Workspace::HarmonyType::Tetrads;
    QImage image(s.size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        Workspace::renderHarmonyWheel(p, s);
    }
}
BENCHMARK(BM_RenderHarmonyWheel)->Unit(benchmark::kMicrosecond);

void BM_PalettePicture(benchmark::State& state)
{
    const auto kind = Workspace::PaletteKind(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Workspace::BuildPalettePicture(kind));
}
BENCHMARK(BM_PalettePicture)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
