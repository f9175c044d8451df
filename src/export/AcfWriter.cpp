#include "AcfWriter.h"

#include "TextLines.h"

namespace AcfWriter {

QStringList Lines(const TExportList& list, const QString& title)
{
    QStringList l;
    l << QStringLiteral("ACF 1.0") << title << QStringLiteral("LibraryVersion: 1.0") << QStringLiteral("Copyright: ")
      << QStringLiteral("AboutMessage: ") << QStringLiteral("Names: Partial") << QStringLiteral("Rows: 12")
      << QStringLiteral("Columns: 12") << QStringLiteral("Entries: ") + QString::number(list.size())
      << QStringLiteral("Prefix: ") << QStringLiteral("Suffix: ") << QStringLiteral("Type: Process")
      << QStringLiteral("Models: RGB") << QStringLiteral("PreferredModel: RGB") << QStringLiteral("Data:");
    for (qsizetype i = 0; i < list.size(); ++i) {
        const TColor c = list.colors()[i];
        QString name = list.name(i);
        name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        l << QStringLiteral("%1 %2 %3").arg(RedOf(c) * 257).arg(GreenOf(c) * 257).arg(BlueOf(c) * 257) << name;
    }
    return l;
}

bool Write(QIODevice& device, const TExportList& list, const QString& title)
{
    return WriteTextLines(device, Lines(list, title));
}

} // namespace AcfWriter
