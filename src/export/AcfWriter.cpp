#include "AcfWriter.h"

#include "TextLines.h"

namespace AcfWriter {

QStringList Lines(const TExportList& list, const QString& title)
{
    QStringList l;
    l << QStringLiteral("ACF 1.0") << OneLineText(title) << QStringLiteral("LibraryVersion: 1.0") << QStringLiteral("Copyright: ")
      << QStringLiteral("AboutMessage: ") << QStringLiteral("Names: Partial") << QStringLiteral("Rows: 12")
      << QStringLiteral("Columns: 12") << QStringLiteral("Entries: ") + QString::number(list.size())
      << QStringLiteral("Prefix: ") << QStringLiteral("Suffix: ") << QStringLiteral("Type: Process")
      << QStringLiteral("Models: RGB") << QStringLiteral("PreferredModel: RGB") << QStringLiteral("Data:");
    for (qsizetype i = 0; i < list.size(); ++i) {
        const TColor c = list.colors()[i];
        l << QStringLiteral("%1 %2 %3").arg(RedOf(c) * 257).arg(GreenOf(c) * 257).arg(BlueOf(c) * 257)
          << OneLineText(list.name(i));
    }
    return l;
}

bool Write(QIODevice& device, const TExportList& list, const QString& title)
{
    return WriteTextLines(device, Lines(list, title));
}

} // namespace AcfWriter
