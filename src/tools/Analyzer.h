#pragma once

#include "TColor.h"
#include "TFavColor.h"
#include "Contrast.h"
#include "ToolsError.h"

#include <QList>
#include <QString>
#include <QStringList>

// The scheme analyzer's two lists. The background entries are the
// favourites in their order, then "White" and "Black"; the text candidates
// are the same entries filtered by HasBrightnessContrast against the chosen
// background (brightness (R*299 + G*587 + B*114) / 1000 differing by 125 or
// more), in the same order. There is no other rating and no sorting.
namespace Tools {

struct AnalyzerEntry {
    QString name;
    TColor color{};
};

// Every background entry for these favourites (count + 2 entries).
QList<AnalyzerEntry> AnalyzerBackgrounds(const QList<TFavColor>& favorites);
// The entries of `candidates` that read as text on `background`. White or
// black always passes, so the result is never empty for the analyzer's
// candidates; the background's own colour never passes.
QList<AnalyzerEntry> AnalyzerTextColors(const QList<AnalyzerEntry>& candidates, TColor background);

// One row of the contrast page: an entry as text on the chosen background.
struct ContrastRow {
    AnalyzerEntry entry;
    double ratio = 1;               // WCAG 2.2 contrast ratio
    WcagVerdict verdict = WcagVerdict::Fail;
    double lc = 0;                  // APCA Lc of the entry as text on the background
    QStringList hardToTellApartFor; // "protanopia", "deuteranopia", "tritanopia" where HardToTellApart holds
};
// A row for every entry, in the entries' order.
QList<ContrastRow> ContrastReport(const QList<AnalyzerEntry>& entries, TColor background);

// The analyzer window's state without the window: both lists, the selected
// background (remembered by position across refreshes) and the selected text
// entry.
class TAnalyzerModel {
public:
    // Rebuilds the background list from the favourites. The selected
    // position is kept; with none yet the first entry is selected, and a
    // position past the new list moves to its last entry ("Black"). Then the
    // text list is rebuilt.
    void refresh(const QList<TFavColor>& favorites);
    // A background chosen by the user: the text list is rebuilt and its first
    // entry selected. BackgroundOutOfRange (and no change) for a position that
    // is not in the list.
    ToolsError selectBackground(int index);
    // Only the sample changes; false for a position that is not in the list.
    bool selectText(int index);

    const QList<AnalyzerEntry>& backgrounds() const { return m_backgrounds; }
    const QList<AnalyzerEntry>& texts() const { return m_texts; }
    int backgroundIndex() const { return m_background; }
    int textIndex() const { return m_text; }

    // The colour of background entry i by position: the last entry is black,
    // the one before it white, every other the favourite at i.
    TColor backgroundColor() const;
    TColor textColor() const;

    // The sample's colours; reversed, the text colour fills and the
    // background colour writes.
    struct Sample {
        TColor fill{};
        TColor text{};
    };
    Sample sample(bool reverse) const;

private:
    void rebuildTexts();

    QList<AnalyzerEntry> m_backgrounds{{QStringLiteral("White"), clWhite}, {QStringLiteral("Black"), clBlack}};
    QList<AnalyzerEntry> m_texts;
    int m_background = -1; // -1 until the first refresh
    int m_text = -1;
};

} // namespace Tools
