#include "TImportFilter.h"

#include "HSLUtils.h"

TImportFilter::TImportFilter(bool removeGrey, bool removeDuplicates)
    : m_removeGrey(removeGrey)
    , m_removeDuplicates(removeDuplicates)
{
}

bool TImportFilter::offer(TColor color, const QString& name)
{
    if (m_removeGrey) {
        double h, s, l;
        HSLUtils::RGBToHSL(color, h, s, l);
        if (s == 0)
            return false;
    }
    if (m_removeDuplicates && m_seen.contains(ColorValue(color)))
        return false;
    m_seen.insert(ColorValue(color));
    m_colors.append(color);
    m_names.append(name);
    return true;
}

void TImportFilter::offerAll(const QList<TColor>& colors)
{
    for (TColor c : colors)
        offer(c);
}

void TImportFilter::clear()
{
    m_colors.clear();
    m_names.clear();
    m_seen.clear();
}

void TImportFilter::addTo(const ImportTarget& target) const
{
    if (m_colors.isEmpty())
        return;
    if (target.beginBatch)
        target.beginBatch();
    if (target.addColor) {
        for (qsizetype i = 0; i < m_colors.size(); ++i)
            target.addColor(m_colors[i], m_names[i], i == 0);
    }
    if (target.endBatch)
        target.endBatch(int(m_colors.size()));
}
