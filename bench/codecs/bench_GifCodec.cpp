// Decoding and encoding a 1-megapixel GIF (1024 x 1024, 256 colours).
#include "GifDecoder.h"
#include "GifEncoder.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

QImage megapixel()
{
    QImage img(1024, 1024, QImage::Format_RGB32);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x) {
            const int i = ((x / 8) * 7 + (y / 8) * 13 + (x ^ y)) & 0xFF;
            img.setPixel(x, y, qRgb(i, 255 - i, (i * 5) & 0xFF));
        }
    return img;
}

QByteArray encoded()
{
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    GifEncoder::Encode(megapixel(), b);
    return b.data();
}

void BM_DecodeMegapixel(benchmark::State& state)
{
    const QByteArray bytes = encoded();
    for (auto _ : state) {
        QBuffer b;
        b.setData(bytes);
        b.open(QIODevice::ReadOnly);
        GifDecodeResult r = GifDecoder::Decode(b);
        benchmark::DoNotOptimize(r.image.firstFrameIndices.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeMegapixel)->Unit(benchmark::kMillisecond);

void BM_DecodeMegapixelToImage(benchmark::State& state)
{
    const QByteArray bytes = encoded();
    for (auto _ : state) {
        QBuffer b;
        b.setData(bytes);
        b.open(QIODevice::ReadOnly);
        const QImage img = GifDecoder::Decode(b).image.firstFrameImage();
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_DecodeMegapixelToImage)->Unit(benchmark::kMillisecond);

void BM_EncodeMegapixel(benchmark::State& state)
{
    const QImage img = megapixel();
    for (auto _ : state) {
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(GifEncoder::Encode(img, b).colorCount);
    }
}
BENCHMARK(BM_EncodeMegapixel)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
