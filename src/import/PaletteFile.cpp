#include "PaletteFile.h"

#include "AcoReader.h"
#include "ActReader.h"
#include "GifPaletteReader.h"

#include "SafeFile.h"

#include <QBuffer>
#include <QFileInfo>

#if TV_HAVE_FAVORITES
#include "FavoritesError.h"
#include "SchemeFile.h"
#endif

namespace PaletteFile {

bool CanReadSchemes()
{
#if TV_HAVE_FAVORITES
    return true;
#else
    return false;
#endif
}

ImportError ReadBytes(const QString& path, QByteArray& bytes, QString& message)
{
    const FileResult r = SafeFile::Read(path, SafeFile::kBinaryCap, bytes);
    if (r.ok())
        return ImportError::None;
    const ImportError e =
        r.error == FileError::NotRegular || r.error == FileError::TooLarge ? ImportError::FileRefused : ImportError::OpenFailed;
    message = ImportErrorText(e, path, r.text());
    return e;
}

PaletteFileResult Read(const QString& path)
{
    PaletteFileResult result;
    const QString suffix = QFileInfo(path).suffix().toLower();
#if TV_HAVE_FAVORITES
    if (suffix == QLatin1String("tv")) {
        TSchemeData data;
        QString message;
        const FavoritesError e = ReadSchemeFile(path, data, &message);
        if (e != FavoritesError::None) {
            result.error = e == FavoritesError::NotRegularFile || e == FavoritesError::FileTooLarge
                               ? ImportError::FileRefused
                               : ImportError::DecodeFailed;
            result.message = message;
            return result;
        }
        for (const TFavColor& f : data.Favorites) {
            result.colors.append(f.Color);
            result.names.append(f.Name);
        }
        return result;
    }
#endif
    if (suffix != QLatin1String("gif") && suffix != QLatin1String("aco") && suffix != QLatin1String("act")) {
        result.error = ImportError::UnknownFormat;
        result.message = ImportErrorText(result.error, path);
        return result;
    }
    QByteArray bytes;
    if (const ImportError e = ReadBytes(path, bytes, result.message); e != ImportError::None) {
        result.error = e;
        return result;
    }
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    if (suffix == QLatin1String("aco")) {
        result.colors = AcoReader::Read(file);
    } else if (suffix == QLatin1String("act")) {
        result.colors = ActReader::Read(file);
    } else {
        GifPaletteResult gif = GifPaletteReader::Read(file);
        if (!gif.ok()) {
            result.error = gif.error;
            result.message = ImportErrorText(gif.error, path, gif.message);
            return result;
        }
        result.colors = std::move(gif.colors);
    }
    return result;
}

} // namespace PaletteFile
