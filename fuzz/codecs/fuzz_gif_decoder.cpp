// Any bytes through the GIF decoder, and a decoded image through the
// table and bitmap accessors.
#include "GifDecoder.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const GifDecodeResult r = GifDecoder::Decode(buffer);
    if (r.ok()) {
        for (qsizetype i = 0; i < r.image.frames.size(); ++i)
            (void)r.image.activeColorTable(i);
        (void)r.image.firstFrameImage();
    }
    return 0;
}
