#include "CssVarsWriter.h"

#include "HSLUtils.h"
#include "TextLines.h"
#include "UniqueNames.h"

namespace CssVarsWriter {

QString PropertyName(const QString& name)
{
    QString out = QStringLiteral("--");
    out.reserve(2 * name.size() + 2);
    for (const QChar ch : name) {
        const char16_t c = ch.unicode();
        if (c == 0) {
            out += QChar(0xFFFD);
        } else if (c < 0x20 || c == 0x7F) {
            out += QLatin1Char('\\');
            out += QString::number(c, 16);
            out += QLatin1Char(' ');
        } else if (c >= 0x80 || c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')
                   || (c >= 'a' && c <= 'z')) {
            out += ch;
        } else {
            out += QLatin1Char('\\');
            out += ch;
        }
    }
    return out;
}

QByteArray Bytes(const TExportList& list)
{
    QString text = QStringLiteral("@charset \"UTF-8\";\r\n:root {\r\n");
    text.reserve(text.size() + list.size() * 48);
    TUniqueNames names;
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString name = CappedText(list.cssName(i), kMaxPaletteNameLength - 8);
        if (name.isEmpty())
            name = QStringLiteral("Color") + QString::number(i + 1);
        text += QLatin1String("  ");
        text += PropertyName(names.take(name));
        text += QLatin1String(": #");
        text += HSLUtils::ColorToHex(list.colors()[i]).toLower();
        text += QLatin1String(";\r\n");
    }
    text += QStringLiteral("}\r\n");
    return text.toUtf8();
}

bool Write(QIODevice& device, const TExportList& list)
{
    const QByteArray b = Bytes(list);
    return device.write(b) == b.size();
}

} // namespace CssVarsWriter
