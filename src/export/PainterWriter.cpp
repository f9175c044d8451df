#include "PainterWriter.h"

#include "TextLines.h"

namespace PainterWriter {

QStringList Lines(const QList<TColor>& colors)
{
    QStringList l;
    l << QStringLiteral("ROWS 12") << QStringLiteral("COLS 22") << QStringLiteral("WIDTH 16")
      << QStringLiteral("HEIGHT 16") << QStringLiteral("TEXTHEIGHT 0") << QStringLiteral("SPACING 1");
    for (TColor c : colors)
        l << QString::asprintf("R: %03d, G:%03d, B:%03d ", RedOf(c), GreenOf(c), BlueOf(c));
    return l;
}

bool Write(QIODevice& device, const QList<TColor>& colors)
{
    return WriteTextLines(device, Lines(colors));
}

} // namespace PainterWriter
