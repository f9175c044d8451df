#pragma once

#include "TColor.h"

#include <QList>
#include <QObject>

// The base colours of this run, oldest first, and the position the base
// colour came from. The history is never saved.
//
// Wiring with SetBaseColor: after its no-change check, SetBaseColor calls
// baseColorSet(c), which records c unless a history step is being applied
// (or the caller set the navigating flag itself) and clears the flag. Back,
// Forward and Choose emit applyRequested(colour) with isNavigating() true;
// the handler calls SetBaseColor(colour).
//
// Enabling: backEnabled() drives tbBack and mnuEditUndo, forwardEnabled()
// tbForward and mnuEditRedo; navigationChanged() is emitted when either
// changes.
class TColorHistory : public QObject {
    Q_OBJECT
public:
    explicit TColorHistory(QObject* parent = nullptr);

    qsizetype count() const { return m_entries.size(); }
    TColor at(qsizetype i) const { return m_entries.at(i); }
    const QList<TColor>& entries() const { return m_entries; }
    // The entry the base colour came from; -1 while the history is empty.
    int position() const { return m_position; }

    bool isNavigating() const { return m_navigating; }
    // For callers that re-apply a colour without recording it.
    void setNavigating(bool on) { m_navigating = on; }

    bool backEnabled() const { return m_backEnabled; }
    bool forwardEnabled() const { return m_forwardEnabled; }

    // Cuts off the entries after the position, appends the colour, makes it
    // the position and updates the enabling.
    void Record(TColor color);
    // The SetBaseColor hook described above.
    void baseColorSet(TColor color);

    void Back();
    void Forward();
    // The user picked entry i of cboHistory.
    void Choose(int i);
    // Leaves the base colour as the only entry, at the position, and
    // disables navigation.
    void ClearHistory(TColor baseColor);
    // Disables all four navigation commands (end of start-up).
    void DisableNavigation();

signals:
    void changed(); // entries or position
    void navigationChanged();
    void applyRequested(TColor color);

private:
    void apply();
    void setEnabling(bool back, bool forward);
    void updateEnablingByRule();

    QList<TColor> m_entries;
    int m_position = -1;
    bool m_navigating = false;
    bool m_backEnabled = false;
    bool m_forwardEnabled = false;
};
