#include "TSchemeDocument.h"

#include "SchemeFile.h"
#include "TFavoritesList.h"

#include <QFileInfo>

TSchemeDocument::TSchemeDocument(QObject* parent)
    : QObject(parent)
{
}

QString TSchemeDocument::caption() const
{
    return QStringLiteral("Tintvale Studio - [") + m_fileName + QLatin1Char(']');
}

void TSchemeDocument::setPreviewColors(const TPreviewColors& colors)
{
    if (colors == m_preview)
        return;
    m_preview = colors;
    emit previewColorsChanged();
}

void TSchemeDocument::resetPreviewColors() { setPreviewColors(DefaultPreviewColors()); }

void TSchemeDocument::setFile(const QString& fileName, const QString& path)
{
    const bool changed = fileName != m_fileName;
    m_fileName = fileName;
    m_filePath = path;
    if (changed)
        emit captionChanged(caption());
}

TSchemeDocument::OpenOutcome TSchemeDocument::open(const QString& path, TFavoritesList& list)
{
    TSchemeOpenResult result = OpenSchemeFile(path);
    OpenOutcome outcome;
    outcome.messages = result.messages;
    if (result.error != FavoritesError::None)
        return outcome;
    outcome.opened = true;
    outcome.baseColor = result.data.BaseColor;
    list.replaceAll(std::move(result.data.Favorites));
    list.reapplyNameStyle(list.nameStyle());
    setPreviewColors(result.data.HasPreview ? result.data.Preview : DefaultPreviewColors());
    setFile(QFileInfo(path).fileName(), path);
    list.SetModified(false);
    return outcome;
}

TSchemeData TSchemeDocument::snapshot(const TFavoritesList& list, TColor baseColor) const
{
    TSchemeData data;
    data.BaseColor = baseColor;
    data.Favorites = list.entries();
    data.Preview = m_preview;
    return data;
}

FavoritesError TSchemeDocument::save(const QString& fileName, const QString& path, TFavoritesList& list, TColor baseColor)
{
    const FavoritesError e = SaveSchemeFile(path, snapshot(list, baseColor));
    if (e != FavoritesError::None)
        return e;
    setFile(fileName, path);
    list.SetModified(false);
    return FavoritesError::None;
}

void TSchemeDocument::newScheme(TFavoritesList& list)
{
    list.clear();
    resetPreviewColors();
    setFile(QStringLiteral("untitled"), QString());
}

FavoritesError TSchemeDocument::loadSession(const QString& path, TFavoritesList& list)
{
    TSchemeData data;
    bool exists = false;
    const FavoritesError e = LoadSessionFile(path, data, &exists);
    if (e != FavoritesError::None || !exists)
        return e;
    list.replaceAll(std::move(data.Favorites));
    setPreviewColors(data.HasPreview ? data.Preview : DefaultPreviewColors());
    return FavoritesError::None;
}

FavoritesError TSchemeDocument::saveSession(const QString& path, const TFavoritesList& list, TColor baseColor) const
{
    return SaveSessionFile(path, snapshot(list, baseColor));
}
