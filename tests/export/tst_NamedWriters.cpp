// The GIMP, Adobe Swatch Exchange, CSS custom-property and design-token
// writers: byte-exact output for a small palette (typed from the format
// layouts), round trips through the studio's own readers for hostile names,
// and the files read back by readers that are not the studio's: Python
// checkers in data/checkers (tinycss2 for CSS, json for tokens, one written
// after GIMP's layout for GPL) and the ase-utils decoder under node. Each
// outside reader is skipped with its reason when its tool is absent.
#include "ExportFile.h"
#include "ExportFormat.h"
#include "PaletteFile.h"
#include "TExportList.h"
#include "TestRegistry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString python = QStringLiteral("/usr/bin/python3");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString extensionOf(int format)
{
    return QString::fromLatin1(ExportFormatAt(format).extension);
}

// The hostile names, each with what each format gives back: GPL keeps a
// name on its line (breaks and tabs become spaces, the ends are trimmed);
// ASE drops NUL; custom properties keep everything (NUL becomes U+FFFD);
// tokens replace ".", "{" and "}" and sit in the group "palette".
struct Hostile {
    const char* row;
    QString name, gpl, ase, css, tokens;
};

QList<Hostile> hostileNames()
{
    const QString longName = QString(3990, QLatin1Char('x')) + QStringLiteral("{*/}\"'\n");
    const QString rtl = QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD \u202Eevil\u202C \u0627\u0644\u0644\u0648\u0646");
    return {
        {"plain", "Sky", "Sky", "Sky", "Sky", "palette.Sky"},
        {"quotes", "say \"hi\" & 'bye'", "say \"hi\" & 'bye'", "say \"hi\" & 'bye'", "say \"hi\" & 'bye'",
         "palette.say \"hi\" & 'bye'"},
        {"braces", "a{b}c", "a{b}c", "a{b}c", "a{b}c", "palette.a(b)c"},
        {"comment end", "x */ y /* z", "x */ y /* z", "x */ y /* z", "x */ y /* z", "palette.x */ y /* z"},
        {"line breaks and tabs", "one\ntwo\r\nthree\tfour", "one two  three four", "one\ntwo\r\nthree\tfour",
         "one\ntwo\r\nthree\tfour", "palette.one\ntwo\r\nthree\tfour"},
        {"right-to-left", rtl, rtl, rtl, rtl, QStringLiteral("palette.") + rtl},
        {"emoji and CJK", QString::fromUtf8("\u8272 \U0001F3A8"), QString::fromUtf8("\u8272 \U0001F3A8"),
         QString::fromUtf8("\u8272 \U0001F3A8"), QString::fromUtf8("\u8272 \U0001F3A8"),
         QString::fromUtf8("palette.\u8272 \U0001F3A8")},
        {"backslashes and colons", "c:\\dir\\;x", "c:\\dir\\;x", "c:\\dir\\;x", "c:\\dir\\;x", "palette.c:\\dir\\;x"},
        {"dots and dollar", "$brand.primary", "$brand.primary", "$brand.primary", "$brand.primary",
         "palette._$brand_primary"},
        {"leading digit and dash", "-1st", "-1st", "-1st", "-1st", "palette.-1st"},
        {"surrounding blanks", "  pad  ", "pad", "  pad  ", "  pad  ", "palette.  pad  "},
        {"NUL inside", QStringLiteral("a") + QChar(0) + QStringLiteral("b"), "ab", "ab",
         QStringLiteral("a") + QChar(0xFFFD) + QStringLiteral("b"), QStringLiteral("palette.a") + QChar(0) + QStringLiteral("b")},
        {"4,000 characters", longName, QString(3990, QLatin1Char('x')) + QStringLiteral("{*/}\"'"), longName, longName,
         QStringLiteral("palette.") + QString(3990, QLatin1Char('x')) + QStringLiteral("(*/)\"'\n")},
    };
}

// Runs an outside reader; its JSON output, or a reason to skip in `skip`.
QJsonArray runOutside(const QString& program, const QStringList& args, QString& skip)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) {
        skip = program + QStringLiteral(" did not finish");
        return {};
    }
    if (p.exitCode() != 0) {
        qWarning().noquote() << p.readAllStandardError();
        return {QStringLiteral("<reader refused the file>")};
    }
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput());
    if (doc.isObject()) // ase-utils gives an object with its colours
        return doc.object().value(QStringLiteral("colors")).toArray();
    return doc.array();
}

bool pythonHas(const QString& module, QString& skip)
{
    if (!QFile::exists(python)) {
        skip = QStringLiteral("Debian's python3 is not installed");
        return false;
    }
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import ") + module});
    probe.waitForFinished(30000);
    if (probe.exitCode() != 0) {
        skip = QStringLiteral("python module %1 is not installed (Debian package python3-%1)").arg(module);
        return false;
    }
    return true;
}

TExportList hostileList(QStringList& names, QList<TColor>& colors)
{
    for (const Hostile& h : hostileNames())
        names << h.name;
    for (int i = 0; i < names.size() + 2; ++i) // two numbered colours after the favourites
        colors << MakeColor((i * 37) & 0xFF, (i * 91 + 7) & 0xFF, (255 - i * 13) & 0xFF);
    return TExportList(colors, names);
}

} // namespace

class tst_NamedWriters : public QObject {
    Q_OBJECT

private slots:
    void exactBytes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("gpl") << int(ExportFormat::Gpl) << "my colours.gpl"
                             << QByteArray("GIMP Palette\nName: my colours\nColumns: 16\n#\n"
                                           "102 153 204\tSky\n"
                                           "255  51   0\tOr\xC3\xA4nge\n"
                                           "  0   0   0\tColor 3\n");
        QTest::newRow("css vars") << int(ExportFormat::CssVars) << "v.css"
                                  << QByteArray("@charset \"UTF-8\";\r\n:root {\r\n"
                                                "  --Sky: #6699cc;\r\n"
                                                "  --Or\xC3\xA4nge: #ff3300;\r\n"
                                                "  --Color3: #000000;\r\n"
                                                "}\r\n");
        QTest::newRow("tokens") << int(ExportFormat::Tokens) << "t.tokens.json"
                                << QByteArray("{\n  \"palette\": {\n"
                                              "    \"Sky\": {\n      \"$type\": \"color\",\n      \"$value\": \"#6699cc\"\n    },\n"
                                              "    \"Or\xC3\xA4nge\": {\n      \"$type\": \"color\",\n      \"$value\": \"#ff3300\"\n    },\n"
                                              "    \"Color 3\": {\n      \"$type\": \"color\",\n      \"$value\": \"#000000\"\n    }\n"
                                              "  }\n}\n");
        // "ASEF", version 1.0, 1 block; a colour block of 2 + 2 * 4 + 4 + 12 + 2 = 28
        // bytes: "Sky" and NUL in UTF-16, "RGB ", 0.4, 0.6, 0.8 as floats, global.
        QTest::newRow("ase") << int(ExportFormat::Ase) << "s.ase"
                             << QByteArray::fromHex("41534546 0001 0000 00000001"
                                                    "0001 0000001c 0004 0053 006b 0079 0000 52474220"
                                                    "3ecccccd 3f19999a 3f4ccccd 0000");
    }

    void exactBytes()
    {
        QFETCH(int, format);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        const bool one = format == int(ExportFormat::Ase);
        const TExportList list = one ? TExportList({MakeColor(102, 153, 204)}, {QStringLiteral("Sky")})
                                     : TExportList({MakeColor(102, 153, 204), MakeColor(255, 51, 0), MakeColor(0, 0, 0)},
                                                   {QStringLiteral("Sky"), QString::fromUtf8("Or\u00e4nge")});
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        const ExportResult r = ExportFile::Write(format, list, path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(readAll(path), bytes);
    }

    void hostileRoundTrip_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("back");
        for (const Hostile& h : hostileNames()) {
            QTest::addRow("gpl: %s", h.row) << int(ExportFormat::Gpl) << h.name << h.gpl;
            QTest::addRow("ase: %s", h.row) << int(ExportFormat::Ase) << h.name << h.ase;
            QTest::addRow("css: %s", h.row) << int(ExportFormat::CssVars) << h.name << h.css;
            QTest::addRow("tokens: %s", h.row) << int(ExportFormat::Tokens) << h.name << h.tokens;
        }
    }

    // The hostile name between two plain ones, written and read back: every
    // colour and every name in its place.
    void hostileRoundTrip()
    {
        QFETCH(int, format);
        QFETCH(QString, name);
        QFETCH(QString, back);
        const QList<TColor> colors{MakeColor(1, 2, 3), MakeColor(250, 128, 0), MakeColor(0, 255, 7)};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("h") + extensionOf(format));
        QVERIFY(ExportFile::Write(format, TExportList(colors, {QStringLiteral("before"), name, QStringLiteral("after")}), path).ok());
        const PaletteFileResult r = PaletteFile::Read(path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.colors, colors);
        const QString prefix = format == int(ExportFormat::Tokens) ? QStringLiteral("palette.") : QString();
        QCOMPARE(r.names, (QStringList{prefix + QStringLiteral("before"), back, prefix + QStringLiteral("after")}));
    }

    // Names given twice stay apart where the format is keyed by name.
    void repeatedNames_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("back");
        QTest::newRow("css") << int(ExportFormat::CssVars) << QStringList{"a", "a-2", "a-2-2", "Color4"};
        QTest::newRow("tokens") << int(ExportFormat::Tokens)
                                << QStringList{"palette.a", "palette.a-2", "palette.a-2-2", "palette.Color 4"};
        QTest::newRow("gpl keeps them") << int(ExportFormat::Gpl) << QStringList{"a", "a", "a-2", ""};
        QTest::newRow("ase keeps them") << int(ExportFormat::Ase) << QStringList{"a", "a", "a-2", ""};
    }

    void repeatedNames()
    {
        QFETCH(int, format);
        QFETCH(QStringList, back);
        const QList<TColor> colors{MakeColor(1, 0, 0), MakeColor(2, 0, 0), MakeColor(3, 0, 0), MakeColor(4, 0, 0)};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r") + extensionOf(format));
        QVERIFY(ExportFile::Write(format, TExportList(colors, {"a", "a", "a-2", ""}), path).ok());
        const PaletteFileResult r = PaletteFile::Read(path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.colors, colors);
        QCOMPARE(r.names, back);
    }

    // Every channel value survives in every format (ASE's floats included).
    void everyChannelValue_data()
    {
        QTest::addColumn<int>("format");
        for (int f : {int(ExportFormat::Gpl), int(ExportFormat::Ase), int(ExportFormat::CssVars), int(ExportFormat::Tokens)})
            QTest::newRow(ExportFormatAt(f).extension) << f;
    }

    void everyChannelValue()
    {
        QFETCH(int, format);
        QList<TColor> colors;
        for (int v = 0; v < 256; ++v)
            colors << MakeColor(v, 255 - v, (v * 7) & 0xFF);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("all") + extensionOf(format));
        QVERIFY(ExportFile::Write(format, TExportList(colors, {}), path).ok());
        const PaletteFileResult r = PaletteFile::Read(path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.colors, colors);
    }

    void outsideReaders_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("gpl: Python after GIMP's layout") << int(ExportFormat::Gpl);
        QTest::newRow("css: tinycss2") << int(ExportFormat::CssVars);
        QTest::newRow("tokens: Python json") << int(ExportFormat::Tokens);
        QTest::newRow("ase: ase-utils under node") << int(ExportFormat::Ase);
    }

    // The hostile palette read by a reader that is not ours: the names and
    // colours it finds are those our own reader finds.
    void outsideReaders()
    {
        QFETCH(int, format);
        QStringList names;
        QList<TColor> colors;
        const TExportList list = hostileList(names, colors);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out") + extensionOf(format));
        QVERIFY(ExportFile::Write(format, list, path).ok());
        const PaletteFileResult ours = PaletteFile::Read(path);
        QVERIFY2(ours.ok(), qPrintable(ours.message));
        QCOMPARE(ours.colors, colors);

        QString skip;
        QJsonArray rows;
        if (format == int(ExportFormat::Ase)) {
            const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
            if (node.isEmpty())
                QSKIP("node is not installed (Debian package nodejs): the ase-utils reading is skipped");
            rows = runOutside(node, {QFINDTESTDATA("data/ase-utils/dump.js"), path}, skip);
        } else {
            const QString module = format == int(ExportFormat::CssVars) ? QStringLiteral("tinycss2") : QStringLiteral("json");
            if (!pythonHas(module, skip))
                QSKIP(qPrintable(skip));
            const char* script = format == int(ExportFormat::Gpl) ? "data/checkers/gpl.py"
                                 : format == int(ExportFormat::CssVars) ? "data/checkers/css.py"
                                                                         : "data/checkers/tokens.py";
            rows = runOutside(python, {QFINDTESTDATA(script), path}, skip);
        }
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        QCOMPARE(rows.size(), colors.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QString name;
            TColor color{};
            if (format == int(ExportFormat::Ase)) {
                const QJsonObject o = rows[i].toObject();
                QCOMPARE(o.value(QStringLiteral("model")).toString(), QStringLiteral("RGB"));
                QCOMPARE(o.value(QStringLiteral("type")).toString(), QStringLiteral("global"));
                const QJsonArray c = o.value(QStringLiteral("color")).toArray();
                QCOMPARE(c.size(), 3);
                color = MakeColor(int(std::lrint(c[0].toDouble() * 255)), int(std::lrint(c[1].toDouble() * 255)),
                                  int(std::lrint(c[2].toDouble() * 255)));
                name = o.value(QStringLiteral("name")).toString();
            } else if (format == int(ExportFormat::Gpl)) {
                const QJsonArray row = rows[i].toArray();
                color = MakeColor(row[0].toInt(), row[1].toInt(), row[2].toInt());
                name = row[3].toString();
            } else {
                const QJsonArray row = rows[i].toArray();
                name = row[0].toString();
                const QString hex = row[1].toString().remove(QLatin1Char('#'));
                QCOMPARE(hex.size(), 6);
                color = MakeColor(hex.mid(0, 2).toInt(nullptr, 16), hex.mid(2, 2).toInt(nullptr, 16),
                                  hex.mid(4, 2).toInt(nullptr, 16));
            }
            QCOMPARE(color, colors[i]);
            QCOMPARE(name, ours.names[i]);
        }
    }
};

TV_REGISTER_TEST(tst_NamedWriters);

#include "tst_NamedWriters.moc"
