#include "TExportList.h"

TExportList::TExportList(QList<TColor> colors, QStringList favoriteNames)
    : m_colors(std::move(colors))
    , m_favoriteNames(std::move(favoriteNames))
{
    if (m_favoriteNames.size() > m_colors.size())
        m_favoriteNames.resize(m_colors.size());
}

TExportList TExportList::build(const ExportGroups& groups, const ExportSelection& selection)
{
    QList<TColor> colors;
    QStringList names;
    if (selection.favorites) {
        for (const ExportFavorite& f : groups.favorites) {
            colors.append(f.color);
            names.append(f.name);
        }
    }
    if (selection.wheel)
        colors.append(groups.wheel);
    if (selection.mixer)
        colors.append(groups.mixer);
    if (selection.history)
        colors.append(groups.history);
    return TExportList(std::move(colors), std::move(names));
}

QString TExportList::name(qsizetype i) const
{
    if (i < m_favoriteNames.size())
        return m_favoriteNames[i];
    return QStringLiteral("Color ") + QString::number(i + 1);
}

QString TExportList::cssName(qsizetype i) const
{
    if (i < m_favoriteNames.size())
        return m_favoriteNames[i];
    return QStringLiteral("Color") + QString::number(i + 1);
}

QStringList TExportList::names() const
{
    QStringList out;
    out.reserve(m_colors.size());
    for (qsizetype i = 0; i < m_colors.size(); ++i)
        out.append(name(i));
    return out;
}

void TExportList::truncate(qsizetype n)
{
    if (n < m_colors.size())
        m_colors.resize(n);
    if (n < m_favoriteNames.size())
        m_favoriteNames.resize(n);
}
