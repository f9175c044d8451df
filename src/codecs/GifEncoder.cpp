#include "GifEncoder.h"

#include <QHash>
#include <QSaveFile>

#include <gif_lib.h>

#include <vector>

namespace {

int writeToDevice(GifFileType* gif, const GifByteType* buffer, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    const qint64 n = device->write(reinterpret_cast<const char*>(buffer), length);
    return n < 0 ? 0 : int(n);
}

GifEncodeResult failure(GifError error, QString message = {})
{
    GifEncodeResult r;
    r.error = error;
    r.message = message.isEmpty() ? GifErrorText(error) : std::move(message);
    return r;
}

GifEncodeResult giflibFailure(int code)
{
    const char* text = GifErrorString(code);
    return failure(GifError::WriteFailed, text ? QString::fromLatin1(text) : QString());
}

} // namespace

namespace GifEncoder {

int CountColors(const QImage& source, int limit)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> seen;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seen.insert(line[x] | 0xFF000000u, 0);
            if (seen.size() > limit)
                return int(seen.size());
        }
    }
    return int(seen.size());
}

GifEncodeResult Encode(const QImage& source, QIODevice& device)
{
    if (source.isNull() || source.width() <= 0 || source.height() <= 0)
        return failure(GifError::EmptyImage);
    if (source.width() > 65535 || source.height() > 65535)
        return failure(GifError::TooLarge);
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();

    // Index every distinct colour in scan order.
    QHash<QRgb, int> index;
    std::vector<QRgb> palette;
    std::vector<GifPixelType> pixels(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            auto it = index.constFind(c);
            if (it == index.constEnd()) {
                if (palette.size() == 256) {
                    GifEncodeResult r = failure(GifError::TooManyColors);
                    r.colorCount = CountColors(image, 1 << 24);
                    return r;
                }
                it = index.insert(c, int(palette.size()));
                palette.push_back(c);
            }
            pixels[std::size_t(y) * width + x] = GifPixelType(it.value());
        }
    }

    int tableSize = 2;
    while (tableSize < int(palette.size()))
        tableSize *= 2;
    ColorMapObject* map = GifMakeMapObject(tableSize, nullptr);
    if (!map)
        return failure(GifError::WriteFailed);
    for (int i = 0; i < tableSize; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[i] : qRgb(0, 0, 0);
        map->Colors[i] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    int error = 0;
    GifFileType* gif = EGifOpen(&device, writeToDevice, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return giflibFailure(error);
    }
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) != GIF_ERROR
              && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, pixels.data() + std::size_t(y) * width, width) != GIF_ERROR;
    if (!ok)
        error = gif->Error;
    GifFreeMapObject(map);
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) == GIF_ERROR && ok) {
        ok = false;
        error = closeError;
    }
    if (!ok)
        return giflibFailure(error);
    GifEncodeResult r;
    r.colorCount = int(palette.size());
    return r;
}

GifEncodeResult EncodeFile(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(GifError::OpenFailed, file.errorString());
    GifEncodeResult r = Encode(image, file);
    if (r.ok() && file.error() != QFileDevice::NoError)
        r = failure(GifError::WriteFailed, file.errorString());
    if (!r.ok()) {
        file.cancelWriting();
        return r;
    }
    // commit() flushes the last buffered bytes too, but drops the error of
    // that write (a full disk): flush here, where the error is still seen.
    if (!file.flush()) {
        r = failure(GifError::WriteFailed, file.errorString());
        file.cancelWriting();
        return r;
    }
    if (!file.commit())
        return failure(GifError::WriteFailed, file.errorString());
    return r;
}

} // namespace GifEncoder
