#pragma once

#include "GifError.h"
#include "GifImage.h"

#include <QIODevice>
#include <QString>

// The outcome of a decode: error None and the image, or an error code with
// the text to show (giflib's own message for data it rejects).
struct GifDecodeResult {
    GifError error = GifError::None;
    QString message;
    GifImage image;
    bool ok() const { return error == GifError::None; }
};

namespace GifDecoder {

// Frames and screens above this many pixels are refused (TooLarge), so that
// a header alone cannot make the decoder allocate gigabytes.
inline constexpr qint64 MaxPixels = GifImage::MaxPixels;

// Reads a GIF87a or GIF89a stream from the device's current position: the
// screen, the global table, every frame's description and local table, and
// the pixels of the first frame (interlaced rows put in display order).
// Colours are kept exactly as the tables hold them; nothing is reduced.
// A stream that ends early or holds bad LZW data is an error, as is a file
// without frames.
GifDecodeResult Decode(QIODevice& device);

// Decode() on a file opened read-only. A path that is not a regular file
// (FIFO, device, socket, folder) is refused as OpenFailed before anything is
// opened, with a message naming it.
GifDecodeResult DecodeFile(const QString& path);

} // namespace GifDecoder
