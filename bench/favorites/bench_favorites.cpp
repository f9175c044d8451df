// Run with QT_QPA_PLATFORM=offscreen. Targets: a repaint and a scroll step of
// the view under 2 ms with 10,000 favourites; 10,000 additions one by one
// under 1 s in total.
#include "TFavoritesList.h"
#include "TFavoritesPanel.h"
#include "TFavoritesView.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCount = 10000;

void fill(TFavoritesList& list)
{
    for (int i = 0; i < kCount; ++i)
        list.AddColorsToFavorites(MakeColor(i & 0xFF, (i >> 8) & 0xFF, 99), {}, false);
    for (int i = 0; i < kCount; i += 7)
        list.toggleExpanded(i);
    list.selectByGesture(kCount / 2, false, false);
}

void BM_Repaint10k(benchmark::State& state)
{
    TFavoritesList list;
    fill(list);
    TFavoritesPanel panel(&list);
    TFavoritesView* view = panel.view();
    view->setScrollPosition(view->contentHeight() / 2);
    for (auto _ : state) {
        QImage image = view->render();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Repaint10k)->Unit(benchmark::kMicrosecond);

void BM_ScrollStep10k(benchmark::State& state)
{
    TFavoritesList list;
    fill(list);
    TFavoritesPanel panel(&list);
    TFavoritesView* view = panel.view();
    int pos = view->contentHeight() / 3;
    for (auto _ : state) {
        pos += 5; // one small change of sbFavs
        view->setScrollPosition(pos);
        QImage image = view->renderedImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ScrollStep10k)->Unit(benchmark::kMicrosecond);

void BM_Add10kOneByOne(benchmark::State& state)
{
    for (auto _ : state) {
        TFavoritesList list;
        TFavoritesPanel panel(&list);
        for (int i = 0; i < kCount; ++i)
            list.AddColorsToFavorites(MakeColor(i & 0xFF, (i >> 8) & 0xFF, 7), {}, i == 0);
        QImage image = panel.view()->renderedImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Add10kOneByOne)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
