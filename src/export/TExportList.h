#pragma once

#include "ExportGroups.h"

#include <QList>
#include <QStringList>

// The colours of an export in order (favourites, wheel, mixer, history, as
// ticked) and their names: colour i is named after favourite i when the
// favourites are ticked and i is below their number, otherwise "Color " and
// i + 1 (for CSS classes "Color" and i + 1, without the space).
class TExportList {
public:
    TExportList() = default;
    TExportList(QList<TColor> colors, QStringList favoriteNames);

    static TExportList build(const ExportGroups& groups, const ExportSelection& selection);

    const QList<TColor>& colors() const { return m_colors; }
    qsizetype size() const { return m_colors.size(); }
    bool isEmpty() const { return m_colors.isEmpty(); }
    // The first favoriteCount() colours are favourites and carry their names.
    qsizetype favoriteCount() const { return m_favoriteNames.size(); }

    QString name(qsizetype i) const;
    QString cssName(qsizetype i) const;
    QStringList names() const;

    // Keeps the first n colours (the GIF and ACT writers take 256 at most).
    void truncate(qsizetype n);

private:
    QList<TColor> m_colors;
    QStringList m_favoriteNames;
};
