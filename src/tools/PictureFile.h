#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Opening a picture for the picture palette tool.
namespace Picture {

// The decoder a file name asks for, by its last four characters in lower
// case: ".jpg" or "jpeg" JPEG (libjpeg-turbo through Qt's image plugin),
// ".gif" GIF (our giflib codec, first frame), ".bmp" BMP and ".png" PNG
// (Qt's own readers). Anything else is no picture.
enum class Kind { None, Jpeg, Gif, Bmp, Png };
Kind KindOfFileName(const QString& path);

enum class PictureError {
    None,
    NotAPicture,  // none of the recognised endings
    Missing,      // no such file
    IsFolder,     // a folder
    NotAFile,     // a FIFO, device or socket
    Unreadable,   // it exists but cannot be opened or read
    Empty,        // zero bytes
    TooLarge,     // the header claims more pixels than the tool opens
    DecodeFailed, // the decoder refused the data; the message is the decoder's
};

// Pictures above this many pixels are refused from their header alone,
// before anything of their size is allocated. JPEG is decoded reduced
// (libjpeg's scaled DCT) and may be larger than the others, which are
// decoded whole.
inline constexpr qint64 kMaxJpegPixels = qint64(1) << 28;
inline constexpr qint64 kMaxPixels = qint64(1) << 26;

struct LoadedPicture {
    PictureError error = PictureError::None;
    QString message; // the text to show when error is not None
    // Opaque Format_RGB32, upright (the JPEG/EXIF orientation applied);
    // transparent pixels are laid on white. A JPEG larger than the area it
    // is fitted into is decoded at its fitted size; every other picture at
    // its own size.
    QImage image;
    QSize fullSize; // the picture's own size, upright
    bool ok() const { return error == PictureError::None; }
};

// The decoded picture, fitted for `area` (see FitPicture). An empty area
// decodes at full size.
LoadedPicture LoadPicture(const QString& path, QSize area);

// The text shown for an error; `detail` is the decoder's message.
QString PictureErrorText(PictureError error, const QString& path, const QString& detail = {});

} // namespace Picture
