#pragma once

#include "TColor.h"

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

// The Illustrator 6 palette document. `title` is the target's file name
// without its folder, `date` the creation date as the user's short date;
// both pass through OneLineText() (a file name with a line break in it cannot
// add lines such as "%%EOF" or "showpage" to the document).
namespace AiPaletteWriter {

QStringList Lines(const QList<TColor>& colors, const QString& title, const QString& date);
bool Write(QIODevice& device, const QList<TColor>& colors, const QString& title, const QString& date);

// channel / 255 in extended precision, printed like "%.15Lg" but always with
// "." as the decimal separator, whatever the locale (PostScript reads no
// other): 0 -> "0", 51 -> "0.2", 128 -> "0.501960784313725", 255 -> "1".
QString Fraction(int channel);

} // namespace AiPaletteWriter
