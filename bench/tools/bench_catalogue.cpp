// Targets: one catalogue page of 30 swatches laid out and drawn under 10 ms
// (at screen resolution into the preview's picture, and at 600 dpi onto a
// recorded page as a printer takes it); a 1,000-colour PDF catalogue written
// under 2 s; the web page preview repainted after a drop under 1 ms.
#include "PreviewPage.h"
#include "PrintCatalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TExportList catalogueList(int count)
{
    QList<TColor> colors;
    QStringList names;
    for (int i = 0; i < count; ++i) {
        colors << MakeColor(i * 37 & 0xFF, i * 11 & 0xFF, i & 0xFF);
        names << QStringLiteral("Favourite colour number %1 of the scheme").arg(i + 1);
    }
    return TExportList(colors, names);
}

PrintLayout::Device letterAt(int dpi)
{
    PrintLayout::Device d;
    d.dpiX = d.dpiY = dpi;
    d.physW = d.pageW = dpi * 85 / 10;
    d.physH = d.pageH = dpi * 11;
    return d;
}

void BM_CataloguePageOnScreen(benchmark::State& state)
{
    const TExportList list = catalogueList(30);
    const PrintLayout::Metrics m = PrintLayout::Compute(letterAt(600), PrintLayout::Margins{});
    const PrintCatalogue::Fonts fonts = PrintCatalogue::MakeFonts(600);
    QImage picture(816, 1056, QImage::Format_RGB32); // the sheet at 100 %
    for (auto _ : state) {
        picture.fill(Qt::white);
        QPainter p(&picture);
        p.scale(816.0 / m.device.pageW, 1056.0 / m.device.pageH);
        PrintCatalogue::Render(p, PrintCatalogue::Layout(m, fonts, list, 1), fonts);
        p.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_CataloguePageOnScreen)->Unit(benchmark::kMillisecond);

void BM_CataloguePageForPrinter(benchmark::State& state)
{
    const TExportList list = catalogueList(30);
    const PrintLayout::Metrics m = PrintLayout::Compute(letterAt(600), PrintLayout::Margins{});
    const PrintCatalogue::Fonts fonts = PrintCatalogue::MakeFonts(600);
    for (auto _ : state) {
        QPicture page;
        QPainter p(&page);
        PrintCatalogue::Render(p, PrintCatalogue::Layout(m, fonts, list, 1), fonts);
        p.end();
        benchmark::DoNotOptimize(page.size());
    }
}
BENCHMARK(BM_CataloguePageForPrinter)->Unit(benchmark::kMillisecond);

void BM_CataloguePdf1000(benchmark::State& state)
{
    const TExportList list = catalogueList(1000);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.pdf"));
    for (auto _ : state) {
        const FileResult r = PrintCatalogue::SavePdf(path, list, QPageSize(QPageSize::Letter), PrintLayout::Margins{}, 600);
        if (!r.ok())
            state.SkipWithError("the PDF could not be written");
    }
}
BENCHMARK(BM_CataloguePdf1000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PreviewRepaintAfterDrop(benchmark::State& state)
{
    QImage page(PreviewPage::kPageSize, QImage::Format_RGB32);
    TPreviewColors colors = DefaultPreviewColors();
    int i = 0;
    for (auto _ : state) {
        colors = PreviewPage::Dropped(colors, PreviewPage::Part(i % PreviewPage::kPartCount), MakeColor(i & 0xFF, 80, 160));
        ++i;
        QPainter p(&page);
        PreviewPage::Render(p, colors);
        p.end();
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_PreviewRepaintAfterDrop)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
