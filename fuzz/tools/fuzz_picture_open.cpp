// Any bytes through the picture palette tool's open: the first byte picks the
// file ending (so the decoder: JPEG, GIF, BMP or PNG), the rest is the file.
// A picture that opens is then fitted, turned into a mosaic and extracted,
// as the window does with it.
#include "PictureExtract.h"
#include "PictureFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
QTemporaryDir* g_dir = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv); // the image plugins' paths
    g_dir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const char* const endings[] = {".jpg", ".gif", ".bmp", ".png", ".jpeg"};
    const QString path = g_dir->filePath(QStringLiteral("input") + QLatin1String(endings[data[0] % 5]));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }
    const Picture::LoadedPicture r = Picture::LoadPicture(path, QSize(600, 416));
    if (r.ok()) {
        const QSize fitted = Picture::FitPicture(r.fullSize, QSize(600, 416));
        const QImage shown = Picture::BuildDisplayed(r.image, r.fullSize, fitted, true);
        (void)Picture::ExtractPoints(shown, 1 + data[0] % 9);
    }
    QFile::remove(path);
    return 0;
}
