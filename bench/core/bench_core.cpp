// Colour arithmetic and the colour-vision simulation.
//
//   bench_core --benchmark_filter=DisplayColor
//
// HslRoundTrip/Compare times the program's exact RGB -> HSL -> RGB round trip
// and QColor's own on the same colours in one run and reports the ratio
// qcolor_over_hslutils. DisplayColor/<mode> sweeps all 16,777,216 colours
// per iteration; its ns_per_call counter is the mean cost of one call.
#include "DisplayColor.h"
#include "HSLUtils.h"

#include <QColor>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

namespace {

constexpr std::uint32_t kAllColors = 1u << 24;

// A fixed spread of colours: 65,536 values striding through the cube with an
// odd step, so every channel value and many combinations occur.
constexpr std::uint32_t kSample = 1u << 16;
constexpr std::uint32_t kStride = 0x9E3779u | 1u;

TColor sampleColor(std::uint32_t i) { return ColorFromValue((i * kStride) & 0xFFFFFFu); }

std::uint32_t hslUtilsRoundTrips()
{
    std::uint32_t acc = 0;
    for (std::uint32_t i = 0; i < kSample; ++i) {
        double h, s, l;
        HSLUtils::RGBToHSL(sampleColor(i), h, s, l);
        acc ^= ColorValue(HSLUtils::HSLToRGB(h, s, l));
    }
    return acc;
}

std::uint32_t qcolorRoundTrips()
{
    std::uint32_t acc = 0;
    for (std::uint32_t i = 0; i < kSample; ++i) {
        const TColor c = sampleColor(i);
        const QColor hsl = QColor::fromRgb(RedOf(c), GreenOf(c), BlueOf(c)).toHsl();
        acc ^= std::uint32_t(hsl.toRgb().rgb());
    }
    return acc;
}

void BM_HslRoundTrip_HSLUtils(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(hslUtilsRoundTrips());
    state.SetItemsProcessed(state.iterations() * kSample);
}
BENCHMARK(BM_HslRoundTrip_HSLUtils);

void BM_HslRoundTrip_QColor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qcolorRoundTrips());
    state.SetItemsProcessed(state.iterations() * kSample);
}
BENCHMARK(BM_HslRoundTrip_QColor);

// Both round trips alternately in each iteration, so that the ratio is taken
// under the same machine conditions.
void BM_HslRoundTrip_Compare(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration ours{}, qt{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(hslUtilsRoundTrips());
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(qcolorRoundTrips());
        const auto t2 = Clock::now();
        ours += t1 - t0;
        qt += t2 - t1;
    }
    const double n = double(state.iterations()) * kSample;
    state.counters["hslutils_ns"] = std::chrono::duration<double, std::nano>(ours).count() / n;
    state.counters["qcolor_ns"] = std::chrono::duration<double, std::nano>(qt).count() / n;
    state.counters["qcolor_over_hslutils"] = double(qt.count()) / double(ours.count());
}
BENCHMARK(BM_HslRoundTrip_Compare);

void BM_SnapWebColor(benchmark::State& state)
{
    const int mode = int(state.range(0));
    for (auto _ : state) {
        std::uint32_t acc = 0;
        for (std::uint32_t v = 0; v < kAllColors; v += 7)
            acc ^= ColorValue(HSLUtils::SnapWebColor(ColorFromValue(v), mode));
        benchmark::DoNotOptimize(acc);
    }
    state.SetItemsProcessed(state.iterations() * ((kAllColors + 6) / 7));
}
BENCHMARK(BM_SnapWebColor)->Arg(HSLUtils::SnapWebsafe)->Arg(HSLUtils::SnapWebSmart);

void BM_DisplayColor(benchmark::State& state)
{
    ColorVision::LoadTable();
    const TDisplayMapper display(int(state.range(0)));
    for (auto _ : state) {
        std::uint32_t acc = 0;
        for (std::uint32_t v = 0; v < kAllColors; ++v)
            acc ^= ColorValue(display.DisplayColor(ColorFromValue(v)));
        benchmark::DoNotOptimize(acc);
    }
    const double calls = double(state.iterations()) * kAllColors;
    state.SetItemsProcessed(std::int64_t(calls));
    state.counters["ns_per_call"] = benchmark::Counter(calls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel(ColorVision::kModes[state.range(0)].cliName);
}
BENCHMARK(BM_DisplayColor)->DenseRange(0, ColorVision::ModeCount - 1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
