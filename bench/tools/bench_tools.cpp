// Targets: a mixer rebuild well inside the 1 ms a bar move may take with its
// repaint; both analyzer lists for 5,000 favourites under 5 ms.
#include "Analyzer.h"
#include "Contrast.h"
#include "Mixer.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MixerRebuild(benchmark::State& state)
{
    const auto path = Tools::MixPath(state.range(0));
    QList<TColor> colors;
    int red = 0;
    for (auto _ : state) {
        red = (red + 3) & 0xFF; // a bar being dragged
        Tools::BuildMixColors(colors, MakeColor(red, 40, 200), MakeColor(250, 230, 10), Tools::kMaxMixSteps, path);
        benchmark::DoNotOptimize(colors.constData());
    }
}
BENCHMARK(BM_MixerRebuild)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

QList<TFavColor> manyFavorites(int count)
{
    QList<TFavColor> favs;
    for (int i = 0; i < count; ++i) {
        TFavColor f = TFavColor::fromColor(MakeColor(i * 37 & 0xFF, i * 11 & 0xFF, i & 0xFF), false);
        f.Name = QStringLiteral("Color %1").arg(i + 1);
        favs << f;
    }
    return favs;
}

void BM_AnalyzerRefresh5000(benchmark::State& state)
{
    const QList<TFavColor> favs = manyFavorites(5000);
    Tools::TAnalyzerModel model;
    model.refresh(favs);
    model.selectBackground(2500);
    for (auto _ : state) {
        model.refresh(favs);
        benchmark::DoNotOptimize(model.texts().constData());
    }
}
BENCHMARK(BM_AnalyzerRefresh5000)->Unit(benchmark::kMicrosecond);

void BM_ContrastPage5000(benchmark::State& state)
{
    const QList<TFavColor> favs = manyFavorites(5000);
    for (auto _ : state) {
        double sum = 0;
        for (const TFavColor& f : favs)
            sum += Tools::ContrastRatio(f.Color, clWhite) + Tools::ApcaContrast(f.Color, clWhite);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ContrastPage5000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
