// The preview's sample page and the page it saves as HTML.
#include "PreviewHtml.h"
#include "PreviewPage.h"

#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using PreviewPage::Part;
Q_DECLARE_METATYPE(PreviewPage::Part)

class tst_Preview : public QObject {
    Q_OBJECT
private slots:
    void pageAfterReset();
    void pageAfterDrops_data();
    void pageAfterDrops();
    void colourFieldsAreHexOnly();
    void pagePassesTheValidator();
    void saveKeepsTheEarlierFileOnFailure_data();
    void saveKeepsTheEarlierFileOnFailure();
    void partUnderThePoint_data();
    void partUnderThePoint();
};

// The page line for line against the stored page of the default colours:
// roles 1 to 5 000000, 6 and 9 FFFFFF, 7 and 8 E6E6E6.
void tst_Preview::pageAfterReset()
{
    QFile golden(QFINDTESTDATA("data/preview-reset.html"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    const QByteArray expected = golden.readAll();
    const QByteArray got = PreviewHtml::Bytes(DefaultPreviewColors());
    const QList<QByteArray> e = expected.split('\n'), g = got.split('\n');
    QCOMPARE(g.size(), e.size());
    for (qsizetype i = 0; i < e.size(); ++i)
        QCOMPARE(QString::fromLatin1(g[i]), QString::fromLatin1(e[i]));
    QCOMPARE(PreviewHtml::Lines(DefaultPreviewColors()).size(), 42);
    QVERIFY(got.endsWith("</html>\r\n"));
    QCOMPARE(got.count("\r\n"), 42);
    QCOMPARE(got.count('\n'), 42);
}

void tst_Preview::pageAfterDrops_data()
{
    QTest::addColumn<Part>("part");
    QTest::addColumn<QList<int>>("lines"); // 1-based lines that change
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("Link3 colours every link") << Part::Link3 << QList<int>{8, 18, 25}
        << QStringList{"    Links: #FF6600", "    A{font:11px/20px Verdana;color:#FF6600;margin-left:10px;}",
                       "<body bgcolor=\"#FFFFFF\" link=\"#FF6600\" vlink=\"#FF6600\">"};
    QTest::newRow("page header") << Part::Header << QList<int>{6, 19}
        << QStringList{"    Page Header: #FF6600",
                       "    #Header{font:16px Verdana;font-weight:bold;text-align:center;color:#FF6600;}"};
    QTest::newRow("table header text") << Part::tHeader << QList<int>{7, 20}
        << QStringList{"    Table Header: #FF6600",
                       "    .TableHeader{font:13px Verdana;font-weight:bold;color:#FF6600;padding-left:15px;}"};
    QTest::newRow("body caption") << Part::tBodyHeader << QList<int>{9, 21}
        << QStringList{"    Body Caption: #FF6600",
                       "    .BodyCaption{font:11px/20px Verdana;font-weight:bold;color:#FF6600;}"};
    QTest::newRow("body text") << Part::tMainText << QList<int>{10, 22}
        << QStringList{"    Body Text: #FF6600", "    .BodyText{font:11px/20px Verdana;color:#FF6600;margin-left:20px;}"};
    QTest::newRow("page background") << Part::Background << QList<int>{12, 25}
        << QStringList{"    Page Background: #FF6600", "<body bgcolor=\"#FF6600\" link=\"#000000\" vlink=\"#000000\">"};
    QTest::newRow("header background") << Part::tHeaderBG << QList<int>{13, 32}
        << QStringList{"    Table Header BG: #FF6600",
                       "    <td colspan=\"2\" width=\"100%\" class=\"tableheader\" bgcolor=\"#FF6600\">Header Text</td>"};
    QTest::newRow("navigation background") << Part::tNavBG << QList<int>{14, 35}
        << QStringList{"    Table Nav BG: #FF6600",
                       "    <td width=\"20%\" height=\"140\" bgcolor=\"#FF6600\" valign=\"top\"><a href=\"#\">Link 1</a><br><a "
                       "href=\"#\">Link 2</a><br><a href=\"#\">Link 3</a><br><a href=\"#\">Link 4</a></td>"};
    QTest::newRow("body background") << Part::tMainBG << QList<int>{15, 36}
        << QStringList{"    Table Body BG: #FF6600",
                       "    <td width=\"80%\" bgcolor=\"#FF6600\" valign=\"top\"><span class=\"bodycaption\">Body Header</span>"
                       "<br><span class=\"bodytext\">This is the main text of the body of your page</span></td>"};
}

// A drop changes exactly the lines of its role, and nothing else.
void tst_Preview::pageAfterDrops()
{
    QFETCH(Part, part);
    QFETCH(QList<int>, lines);
    QFETCH(QStringList, texts);
    const QStringList before = PreviewHtml::Lines(DefaultPreviewColors());
    const TPreviewColors colors = PreviewPage::Dropped(DefaultPreviewColors(), part, MakeColor(255, 102, 0));
    const QStringList after = PreviewHtml::Lines(colors);
    QCOMPARE(after.size(), 42);
    for (int i = 1; i <= 42; ++i) {
        const qsizetype at = lines.indexOf(i);
        QCOMPARE(after[i - 1], at >= 0 ? texts[at] : before[i - 1]);
    }
    // Every link shows the role: the four link parts answer with one colour.
    if (PreviewPage::Info(part).role == 4)
        for (Part link : {Part::Link1, Part::Link2, Part::Link3, Part::Link4})
            QCOMPARE(PreviewPage::ColorOf(colors, link), MakeColor(255, 102, 0));
}

// The page carries no text of the user's: every colour field is six
// upper-case hexadecimal digits, red first.
void tst_Preview::colourFieldsAreHexOnly()
{
    TPreviewColors colors;
    for (int i = 0; i < 9; ++i)
        colors[size_t(i)] = MakeColor(0x10 * i + 1, 0xAB, 0xC0 + i);
    const QString page = PreviewHtml::Lines(colors).join(QLatin1Char('\n'));
    const QRegularExpression field(QStringLiteral("#([0-9A-Za-z]{6})\\b"));
    int seen = 0;
    for (auto it = field.globalMatch(page); it.hasNext();) {
        const QString digits = it.next().captured(1);
        if (digits == QLatin1String("Header")) // the selector #Header
            continue;
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]{6}$")).match(digits).hasMatch(), qPrintable(digits));
        ++seen;
    }
    QVERIFY(seen >= 17);
    QVERIFY(page.contains(QLatin1String("Page Header: #01ABC0")));
    QVERIFY(page.contains(QLatin1String("Table Body BG: #81ABC8")));
}

// HTML Tidy finds no error in the page (its old-style markup draws warnings
// only), and an HTML parser reads it whole.
void tst_Preview::pagePassesTheValidator()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    QVERIFY(PreviewHtml::Save(path, PreviewPage::Dropped(DefaultPreviewColors(), Part::Link1, MakeColor(1, 2, 3))).ok());
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (tidy.isEmpty() && xmllint.isEmpty())
        QSKIP("neither tidy nor xmllint is installed (scripts/deps.sh installs them)");
    if (!tidy.isEmpty()) {
        QProcess p;
        p.start(tidy, {QStringLiteral("-q"), QStringLiteral("-e"), path});
        QVERIFY(p.waitForFinished(30000));
        // Exit 2 means errors; 1 warnings (no document type, obsolete attributes).
        QVERIFY2(p.exitCode() < 2, p.readAllStandardError().constData());
        QVERIFY2(!p.readAllStandardError().contains("Error:"), "tidy reported an error");
    }
    if (!xmllint.isEmpty()) {
        QProcess p;
        p.start(xmllint, {QStringLiteral("--html"), QStringLiteral("--noout"), path});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardError(), QByteArray());
    }
}

void tst_Preview::saveKeepsTheEarlierFileOnFailure_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only folder") << "readonly";
    QTest::newRow("vanished folder") << "vanished";
    QTest::newRow("target is a folder") << "folder";
}

// Written through QSaveFile: a failure is reported and loses nothing.
void tst_Preview::saveKeepsTheEarlierFileOnFailure()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    QString path = folder + QStringLiteral("/page.html");
    QVERIFY(PreviewHtml::Save(path, DefaultPreviewColors()).ok());
    const QByteArray earlier = PreviewHtml::Bytes(DefaultPreviewColors());
    if (how == QLatin1String("readonly")) {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    } else if (how == QLatin1String("vanished")) {
        path = dir.filePath(QStringLiteral("gone/page.html"));
    } else {
        path = folder;
    }
    const FileResult r = PreviewHtml::Save(path, PreviewPage::Dropped(DefaultPreviewColors(), Part::Header, clWhite));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!r.ok());
    QVERIFY(!r.text().isEmpty());
    QFile f(folder + QStringLiteral("/page.html"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), earlier);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void tst_Preview::partUnderThePoint_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<Part>("part");
    QTest::newRow("page corner") << QPoint(2, 2) << Part::Background;
    QTest::newRow("below the table") << QPoint(160, 215) << Part::Background;
    QTest::newRow("header band") << QPoint(200, 40) << Part::tHeaderBG;
    QTest::newRow("navigation column") << QPoint(35, 190) << Part::tNavBG;
    QTest::newRow("body column") << QPoint(250, 190) << Part::tMainBG;
    QTest::newRow("shared edge goes to the body") << QPoint(119, 150) << Part::tMainBG;
    QTest::newRow("page title") << QPoint(60, 15) << Part::Header;
    QTest::newRow("table header text") << QPoint(50, 52) << Part::tHeader;
    QTest::newRow("body caption") << QPoint(140, 88) << Part::tBodyHeader;
    QTest::newRow("body text") << QPoint(200, 115) << Part::tMainText;
    QTest::newRow("link 1") << QPoint(50, 88) << Part::Link1;
    QTest::newRow("link 3") << QPoint(50, 124) << Part::Link3;
    QTest::newRow("link 4") << QPoint(50, 142) << Part::Link4;
}

void tst_Preview::partUnderThePoint()
{
    QFETCH(QPoint, pos);
    QFETCH(Part, part);
    const auto got = PreviewPage::PartAt(pos);
    QVERIFY(got);
    QCOMPARE(PreviewPage::Info(*got).name, PreviewPage::Info(part).name);
    QVERIFY(!PreviewPage::PartAt(QPoint(329, 10)));
    QVERIFY(!PreviewPage::PartAt(QPoint(-1, 10)));
}

TV_REGISTER_TEST(tst_Preview);
#include "tst_Preview.moc"
