#pragma once

#include "TColor.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Colour guides of the lookup window: named colours in a guide's own order.
//
// A guide file is a colour table (".csv": one "name,red,green,blue" line a
// colour, no header, a channel used through its low 8 bits) or a GIMP
// palette (".gpl"). In a table, a line with too few fields or a channel that
// is not a decimal integer is skipped and counted; empty lines are ignored.
namespace Tools {

struct TGuideEntry {
    QString name;
    TColor color{};
};

struct TGuide {
    QString title;              // the menu text
    QString fileName;           // the file it is read from ("solid.csv")
    QString path;               // where it was found; empty when absent
    QList<TGuideEntry> entries; // in file order
    int skippedLines = 0;
    QString problem;            // why the file could not be read (empty: read, or absent)
};

// One line of a colour table: the name is everything before the last three
// commas' fields, so "Cool Grey 7,..." and a name holding commas both work.
// False for a line that is not name,red,green,blue.
bool ParseGuideLine(QStringView line, TGuideEntry& entry);
// A whole table (UTF-8, or Latin-1 when it is not valid UTF-8; LF, CR LF or CR).
TGuide ParseGuideTable(const QByteArray& bytes);
// A GIMP palette; the title is its "Name:" line when it has one. A malformed
// palette is refused whole (problem set, no entries).
TGuide ParseGuidePalette(const QByteArray& bytes);

// The three guides of the menu, in this order, and the files they read.
struct FixedGuide {
    const char* title;
    const char* fileName;
};
inline constexpr FixedGuide kFixedGuides[] = {
    {"Pantone Solid", "solid.csv"}, {"Pantone 2x Colors", "2x.csv"}, {"Pantone Pastel", "pastel.csv"}};

// Every guide the lookup offers: the three fixed ones (absent ones included,
// with an empty path), then every other *.csv and *.gpl file of the folders,
// by file name, the first folder winning when two hold the same name. Reads
// each file found (a file over 16 MiB, a FIFO or an unreadable one gives a
// guide with its problem set). Further guides are titled by their file's
// base name, or a palette's "Name:" line.
QList<TGuide> LoadGuides(const QStringList& folders);
// One guide file by its ending (".gpl" a palette, anything else a table),
// titled by its base name unless the file names itself.
TGuide LoadGuideFile(const QString& path);

// The line a guide's list starts with: where to put an absent file, why a
// file could not be read, or how many lines were skipped; empty when the
// list is just the colours.
QString GuideNotice(const TGuide& guide, const QString& userFolder);

// Positions of the entries whose name contains `text` (case-insensitive),
// in guide order; every position for an empty text.
QList<int> FilterGuide(const TGuide& guide, const QString& text);
// The entry nearest `color` by CIEDE2000 (the first of equals), or -1 for an
// empty guide.
int NearestGuideEntry(const TGuide& guide, TColor color);

} // namespace Tools
