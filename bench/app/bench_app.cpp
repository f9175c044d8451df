// SetBaseColor on an off-screen main window, and start-up to the first paint
// of the studio against a bare Qt window of the same size.
#include "HSLUtils.h"
#include "TfrmStudioMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* g_home = nullptr;

void BM_SetBaseColor(benchmark::State& state)
{
    TfrmStudioMain::Options o;
    o.settingsPath = g_home->filePath(QStringLiteral("tvstudio.ini"));
    TfrmStudioMain w(o);
    w.show();
    QCoreApplication::processEvents();
    std::uint32_t v = 0x123456;
    for (auto _ : state) {
        v = v * 1664525u + 1013904223u;
        w.SetBaseColor(ColorFromValue(v & 0xFFFFFF));
        benchmark::DoNotOptimize(w.WheelColors());
    }
}
BENCHMARK(BM_SetBaseColor)->Unit(benchmark::kMicrosecond);

double runOnce(const QString& program, const QStringList& args, long* rssKb = nullptr)
{
    QProcess p;
    p.setReadChannel(QProcess::StandardError);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TINTVALE_HOME"), g_home->path());
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    // Up to the first paint: the line each program prints then.
    QByteArray err;
    double ms = -1;
    while (ms < 0 && p.waitForReadyRead(30000)) {
        err += p.readAllStandardError();
        if (err.contains("first paint"))
            ms = t.nsecsElapsed() / 1e6;
    }
    p.waitForFinished(30000);
    err += p.readAllStandardError();
    if (rssKb) {
        const auto m = QRegularExpression(QStringLiteral("resident (\\d+) kB")).match(QString::fromUtf8(err));
        *rssKb = m.hasMatch() ? m.captured(1).toLong() : -1;
    }
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Start-up to the first paint, the studio against the bare window. The two
// take turns, so a machine that slows down or speeds up during the run
// weighs on both alike, and the ratio is of medians, which one stalled start
// cannot move much. The iteration time is the studio's.
void BM_Startup(benchmark::State& state)
{
    std::vector<double> studio, bare;
    long rss = 0;
    for (auto _ : state) {
        const double ms = runOnce(QStringLiteral(TV_STUDIO_BIN), {QStringLiteral("--quit-after-first-paint")}, &rss);
        bare.push_back(runOnce(QStringLiteral(TV_BARE_BIN), {}));
        studio.push_back(ms);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["studio_ms"] = median(studio);
    state.counters["bare_ms"] = median(bare);
    state.counters["ratio"] = median(studio) / median(bare);
    state.counters["rss_MB"] = double(rss) / 1024;
}
BENCHMARK(BM_Startup)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir home;
    g_home = &home;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
