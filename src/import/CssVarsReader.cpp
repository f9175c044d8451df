#include "CssVarsReader.h"

#include "CssText.h"

namespace {

bool isHex(char16_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isNewline(char16_t c)
{
    return c == '\n' || c == '\r' || c == '\f';
}

bool isWhite(char16_t c)
{
    return c == ' ' || c == '\t' || isNewline(c);
}

bool isNameChar(char16_t c)
{
    return c >= 0x80 || c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

class Scanner {
public:
    explicit Scanner(QStringView text) : t(text) {}

    TNamedPalette run()
    {
        int depth = 0;
        bool statementStart = true;
        while (i < t.size()) {
            const char16_t c = t[i].unicode();
            if (c == '/' && at(i + 1) == '*') {
                skipComment();
            } else if (isWhite(c)) {
                ++i;
            } else if (c == '"' || c == '\'') {
                skipString();
                statementStart = false;
            } else if (c == '\\') {
                i += 2; // an escaped character is never structure
                statementStart = false;
            } else if (c == '{') {
                ++depth;
                ++i;
                statementStart = true;
            } else if (c == '}') {
                depth = std::max(0, depth - 1);
                ++i;
                statementStart = true;
            } else if (c == ';') {
                ++i;
                statementStart = true;
            } else if (statementStart && depth > 0 && c == '-' && at(i + 1) == '-') {
                if (!declaration())
                    return p;
                statementStart = true;
            } else {
                ++i;
                statementStart = false;
            }
        }
        return p;
    }

private:
    char16_t at(qsizetype k) const { return k < t.size() ? t[k].unicode() : 0; }

    // The line of position k, counted only for a message.
    QString lineOf(qsizetype k) const
    {
        return QStringLiteral("line %1").arg(t.first(std::min(k, t.size())).count(u'\n') + 1);
    }

    void skipComment()
    {
        const qsizetype end = t.indexOf(u"*/", i + 2);
        i = end < 0 ? t.size() : end + 2;
    }

    void skipString()
    {
        const char16_t quote = t[i].unicode();
        ++i;
        while (i < t.size()) {
            const char16_t c = t[i].unicode();
            if (c == '\\') {
                i += 2;
            } else if (c == quote) {
                ++i;
                return;
            } else if (isNewline(c)) {
                return; // a bad string ends at the line's end
            } else {
                ++i;
            }
        }
    }

    // An escape after the backslash at i: up to six hexadecimal digits and
    // one optional blank, or one character that is not a line break.
    bool escape(QString& out)
    {
        const char16_t next = at(i + 1);
        if (i + 1 >= t.size() || isNewline(next))
            return false;
        i += 1;
        if (isHex(next)) {
            char32_t v = 0;
            int n = 0;
            while (n < 6 && i < t.size() && isHex(t[i].unicode())) {
                const char16_t d = t[i].unicode();
                v = v * 16 + char32_t(d <= '9' ? d - '0' : (d | 0x20) - 'a' + 10);
                ++i;
                ++n;
            }
            if (at(i) == '\r' && at(i + 1) == '\n')
                i += 2;
            else if (i < t.size() && isWhite(t[i].unicode()))
                ++i;
            if (v == 0 || (v >= 0xD800 && v <= 0xDFFF) || v > 0x10FFFF)
                v = 0xFFFD;
            out += QString::fromUcs4(&v, 1);
        } else {
            out += t[i];
            ++i;
        }
        return true;
    }

    // A declaration that starts with "--" at i; false when the file is refused.
    bool declaration()
    {
        const qsizetype start = i;
        i += 2;
        QString name;
        while (i < t.size()) {
            const char16_t c = t[i].unicode();
            if (c == '\\') {
                if (!escape(name))
                    break;
            } else if (isNameChar(c)) {
                name += t[i];
                ++i;
            } else {
                break;
            }
            if (name.size() > TNamedPalette::kMaxNameLength)
                return p.add(TColor{}, name, lineOf(start)); // refused: the name is over the cap
        }
        while (i < t.size() && (isWhite(t[i].unicode()) || (t[i] == u'/' && at(i + 1) == '*'))) {
            if (t[i] == u'/')
                skipComment();
            else
                ++i;
        }
        if (at(i) != ':')
            return true; // not a declaration; the main loop goes on from here
        ++i;
        // The value: up to ";" or the block's "}" outside brackets, strings and comments.
        QString value;
        int nesting = 0;
        while (i < t.size()) {
            const char16_t c = t[i].unicode();
            if (c == '/' && at(i + 1) == '*') {
                skipComment();
                value += u' ';
                continue;
            }
            if (c == '"' || c == '\'') {
                const qsizetype from = i;
                skipString();
                value += t.mid(from, i - from);
                continue;
            }
            if (c == '\\') {
                value += t.mid(i, 2);
                i += 2;
                continue;
            }
            if (c == '(' || c == '[' || c == '{')
                ++nesting;
            else if (c == ')' || c == ']' || c == '}') {
                if (nesting == 0)
                    break; // the end of the block: left for the main loop
                --nesting;
            } else if (c == ';' && nesting == 0)
                break;
            value += t[i];
            ++i;
        }
        QStringView v = QStringView(value).trimmed();
        if (v.endsWith(u"important", Qt::CaseInsensitive)) {
            QStringView rest = v.chopped(9).trimmed();
            if (rest.endsWith(u'!'))
                v = rest.chopped(1).trimmed();
        }
        if (v.isEmpty() || v.size() > 32)
            return true;
        const QString literal = cssparser::FindColorValue(v);
        if (literal.size() != v.size())
            return true;
        if (p.colors.size() >= TNamedPalette::kMaxColors)
            return p.add(TColor{}, name); // refused: one colour too many
        return p.add(cssparser::CssColorToColor(literal), name);
    }

    QStringView t;
    qsizetype i = 0;
    TNamedPalette p;
};

} // namespace

namespace CssVarsReader {

TNamedPalette Read(QIODevice& device)
{
    return Parse(device.readAll());
}

TNamedPalette Parse(const QByteArray& bytes)
{
    if (bytes.contains('\0')) {
        TNamedPalette p;
        p.fail(QStringLiteral("not a style sheet (the file holds NUL bytes)"));
        return p;
    }
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    return ParseText(QString::fromUtf8(data));
}

TNamedPalette ParseText(const QString& text)
{
    return Scanner(text).run();
}

} // namespace CssVarsReader
