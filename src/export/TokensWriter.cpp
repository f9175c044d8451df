#include "TokensWriter.h"

#include "HSLUtils.h"
#include "TextLines.h"
#include "UniqueNames.h"

namespace {

const QString groupName = QStringLiteral("palette");

QString unicodeEscape(char16_t c)
{
    return QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
}

} // namespace

namespace TokensWriter {

QString TokenName(const QString& name)
{
    QString out;
    out.reserve(name.size() + 1);
    if (name.startsWith(QLatin1Char('$')))
        out += QLatin1Char('_');
    for (const QChar ch : name) {
        if (ch == QLatin1Char('.'))
            out += QLatin1Char('_');
        else if (ch == QLatin1Char('{'))
            out += QLatin1Char('(');
        else if (ch == QLatin1Char('}'))
            out += QLatin1Char(')');
        else
            out += ch;
    }
    return out;
}

QString JsonString(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case '"': out += QLatin1String("\\\""); continue;
        case '\\': out += QLatin1String("\\\\"); continue;
        case '\n': out += QLatin1String("\\n"); continue;
        case '\r': out += QLatin1String("\\r"); continue;
        case '\t': out += QLatin1String("\\t"); continue;
        default: break;
        }
        if (c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029) {
            out += unicodeEscape(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            out += text[i];
            out += text[i + 1];
            ++i;
        } else if (QChar::isSurrogate(c)) {
            out += unicodeEscape(c);
        } else {
            out += text[i];
        }
    }
    out += QLatin1Char('"');
    return out;
}

QByteArray Bytes(const TExportList& list)
{
    QString text = QStringLiteral("{\n  ") + JsonString(groupName) + QStringLiteral(": {");
    TUniqueNames names;
    for (qsizetype i = 0; i < list.size(); ++i) {
        // Room for the group's path and a "-n" that makes the name unique.
        QString name = TokenName(CappedText(list.name(i), kMaxPaletteNameLength - groupName.size() - 9));
        if (name.isEmpty())
            name = QStringLiteral("Color ") + QString::number(i + 1);
        text += i == 0 ? QStringLiteral("\n    ") : QStringLiteral(",\n    ");
        text += JsonString(names.take(name)) + QStringLiteral(": {\n      \"$type\": \"color\",\n      \"$value\": \"#")
                + HSLUtils::ColorToHex(list.colors()[i]).toLower() + QStringLiteral("\"\n    }");
    }
    text += list.isEmpty() ? QStringLiteral("}\n}\n") : QStringLiteral("\n  }\n}\n");
    return text.toUtf8();
}

bool Write(QIODevice& device, const TExportList& list)
{
    const QByteArray b = Bytes(list);
    return device.write(b) == b.size();
}

} // namespace TokensWriter
