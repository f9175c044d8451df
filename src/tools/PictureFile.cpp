#include "PictureFile.h"

#include "GifDecoder.h"
#include "PictureGeometry.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <climits>
#include <optional>

namespace Picture {

namespace {

// libjpeg reports a stream that ends early as a warning, not an error, and
// Qt's plugin passes warnings to the message handler only (the missing rows
// come out grey). While a JPEG is read, the plugin's messages are collected
// here so that a truncated file ("premature end of data segment", "premature
// end of JPEG file") is refused with libjpeg's own words; other warnings
// (extraneous bytes and the like, common in camera files) are let through.
QtMessageHandler g_previousHandler = nullptr;
QStringList* g_jpegMessages = nullptr;

void collectJpegMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_jpegMessages && context.category && qstrcmp(context.category, "qt.gui.imageio.jpeg") == 0) {
        g_jpegMessages->append(message);
        return;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

class JpegMessageScope {
public:
    explicit JpegMessageScope(QStringList& messages)
    {
        g_jpegMessages = &messages;
        g_previousHandler = qInstallMessageHandler(collectJpegMessages);
    }
    ~JpegMessageScope()
    {
        qInstallMessageHandler(g_previousHandler);
        g_previousHandler = nullptr;
        g_jpegMessages = nullptr;
    }
    JpegMessageScope(const JpegMessageScope&) = delete;
    JpegMessageScope& operator=(const JpegMessageScope&) = delete;
};

LoadedPicture failure(PictureError error, const QString& path, const QString& detail = {})
{
    LoadedPicture r;
    r.error = error;
    r.message = PictureErrorText(error, path, detail);
    return r;
}

// Opaque RGB32; what was transparent lies on white.
QImage opaque(QImage image)
{
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        p.end();
        return flat;
    }
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

bool tooLarge(QSize size, Kind kind)
{
    return qint64(size.width()) * size.height() > (kind == Kind::Jpeg ? kMaxJpegPixels : kMaxPixels);
}

QString sizeDetail(QSize size, Kind kind)
{
    return QStringLiteral("%1 × %2 pixels; at most %3 megapixels")
        .arg(size.width())
        .arg(size.height())
        .arg((kind == Kind::Jpeg ? kMaxJpegPixels : kMaxPixels) / 1000000);
}

LoadedPicture loadGif(QFile& file, const QString& path)
{
    GifDecodeResult gif = GifDecoder::Decode(file);
    if (gif.error == GifError::TooLarge)
        return failure(PictureError::TooLarge, path, gif.message.isEmpty() ? GifErrorText(gif.error) : gif.message);
    if (!gif.ok())
        return failure(PictureError::DecodeFailed, path, gif.message.isEmpty() ? GifErrorText(gif.error) : gif.message);
    QImage frame = gif.image.firstFrameImage();
    if (frame.isNull() || frame.width() <= 0 || frame.height() <= 0)
        return failure(PictureError::DecodeFailed, path, GifErrorText(GifError::NoFrames));
    LoadedPicture r;
    r.image = opaque(std::move(frame));
    r.fullSize = r.image.size();
    return r;
}

quint32 le32(const QByteArray& b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
           | quint32(quint8(b[at + 3])) << 24;
}

// Qt's BMP reader refuses some large headers without saying why and fills
// the rows a short file lacks, so the header is checked here first: the
// size against the pixel limit, and for uncompressed pixels the file's
// length against the rows it must hold.
std::optional<LoadedPicture> checkBmp(QFile& file, const QString& path)
{
    const QByteArray head = file.peek(34);
    if (head.size() < 34 || !head.startsWith("BM") || le32(head, 14) < 40)
        return std::nullopt; // Qt's reader gives the message
    const qint64 offset = le32(head, 10);
    const qint64 width = qint32(le32(head, 18));
    const qint64 height = std::abs(qint64(qint32(le32(head, 22))));
    const int bits = quint8(head[28]) | quint8(head[29]) << 8;
    const quint32 compression = le32(head, 30);
    if (width > 0 && width * height > kMaxPixels)
        return failure(PictureError::TooLarge, path, sizeDetail(QSize(int(std::min<qint64>(width, INT_MAX)),
                                                                      int(std::min<qint64>(height, INT_MAX))),
                                                                Kind::Bmp));
    if (width > 0 && bits > 0 && (compression == 0 || compression == 3)) {
        const qint64 need = offset + (width * bits + 31) / 32 * 4 * height;
        if (file.size() < need)
            return failure(PictureError::DecodeFailed, path,
                           QStringLiteral("the file ends before its last row of pixels (%1 of %2 bytes)")
                               .arg(file.size())
                               .arg(need));
    }
    return std::nullopt;
}

LoadedPicture loadWithQt(QFile& file, const QString& path, Kind kind, QSize area)
{
    if (kind == Kind::Bmp)
        if (auto refused = checkBmp(file, path))
            return *refused;
    const char* format = kind == Kind::Jpeg ? "jpeg" : kind == Kind::Png ? "png" : "bmp";
    QImageReader reader(&file, format);
    reader.setAutoTransform(true);
    QStringList jpegMessages;
    JpegMessageScope scope(jpegMessages);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty()) {
        QString detail = reader.errorString();
        if (!jpegMessages.isEmpty())
            detail = jpegMessages.join(QLatin1Char(' '));
        return failure(PictureError::DecodeFailed, path, detail);
    }
    if (tooLarge(stored, kind))
        return failure(PictureError::TooLarge, path, sizeDetail(stored, kind));
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? stored.transposed() : stored;
    if (kind == Kind::Jpeg && !area.isEmpty()) {
        // The scaled size is the stored one: the orientation is applied after.
        const QSize fitted = FitPicture(upright, area);
        if (fitted != upright && !fitted.isEmpty())
            reader.setScaledSize(turned ? fitted.transposed() : fitted);
    }
    if (kind != Kind::Jpeg) {
        // Qt's own limit would refuse what our pixel limit lets through.
        reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    }
    QImage image = reader.read();
    for (const QString& m : std::as_const(jpegMessages))
        if (m.contains(QLatin1String("premature end"), Qt::CaseInsensitive))
            return failure(PictureError::DecodeFailed, path, m);
    if (image.isNull()) {
        QString detail = reader.errorString();
        if (!jpegMessages.isEmpty())
            detail = jpegMessages.join(QLatin1Char(' '));
        return failure(PictureError::DecodeFailed, path, detail);
    }
    LoadedPicture r;
    r.image = opaque(std::move(image));
    r.fullSize = upright;
    return r;
}

} // namespace

Kind KindOfFileName(const QString& path)
{
    const QString end = path.right(4).toLower();
    if (end == QLatin1String(".jpg") || end == QLatin1String("jpeg"))
        return Kind::Jpeg;
    if (end == QLatin1String(".gif"))
        return Kind::Gif;
    if (end == QLatin1String(".bmp"))
        return Kind::Bmp;
    if (end == QLatin1String(".png"))
        return Kind::Png;
    return Kind::None;
}

LoadedPicture LoadPicture(const QString& path, QSize area)
{
    const Kind kind = KindOfFileName(path);
    if (kind == Kind::None)
        return failure(PictureError::NotAPicture, path);
    const QFileInfo info(path);
    if (info.isDir())
        return failure(PictureError::IsFolder, path);
    if (!info.exists())
        return failure(PictureError::Missing, path);
    if (!info.isFile())
        return failure(PictureError::NotAFile, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(PictureError::Unreadable, path, file.errorString());
    if (file.size() == 0)
        return failure(PictureError::Empty, path);
    LoadedPicture r = kind == Kind::Gif ? loadGif(file, path) : loadWithQt(file, path, kind, area);
    if (r.ok() && file.error() != QFileDevice::NoError)
        return failure(PictureError::Unreadable, path, file.errorString());
    return r;
}

QString PictureErrorText(PictureError error, const QString& path, const QString& detail)
{
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    switch (error) {
    case PictureError::None:
        return {};
    case PictureError::NotAPicture:
        return QStringLiteral("\"%1\" is not a picture the tool can open (GIF, JPEG, BMP or PNG).").arg(name);
    case PictureError::Missing:
        return QStringLiteral("The picture \"%1\" does not exist.").arg(name);
    case PictureError::IsFolder:
        return QStringLiteral("\"%1\" is a folder, not a picture.").arg(name);
    case PictureError::NotAFile:
        return QStringLiteral("\"%1\" is not a regular file.").arg(name);
    case PictureError::Unreadable:
        return QStringLiteral("The picture \"%1\" cannot be read: %2").arg(name, detail);
    case PictureError::Empty:
        return QStringLiteral("The picture \"%1\" is empty (0 bytes).").arg(name);
    case PictureError::TooLarge:
        return QStringLiteral("The picture \"%1\" is too large to open: %2.").arg(name, detail);
    case PictureError::DecodeFailed:
        return QStringLiteral("The picture \"%1\" cannot be decoded: %2").arg(name, detail);
    }
    return {};
}

} // namespace Picture
