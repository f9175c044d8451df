#include "CssSheetWriter.h"

#include "HSLUtils.h"
#include "TextLines.h"

namespace CssSheetWriter {

QString Identifier(const QString& name)
{
    QString out;
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = name[i].unicode();
        if (c == 0) {
            out += QChar(0xFFFD);
        } else if ((c >= 0x01 && c <= 0x1F) || c == 0x7F || (i == 0 && c >= '0' && c <= '9')
                   || (i == 1 && c >= '0' && c <= '9' && name[0] == QLatin1Char('-'))) {
            out += QLatin1Char('\\') + QString::number(c, 16) + QLatin1Char(' ');
        } else if (i == 0 && n == 1 && c == '-') {
            out += QLatin1String("\\-");
        } else if (c >= 0x80 || c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')
                   || (c >= 'a' && c <= 'z')) {
            out += QChar(c);
        } else {
            out += QLatin1Char('\\') + QChar(c);
        }
    }
    return out;
}

QStringList Lines(const TExportList& list)
{
    QStringList l;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const TColor c = list.colors()[i];
        QString ident = Identifier(list.cssName(i));
        // A favourite without a name still needs a class: it takes its number.
        if (ident.isEmpty())
            ident = QStringLiteral("Color") + QString::number(i + 1);
        l << QLatin1Char('.') + ident + QStringLiteral(" {")
          << QStringLiteral("  Color: #") + HSLUtils::ColorToHex(c) + QLatin1Char(';') << QStringLiteral("}")
          << QString();
    }
    return l;
}

bool Write(QIODevice& device, const TExportList& list)
{
    return WriteTextLines(device, Lines(list));
}

} // namespace CssSheetWriter
