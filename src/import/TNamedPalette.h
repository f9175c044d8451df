#pragma once

#include "TColor.h"

#include <QList>
#include <QString>
#include <QStringList>

// The colours of a palette read from a text or binary format that names its
// colours (GIMP, ASE, CSS custom properties, design tokens), or what is wrong
// with it. A reader that finds a fault returns the problem and no colours at
// all, so a caller never takes half a file.
struct TNamedPalette {
    // Caps of every named-palette reader: a longer name or a larger palette
    // is refused (a 4,096-character name and 65,536 colours still pass).
    static constexpr qsizetype kMaxNameLength = 4096;
    static constexpr qsizetype kMaxColors = 65536;

    QString problem; // what is wrong, without the file's name; empty when read
    QList<TColor> colors;
    QStringList names; // parallel to colors; an empty name takes the favourites' default
    QString notice;    // something the user should know about a file that was read (empty: nothing)

    bool ok() const { return problem.isEmpty(); }

    // Appends one colour within the caps; false (and the problem set) when a
    // cap is passed. `where` locates the entry for the message ("line 12").
    bool add(TColor color, const QString& name, const QString& where = {})
    {
        if (name.size() > kMaxNameLength)
            return fail(prefixed(where, QStringLiteral("a color name of %1 characters (at most %2 are read)")
                                            .arg(name.size())
                                            .arg(kMaxNameLength)));
        if (colors.size() >= kMaxColors)
            return fail(QStringLiteral("more than %1 colors").arg(kMaxColors));
        colors.append(color);
        names.append(name);
        return true;
    }

    // Sets the problem and drops every colour read so far; always false.
    bool fail(const QString& what)
    {
        problem = what;
        colors.clear();
        names.clear();
        return false;
    }

    static QString prefixed(const QString& where, const QString& what)
    {
        return where.isEmpty() ? what : where + QStringLiteral(": ") + what;
    }
};
