#include "GifDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gif_lib.h>

namespace {

int readFromDevice(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    if (length <= 0)
        return 0;
    const qint64 n = device->read(reinterpret_cast<char*>(buffer), length);
    return n < 0 ? 0 : int(n);
}

GifColorTable tableOf(const ColorMapObject* map)
{
    GifColorTable table;
    if (!map || !map->Colors || map->ColorCount <= 0)
        return table;
    table.reserve(map->ColorCount);
    for (int i = 0; i < map->ColorCount; ++i)
        table.append(GifColor{map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
    return table;
}

GifDecodeResult giflibFailure(int code)
{
    GifDecodeResult r;
    r.error = GifError::DecodeFailed;
    const char* text = GifErrorString(code);
    r.message = text ? QString::fromLatin1(text) : GifErrorText(GifError::DecodeFailed);
    return r;
}

GifDecodeResult failure(GifError error)
{
    GifDecodeResult r;
    r.error = error;
    r.message = GifErrorText(error);
    return r;
}

// Closes the giflib handle on every path out of Decode().
struct GifCloser {
    GifFileType* gif;
    ~GifCloser()
    {
        int ignored = 0;
        if (gif)
            DGifCloseFile(gif, &ignored);
    }
};

// Reads the raster of a frame into `indices` (width per row), putting the
// rows of an interlaced frame (passes from rows 0, 4, 2, 1 in steps of 8, 8,
// 4, 2) into display order.
bool readRaster(GifFileType* gif, int width, int height, bool interlaced, QByteArray& indices)
{
    indices = QByteArray(qsizetype(width) * height, '\0');
    auto* base = reinterpret_cast<GifPixelType*>(indices.data());
    if (interlaced) {
        static constexpr int start[4] = {0, 4, 2, 1};
        static constexpr int step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < height; y += step[pass])
                if (DGifGetLine(gif, base + qsizetype(y) * width, width) == GIF_ERROR)
                    return false;
        return true;
    }
    for (int y = 0; y < height; ++y)
        if (DGifGetLine(gif, base + qsizetype(y) * width, width) == GIF_ERROR)
            return false;
    return true;
}

// Skips the LZW data of a frame without decoding it.
bool skipRaster(GifFileType* gif)
{
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        return false;
    while (block) {
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

namespace GifDecoder {

GifDecodeResult Decode(QIODevice& device)
{
    int error = 0;
    GifFileType* gif = DGifOpen(&device, readFromDevice, &error);
    if (!gif)
        return giflibFailure(error);
    GifCloser closer{gif};

    GifDecodeResult result;
    GifImage& image = result.image;
    image.screenSize = QSize(gif->SWidth, gif->SHeight);
    image.globalTable = tableOf(gif->SColorMap);
    image.backgroundIndex = gif->SBackGroundColor;

    GraphicsControlBlock control{};
    bool haveControl = false;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return giflibFailure(gif->Error);
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* data = nullptr;
            if (DGifGetExtension(gif, &code, &data) == GIF_ERROR)
                return giflibFailure(gif->Error);
            if (code == GRAPHICS_EXT_FUNC_CODE && data && data[0] >= 4) {
                if (DGifExtensionToGCB(data[0], data + 1, &control) == GIF_OK)
                    haveControl = true;
            }
            while (data) {
                if (DGifGetExtensionNext(gif, &data) == GIF_ERROR)
                    return giflibFailure(gif->Error);
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR)
            return giflibFailure(gif->Error);
        const GifImageDesc& desc = gif->Image;
        GifFrameInfo frame;
        frame.rect = QRect(desc.Left, desc.Top, desc.Width, desc.Height);
        frame.interlaced = desc.Interlace;
        frame.localTable = tableOf(desc.ColorMap);
        if (haveControl) {
            frame.transparentIndex = control.TransparentColor;
            frame.delayCentiseconds = control.DelayTime;
            frame.disposal = control.DisposalMode;
        }
        haveControl = false;
        const bool first = image.frames.isEmpty();
        if (first) {
            // The first frame is drawn on the screen: both must stay in bounds,
            // whatever the frame's own size.
            const qint64 screenW = std::max<qint64>(image.screenSize.width(), qint64(desc.Left) + desc.Width);
            const qint64 screenH = std::max<qint64>(image.screenSize.height(), qint64(desc.Top) + desc.Height);
            if (qint64(desc.Width) * desc.Height > MaxPixels || screenW * screenH > MaxPixels)
                return failure(GifError::TooLarge);
        }
        if (first && desc.Width > 0 && desc.Height > 0) {
            if (!readRaster(gif, desc.Width, desc.Height, desc.Interlace, image.firstFrameIndices))
                return giflibFailure(gif->Error);
        } else if (!skipRaster(gif)) {
            return giflibFailure(gif->Error);
        }
        image.frames.append(std::move(frame));
    }
    if (image.frames.isEmpty())
        return failure(GifError::NoFrames);
    return result;
}

GifDecodeResult DecodeFile(const QString& path)
{
    // A FIFO or device would block in open() or never end: look at the type
    // (stat, through any links) before opening.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        GifDecodeResult r;
        r.error = GifError::OpenFailed;
        r.message = QStringLiteral("\"%1\" is not a regular file.").arg(QDir::toNativeSeparators(path));
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        GifDecodeResult r;
        r.error = GifError::OpenFailed;
        r.message = file.errorString();
        return r;
    }
    return Decode(file);
}

} // namespace GifDecoder
