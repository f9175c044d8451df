// Colour guide files: tables and GIMP palettes, the folders they are found
// in, the filter and the nearest colour.
#include "Guide.h"
#include "HSLUtils.h"

#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QString hex(TColor c) { return HSLUtils::ColorToHex(c); }
} // namespace

class tst_Guide : public QObject {
    Q_OBJECT
private slots:
    void line_data();
    void line();
    void tableCountsSkippedLines();
    void palette();
    void folders();
    void notices();
    void filterKeepsOrder();
    void nearest();
    void shippedGuides_data();
    void shippedGuides();
};

void tst_Guide::line_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("color");
    QTest::newRow("number") << "100,242,237,130" << true << "100" << "F2ED82";
    QTest::newRow("words") << "Cool Grey 7,151,153,155" << true << "Cool Grey 7" << "97999B";
    QTest::newRow("low 8 bits") << "Big,300,256,511" << true << "Big" << "2C00FF";
    QTest::newRow("negative through its low bits") << "n,-1,0,0" << true << "n" << "FF0000";
    QTest::newRow("blanks round a channel") << "x, 1 ,2, 3" << true << "x" << "010203";
    QTest::newRow("comma in the name") << "Red, warm,200,30,20" << true << "Red, warm" << "C81E14";
    QTest::newRow("empty name") << ",1,2,3" << true << "" << "010203";
    QTest::newRow("too few fields") << "Red,1,2" << false << "" << "";
    QTest::newRow("not a number") << "Red,1,two,3" << false << "" << "";
    QTest::newRow("empty channel") << "Red,1,,3" << false << "" << "";
    QTest::newRow("fraction") << "Red,1.5,2,3" << false << "" << "";
    QTest::newRow("no commas") << "just words" << false << "" << "";
}

void tst_Guide::line()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    Tools::TGuideEntry e;
    QCOMPARE(Tools::ParseGuideLine(line, e), ok);
    if (!ok)
        return;
    QFETCH(QString, name);
    QFETCH(QString, color);
    QCOMPARE(e.name, name);
    QCOMPARE(hex(e.color), color);
}

void tst_Guide::tableCountsSkippedLines()
{
    const Tools::TGuide g =
        Tools::ParseGuideTable("\xEF\xBB\xBFYellow,247,224,23\r\nbroken\r\n\r\nReflex Blue,23,23,150\rGr\xC3\xBCn,0,128,0\nx,1\n");
    QCOMPARE(g.entries.size(), 3);
    QCOMPARE(g.skippedLines, 2);
    QCOMPARE(g.entries[0].name, QStringLiteral("Yellow"));
    QCOMPARE(g.entries[2].name, QStringLiteral("Gr\u00FCn"));
    // Not UTF-8: read as Latin-1.
    QCOMPARE(Tools::ParseGuideTable("Gr\xFCn,0,128,0").entries.value(0).name, QStringLiteral("Gr\u00FCn"));
}

void tst_Guide::palette()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("earth.gpl"));
    put(path, "GIMP Palette\nName: Earth tones\nColumns: 4\n# comment\n139  69  19\tSaddle brown\n160 82 45 Sienna\n");
    const Tools::TGuide g = Tools::LoadGuideFile(path);
    QVERIFY(g.problem.isEmpty());
    QCOMPARE(g.title, QStringLiteral("Earth tones"));
    QCOMPARE(g.entries.size(), 2);
    QCOMPARE(g.entries[0].name, QStringLiteral("Saddle brown"));
    QCOMPARE(hex(g.entries[1].color), QStringLiteral("A0522D"));
    // A malformed palette is refused whole.
    put(path, "GIMP Palette\n1 2 3 a\n999 0 0 b\n");
    const Tools::TGuide bad = Tools::LoadGuideFile(path);
    QVERIFY(!bad.problem.isEmpty());
    QVERIFY(bad.entries.isEmpty());
    QCOMPARE(bad.title, QStringLiteral("earth"));
}

// The three guides of the menu come first, present or not; further files
// follow by name, the first folder winning a name both hold.
void tst_Guide::folders()
{
    QTemporaryDir user, installed;
    put(user.filePath(QStringLiteral("2x.csv")), "116 2X,247,181,12\n");
    put(installed.filePath(QStringLiteral("2x.csv")), "other,1,1,1\n");
    put(installed.filePath(QStringLiteral("zeta.csv")), "z,1,2,3\n");
    put(user.filePath(QStringLiteral("Alpha.gpl")), "GIMP Palette\n1 2 3 a\n");
    put(installed.filePath(QStringLiteral("alpha.gpl")), "GIMP Palette\n4 5 6 b\n");
    put(user.filePath(QStringLiteral("notes.txt")), "not a guide");
    const QList<Tools::TGuide> guides = Tools::LoadGuides({user.path(), installed.path()});
    QStringList titles;
    for (const Tools::TGuide& g : guides)
        titles << g.title;
    QCOMPARE(titles, QStringList({"Pantone Solid", "Pantone 2x Colors", "Pantone Pastel", "Alpha", "zeta"}));
    QVERIFY(guides[0].path.isEmpty());
    QCOMPARE(guides[1].entries.value(0).name, QStringLiteral("116 2X"));
    QCOMPARE(guides[3].entries.value(0).name, QStringLiteral("a"));
}

void tst_Guide::notices()
{
    Tools::TGuide absent;
    absent.fileName = QStringLiteral("solid.csv");
    QCOMPARE(Tools::GuideNotice(absent, QStringLiteral("/home/u/guides")),
             QStringLiteral("Put solid.csv in /home/u/guides to use this guide"));
    Tools::TGuide skipped = Tools::ParseGuideTable("a,1,2,3\nb\nc\n");
    skipped.fileName = QStringLiteral("x.csv");
    skipped.path = QStringLiteral("/x.csv");
    QCOMPARE(Tools::GuideNotice(skipped, {}), QStringLiteral("2 lines of x.csv were skipped"));
    skipped.skippedLines = 0;
    QCOMPARE(Tools::GuideNotice(skipped, {}), QString());
}

void tst_Guide::filterKeepsOrder()
{
    const Tools::TGuide g = Tools::ParseGuideTable("Warm Red,1,1,1\nYellow,2,2,2\nred 032,3,3,3\nRubine Red,4,4,4\n");
    QCOMPARE(Tools::FilterGuide(g, QStringLiteral("RED")), QList<int>({0, 2, 3}));
    QCOMPARE(Tools::FilterGuide(g, QStringLiteral(" ")), QList<int>({0, 1, 2, 3}));
    QCOMPARE(Tools::FilterGuide(g, QStringLiteral("blue")), QList<int>());
}

void tst_Guide::nearest()
{
    const Tools::TGuide g = Tools::ParseGuideTable("black,0,0,0\nnavy,0,0,128\nsame navy,0,0,128\nwhite,255,255,255\n");
    QCOMPARE(Tools::NearestGuideEntry(g, MakeColor(10, 10, 140)), 1); // the first of equals
    QCOMPARE(Tools::NearestGuideEntry(g, MakeColor(240, 240, 240)), 3);
    QCOMPARE(Tools::NearestGuideEntry(Tools::TGuide(), clWhite), -1);
}

void tst_Guide::shippedGuides_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("color");
    QTest::newRow("css") << "CSS Named Colors.csv" << 148 << "rebeccapurple" << "663399";
    QTest::newRow("xkcd") << "xkcd Color Survey.csv" << 949 << "cloudy blue" << "ACC2D9";
}

void tst_Guide::shippedGuides()
{
    QFETCH(QString, file);
    QFETCH(int, count);
    QFETCH(QString, name);
    QFETCH(QString, color);
    const Tools::TGuide g = Tools::LoadGuideFile(QStringLiteral(TV_GUIDE_DIR "/") + file);
    QCOMPARE(g.skippedLines, 0);
    QCOMPARE(g.entries.size(), count);
    const auto it = std::find_if(g.entries.begin(), g.entries.end(), [&](const auto& e) { return e.name == name; });
    QVERIFY(it != g.entries.end());
    QCOMPARE(hex(it->color), color);
}

TV_REGISTER_TEST(tst_Guide);
#include "tst_Guide.moc"
