// The HTML chart and the CSS sheet read by real parsers: Python's
// html.parser and xml.etree (well-formedness) and tinycss2, from Debian's
// python3 and python3-tinycss2. Each check is skipped when its tool is absent.
#include "ExportFile.h"
#include "ExportFormat.h"
#include "TExportList.h"
#include "TestRegistry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString python = QStringLiteral("/usr/bin/python3");

const char* const htmlScript = R"(
import sys, json, html.parser, xml.etree.ElementTree as ET
data = open(sys.argv[1], 'rb').read()
data.decode('ascii')
ET.fromstring(data)
class P(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.inh3 = False; self.names = []
    def handle_starttag(self, tag, attrs):
        if tag == 'h3': self.inh3 = True; self.names.append('')
    def handle_endtag(self, tag):
        if tag == 'h3': self.inh3 = False
    def handle_data(self, d):
        if self.inh3: self.names[-1] += d
p = P(); p.feed(data.decode('iso-8859-1')); p.close()
print(json.dumps(p.names))
)";

const char* const cssScript = R"(
import sys, json, tinycss2
rules = tinycss2.parse_stylesheet(open(sys.argv[1], encoding='utf-8').read(), skip_whitespace=True, skip_comments=True)
names = []
for r in rules:
    assert r.type == 'qualified-rule', r
    prelude = [t for t in r.prelude if t.type != 'whitespace']
    assert len(prelude) == 2 and prelude[0] == '.' and prelude[1].type == 'ident', prelude
    decls = tinycss2.parse_declaration_list(r.content, skip_whitespace=True)
    assert len(decls) == 1 and decls[0].type == 'declaration' and decls[0].lower_name == 'color', decls
    names.append(prelude[1].value)
print(json.dumps(names))
)";

QStringList runScript(const char* script, const QString& path, const QString& module, QString& skip)
{
    if (!QFile::exists(python)) {
        skip = QStringLiteral("Debian's python3 is not installed");
        return {};
    }
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import ") + module});
    probe.waitForFinished(30000);
    if (probe.exitCode() != 0) {
        skip = QStringLiteral("python module %1 is not installed (Debian package python3-%1)").arg(module);
        return {};
    }
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QString::fromUtf8(script), path});
    p.waitForFinished(30000);
    if (p.exitCode() != 0) {
        qWarning().noquote() << p.readAllStandardError();
        return {QStringLiteral("<parser failed>")};
    }
    QStringList out;
    for (const QJsonValue& v : QJsonDocument::fromJson(p.readAllStandardOutput()).array())
        out << v.toString();
    return out;
}

QStringList awkwardNames()
{
    return {QStringLiteral("Sky"),
            QStringLiteral("Sky Blue"),
            QStringLiteral("<b>bold</b> & \"quoted\""),
            QStringLiteral("1st place"),
            QStringLiteral("-9 lives"),
            QStringLiteral("-"),
            QStringLiteral("a.b#c{d}:e;f"),
            QStringLiteral("back\\slash"),
            QString::fromUtf8("Gr\u00fcn \u00e9t\u00e9"),
            QString::fromUtf8("\u8272 \U0001F3A8"),
            QStringLiteral("tab\there")};
}

} // namespace

class tst_PeerParsers : public QObject {
    Q_OBJECT

private slots:
    void htmlParsesWithNames()
    {
        const QStringList names = awkwardNames();
        QList<TColor> colors;
        for (int i = 0; i < names.size() + 2; ++i)
            colors.append(MakeColor(i * 20, 255 - i * 20, i));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.html"));
        QVERIFY(ExportFile::Write(int(ExportFormat::Html), TExportList(colors, names), path).ok());
        QString skip;
        const QStringList parsed = runScript(htmlScript, path, QStringLiteral("html.parser"), skip);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        const QStringList expected = names + QStringList{QStringLiteral("Color 12"), QStringLiteral("Color 13")};
        QCOMPARE(parsed, expected);
    }

    void cssParsesWithNames()
    {
        QStringList names = awkwardNames();
        names << QString(); // an unnamed favourite still gets a class
        QList<TColor> colors;
        for (int i = 0; i < names.size() + 1; ++i)
            colors.append(MakeColor(i, i * 2, i * 3));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.css"));
        QVERIFY(ExportFile::Write(int(ExportFormat::Css), TExportList(colors, names), path).ok());
        QString skip;
        const QStringList parsed = runScript(cssScript, path, QStringLiteral("tinycss2"), skip);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        QStringList expected = names;
        expected.last() = QStringLiteral("Color12");
        expected << QStringLiteral("Color13");
        QCOMPARE(parsed, expected);
    }
};

TV_REGISTER_TEST(tst_PeerParsers);

#include "tst_PeerParsers.moc"
