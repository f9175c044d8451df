#include "PaletteFile.h"

#include "AcoReader.h"
#include "ActReader.h"
#include "AseReader.h"
#include "CssVarsReader.h"
#include "GifPaletteReader.h"
#include "GplReader.h"
#include "TokensReader.h"

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

PaletteKind KindForPath(const QString& path)
{
    if (path.endsWith(QLatin1String(".tokens.json"), Qt::CaseInsensitive))
        return PaletteKind::Tokens;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return PaletteKind::Gif;
    if (suffix == QLatin1String("aco"))
        return PaletteKind::Aco;
    if (suffix == QLatin1String("act"))
        return PaletteKind::Act;
    if (suffix == QLatin1String("gpl"))
        return PaletteKind::Gpl;
    if (suffix == QLatin1String("ase"))
        return PaletteKind::Ase;
    if (suffix == QLatin1String("css"))
        return PaletteKind::CssVars;
    if (suffix == QLatin1String("tv") && CanReadSchemes())
        return PaletteKind::Scheme;
    return PaletteKind::Unknown;
}

PaletteFileResult DecodeNamed(PaletteKind kind, const QByteArray& bytes, const QString& path)
{
    TNamedPalette p;
    switch (kind) {
    case PaletteKind::Gpl: p = GplReader::Parse(bytes); break;
    case PaletteKind::Ase: p = AseReader::Parse(bytes); break;
    case PaletteKind::CssVars: p = CssVarsReader::Parse(bytes); break;
    case PaletteKind::Tokens: p = TokensReader::Parse(bytes); break;
    default: p.fail(QStringLiteral("not a named palette")); break;
    }
    PaletteFileResult result;
    if (!p.ok()) {
        result.error = ImportError::Malformed;
        result.message = ImportErrorText(result.error, path, p.problem);
        return result;
    }
    result.colors = std::move(p.colors);
    result.names = std::move(p.names);
    result.notice = std::move(p.notice);
    return result;
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
    const PaletteKind kind = KindForPath(path);
#if TV_HAVE_FAVORITES
    if (kind == PaletteKind::Scheme) {
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
    if (kind == PaletteKind::Unknown || kind == PaletteKind::Scheme) {
        result.error = ImportError::UnknownFormat;
        result.message = ImportErrorText(result.error, path);
        return result;
    }
    QByteArray bytes;
    if (const ImportError e = ReadBytes(path, bytes, result.message); e != ImportError::None) {
        result.error = e;
        return result;
    }
    if (kind == PaletteKind::Gpl || kind == PaletteKind::Ase || kind == PaletteKind::CssVars || kind == PaletteKind::Tokens)
        return DecodeNamed(kind, bytes, path);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    if (kind == PaletteKind::Aco) {
        result.colors = AcoReader::Read(file);
    } else if (kind == PaletteKind::Act) {
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
