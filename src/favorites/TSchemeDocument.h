#pragma once

#include "FavoritesError.h"
#include "SchemeData.h"

#include <QObject>
#include <QString>
#include <QStringList>

class TFavoritesList;

// The open scheme beside its favourites: the current file name ("untitled"
// for a new scheme) and path, and the nine preview colours, which live here
// so that a save keeps them whether or not the preview window exists.
//
// Signals: captionChanged(QString) when the file name changes;
// previewColorsChanged() when the preview colours are replaced.
class TSchemeDocument : public QObject {
    Q_OBJECT
public:
    explicit TSchemeDocument(QObject* parent = nullptr);

    QString fileName() const { return m_fileName; }
    QString filePath() const { return m_filePath; }
    bool isUntitled() const { return m_fileName == QLatin1String("untitled"); }
    // "Tintvale Studio - [name]".
    QString caption() const;

    const TPreviewColors& previewColors() const { return m_preview; }
    void setPreviewColors(const TPreviewColors& colors);
    void resetPreviewColors();

    struct OpenOutcome {
        bool opened = false;
        TColor baseColor{};   // to pass to SetBaseColor when opened
        QStringList messages; // to show in OK boxes, in order (also on success: the conversion notice)
    };
    // OpenSchemeFile: on success the favourites are replaced (first selected,
    // index 0 current), the list's name style is re-applied, the preview
    // colours, file name and path are taken and the modified flag is cleared;
    // the caller then calls SetBaseColor(baseColor). On failure nothing changes.
    OpenOutcome open(const QString& path, TFavoritesList& list);

    // SaveSchemeFile: writes base colour, favourites and preview colours to
    // path; on success fileName and path become current and the modified flag
    // is cleared. On failure nothing changes.
    FavoritesError save(const QString& fileName, const QString& path, TFavoritesList& list, TColor baseColor);

    // New: empties the list (current index 0, modified cleared), resets the
    // preview colours and makes the scheme untitled.
    void newScheme(TFavoritesList& list);

    // Session restore at start-up: favourites (first selected, index 0
    // current) and preview colours from the file; name and modified flag stay.
    // A missing file changes nothing and is no error.
    FavoritesError loadSession(const QString& path, TFavoritesList& list);
    FavoritesError saveSession(const QString& path, const TFavoritesList& list, TColor baseColor) const;

    // The data a save writes.
    TSchemeData snapshot(const TFavoritesList& list, TColor baseColor) const;

signals:
    void captionChanged(const QString& caption);
    void previewColorsChanged();

private:
    void setFile(const QString& fileName, const QString& path);

    QString m_fileName = QStringLiteral("untitled");
    QString m_filePath;
    TPreviewColors m_preview = DefaultPreviewColors();
};
