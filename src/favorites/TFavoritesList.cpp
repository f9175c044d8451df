#include "TFavoritesList.h"

#include "ColorText.h"
#include "HSLUtils.h"

#include <algorithm>

TFavoritesList::TFavoritesList(QObject* parent)
    : QObject(parent)
{
}

void TFavoritesList::setCurrentIndex(int index)
{
    if (m_entries.isEmpty())
        index = index < 0 ? index : 0;
    else
        index = std::clamp(index, 0, int(m_entries.size() - 1));
    if (index == m_current)
        return;
    m_current = index;
    emit changed();
}

std::optional<TColor> TFavoritesList::currentColor() const
{
    if (!hasCurrent())
        return std::nullopt;
    return m_entries.at(m_current).Color;
}

void TFavoritesList::setMultipleSelection(bool on)
{
    if (on == m_multiSelect)
        return;
    m_multiSelect = on;
    emit changed();
}

qsizetype TFavoritesList::selectedCount() const
{
    return std::count_if(m_entries.cbegin(), m_entries.cend(), [](const TFavColor& f) { return f.Selected; });
}

void TFavoritesList::SetModified(bool flag)
{
    if (flag == m_modified)
        return;
    m_modified = flag;
    emit modifiedChanged(flag);
}

QString TFavoritesList::automaticName(TColor color, qsizetype countAfter) const
{
    return ColorText::AutomaticName(m_nameStyle, color, countAfter);
}

void TFavoritesList::AddColorsToFavorites(TColor color, const QString& name, bool selectOnlyNew)
{
    m_entries.append(TFavColor::fromColor(color, m_expandedStyle));
    const int added = int(m_entries.size() - 1);
    if (selectOnlyNew) {
        for (TFavColor& f : m_entries)
            f.Selected = false;
        m_entries[added].Selected = true;
        m_current = added;
        m_multiSelect = false;
    }
    TFavColor& entry = m_entries[added];
    entry.Name = name.isEmpty() ? automaticName(entry.Color, m_entries.size()) : name;
    if (m_current < 0)
        m_current = 0;
    emit changed();
    SetModified(true);
}

qsizetype TFavoritesList::addColorBatch(const QList<TColor>& colors, const QStringList& names)
{
    const qsizetype first = m_entries.size();
    for (qsizetype i = 0; i < colors.size(); ++i)
        AddColorsToFavorites(colors[i], i < names.size() ? names[i] : QString(), i == 0);
    for (qsizetype i = first; i < m_entries.size(); ++i)
        m_entries[i].Selected = true;
    m_multiSelect = false;
    if (!colors.isEmpty())
        emit changed();
    return first;
}

void TFavoritesList::insertAt(qsizetype p, TColor color)
{
    p = std::clamp<qsizetype>(p, 0, m_entries.size());
    TFavColor entry = TFavColor::fromColor(color, m_expandedStyle);
    entry.Name = automaticName(entry.Color, m_entries.size() + 1);
    for (TFavColor& f : m_entries)
        f.Selected = false;
    entry.Selected = true;
    m_entries.insert(p, std::move(entry));
    m_multiSelect = false;
    m_current = int(p);
    emit changed();
    SetModified(true);
    emit analyzerRefreshRequested();
}

void TFavoritesList::moveCurrentTo(qsizetype t)
{
    if (!hasCurrent())
        return;
    t = std::clamp<qsizetype>(t, 0, m_entries.size());
    const qsizetype c = m_current;
    const qsizetype target = c < t ? t - 1 : t;
    if (target != c)
        m_entries.move(c, target);
    m_current = int(target);
    emit changed();
    SetModified(true);
    emit analyzerRefreshRequested();
}

qsizetype TFavoritesList::deleteSelected()
{
    if (m_entries.isEmpty())
        return 0;
    qsizetype firstRemoved = -1;
    QList<TFavColor> kept;
    kept.reserve(m_entries.size());
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].Selected) {
            if (firstRemoved < 0)
                firstRemoved = i;
        } else {
            kept.append(std::move(m_entries[i]));
        }
    }
    const qsizetype removed = m_entries.size() - kept.size();
    m_entries = std::move(kept);

    if (removed > 1)
        m_current = int(firstRemoved);
    if (m_current >= m_entries.size())
        m_current = int(m_entries.size() - 1);
    if (m_current < 0)
        m_current = 0;
    if (!m_entries.isEmpty())
        m_entries[m_current].Selected = true;
    m_multiSelect = false;
    emit changed();
    SetModified(true);
    emit analyzerRefreshRequested();
    return removed;
}

bool TFavoritesList::rename(qsizetype i, const QString& name)
{
    if (i < 0 || i >= m_entries.size())
        return false;
    const bool differs = m_entries[i].Name != name;
    m_entries[i].Name = name;
    if (differs) {
        emit changed();
        SetModified(true);
    }
    emit analyzerRefreshRequested();
    return differs;
}

namespace {
struct Hsl {
    double h, s, l;
};
Hsl hslOf(const TFavColor& f)
{
    Hsl v{};
    HSLUtils::RGBToHSL(f.Color, v.h, v.s, v.l);
    return v;
}
} // namespace

// Equivalent to the insertion sort that moves each entry, from the second-last
// back to the first, towards the end past every entry it sorts after: entries
// equal in both keys keep their order. Keys are computed once per entry.
template <typename Less>
void TFavoritesList::stableSort(Less less)
{
    if (m_entries.size() < 2)
        return;
    struct Keyed {
        Hsl key;
        TFavColor entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(m_entries.size());
    for (TFavColor& f : m_entries)
        keyed.push_back({hslOf(f), std::move(f)});
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) { return less(a.key, b.key); });
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        m_entries[i] = std::move(keyed[size_t(i)].entry);
    emit changed();
}

void TFavoritesList::sortByColor()
{
    stableSort([](const Hsl& a, const Hsl& b) { return a.h != b.h ? a.h < b.h : a.l < b.l; });
}

void TFavoritesList::sortBySaturation()
{
    stableSort([](const Hsl& a, const Hsl& b) { return a.s != b.s ? a.s > b.s : a.h < b.h; });
}

void TFavoritesList::sortByLightness()
{
    stableSort([](const Hsl& a, const Hsl& b) { return a.l != b.l ? a.l < b.l : a.h < b.h; });
}

void TFavoritesList::makeSelectedWebsafe(int snapMode)
{
    bool any = false;
    for (TFavColor& f : m_entries) {
        if (!f.Selected)
            continue;
        any = true;
        const bool hexName = f.Name == QLatin1Char('#') + f.Hex;
        const bool rgbName = !hexName && f.Name == ColorText::RgbText(f.R, f.G, f.B);
        f.setColor(HSLUtils::SnapWebColor(f.Color, snapMode));
        if (hexName)
            f.Name = ColorText::HashHexText(f.Color);
        else if (rgbName)
            f.Name = ColorText::RgbText(f.Color);
    }
    if (any)
        emit changed();
    SetModified(true);
    if (any)
        emit analyzerRefreshRequested();
}

void TFavoritesList::reapplyNameStyle(int style)
{
    if (style != ColorText::StyleHashHex && style != ColorText::StyleRgb)
        return;
    bool any = false;
    for (TFavColor& f : m_entries) {
        const bool automatic = f.Name == ColorText::HashHexText(f.Color) || f.Name == ColorText::RgbText(f.R, f.G, f.B);
        if (!automatic)
            continue;
        const QString name = style == ColorText::StyleHashHex ? ColorText::HashHexText(f.Color) : ColorText::RgbText(f.Color);
        if (name != f.Name) {
            f.Name = name;
            any = true;
        }
    }
    if (any)
        emit changed();
}

void TFavoritesList::clear()
{
    m_entries.clear();
    m_current = 0;
    m_multiSelect = false;
    emit changed();
    SetModified(false);
}

void TFavoritesList::replaceAll(QList<TFavColor> entries)
{
    m_entries = std::move(entries);
    for (TFavColor& f : m_entries)
        f.Selected = false;
    if (!m_entries.isEmpty())
        m_entries[0].Selected = true;
    m_current = 0;
    m_multiSelect = false;
    emit changed();
}

bool TFavoritesList::selectByGesture(qsizetype i, bool shift, bool ctrl)
{
    if (i < 0 || i >= m_entries.size())
        return false;
    const qsizetype j = m_current;
    m_current = int(i);
    if (shift) {
        const bool hadCurrent = j >= 0 && j < m_entries.size();
        const qsizetype from = hadCurrent ? std::min(i, j) : i;
        const qsizetype to = hadCurrent ? std::max(i, j) : i;
        for (qsizetype k = from; k <= to; ++k)
            m_entries[k].Selected = true;
        m_multiSelect = selectedCount() > 1;
    } else if (ctrl) {
        if (selectedCount() < 2)
            m_entries[i].Selected = true;
        else
            m_entries[i].Selected = !m_entries[i].Selected;
        m_multiSelect = selectedCount() > 1;
    } else {
        for (TFavColor& f : m_entries)
            f.Selected = false;
        m_entries[i].Selected = true;
        m_multiSelect = false;
    }
    emit changed();
    return true;
}

void TFavoritesList::adoptSingleSelection()
{
    qsizetype only = -1;
    for (qsizetype k = 0; k < m_entries.size(); ++k) {
        if (!m_entries[k].Selected)
            continue;
        if (only >= 0)
            return;
        only = k;
    }
    if (only >= 0 && only != m_current) {
        m_current = int(only);
        emit changed();
    }
}

void TFavoritesList::toggleExpanded(qsizetype i)
{
    if (i < 0 || i >= m_entries.size())
        return;
    m_entries[i].Expanded = !m_entries[i].Expanded;
    emit changed();
}

void TFavoritesList::setSelected(qsizetype i, bool selected)
{
    if (i < 0 || i >= m_entries.size() || m_entries[i].Selected == selected)
        return;
    m_entries[i].Selected = selected;
    emit changed();
}
