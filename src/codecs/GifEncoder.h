#pragma once

#include "GifError.h"

#include <QImage>
#include <QIODevice>
#include <QString>

struct GifEncodeResult {
    GifError error = GifError::None;
    QString message;
    int colorCount = 0; // distinct pixel colours found (also when there are too many)
    bool ok() const { return error == GifError::None; }
};

namespace GifEncoder {

// The number of distinct opaque RGB colours of the image (alpha ignored),
// counting stops once it passes `limit`.
int CountColors(const QImage& image, int limit = 256);

// Writes the image as a single-frame GIF with one global colour table that
// holds every distinct pixel colour exactly (alpha ignored), in the order the
// colours first appear in row-major scan; the table is padded with black to a
// power of two. Nothing is reduced or dithered: an image of more than 256
// colours is refused with TooManyColors and nothing is written. Sizes above
// 65535 pixels either way are refused as TooLarge.
GifEncodeResult Encode(const QImage& image, QIODevice& device);

// Encode() into `path` through a QSaveFile: a failure leaves the previous
// file (or none) in place, never a partial one, also when the disk fills up
// at the last write. OpenFailed and WriteFailed carry the system's error
// text as message. The path is taken as it is; the export writes GIF files
// through Encode() and the checked save of the core library instead, which
// also follows links and refuses devices.
GifEncodeResult EncodeFile(const QImage& image, const QString& path);

} // namespace GifEncoder
