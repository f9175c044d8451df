#pragma once

#include "ImportTarget.h"
#include "TColor.h"

#include <QList>
#include <QSet>
#include <QStringList>

// The import options applied to candidate colours in candidate order:
// with removeGrey, a colour whose HSL saturation is exactly 0 (black, white
// and every grey) is skipped; with removeDuplicates, a colour equal to one
// already accepted in this import is skipped (the favourites themselves are
// not compared). Everything else is accepted, in order, with its name.
class TImportFilter {
public:
    TImportFilter(bool removeGrey, bool removeDuplicates);

    // True when the colour was accepted.
    bool offer(TColor color, const QString& name = {});
    void offerAll(const QList<TColor>& colors);

    const QList<TColor>& colors() const { return m_colors; }
    const QStringList& names() const { return m_names; }
    int count() const { return int(m_colors.size()); }
    void clear();

    // Hands the accepted colours to the target in the documented order of
    // calls (see ImportTarget); nothing is called when nothing was accepted.
    void addTo(const ImportTarget& target) const;

private:
    bool m_removeGrey;
    bool m_removeDuplicates;
    QList<TColor> m_colors;
    QStringList m_names;
    QSet<quint32> m_seen;
};
