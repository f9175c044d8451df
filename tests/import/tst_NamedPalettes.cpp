// The GIMP, Adobe Swatch Exchange, CSS custom-property and design-token
// readers: what each takes from well-formed text and bytes, how each refuses
// a malformed file (with the problem, and no colour at all), the caps on
// names and counts, the L*a*b* conversion against Little CMS, and the files
// that GIMP, Inkscape and an ASE library made (data/thirdparty/, origins in
// its README.md).
#include "AseReader.h"
#include "CssVarsReader.h"
#include "GplReader.h"
#include "PaletteFile.h"
#include "TestRegistry.h"
#include "TokensReader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <array>
#include <cctype>
#include <cstring>

namespace {

// ASE bytes put together block by block.
class AseBuilder {
public:
    AseBuilder& group(const QString& name) { return block(0xC001, nameBytes(name)); }
    AseBuilder& end() { return block(0xC002, {}); }
    AseBuilder& color(const QString& name, const char* model, std::initializer_list<float> values, int type = 2)
    {
        QByteArray body = nameBytes(name) + QByteArray(model, 4);
        for (float v : values) {
            quint32 bits;
            std::memcpy(&bits, &v, 4);
            u32(body, bits);
        }
        u16(body, quint16(type));
        return block(0x0001, body);
    }
    AseBuilder& block(quint16 type, const QByteArray& body)
    {
        u16(m_blocks, type);
        u32(m_blocks, quint32(body.size()));
        m_blocks += body;
        ++m_count;
        return *this;
    }
    AseBuilder& raw(const QByteArray& bytes)
    {
        m_blocks += bytes;
        return *this;
    }
    QByteArray bytes(quint16 major = 1) const
    {
        QByteArray b("ASEF");
        u16(b, major);
        u16(b, 0);
        u32(b, quint32(m_count));
        return b + m_blocks;
    }

    static QByteArray nameBytes(const QString& name)
    {
        QByteArray b;
        u16(b, quint16(name.size() + 1));
        for (QChar c : name)
            u16(b, c.unicode());
        u16(b, 0);
        return b;
    }
    static void u16(QByteArray& b, quint16 v)
    {
        b.append(char(v >> 8));
        b.append(char(v & 0xFF));
    }
    static void u32(QByteArray& b, quint32 v)
    {
        u16(b, quint16(v >> 16));
        u16(b, quint16(v & 0xFFFF));
    }

private:
    QByteArray m_blocks;
    int m_count = 0;
};

using Reader = TNamedPalette (*)(const QByteArray&);

struct Expected {
    QList<TColor> colors;
    QStringList names;
};

void addRow(const char* row, Reader reader, const QByteArray& bytes, const QList<TColor>& colors, const QStringList& names)
{
    QTest::newRow(row) << reinterpret_cast<quintptr>(reader) << bytes << colors << names << QString();
}

void addBad(const char* row, Reader reader, const QByteArray& bytes, const char* problem)
{
    QTest::newRow(row) << reinterpret_cast<quintptr>(reader) << bytes << QList<TColor>{} << QStringList{}
                       << QString::fromUtf8(problem);
}

TColor hex(unsigned v)
{
    return MakeColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

// A palette of n colours with names of `nameLength` characters, in each format.
QByteArray bigPalette(const QString& format, int n, int nameLength)
{
    const QString longName(nameLength, QLatin1Char('n'));
    QByteArray b;
    if (format == u"gpl") {
        b = "GIMP Palette\n";
        for (int i = 0; i < n; ++i)
            b += QByteArray::number(i & 0xFF) + " 0 0 " + (i == 0 ? longName.toUtf8() : QByteArray::number(i)) + '\n';
    } else if (format == u"ase") {
        AseBuilder a;
        for (int i = 0; i < n; ++i)
            a.color(i == 0 ? longName : QString::number(i), "RGB ", {0.5f, 0, 0});
        b = a.bytes();
    } else if (format == u"css") {
        b = ":root {\n";
        for (int i = 0; i < n; ++i)
            b += "--" + (i == 0 ? longName.toUtf8() : "c" + QByteArray::number(i)) + ": #102030;\n";
        b += "}\n";
    } else {
        // The name is the whole path; one level keeps it at nameLength.
        b = "{";
        for (int i = 0; i < n; ++i)
            b += (i ? ",\"" : "\"") + (i == 0 ? longName.toUtf8() : "c" + QByteArray::number(i))
                 + "\":{\"$type\":\"color\",\"$value\":\"#102030\"}";
        b += "}";
    }
    return b;
}

Reader readerFor(const QString& format)
{
    if (format == u"gpl")
        return &GplReader::Parse;
    if (format == u"ase")
        return &AseReader::Parse;
    if (format == u"css")
        return &CssVarsReader::Parse;
    return &TokensReader::Parse;
}

// A GIMP palette reader after GIMP's own file layout, independent of ours:
// prints [[r, g, b, name], ...] as JSON.
const char* const gplScript = R"(
import sys, json
lines = open(sys.argv[1], encoding='utf-8').read().splitlines()
assert lines[0].startswith('GIMP Palette'), lines[0]
rows = []
for line in lines[1:]:
    if not line.strip() or line.startswith('#') or line.startswith('Name:') or line.startswith('Columns:'):
        continue
    parts = line.split(None, 3)
    r, g, b = (int(x) for x in parts[:3])
    assert all(0 <= v <= 255 for v in (r, g, b)), line
    rows.append([r, g, b, parts[3].strip() if len(parts) > 3 else ''])
print(json.dumps(rows))
)";

const QString python = QStringLiteral("/usr/bin/python3");

} // namespace

class tst_NamedPalettes : public QObject {
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<quintptr>("reader");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<TColor>>("colors");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("problem");

        // GIMP palettes.
        const Reader gpl = &GplReader::Parse;
        addRow("gpl: header, comments, tabs and spaces", gpl,
               "GIMP Palette\nName: Test\nColumns: 4\n#\n# a comment\n255 0 0\tRed\n  0 128   255   Deep  sky  \n\n1 2 3\n",
               {hex(0xFF0000), hex(0x0080FF), hex(0x010203)}, {"Red", "Deep  sky", ""});
        addRow("gpl: CR LF, byte-order mark, UTF-8 names", gpl,
               "\xEF\xBB\xBFGIMP Palette\r\nName: x\r\n10 20 30\t\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xF0\x9F\x8E\xA8\r\n",
               {hex(0x0A141E)}, {QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD \U0001F3A8")});
        addRow("gpl: no colours at all", gpl, "GIMP Palette\nName: empty\n", {}, {});
        addRow("gpl: last line without line end", gpl, "GIMP Palette\n1 1 1 a", {hex(0x010101)}, {"a"});
        addBad("gpl: not a palette", gpl, "JASC-PAL\n0100\n", "the first line is not \"GIMP Palette\"");
        addBad("gpl: empty file", gpl, "", "not a GIMP palette");
        addBad("gpl: channel over 255", gpl, "GIMP Palette\n1 2 3\n1 2 256 x\n", "line 3: expected three channel");
        addBad("gpl: two channels", gpl, "GIMP Palette\n10 20\n", "line 2: expected three");
        addBad("gpl: a sign", gpl, "GIMP Palette\n-1 2 3\n", "line 2");
        addBad("gpl: digits run into the name", gpl, "GIMP Palette\n1 2 3x\n", "line 2");
        addBad("gpl: NUL byte", gpl, QByteArray("GIMP Palette\n1 2 3 a\0b\n", 22), "NUL");

        // Adobe Swatch Exchange.
        const Reader ase = &AseReader::Parse;
        addRow("ase: every model", ase,
               AseBuilder()
                   .color("rgb", "RGB ", {1, 0.5f, 0})
                   .color("gray", "Gray", {0.25f})
                   .color("cmyk", "CMYK", {0, 1, 1, 0.5f})
                   .color("lab white", "LAB ", {1, 0, 0})
                   .color("lab mid grey", "LAB ", {0.5f, 0, 0})
                   .bytes(),
               // 0.5 * 255 = 127.5 rounds to even 128; 0.25 * 255 = 63.75; L* 50 is sRGB 119.
               {hex(0xFF8000), hex(0x404040), hex(0x800000), hex(0xFFFFFF), hex(0x777777)},
               {"rgb", "gray", "cmyk", "lab white", "lab mid grey"});
        addRow("ase: groups flattened, prefix only where names meet", ase,
               AseBuilder()
                   .color("Red", "RGB ", {1, 0, 0})
                   .group("Warm")
                   .color("Red", "RGB ", {0.8f, 0, 0})
                   .color("Orange", "RGB ", {1, 0.5f, 0})
                   .end()
                   .group("Cool")
                   .color("Blue", "RGB ", {0, 0, 1})
                   .end()
                   .bytes(),
               {hex(0xFF0000), hex(0xCC0000), hex(0xFF8000), hex(0x0000FF)}, {"Red", "Warm/Red", "Orange", "Blue"});
        addRow("ase: UTF-16 names with a surrogate pair and right-to-left text", ase,
               AseBuilder().color(QString::fromUtf8("\u05D0\u05D1 \U0001F3A8"), "RGB ", {0, 0, 0}).bytes(), {hex(0)},
               {QString::fromUtf8("\u05D0\u05D1 \U0001F3A8")});
        addRow("ase: values outside 0..1 are clamped", ase, AseBuilder().color("x", "RGB ", {2, -1, 0.2f}).bytes(),
               {hex(0xFF0033)}, {"x"});
        addRow("ase: unknown block types are stepped over", ase,
               AseBuilder().block(0x0042, "abc").color("x", "RGB ", {0, 0, 0}).bytes(), {hex(0)}, {"x"});
        addRow("ase: no blocks", ase, AseBuilder().bytes(), {}, {});
        addBad("ase: not ASE", ase, "8BPS and more bytes", "no \"ASEF\" signature");
        addBad("ase: version 2", ase, AseBuilder().bytes(2), "version 2.0");
        addBad("ase: block header cut", ase, AseBuilder().raw(QByteArray("\x00\x01\x00", 3)).bytes(), "block 1: truncated block");
        addBad("ase: block longer than the file", ase,
               AseBuilder().color("x", "RGB ", {0, 0, 0}).bytes().chopped(3), "block 1: bad length");
        addBad("ase: name running past the block", ase,
               AseBuilder().block(0x0001, QByteArray("\x00\x09\x00\x41", 4)).bytes(), "bad length");
        addBad("ase: colour values cut", ase,
               AseBuilder().block(0x0001, AseBuilder::nameBytes("x") + "RGB " + QByteArray(8, 0)).bytes(),
               "the block ends inside the RGB color values");
        addBad("ase: unknown model", ase, AseBuilder().color("x", "HSB ", {0, 0, 0}).bytes(), "unknown color model \"HSB \"");
        addBad("ase: group end alone", ase, AseBuilder().end().bytes(), "a group end without a group start");
        addBad("ase: not a number", ase, AseBuilder().color("x", "RGB ", {0, std::numeric_limits<float>::quiet_NaN(), 0}).bytes(),
               "not a number");
        addBad("ase: good colours before a bad block", ase,
               AseBuilder().color("a", "RGB ", {0, 0, 0}).color("b", "RGB ", {0, 0, 0}).raw(QByteArray("\x00\x01\x00\x00\x01\x00", 6)).bytes(),
               "block 3: bad length");

        // CSS custom properties.
        const Reader css = &CssVarsReader::Parse;
        addRow("css: root and other blocks, both cases, !important", css,
               ":root {\n  --brand: #336699;\n  --Accent:#ABC !important;\n  --gap: 4px;\n}\n"
               "@media (prefers-color-scheme: dark) { :root { --brand: rgb(10,20,30) } }\n"
               ".x { color: #fff; --pct: rgb(100%,0%,50%); }\n",
               {hex(0x336699), hex(0xAABBCC), hex(0x0A141E), hex(0xFF0080)}, {"brand", "Accent", "brand", "pct"});
        addRow("css: escapes decoded", css,
               ":root{--a\\ b:#010203;--\\31 st:#020304;--x\\7B y\\7d:#030405;--\\*\\/:#040506;--nl\\a z:#050607;"
               "--\\5d0\\5d1:#060708}",
               {hex(0x010203), hex(0x020304), hex(0x030405), hex(0x040506), hex(0x050607), hex(0x060708)},
               {"a b", "1st", "x{y}", "*/", "nl\nz", QString::fromUtf8("\u05D0\u05D1")});
        addRow("css: comments and strings never declare", css,
               "/* :root { --c1: #111111; } */\n:root { --s: \"--c2: #222222;\"; /* --c3: #333333; */ --ok: /* why */ #444444; }\n"
               "--top: #555555;\n",
               {hex(0x444444)}, {"ok"});
        addRow("css: values that are not one colour", css,
               ":root { --a: #12345678; --b: 1px solid #000; --c: rgb(1, 2, 3); --d: red; --e: var(--x); --f: #12; }", {},
               {});
        addRow("css: a value with nested blocks", css, ":root { --rule: { a: b; c: #000 }; --after: #010101; }", {hex(0x010101)},
               {"after"});
        addBad("css: NUL byte", css, QByteArray(":root{--a:#000}\0", 16), "NUL bytes");

        // Design tokens.
        const Reader tokens = &TokensReader::Parse;
        addRow("tokens: nested groups, inherited type, document order", tokens,
               "{\"brand\": {\"$type\": \"color\", \"primary\": {\"$value\": \"#0af\"}, \"secondary\": {\"$value\": \"#FF000080\"},\n"
"                   \"$description\": \"x\", \"deep\": {\"er\": {\"$value\": \"#010203\"}}},\n"
"                  \"space\": {\"$type\": \"dimension\", \"s\": {\"$value\": \"4px\"}},\n"
"                  \"a\": {\"$value\": \"#102030\", \"$type\": \"color\"}}",
               {hex(0x00AAFF), hex(0xFF0000), hex(0x010203), hex(0x102030)},
               {"brand.primary", "brand.secondary", "brand.deep.er", "a"});
        addRow("tokens: object values and aliases", tokens,
               "{\"c\": {\"$type\": \"color\",\n"
"                     \"s\": {\"$value\": {\"colorSpace\": \"srgb\", \"components\": [1, 0.5, 0]}},\n"
"                     \"h\": {\"$value\": {\"colorSpace\": \"display-p3\", \"components\": [1, 0, 0], \"hex\": \"#ff0000\"}},\n"
"                     \"p3\": {\"$value\": {\"colorSpace\": \"display-p3\", \"components\": [1, 0, 0]}},\n"
"                     \"n\": {\"$value\": {\"colorSpace\": \"srgb\", \"components\": [\"none\", 1, 0]}}},\n"
"                   \"alias\": {\"$value\": \"{c.s}\"}, \"chain\": {\"$value\": \"{alias}\"},\n"
"                   \"broken\": {\"$value\": \"{c.nowhere}\"}, \"loop\": {\"$value\": \"{loop}\"},\n"
"                   \"notcolor\": {\"$type\": \"dimension\", \"$value\": \"{c.s}\"}}",
               {hex(0xFF8000), hex(0xFF0000), hex(0x00FF00), hex(0xFF8000), hex(0xFF8000)},
               {"c.s", "c.h", "c.n", "alias", "chain"});
        addRow("tokens: escaped keys", tokens,
               "{\"q\\\"b\\\\s\\n\\u05d0\\ud83c\\udfa8\": {\"$type\": \"color\", \"$value\": \"#000000\"}}", {hex(0)},
               {QString::fromUtf8("q\"b\\s\n\u05D0\U0001F3A8")});
        addRow("tokens: no colour tokens", tokens, "{\"$schema\": \"x\", \"a\": 1, \"b\": [1, 2]}", {}, {});
        addBad("tokens: not JSON", tokens, "{\"a\": {\"$value\": \"#000\"", "not JSON");
        addBad("tokens: trailing comma", tokens, "{\"a\": 1,}", "not JSON");
        addBad("tokens: text after the value", tokens, "{} x", "text after the end");
        addBad("tokens: top level array", tokens, "[1]", "the top level is not a JSON object");
        addBad("tokens: nesting too deep", tokens, QByteArray(300, '[') + QByteArray(300, ']'), "nesting deeper than 256");
        addBad("tokens: raw control character", tokens, "{\"a\nb\": 1}", "control character");
    }

    void reads()
    {
        QFETCH(quintptr, reader);
        QFETCH(QByteArray, bytes);
        QFETCH(QList<TColor>, colors);
        QFETCH(QStringList, names);
        QFETCH(QString, problem);
        const TNamedPalette p = reinterpret_cast<Reader>(reader)(bytes);
        if (problem.isEmpty()) {
            QVERIFY2(p.ok(), qPrintable(p.problem));
        } else {
            QVERIFY2(p.problem.contains(problem), qPrintable(p.problem));
            QVERIFY(p.colors.isEmpty());
        }
        QCOMPARE(p.colors, colors);
        QCOMPARE(p.names, names);
    }

    // Naive CMYK is said so; other models and formats say nothing.
    void cmykNotice_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("notice");
        QTest::newRow("two CMYK among others")
            << AseBuilder().color("a", "CMYK", {0, 0, 0, 1}).color("b", "RGB ", {0, 0, 0}).color("c", "CMYK", {1, 0, 0, 0}).bytes()
            << "2 CMYK swatch(es) converted to RGB without a color profile";
        QTest::newRow("no CMYK") << AseBuilder().color("a", "LAB ", {0.5f, 0, 0}).color("b", "Gray", {1}).bytes() << QString();
    }

    void cmykNotice()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, notice);
        const TNamedPalette p = AseReader::Parse(bytes);
        QVERIFY(p.ok());
        if (notice.isEmpty())
            QCOMPARE(p.notice, QString());
        else
            QVERIFY2(p.notice.startsWith(notice), qPrintable(p.notice));
    }

    // Published L*a*b* (D50) values of the sRGB primaries and white, from the
    // Bradford-adapted sRGB matrices of Bruce Lindbloom's tables.
    void labToSrgb_data()
    {
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<TColor>("color");
        QTest::newRow("white") << 100.0 << 0.0 << 0.0 << hex(0xFFFFFF);
        QTest::newRow("black") << 0.0 << 0.0 << 0.0 << hex(0x000000);
        QTest::newRow("red") << 54.2917 << 80.8125 << 69.8851 << hex(0xFF0000);
        QTest::newRow("green") << 87.8181 << -79.2873 << 80.9902 << hex(0x00FF00);
        QTest::newRow("blue") << 29.5676 << 68.2853 << -112.0294 << hex(0x0000FF);
        QTest::newRow("out of gamut is clamped") << 50.0 << 127.0 << -128.0 << AseReader::LabToColor(50, 127, -128);
    }

    void labToSrgb()
    {
        QFETCH(double, L);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(TColor, color);
        const TColor c = AseReader::LabToColor(L, a, b);
        QVERIFY2(std::abs(RedOf(c) - RedOf(color)) <= 1 && std::abs(GreenOf(c) - GreenOf(color)) <= 1
                     && std::abs(BlueOf(c) - BlueOf(color)) <= 1,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c))));
    }

    // The conversion against Little CMS (transicc of Debian's liblcms2-utils:
    // its D50 L*a*b* profile to its sRGB profile, relative colorimetric,
    // clipped) over a grid that reaches far outside the sRGB gamut.
    void labToSrgbAgainstLittleCms()
    {
        const QString transicc = QStandardPaths::findExecutable(QStringLiteral("transicc"));
        if (transicc.isEmpty())
            QSKIP("transicc is not installed (Debian package liblcms2-utils)");
        QList<std::array<double, 3>> grid;
        QByteArray input;
        for (double L : {0.0, 5.0, 10.0, 20.0, 30.0, 40.0, 50.0, 60.0, 70.0, 80.0, 90.0, 100.0})
            for (double a : {-128.0, -100.0, -60.0, -30.0, -10.0, 0.0, 10.0, 30.0, 60.0, 100.0, 127.0})
                for (double b : {-128.0, -100.0, -60.0, -30.0, -10.0, 0.0, 10.0, 30.0, 60.0, 100.0, 127.0}) {
                    grid.append({L, a, b});
                    input += QByteArray::number(L) + ' ' + QByteArray::number(a) + ' ' + QByteArray::number(b) + '\n';
                }
        QProcess p;
        p.start(transicc, {QStringLiteral("-i*Lab"), QStringLiteral("-o*sRGB"), QStringLiteral("-t1"), QStringLiteral("-s"),
                           QStringLiteral("-c0"), QStringLiteral("-n")});
        QVERIFY(p.waitForStarted(10000));
        p.write(input);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(60000));
        QList<QByteArray> lines;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty() && (line.trimmed()[0] == '-' || std::isdigit(static_cast<unsigned char>(line.trimmed()[0]))))
                lines << line.trimmed();
        QCOMPARE(lines.size(), grid.size());
        int worst = 0;
        for (qsizetype i = 0; i < grid.size(); ++i) {
            const QList<QByteArray> v = lines[i].simplified().split(' ');
            QCOMPARE(v.size(), 3);
            const TColor ours = AseReader::LabToColor(grid[i][0], grid[i][1], grid[i][2]);
            const int channels[3] = {RedOf(ours), GreenOf(ours), BlueOf(ours)};
            for (int k = 0; k < 3; ++k) {
                const double theirs = std::clamp(v[k].toDouble(), 0.0, 255.0);
                worst = std::max(worst, int(std::lrint(std::abs(channels[k] - theirs) * 100)));
                QVERIFY2(std::abs(channels[k] - theirs) <= 1.0,
                         qPrintable(QStringLiteral("L*a*b* %1 %2 %3: ours %4, Little CMS %5")
                                        .arg(grid[i][0]).arg(grid[i][1]).arg(grid[i][2]).arg(channels[k]).arg(theirs)));
            }
        }
        qInfo("largest difference from Little CMS: %.2f of a channel step", worst / 100.0);
    }

    // 65,536 colours and a 4,096-character name pass in every format; one
    // more of either refuses the file whole.
    void caps_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<QString>("problem");
        for (const char* f : {"gpl", "ase", "css", "tokens"}) {
            QTest::addRow("%s: at the caps", f) << QString::fromLatin1(f) << 65536 << 4096 << QString();
            QTest::addRow("%s: one colour more", f) << QString::fromLatin1(f) << 65537 << 10 << QStringLiteral("more than 65536 colors");
            QTest::addRow("%s: a name one longer", f) << QString::fromLatin1(f) << 2 << 4097 << QStringLiteral("a color name of 4097 characters");
        }
    }

    void caps()
    {
        QFETCH(QString, format);
        QFETCH(int, count);
        QFETCH(int, nameLength);
        QFETCH(QString, problem);
        const TNamedPalette p = readerFor(format)(bigPalette(format, count, nameLength));
        if (problem.isEmpty()) {
            QVERIFY2(p.ok(), qPrintable(p.problem));
            QCOMPARE(p.colors.size(), count);
            QCOMPARE(p.names.first().size(), nameLength);
        } else {
            QVERIFY2(p.problem.contains(problem), qPrintable(p.problem));
            QVERIFY(p.colors.isEmpty());
            QVERIFY(p.names.isEmpty());
        }
    }

    // By path: the ending chooses the reader (either case), and a refusal
    // names the file and the fault and gives no colour.
    void byPath_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("problem");
        QTest::newRow("gpl") << "p.gpl" << QByteArray("GIMP Palette\n1 2 3 x\n") << 1 << QString();
        QTest::newRow("GPL in capitals") << "P.GPL" << QByteArray("GIMP Palette\n1 2 3 x\n") << 1 << QString();
        QTest::newRow("ase") << "p.ase" << AseBuilder().color("x", "RGB ", {0, 0, 0}).bytes() << 1 << QString();
        QTest::newRow("css") << "p.css" << QByteArray(":root{--x:#000}") << 1 << QString();
        QTest::newRow("tokens") << "p.tokens.json" << QByteArray("{\"x\":{\"$type\":\"color\",\"$value\":\"#000\"}}") << 1 << QString();
        QTest::newRow("plain json is no palette") << "p.json" << QByteArray("{}") << 0 << QStringLiteral("Unknown palette file type");
        QTest::newRow("truncated ase") << "cut.ase" << AseBuilder().color("x", "RGB ", {0, 0, 0}).bytes().chopped(1) << 0
                                       << QStringLiteral("block 1: bad length");
        QTest::newRow("gpl that is not one") << "x.gpl" << QByteArray("hello\n") << 0 << QStringLiteral("not a GIMP palette");
    }

    void byPath()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const PaletteFileResult r = PaletteFile::Read(path);
        QCOMPARE(r.colors.size(), count);
        if (problem.isEmpty()) {
            QVERIFY2(r.ok(), qPrintable(r.message));
            QCOMPARE(r.names.size(), count);
        } else {
            QVERIFY(!r.ok());
            QVERIFY2(r.message.contains(path), qPrintable(r.message));
            QVERIFY2(r.message.contains(problem), qPrintable(r.message));
        }
    }

    // Palettes that GIMP and Inkscape ship, against a reader written in
    // Python after GIMP's layout and against the palettes' published colours.
    void gimpAndInkscapePalettes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("name");
        QTest::addColumn<TColor>("color");
        QTest::newRow("GIMP Tango") << "gimp-Tango.gpl" << 27 << "Butter 1" << hex(0xFCE94F);
        QTest::newRow("GIMP Tango, Chameleon") << "gimp-Tango.gpl" << 27 << "Chameleon 3" << hex(0x4E9A06);
        QTest::newRow("GIMP Tango, Sky Blue") << "gimp-Tango.gpl" << 27 << "Sky Blue 1" << hex(0x729FCF);
        QTest::newRow("GIMP Tango, Aluminium") << "gimp-Tango.gpl" << 27 << "Aluminium 6" << hex(0x2E3436);
        QTest::newRow("GIMP EGA") << "gimp-Ega.gpl" << 240 << "grey33" << hex(0x545454);
        QTest::newRow("Inkscape GNOME HIG") << "inkscape-GNOME_HIG.gpl" << 45 << "Blue 3" << hex(0x3584E4);
        QTest::newRow("Inkscape Bootstrap 5") << "inkscape-Bootstrap5.gpl" << 90 << "" << hex(0x0D6EFD);
    }

    void gimpAndInkscapePalettes()
    {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(QString, name);
        QFETCH(TColor, color);
        const QString path = QFINDTESTDATA(QStringLiteral("data/thirdparty/") + file);
        QVERIFY(!path.isEmpty());
        const PaletteFileResult r = PaletteFile::Read(path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.colors.size(), count);
        bool found = false;
        for (qsizetype i = 0; i < r.colors.size() && !found; ++i)
            found = r.names[i] == name && r.colors[i] == color;
        QVERIFY2(found, qPrintable(name));

        if (!QFile::exists(python))
            QSKIP("Debian's python3 is not installed: the second reading is skipped");
        QProcess p;
        p.start(python, {QStringLiteral("-c"), QString::fromUtf8(gplScript), path});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        const QJsonArray rows = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), r.colors.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QJsonArray row = rows[i].toArray();
            QCOMPARE(r.colors[i], MakeColor(row[0].toInt(), row[1].toInt(), row[2].toInt()));
            QCOMPARE(r.names[i], row[3].toString());
        }
    }

    // The ASE file that the ase-utils package tests itself with, against
    // that package's own decoding of it, within one step of a channel.
    void aseUtilsSwatches()
    {
        const QString path = QFINDTESTDATA("data/thirdparty/ase-utils-test.ase");
        QFile expectedFile(QFINDTESTDATA("data/thirdparty/ase-utils-test.expected"));
        QVERIFY(!path.isEmpty() && expectedFile.open(QIODevice::ReadOnly));
        const PaletteFileResult r = PaletteFile::Read(path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        int n = 0;
        const auto ch = [](double v) { return int(std::lrint(std::clamp(v, 0.0, 1.0) * 255)); };
        for (const QByteArray& line : expectedFile.readAll().split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> f = line.split('\t');
            QCOMPARE(f.size(), 3);
            QList<double> v;
            for (const QByteArray& x : f[2].split(' '))
                v << x.toDouble();
            TColor want;
            if (f[1] == "RGB")
                want = MakeColor(ch(v[0]), ch(v[1]), ch(v[2]));
            else if (f[1] == "Gray")
                want = MakeColor(ch(v[0]), ch(v[0]), ch(v[0]));
            else
                want = MakeColor(ch((1 - v[0]) * (1 - v[3])), ch((1 - v[1]) * (1 - v[3])), ch((1 - v[2]) * (1 - v[3])));
            QVERIFY(n < r.colors.size());
            QCOMPARE(r.names[n], QString::fromUtf8(f[0]));
            // The recorded floats differ from the file's in the last bits for
            // some swatches (see the README), which can move a channel by one.
            const TColor got = r.colors[n];
            QVERIFY2(std::abs(RedOf(got) - RedOf(want)) <= 1 && std::abs(GreenOf(got) - GreenOf(want)) <= 1
                         && std::abs(BlueOf(got) - BlueOf(want)) <= 1,
                     qPrintable(QStringLiteral("%1: %2").arg(r.names[n]).arg(quint32(got), 6, 16)));
            ++n;
        }
        QCOMPARE(n, 122);
        QCOMPARE(r.colors.size(), n);
    }
};

TV_REGISTER_TEST(tst_NamedPalettes);

#include "tst_NamedPalettes.moc"
