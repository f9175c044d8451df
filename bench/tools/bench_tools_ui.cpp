// The tool windows as the user drives them: a bar of the mixer dragged (the
// list rebuilt, the end's swatch and bars and the 60-swatch strip painted;
// target under 1 ms) and the analyzer window refreshed with 5,000
// favourites (both lists and the sample; target under 5 ms).
#include "SettingsStore.h"
#include "TFavoritesList.h"
#include "TStudioSession.h"
#include "TStudioViews.h"
#include "TfrmAnalyzer.h"
#include "TfrmMixer.h"
#include "TfrmPantone.h"
#include "ScreenPicker.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct NoViews : TStudioViews {
    void showFavoritesEnd() override {}
    void repaintFavorites() override {}
    int favoritesScrollMaximum() const override { return 0; }
    void setFavoritesScrollPosition(int) override {}
};

void BM_MixerBarDrag(benchmark::State& state)
{
    QTemporaryDir dir;
    TStudioSession session;
    NoViews views;
    TfrmMixer mixer(session, views, SettingsStore(dir.filePath(QStringLiteral("tvstudio.ini"))), MakeColor(10, 20, 30));
    mixer.findChild<QSlider*>(QStringLiteral("steps"))->setValue(Tools::kMaxMixSteps);
    auto* box = mixer.findChild<QLineEdit*>(QStringLiteral("txtR"));
    int red = 0;
    for (auto _ : state) {
        red = (red + 3) & 0xFF;
        box->setText(QString::number(red)); // what a bar move does
        benchmark::DoNotOptimize(mixer.mixedColors().constData());
    }
}
BENCHMARK(BM_MixerBarDrag)->Unit(benchmark::kMicrosecond);

void BM_AnalyzerWindowRefresh5000(benchmark::State& state)
{
    QTemporaryDir dir;
    TStudioSession session;
    for (int i = 0; i < 5000; ++i)
        session.favorites().AddColorsToFavorites(MakeColor(i * 37 & 0xFF, i * 11 & 0xFF, i & 0xFF),
                                                 QStringLiteral("Color %1").arg(i + 1), false);
    TfrmAnalyzer analyzer(session, SettingsStore(dir.filePath(QStringLiteral("tvstudio.ini"))));
    for (auto _ : state) {
        analyzer.refresh();
        benchmark::DoNotOptimize(analyzer.model().texts().constData());
    }
}
BENCHMARK(BM_AnalyzerWindowRefresh5000)->Unit(benchmark::kMicrosecond);

// A guide lookup over the shipped guides.
struct Lookup {
    QTemporaryDir dir;
    TStudioSession session;
    NoViews views;
    TfrmPantone window{session, views, SettingsStore(dir.filePath(QStringLiteral("tvstudio.ini"))),
                       {QStringLiteral(TV_GUIDE_DIR)}, dir.path()};
    QComboBox* types = window.findChild<QComboBox*>(QStringLiteral("cboTypes"));
    int xkcd = types->findText(QStringLiteral("xkcd Color Survey"));
};

// Opening the lookup on the 949-colour xkcd guide and painting its list.
void BM_LookupOpensXkcd(benchmark::State& state)
{
    Lookup lookup;
    auto* list = lookup.window.findChild<QListView*>(QStringLiteral("lstColors"));
    lookup.window.show();
    for (auto _ : state) {
        lookup.types->setCurrentIndex(0);
        lookup.types->setCurrentIndex(lookup.xkcd);
        benchmark::DoNotOptimize(list->grab());
    }
}
BENCHMARK(BM_LookupOpensXkcd)->Unit(benchmark::kMicrosecond);

// One keystroke in the filter box over the xkcd guide.
void BM_LookupFilterKeystroke(benchmark::State& state)
{
    Lookup lookup;
    lookup.types->setCurrentIndex(lookup.xkcd);
    auto* filter = lookup.window.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
    const QStringList texts{QStringLiteral("g"), QStringLiteral("gr"), QStringLiteral("gre"), QStringLiteral("gree")};
    int i = 0;
    for (auto _ : state)
        filter->setText(texts[i++ % texts.size()]);
}
BENCHMARK(BM_LookupFilterKeystroke)->Unit(benchmark::kMicrosecond);

// One magnifier tick: the zoom picture from the frozen desktop.
void BM_MagnifierTick(benchmark::State& state)
{
    QImage desktop(1920, 1080, QImage::Format_RGB32);
    desktop.fill(QColor(40, 90, 160));
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % 1920;
        const QImage zoom = ScreenPicker::MagnifierPicture(desktop, QPoint(x, 540));
        benchmark::DoNotOptimize(QPixmap::fromImage(zoom));
    }
}
BENCHMARK(BM_MagnifierTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
