#include "SchemeFile.h"

#include "OldSchemeFormat.h"
#include "SchemeFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool readWhole(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

FavoritesError writeWhole(const QString& path, const QByteArray& bytes, const std::function<void(qint64)>& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FavoritesError::SchemeSaveFailed;
    constexpr qint64 kChunk = 64 * 1024;
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = std::min<qint64>(kChunk, bytes.size() - written);
        if (file.write(bytes.constData() + written, n) != n) {
            file.cancelWriting();
            return FavoritesError::SchemeSaveFailed;
        }
        written += n;
        if (progress)
            progress(written);
    }
    return file.commit() ? FavoritesError::None : FavoritesError::SchemeSaveFailed;
}

} // namespace

TSchemeOpenResult OpenSchemeFile(const QString& path)
{
    TSchemeOpenResult result;
    auto fail = [&](FavoritesError e) {
        result.error = e;
        result.messages.append(FavoritesErrorText(e));
        return result;
    };

    QByteArray bytes;
    if (!readWhole(path, bytes))
        return fail(FavoritesError::SchemeOpenFailed);

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
        if (!readWhole(path, bytes))
            return fail(FavoritesError::SchemeOpenFailed);
    }

    if (const FavoritesError e = SchemeFormat::Parse(bytes, result.data); e != FavoritesError::None)
        return fail(e);
    return result;
}

FavoritesError ReadSchemeFile(const QString& path, TSchemeData& out)
{
    QByteArray bytes;
    if (!readWhole(path, bytes))
        return FavoritesError::SchemeOpenFailed;
    if (OldSchemeFormat::IsOldScheme(bytes))
        return OldSchemeFormat::Parse(bytes, out);
    return SchemeFormat::Parse(bytes, out);
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
    if (!readWhole(path, bytes))
        return FavoritesError::SessionOpenFailed;
    if (SchemeFormat::Parse(bytes, out, SchemeFormat::VersionCheck::Ignore) != FavoritesError::None)
        return FavoritesError::SessionOpenFailed;
    return FavoritesError::None;
}

FavoritesError SaveSessionFile(const QString& path, const TSchemeData& data)
{
    return SaveSchemeFile(path, data) == FavoritesError::None ? FavoritesError::None : FavoritesError::SessionSaveFailed;
}
