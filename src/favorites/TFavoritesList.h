#pragma once

#include "TFavColor.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

// The favourites of the open scheme in display order, with the current
// index, the multiple-selection flag and the modified flag of the scheme.
//
// Invariants: the current index is -1 only before the first addition;
// otherwise it is 0 for an empty list and in 0 .. count-1 for a non-empty one
// (setCurrentIndex clamps). Operations on an empty list change nothing,
// except that makeSelectedWebsafe still marks the scheme modified.
//
// Signals: changed() after anything that a view shows (entries, selection,
// expansion, current index); modifiedChanged(bool) when the modified flag
// flips; analyzerRefreshRequested() after the operations that must refresh
// a visible scheme analyzer (insert, move, delete, rename, websafe).
class TFavoritesList : public QObject {
    Q_OBJECT
public:
    explicit TFavoritesList(QObject* parent = nullptr);

    qsizetype count() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const TFavColor& at(qsizetype i) const { return m_entries.at(i); }
    const QList<TFavColor>& entries() const { return m_entries; }

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    // The colour of the current entry, or nothing when there is none.
    std::optional<TColor> currentColor() const;
    bool hasCurrent() const { return m_current >= 0 && m_current < m_entries.size(); }

    // True when the last selection gesture left more than one entry
    // selected; Rename and Copy are disabled meanwhile.
    bool multipleSelection() const { return m_multiSelect; }
    void setMultipleSelection(bool on);
    qsizetype selectedCount() const;

    bool isModified() const { return m_modified; }
    void SetModified(bool flag);

    // FavCaption: 0 "#RRGGBB", 1 "R,G,B", 2 "Color n"; FavStyleExp: new rows expanded.
    void setNameStyle(int style) { m_nameStyle = style; }
    int nameStyle() const { return m_nameStyle; }
    void setExpandedStyle(bool expanded) { m_expandedStyle = expanded; }
    bool expandedStyle() const { return m_expandedStyle; }

    // Appends one entry named `name`, or automatically when it is empty.
    // selectOnlyNew: the new entry becomes the only selected one and current.
    // Marks the scheme modified.
    void AddColorsToFavorites(TColor color, const QString& name = {}, bool selectOnlyNew = false);
    // The "add all" of a batch (harmonies, suggested schemes): the first
    // colour with selectOnlyNew, the others without, then every entry of the
    // batch selected and the multiple-selection flag left clear. names may be
    // empty or give one name per colour. Returns the index of the first new entry.
    qsizetype addColorBatch(const QList<TColor>& colors, const QStringList& names = {});

    // A colour dropped at insertion point p (clamped to 0..count): automatic
    // name, the only selected entry, current. Marks modified.
    void insertAt(qsizetype p, TColor color);
    // Moves the current entry to insertion point t (0..count, positions before
    // the move); the current index follows it. Marks modified even when
    // nothing moves; nothing at all without a current entry.
    void moveCurrentTo(qsizetype t);
    // Removes exactly the selected entries, keeping the order of the others.
    // Returns how many were removed. Does nothing on an empty list.
    qsizetype deleteSelected();
    // Sets the name of entry i (any text, empty included). Returns true and
    // marks the scheme modified when it differs from the old name
    // (case-sensitive).
    bool rename(qsizetype i, const QString& name);

    // Stable sorts. They keep the current index as a position, leave the
    // modified flag alone and do not refresh the analyzer.
    void sortByColor();      // hue ascending, then lightness ascending
    void sortBySaturation(); // saturation descending, then hue ascending
    void sortByLightness();  // lightness ascending, then hue ascending

    // Snaps every selected entry to the grid of `snapMode` (0 websafe,
    // 1 WebSmart); hex and RGB names follow the new value, other names stay.
    // Always marks the scheme modified.
    void makeSelectedWebsafe(int snapMode);

    // Rewrites automatic names ("#" + hex of the colour, or its RGB text) in
    // `style`; style 2 and own names are left alone. The modified flag is not
    // touched.
    void reapplyNameStyle(int style);

    // New: empty list, current index 0, modified cleared.
    void clear();
    // Open and session restore: the entries replace the list (Selected is
    // cleared), the first one is selected and index 0 is current. The
    // modified flag is left to the caller.
    void replaceAll(QList<TFavColor> entries);

    // Selection gesture of a mouse press on row i: plain, Shift (with or
    // without Ctrl) or Ctrl. i becomes current first. Returns false (and does
    // nothing) when i is not a row.
    bool selectByGesture(qsizetype i, bool shift, bool ctrl);
    // After a Shift or Ctrl gesture: when exactly one entry is selected it
    // becomes current.
    void adoptSingleSelection();
    void toggleExpanded(qsizetype i);
    void setSelected(qsizetype i, bool selected);
    // Rename and Copy of the toolbar are enabled.
    bool singleEntryCommandsEnabled() const { return !m_multiSelect; }

signals:
    void changed();
    void modifiedChanged(bool modified);
    void analyzerRefreshRequested();

private:
    QString automaticName(TColor color, qsizetype countAfter) const;
    template <typename Less>
    void stableSort(Less less);

    QList<TFavColor> m_entries;
    int m_current = -1;
    bool m_multiSelect = false;
    bool m_modified = false;
    int m_nameStyle = 0;
    bool m_expandedStyle = false;
};
