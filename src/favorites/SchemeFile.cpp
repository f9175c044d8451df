#include "SchemeFile.h"

#include "OldSchemeFormat.h"
#include "SchemeFormat.h"

#include "SafeFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A scheme or session file whole into memory, after the checks of its type
// and size; an old text scheme has a cap of its own. On failure `message`
// (when given) names the file.
FavoritesError readWhole(const QString& path, QByteArray& bytes, QString* message = nullptr)
{
    const FileResult r = SafeFile::Read(path, SafeFile::kBinaryCap, bytes);
    FavoritesError e = FavoritesError::None;
    if (r.error == FileError::NotRegular)
        e = FavoritesError::NotRegularFile;
    else if (r.error == FileError::TooLarge)
        e = FavoritesError::FileTooLarge;
    else if (!r.ok())
        e = FavoritesError::SchemeOpenFailed;
    else if (bytes.size() > SafeFile::kTextCap && OldSchemeFormat::IsOldScheme(bytes))
        e = FavoritesError::FileTooLarge;
    if (e != FavoritesError::None && message)
        *message = FavoritesErrorText(e, path);
    return e;
}

FavoritesError writeWhole(const QString& path, const QByteArray& bytes, const std::function<void(qint64)>& progress)
{
    return SafeFile::SaveBytes(path, bytes, progress).ok() ? FavoritesError::None : FavoritesError::SchemeSaveFailed;
}

} // namespace

TSchemeOpenResult OpenSchemeFile(const QString& path)
{
    TSchemeOpenResult result;
    auto fail = [&](FavoritesError e) {
        result.error = e;
        result.messages.append(FavoritesErrorText(e, path));
        return result;
    };

    QByteArray bytes;
    if (const FavoritesError e = readWhole(path, bytes); e != FavoritesError::None)
        return fail(e);

    if (OldSchemeFormat::IsOldScheme(bytes)) {
        TSchemeData converted;
        if (const FavoritesError e = OldSchemeFormat::Parse(bytes, converted); e != FavoritesError::None)
            return fail(e);
        FavoritesError e = FavoritesError::None;
        const QByteArray binary = SchemeFormat::Serialize(converted, &e);
        if (e == FavoritesError::None)
            e = writeWhole(path, binary, {});
        if (e != FavoritesError::None) {
            result.messages.append(FavoritesErrorText(FavoritesError::ImportFailed));
            return fail(FavoritesError::NotValidScheme);
        }
        result.converted = true;
        result.messages.append(OldSchemeConvertedText());
        if (const FavoritesError e = readWhole(path, bytes); e != FavoritesError::None)
            return fail(e);
    }

    if (const FavoritesError e = SchemeFormat::Parse(bytes, result.data); e != FavoritesError::None)
        return fail(e);
    return result;
}

FavoritesError ReadSchemeFile(const QString& path, TSchemeData& out, QString* message)
{
    QByteArray bytes;
    if (const FavoritesError e = readWhole(path, bytes, message); e != FavoritesError::None)
        return e;
    const FavoritesError e =
        OldSchemeFormat::IsOldScheme(bytes) ? OldSchemeFormat::Parse(bytes, out) : SchemeFormat::Parse(bytes, out);
    if (e != FavoritesError::None && message)
        *message = FavoritesErrorText(e, path);
    return e;
}

FavoritesError SaveSchemeFile(const QString& path, const TSchemeData& data, const std::function<void(qint64)>& progress)
{
    FavoritesError e = FavoritesError::None;
    const QByteArray bytes = SchemeFormat::Serialize(data, &e);
    if (e != FavoritesError::None)
        return e;
    return writeWhole(path, bytes, progress);
}

QString SessionFilePath(const QString& folder) { return QDir(folder).filePath(QStringLiteral("session.tmp")); }

FavoritesError LoadSessionFile(const QString& path, TSchemeData& out, bool* exists)
{
    const bool present = QFileInfo::exists(path);
    if (exists)
        *exists = present;
    if (!present)
        return FavoritesError::None;
    QByteArray bytes;
    if (readWhole(path, bytes) != FavoritesError::None)
        return FavoritesError::SessionOpenFailed;
    if (SchemeFormat::ParseSession(bytes, out) != FavoritesError::None)
        return FavoritesError::SessionOpenFailed;
    return FavoritesError::None;
}

FavoritesError SaveSessionFile(const QString& path, const TSchemeData& data)
{
    return SaveSchemeFile(path, data) == FavoritesError::None ? FavoritesError::None : FavoritesError::SessionSaveFailed;
}
