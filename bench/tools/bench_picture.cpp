// The picture palette tool on a 24-megapixel JPEG (6000 x 4000, a rendered
// scene of gradients, soft shapes and grain written by libjpeg-turbo):
//  - BM_BareDecode: QImageReader alone, decoding at the size the window at
//    its first size shows (600 x 400) — the yardstick;
//  - BM_OpenAndShow: the window's open (checks, header, reduced decode,
//    displayed picture, random points, the composed frame); target at most
//    1.5 x the yardstick;
//  - BM_Extract9: "Extract" with 9 colours on the shown picture; target
//    under 100 ms;
//  - BM_PointDragRepaint: one mouse move of a dragged point (the colour read,
//    the whole frame composed once); target under 2 ms;
//  - counters of BM_OpenAndShow: the bytes of the images the open picture
//    keeps (decoded picture, displayed picture, back buffer) and the growth
//    of the resident set, each over the shown picture's bytes; target under 3.
#include "PictureGeometry.h"
#include "SettingsStore.h"
#include "TStudioSession.h"
#include "TStudioViews.h"
#include "TfrmPicScheme.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct NoViews : TStudioViews {
    void showFavoritesEnd() override {}
    void repaintFavorites() override {}
    int favoritesScrollMaximum() const override { return 0; }
    void setFavoritesScrollPosition(int) override {}
};

QTemporaryDir& dir()
{
    static QTemporaryDir d;
    return d;
}

// Written once per run.
QString photo()
{
    static const QString path = [] {
        const int w = 6000, h = 4000;
        QImage img(w, h, QImage::Format_RGB32);
        QPainter p(&img);
        QLinearGradient sky(0, 0, 0, h);
        sky.setColorAt(0, QColor(70, 120, 200));
        sky.setColorAt(0.6, QColor(230, 180, 140));
        sky.setColorAt(1, QColor(60, 90, 40));
        p.fillRect(img.rect(), sky);
        QRandomGenerator rng(5);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 40; ++i) {
            const QPointF c(rng.bounded(w), rng.bounded(h));
            const qreal r = 200 + rng.bounded(900);
            QRadialGradient g(c, r);
            g.setColorAt(0, QColor::fromHsv(int(rng.bounded(360)), 170, 230));
            g.setColorAt(1, Qt::transparent);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
        p.end();
        for (int y = 0; y < h; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const int d = int(rng.bounded(11)) - 5;
                const QRgb c = line[x];
                line[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255), qBound(0, qBlue(c) + d, 255));
            }
        }
        const QString file = dir().filePath(QStringLiteral("photo24mp.jpg"));
        QImageWriter writer(file, "jpeg");
        writer.setQuality(90);
        writer.write(img);
        return file;
    }();
    return path;
}

SettingsStore settings() { return SettingsStore(dir().filePath(QStringLiteral("tvstudio.ini"))); }

long residentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4096 : 0;
}

void BM_BareDecode(benchmark::State& state)
{
    const QString file = photo();
    for (auto _ : state) {
        QImageReader reader(file, "jpeg");
        reader.setScaledSize(QSize(600, 400));
        QImage img = reader.read();
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_BareDecode)->Unit(benchmark::kMillisecond);

void BM_OpenAndShow(benchmark::State& state)
{
    const QString file = photo();
    TStudioSession session;
    NoViews views;
    double kept = 0, grown = 0, shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto* w = new TfrmPicScheme(session, views, settings());
        w->show();
        const long before = residentBytes();
        state.ResumeTiming();
        w->openPicture(file);
        state.PauseTiming();
        const TPictureModel& m = w->model();
        shown = double(m.displayed().sizeInBytes());
        // Images that share their pixels are counted once.
        kept = double(m.source().sizeInBytes()) + double(w->frame().sizeInBytes())
               + (m.displayed().constBits() == m.source().constBits() ? 0 : shown);
        grown = double(residentBytes() - before);
        delete w;
        state.ResumeTiming();
    }
    state.counters["kept_over_shown"] = kept / shown;
    state.counters["rss_growth_over_shown"] = grown / shown;
}
BENCHMARK(BM_OpenAndShow)->Unit(benchmark::kMillisecond);

void BM_Extract9(benchmark::State& state)
{
    TPictureModel model(9);
    model.setArea(QSize(600, 416));
    model.open(photo());
    for (auto _ : state) {
        model.extract();
        benchmark::DoNotOptimize(model.points().constData());
    }
}
BENCHMARK(BM_Extract9)->Unit(benchmark::kMillisecond);

void BM_PointDragRepaint(benchmark::State& state)
{
    TStudioSession session;
    NoViews views;
    TfrmPicScheme w(session, views, settings());
    w.show();
    w.openPicture(photo());
    QWidget* layer = w.findChild<QWidget*>(QStringLiteral("pbDrawLayer"));
    const Picture::SamplePoint p = w.model().points().first();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(p.X, p.Y), layer->mapToGlobal(QPointF(p.X, p.Y)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(layer, &press);
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 590;
        const QPointF at(step, (step * 3) % 400);
        QMouseEvent move(QEvent::MouseMove, at, layer->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(layer, &move);
        benchmark::DoNotOptimize(w.frame().constBits());
    }
}
BENCHMARK(BM_PointDragRepaint)->Unit(benchmark::kMicrosecond);

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
