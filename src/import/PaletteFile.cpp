#include "PaletteFile.h"

#include "AcoReader.h"
#include "ActReader.h"
#include "GifPaletteReader.h"

#include <QFile>
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

PaletteFileResult Read(const QString& path)
{
    PaletteFileResult result;
    const QString suffix = QFileInfo(path).suffix().toLower();
#if TV_HAVE_FAVORITES
    if (suffix == QLatin1String("tv")) {
        TSchemeData data;
        const FavoritesError e = ReadSchemeFile(path, data);
        if (e != FavoritesError::None) {
            result.error = ImportError::DecodeFailed;
            result.message = FavoritesErrorText(e);
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = ImportError::OpenFailed;
        result.message = ImportErrorText(result.error, path);
        return result;
    }
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
