// Writing each export format for 256 colours, to a temporary folder.
#include "ExportFile.h"
#include "ExportFormat.h"
#include "TExportList.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TExportList list256()
{
    QList<TColor> colors;
    QStringList names;
    for (int i = 0; i < 256; ++i) {
        colors.append(MakeColor(i, (i * 7) & 0xFF, (i * 13) & 0xFF));
        if (i < 128)
            names.append(QStringLiteral("Favourite <%1> & caf\u00e9").arg(i));
    }
    return TExportList(colors, names);
}

void BM_Write(benchmark::State& state)
{
    const int format = int(state.range(0));
    const TExportList list = list256();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out") + QLatin1String(ExportFormatAt(format).extension));
    for (auto _ : state) {
        const ExportResult r = ExportFile::Write(format, list, path);
        if (!r.ok())
            state.SkipWithError(qPrintable(r.message));
    }
    state.SetLabel(ExportFormatAt(format).extension);
}
BENCHMARK(BM_Write)->DenseRange(0, ExportFormatCount - 1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // the GIF swatches are painted with QPainter
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
