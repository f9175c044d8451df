// Writing and reading a palette of 10,000 named colours in the GIMP, ASE,
// CSS custom-property and design-token formats, through the same calls as
// the wizards and the command line (a whole file written with ExportFile,
// read with PaletteFile). Each should take well under 20 ms.
#include "ExportFile.h"
#include "ExportFormat.h"
#include "PaletteFile.h"
#include "TExportList.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kNamedFormats[] = {int(ExportFormat::Gpl), int(ExportFormat::Ase), int(ExportFormat::CssVars),
                                 int(ExportFormat::Tokens)};

TExportList list10000()
{
    QList<TColor> colors;
    QStringList names;
    for (int i = 0; i < 10000; ++i) {
        colors.append(MakeColor(i & 0xFF, (i * 7) & 0xFF, (i * 13) & 0xFF));
        names.append(QStringLiteral("Favourite \"%1\" {caf\u00e9} */").arg(i));
    }
    return TExportList(colors, names);
}

void BM_WriteNamed(benchmark::State& state)
{
    const int format = kNamedFormats[state.range(0)];
    const TExportList list = list10000();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out") + QLatin1String(ExportFormatAt(format).extension));
    for (auto _ : state) {
        const ExportResult r = ExportFile::Write(format, list, path);
        if (!r.ok())
            state.SkipWithError(qPrintable(r.message));
    }
    state.SetLabel(ExportFormatAt(format).extension);
}
BENCHMARK(BM_WriteNamed)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_ReadNamed(benchmark::State& state)
{
    const int format = kNamedFormats[state.range(0)];
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in") + QLatin1String(ExportFormatAt(format).extension));
    if (!ExportFile::Write(format, list10000(), path).ok()) {
        state.SkipWithError("the palette could not be written");
        return;
    }
    for (auto _ : state) {
        const PaletteFileResult r = PaletteFile::Read(path);
        if (!r.ok() || r.colors.size() != 10000)
            state.SkipWithError(qPrintable(r.message));
        benchmark::DoNotOptimize(r.colors.data());
    }
    state.SetLabel(ExportFormatAt(format).extension);
}
BENCHMARK(BM_ReadNamed)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
