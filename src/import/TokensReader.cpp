#include "TokensReader.h"

#include "Rounding.h"

#include <algorithm>

#include <QHash>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// A JSON value that keeps its members in document order.
struct JValue {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    double number = 0;
    QString string;
    std::vector<JValue> items; // an array's items, or an object's member values in order
    std::vector<QString> keys; // an object's member names, parallel to items

    const JValue* member(QStringView key) const
    {
        for (size_t k = 0; k < keys.size(); ++k)
            if (keys[k] == key)
                return &items[k];
        return nullptr;
    }
};

// RFC 8259 JSON over UTF-8 bytes.
class JsonParser {
public:
    explicit JsonParser(const QByteArray& bytes) : s(bytes.constData()), n(bytes.size()) {}

    bool parse(JValue& root)
    {
        if (n >= 3 && std::memcmp(s, "\xEF\xBB\xBF", 3) == 0)
            i = 3;
        ws();
        if (!value(root, 0))
            return false;
        ws();
        if (i != n)
            return fail("text after the end of the JSON value");
        return true;
    }

    QString error;

private:
    static constexpr int kMaxDepth = 256;

    bool fail(const char* what)
    {
        if (error.isEmpty())
            error = QStringLiteral("not JSON (%1 at byte %2)").arg(QLatin1String(what)).arg(i);
        return false;
    }

    void ws()
    {
        while (i < n && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r'))
            ++i;
    }

    bool literal(const char* word)
    {
        const qsizetype len = qsizetype(std::strlen(word));
        if (n - i < len || std::memcmp(s + i, word, size_t(len)) != 0)
            return fail("an unknown word");
        i += len;
        return true;
    }

    bool value(JValue& v, int depth)
    {
        if (depth > kMaxDepth)
            return fail("nesting deeper than 256");
        if (i >= n)
            return fail("the text ends where a value should be");
        switch (s[i]) {
        case '{': return object(v, depth);
        case '[': return array(v, depth);
        case '"': v.kind = JValue::String; return string(v.string);
        case 't': v.kind = JValue::Bool; return literal("true");
        case 'f': v.kind = JValue::Bool; return literal("false");
        case 'n': v.kind = JValue::Null; return literal("null");
        default: return number(v);
        }
    }

    bool object(JValue& v, int depth)
    {
        v.kind = JValue::Object;
        ++i;
        ws();
        if (i < n && s[i] == '}') {
            ++i;
            return true;
        }
        while (true) {
            ws();
            if (i >= n || s[i] != '"')
                return fail("a member name should be a string");
            QString key;
            if (!string(key))
                return false;
            ws();
            if (i >= n || s[i] != ':')
                return fail("a \":\" should follow a member name");
            ++i;
            ws();
            v.keys.push_back(std::move(key));
            v.items.emplace_back();
            if (!value(v.items.back(), depth + 1))
                return false;
            ws();
            if (i < n && s[i] == ',') {
                ++i;
                continue;
            }
            if (i < n && s[i] == '}') {
                ++i;
                return true;
            }
            return fail("a \",\" or \"}\" should follow a member");
        }
    }

    bool array(JValue& v, int depth)
    {
        v.kind = JValue::Array;
        ++i;
        ws();
        if (i < n && s[i] == ']') {
            ++i;
            return true;
        }
        while (true) {
            ws();
            v.items.emplace_back();
            if (!value(v.items.back(), depth + 1))
                return false;
            ws();
            if (i < n && s[i] == ',') {
                ++i;
                continue;
            }
            if (i < n && s[i] == ']') {
                ++i;
                return true;
            }
            return fail("a \",\" or \"]\" should follow an item");
        }
    }

    bool number(JValue& v)
    {
        const qsizetype start = i;
        if (i < n && s[i] == '-')
            ++i;
        if (i < n && s[i] == '0') {
            ++i;
        } else if (i < n && s[i] >= '1' && s[i] <= '9') {
            while (i < n && s[i] >= '0' && s[i] <= '9')
                ++i;
        } else {
            return fail("an unexpected character");
        }
        if (i < n && s[i] == '.') {
            ++i;
            if (i >= n || s[i] < '0' || s[i] > '9')
                return fail("a digit should follow the decimal point");
            while (i < n && s[i] >= '0' && s[i] <= '9')
                ++i;
        }
        if (i < n && (s[i] == 'e' || s[i] == 'E')) {
            ++i;
            if (i < n && (s[i] == '+' || s[i] == '-'))
                ++i;
            if (i >= n || s[i] < '0' || s[i] > '9')
                return fail("a digit should follow the exponent");
            while (i < n && s[i] >= '0' && s[i] <= '9')
                ++i;
        }
        v.kind = JValue::Number;
        bool ok = false;
        v.number = QByteArray(s + start, i - start).toDouble(&ok);
        if (!ok)
            v.number = 0; // out of range: not a colour component anyway
        return true;
    }

    int hex4()
    {
        if (n - i < 4)
            return -1;
        int v = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s[i + k];
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0)
                return -1;
            v = v * 16 + d;
        }
        i += 4;
        return v;
    }

    bool string(QString& out)
    {
        ++i; // the opening quote
        QByteArray raw;
        while (true) {
            const qsizetype run = i;
            while (i < n && s[i] != '"' && s[i] != '\\' && static_cast<unsigned char>(s[i]) >= 0x20)
                ++i;
            raw.append(s + run, i - run);
            if (i >= n)
                return fail("a string is not closed");
            const char c = s[i];
            if (c == '"') {
                ++i;
                break;
            }
            if (c != '\\')
                return fail("a control character inside a string");
            ++i;
            if (i >= n)
                return fail("a string is not closed");
            const char e = s[i++];
            switch (e) {
            case '"': raw += '"'; break;
            case '\\': raw += '\\'; break;
            case '/': raw += '/'; break;
            case 'b': raw += '\b'; break;
            case 'f': raw += '\f'; break;
            case 'n': raw += '\n'; break;
            case 'r': raw += '\r'; break;
            case 't': raw += '\t'; break;
            case 'u': {
                int u = hex4();
                if (u < 0)
                    return fail("a bad \\u escape");
                char32_t cp = char32_t(u);
                if (u >= 0xD800 && u <= 0xDBFF && n - i >= 6 && s[i] == '\\' && s[i + 1] == 'u') {
                    const qsizetype save = i;
                    i += 2;
                    const int low = hex4();
                    if (low >= 0xDC00 && low <= 0xDFFF)
                        cp = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
                    else
                        i = save;
                }
                if (cp >= 0xD800 && cp <= 0xDFFF)
                    cp = 0xFFFD; // a lone surrogate
                raw += QString::fromUcs4(&cp, 1).toUtf8();
                break;
            }
            default: return fail("a bad escape in a string");
            }
        }
        out = QString::fromUtf8(raw);
        return true;
    }

    const char* s;
    qsizetype n;
    qsizetype i = 0;
};

struct Token {
    QString path;
    QString type;         // own or inherited; empty when none
    const JValue* value;  // "$value"
};

void collect(const JValue& group, const QString& prefix, const QString& inheritedType, std::vector<Token>& out)
{
    QString type = inheritedType;
    if (const JValue* t = group.member(u"$type"); t && t->kind == JValue::String)
        type = t->string;
    for (size_t m = 0; m < group.keys.size(); ++m) {
        const QString& key = group.keys[m];
        const JValue& v = group.items[m];
        if (key.startsWith(u'$') || v.kind != JValue::Object)
            continue;
        const QString path = prefix.isEmpty() ? key : prefix + u'.' + key;
        if (const JValue* value = v.member(u"$value")) {
            QString own = type;
            if (const JValue* t = v.member(u"$type"); t && t->kind == JValue::String)
                own = t->string;
            out.push_back({path, own, value});
        } else {
            collect(v, path, type, out);
        }
    }
}

bool hexColor(QStringView text, TColor& color)
{
    if (!text.startsWith(u'#'))
        return false;
    const QStringView d = text.mid(1);
    if (d.size() != 3 && d.size() != 4 && d.size() != 6 && d.size() != 8)
        return false;
    for (const QChar c : d) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    const auto digit = [&](qsizetype k) { return d[k].toLatin1() <= '9' ? d[k].toLatin1() - '0' : (d[k].toLatin1() | 0x20) - 'a' + 10; };
    if (d.size() <= 4)
        color = MakeColor(digit(0) * 17, digit(1) * 17, digit(2) * 17);
    else
        color = MakeColor(digit(0) * 16 + digit(1), digit(2) * 16 + digit(3), digit(4) * 16 + digit(5));
    return true;
}

bool valueColor(const JValue& v, TColor& color)
{
    if (v.kind == JValue::String)
        return hexColor(v.string, color);
    if (v.kind != JValue::Object)
        return false;
    if (const JValue* hex = v.member(u"hex"); hex && hex->kind == JValue::String && hexColor(hex->string, color))
        return true;
    const JValue* space = v.member(u"colorSpace");
    const JValue* components = v.member(u"components");
    if (!space || space->kind != JValue::String || space->string != u"srgb" || !components
        || components->kind != JValue::Array || components->items.size() != 3)
        return false;
    int c[3];
    for (int k = 0; k < 3; ++k) {
        const JValue& item = components->items[size_t(k)];
        long double x = 0; // "none" is a missing component: 0
        if (item.kind == JValue::Number)
            x = item.number;
        else if (!(item.kind == JValue::String && item.string == u"none"))
            return false;
        if (!std::isfinite(double(x)))
            return false;
        c[k] = HSLUtils::RoundChannel(std::clamp(x, 0.0L, 1.0L));
    }
    color = MakeColor(c[0], c[1], c[2]);
    return true;
}

// The alias target's path, or empty when the value is not an alias.
QString aliasPath(const JValue& v)
{
    if (v.kind != JValue::String || v.string.size() < 3 || !v.string.startsWith(u'{') || !v.string.endsWith(u'}'))
        return {};
    return v.string.mid(1, v.string.size() - 2);
}

} // namespace

namespace TokensReader {

TNamedPalette Read(QIODevice& device)
{
    return Parse(device.readAll());
}

TNamedPalette Parse(const QByteArray& bytes)
{
    TNamedPalette p;
    JValue root;
    JsonParser parser(bytes);
    if (!parser.parse(root)) {
        p.fail(parser.error);
        return p;
    }
    if (root.kind != JValue::Object) {
        p.fail(QStringLiteral("not a design-token file (the top level is not a JSON object)"));
        return p;
    }
    std::vector<Token> tokens;
    collect(root, {}, {}, tokens);
    QHash<QString, qsizetype> byPath;
    for (qsizetype k = 0; k < qsizetype(tokens.size()); ++k)
        byPath.insert(tokens[size_t(k)].path, k);
    for (const Token& t : tokens) {
        // Follow aliases to the token that holds the value.
        const Token* target = &t;
        QString type = t.type;
        int hops = 0;
        for (QString alias = aliasPath(*t.value); !alias.isEmpty(); alias = aliasPath(*target->value)) {
            const auto it = byPath.constFind(alias);
            if (it == byPath.cend() || ++hops > 32) {
                target = nullptr;
                break;
            }
            target = &tokens[size_t(*it)];
            if (type.isEmpty())
                type = target->type;
        }
        if (!target || type != u"color")
            continue;
        TColor color;
        if (!valueColor(*target->value, color))
            continue;
        if (!p.add(color, t.path, QStringLiteral("token \"%1\"").arg(t.path.left(64))))
            return p;
    }
    return p;
}

} // namespace TokensReader
