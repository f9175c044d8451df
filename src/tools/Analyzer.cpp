#include "Analyzer.h"

#include "ColorDifference.h"
#include "DisplayColor.h"
#include "HSLUtils.h"

namespace Tools {

QList<AnalyzerEntry> AnalyzerBackgrounds(const QList<TFavColor>& favorites)
{
    QList<AnalyzerEntry> entries;
    entries.reserve(favorites.size() + 2);
    for (const TFavColor& f : favorites)
        entries.append({f.Name, f.Color});
    entries.append({QStringLiteral("White"), clWhite});
    entries.append({QStringLiteral("Black"), clBlack});
    return entries;
}

QList<AnalyzerEntry> AnalyzerTextColors(const QList<AnalyzerEntry>& candidates, TColor background)
{
    QList<AnalyzerEntry> texts;
    for (const AnalyzerEntry& e : candidates) {
        if (HSLUtils::HasBrightnessContrast(background, e.color))
            texts.append(e);
    }
    return texts;
}

QList<ContrastRow> ContrastReport(const QList<AnalyzerEntry>& entries, TColor background)
{
    static constexpr struct {
        int mode;
        const char* name;
    } kDichromacies[] = {{ColorVision::Protanopia, "protanopia"},
                         {ColorVision::Deuteranopia, "deuteranopia"},
                         {ColorVision::Tritanopia, "tritanopia"}};
    QList<ContrastRow> rows;
    rows.reserve(entries.size());
    for (const AnalyzerEntry& e : entries) {
        ContrastRow row;
        row.entry = e;
        row.ratio = ContrastRatio(e.color, background);
        row.verdict = WcagVerdictFor(row.ratio);
        row.lc = ApcaContrast(e.color, background);
        for (const auto& d : kDichromacies) {
            if (HardToTellApart(e.color, background, d.mode))
                row.hardToTellApartFor << QLatin1String(d.name);
        }
        rows.append(row);
    }
    return rows;
}

void TAnalyzerModel::refresh(const QList<TFavColor>& favorites)
{
    m_backgrounds = AnalyzerBackgrounds(favorites);
    if (m_background < 0)
        m_background = 0;
    else if (m_background >= m_backgrounds.size())
        m_background = int(m_backgrounds.size() - 1);
    rebuildTexts();
}

ToolsError TAnalyzerModel::selectBackground(int index)
{
    if (index < 0 || index >= m_backgrounds.size())
        return ToolsError::BackgroundOutOfRange;
    m_background = index;
    rebuildTexts();
    return ToolsError::None;
}

bool TAnalyzerModel::selectText(int index)
{
    if (index < 0 || index >= m_texts.size())
        return false;
    m_text = index;
    return true;
}

TColor TAnalyzerModel::backgroundColor() const
{
    const qsizetype n = m_backgrounds.size();
    const int i = m_background < 0 ? 0 : m_background;
    if (i == n - 1)
        return clBlack;
    if (i == n - 2)
        return clWhite;
    return m_backgrounds.at(i).color;
}

TColor TAnalyzerModel::textColor() const
{
    return m_text >= 0 && m_text < m_texts.size() ? m_texts.at(m_text).color : backgroundColor();
}

TAnalyzerModel::Sample TAnalyzerModel::sample(bool reverse) const
{
    const TColor bg = backgroundColor();
    const TColor fg = textColor();
    return reverse ? Sample{fg, bg} : Sample{bg, fg};
}

void TAnalyzerModel::rebuildTexts()
{
    m_texts = AnalyzerTextColors(m_backgrounds, backgroundColor());
    m_text = m_texts.isEmpty() ? -1 : 0;
}

} // namespace Tools
