// The swatch catalogue: metrics, pagination, the page's layout at screen and
// printer resolutions, the preview's scales and the PDF read back.
#include "PrintCatalogue.h"
#include "PrintLayout.h"

#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBoundaryFinder>

#include <unistd.h>

using namespace PrintLayout;
Q_DECLARE_METATYPE(PrintLayout::Scale)

namespace {
Device letter(int dpi, int off = 0)
{
    Device d;
    d.dpiX = d.dpiY = dpi;
    d.physW = dpi * 85 / 10;
    d.physH = dpi * 11;
    d.offX = d.offY = off;
    d.pageW = d.physW - 2 * off;
    d.pageH = d.physH - 2 * off;
    return d;
}

TExportList colours(int n, QStringList names = {})
{
    QList<TColor> c;
    for (int i = 0; i < n; ++i)
        c.append(MakeColor(i % 256, (i * 7) % 256, 255 - i % 256));
    return TExportList(c, names);
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class tst_PrintLayout : public QObject {
    Q_OBJECT
private slots:
    void metrics_data();
    void metrics();
    void itemsPerPage_data();
    void itemsPerPage();
    void itemsPerPageStaysWithinOneAndAHundred();
    void placesFillColumnsTopDown();
    void sheetAtEveryScale_data();
    void sheetAtEveryScale();
    void sheetOriginAndPrintableArea();
    void pageBox_data();
    void pageBox();
    void pageLayoutArithmetic_data();
    void pageLayoutArithmetic();
    void namesFitTheirColumn_data();
    void namesFitTheirColumn();
    void emptyListGivesOneFooterPage();
    void pdfReadBack();
    void pdfFailureKeepsTheEarlierFile();
};

void tst_PrintLayout::metrics_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("off");
    QTest::addColumn<QList<int>>("expected"); // left, top, right, bottom, swatch, gap, column
    QTest::newRow("96 dpi") << 96 << 0 << QList<int>{38, 77, 38, 48, 80, 16, 256};
    QTest::newRow("600 dpi") << 600 << 0 << QList<int>{240, 480, 240, 300, 500, 100, 1600};
    QTest::newRow("300 dpi") << 300 << 0 << QList<int>{120, 240, 120, 150, 250, 50, 800};
    // 3 dpi: 1.2, 2.4, 1.5 (tie: 2), 2.5 (tie: 2), 0.5 (tie: 0), 8
    QTest::newRow("ties to even") << 3 << 0 << QList<int>{1, 2, 1, 2, 2, 0, 8};
    QTest::newRow("unprintable border raises margins") << 600 << 260 << QList<int>{260, 480, 260, 300, 500, 100, 1600};
}

void tst_PrintLayout::metrics()
{
    QFETCH(int, dpi);
    QFETCH(int, off);
    QFETCH(QList<int>, expected);
    const Metrics m = Compute(letter(dpi, off), Margins{});
    QCOMPARE((QList<int>{m.left, m.top, m.right, m.bottom, m.swatch, m.gap, m.column}), expected);
    QCOMPARE(m.unprintableRight, off);
    QCOMPARE(m.unprintableBottom, off);
}

void tst_PrintLayout::itemsPerPage_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("footerH");
    QTest::addColumn<int>("expected");
    // 96 dpi letter: bottom limit 1056-48-15-16 = 977; rows while 77+96r+80 <= 977: 9; columns at
    // 38, 294, 550 (550+512-30 > 778 stops): 27.
    QTest::newRow("96 dpi letter") << 96 << 15 << 27;
    // A footer 45 pixels higher costs the ninth row: 77+8*96+80 = 925 > 1056-48-60-16 = 932? no; 62 higher does.
    QTest::newRow("96 dpi, tall footer") << 96 << 77 << 24;
    QTest::newRow("600 dpi letter") << 600 << 95 << 27;
}

void tst_PrintLayout::itemsPerPage()
{
    QFETCH(int, dpi);
    QFETCH(int, footerH);
    QFETCH(int, expected);
    const Metrics m = Compute(letter(dpi), Margins{});
    QCOMPARE(ItemsPerPage(m, footerH), expected);
    // The same by rows times columns.
    const int limit = BottomLimit(m, footerH);
    const int rows = (limit - m.top - m.swatch) / (m.swatch + m.gap) + 1;
    int columns = 1;
    for (int x = m.left; x + 2 * m.column - Scaled(dpi, 3125, 10000) <= m.device.physW - m.right; x += m.column)
        ++columns;
    QCOMPARE(rows * columns, expected);
}

// A page too small for one swatch still takes one; a sheet that would hold
// more than 100 takes 100.
void tst_PrintLayout::itemsPerPageStaysWithinOneAndAHundred()
{
    const Metrics small = Compute(letter(96), Margins{400, 800, 5000, 10000});
    QCOMPARE(ItemsPerPage(small, 15), 1);
    Device huge = letter(96);
    huge.physW = huge.pageW = 96 * 40;
    huge.physH = huge.pageH = 96 * 40;
    QCOMPARE(ItemsPerPage(Compute(huge, Margins{}), 15), 100);
    QCOMPARE(Places(Compute(huge, Margins{}), 15, 1, 250, 100).size(), 100);
    // ceiling(colours / per page), and one empty page for no colours.
    QCOMPARE((QList<int>{PageCount(0, 27), PageCount(27, 27), PageCount(28, 27), PageCount(1000, 27)}), (QList<int>{1, 1, 2, 38}));
}

void tst_PrintLayout::placesFillColumnsTopDown()
{
    const Metrics m = Compute(letter(96), Margins{});
    const QList<Place> first = Places(m, 15, 1, 30, 27);
    QCOMPARE(first.size(), 27);
    QCOMPARE(first[0].x, 38);
    QCOMPARE(first[0].top, 77);
    QCOMPARE(first[8].top, 77 + 8 * 96);
    QCOMPARE(first[9].x, 38 + 256);
    QCOMPARE(first[9].top, 77);
    QCOMPARE(first[26].x, 38 + 512);
    const QList<Place> second = Places(m, 15, 2, 30, 27);
    QCOMPARE(second.size(), 3);
    QCOMPARE(second[0].index, 27);
    QCOMPARE(second[2].index, 29);
    QCOMPARE(second[2].top, 77 + 2 * 96);
    QCOMPARE(Places(m, 15, 3, 30, 27).size(), 0);
}

void tst_PrintLayout::sheetAtEveryScale_data()
{
    QTest::addColumn<Scale>("scale");
    QTest::addColumn<QSize>("at100");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("sheet");
    const QSize letter100(816, 1056), any(600, 500);
    QTest::newRow("25%") << Scale::P25 << letter100 << any << QSize(204, 264);
    QTest::newRow("25% ties to even") << Scale::P25 << QSize(202, 206) << any << QSize(50, 52);
    QTest::newRow("50%") << Scale::P50 << letter100 << any << QSize(408, 528);
    QTest::newRow("50% ties to even") << Scale::P50 << QSize(817, 819) << any << QSize(408, 410);
    QTest::newRow("100%") << Scale::P100 << letter100 << any << letter100;
    QTest::newRow("150%") << Scale::P150 << letter100 << any << QSize(1224, 1584);
    QTest::newRow("150% ties to even") << Scale::P150 << QSize(817, 819) << any << QSize(1226, 1228);
    QTest::newRow("200%") << Scale::P200 << letter100 << any << QSize(1632, 2112);
    // a = 640 - 64 = 576, b = round(576 / 816 * 1056) = round(745.41)
    QTest::newRow("page width") << Scale::PageWidth << letter100 << QSize(640, 500) << QSize(576, 745);
    QTest::newRow("page width tie") << Scale::PageWidth << QSize(200, 101) << QSize(64 + 100, 500) << QSize(100, 50);
    // a = 564, b = 464; the height's ratio is the smaller: a = round(464 / 1056 * 816) = round(358.55)
    QTest::newRow("whole page, height wins") << Scale::WholePage << letter100 << QSize(600, 500) << QSize(359, 464);
    QTest::newRow("whole page, width wins") << Scale::WholePage << letter100 << QSize(300, 900) << QSize(264, 342);
    QTest::newRow("whole page tie on width") << Scale::WholePage << QSize(100, 200) << QSize(236, 137) << QSize(50, 101);
    QTest::newRow("whole page tie on height") << Scale::WholePage << QSize(200, 100) << QSize(137, 236) << QSize(101, 50);
}

void tst_PrintLayout::sheetAtEveryScale()
{
    QFETCH(Scale, scale);
    QFETCH(QSize, at100);
    QFETCH(QSize, area);
    QFETCH(QSize, sheet);
    QCOMPARE(SheetSize(scale, at100, area), sheet);
}

void tst_PrintLayout::sheetOriginAndPrintableArea()
{
    QCOMPARE(SheetAt100(letter(600), 96, 96), QSize(816, 1056));
    Device a4 = letter(600);
    a4.physW = 4961;
    a4.physH = 7016;
    QCOMPARE(SheetAt100(a4, 96, 96), QSize(794, 1123)); // 793.76, 1122.56
    QCOMPARE(SheetAt100(letter(600), 120, 120), QSize(1020, 1320));
    // Centred when the area is wide enough (sheet + 32), else 16 less the scroll.
    QCOMPARE(SheetOrigin(500, 400, 0), 48);
    QCOMPARE(SheetOrigin(501, 400, 0), 48);
    QCOMPARE(SheetOrigin(431, 400, 0), 16);
    QCOMPARE(SheetOrigin(431, 400, 30), -14);
    QCOMPARE(SheetOrigin(432, 400, 30), 14);
    // Offsets of 100 and 75 of 5100 x 6600 pixels.
    Device d = letter(600);
    d.offX = 100;
    d.offY = 75;
    d.pageW = 4900;
    d.pageH = 6450;
    const QRect r = PrintableOnSheet(d, QRect(10, 20, 408, 528));
    QCOMPARE(r, QRect(10 + 8, 20 + 6, 392, 516)); // 8.0, 6.0, 391.99, 516.0
}

void tst_PrintLayout::pageBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << "" << 3 << 1 << "1";
    QTest::newRow("zero") << "0" << 3 << 1 << "1";
    QTest::newRow("zeros") << "00" << 3 << 1 << "1";
    QTest::newRow("in range") << "2" << 3 << 2 << "2";
    QTest::newRow("above the count") << "99" << 3 << 3 << "3";
    QTest::newRow("more digits than a number") << "99999999999999999999999" << 3 << 3 << "3";
    QTest::newRow("single page") << "5" << 1 << 1 << "1";
}

void tst_PrintLayout::pageBox()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, page);
    QFETCH(QString, shown);
    const PageBox box = FixPageBox(text, count);
    QCOMPARE(box.page, page);
    QCOMPARE(box.text, shown);
    QCOMPARE(box.changed, shown != text);
}

void tst_PrintLayout::pageLayoutArithmetic_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("screen, 96 dpi") << 96;
    QTest::newRow("printer, 600 dpi") << 600;
}

// Every position of a page from the arithmetic of the layout rules.
void tst_PrintLayout::pageLayoutArithmetic()
{
    QFETCH(int, dpi);
    const auto r = [dpi](long double num, long double den) { return int(std::lrint(dpi * num / den)); };
    const Metrics m = Compute(letter(dpi), Margins{});
    const PrintCatalogue::Fonts fonts = PrintCatalogue::MakeFonts(dpi);
    QCOMPARE(fonts.name.pixelSize(), r(10, 72));
    QVERIFY(fonts.name.bold() && !fonts.text.bold());
    const TExportList list = colours(40, {QStringLiteral("Sky"), QStringLiteral("Sea")});
    const int per = PrintCatalogue::ItemsPerPage(m, fonts);
    QCOMPARE(per, 27);
    const PrintCatalogue::Page page = PrintCatalogue::Layout(m, fonts, list, 2);
    QCOMPARE(page.items.size(), 40 - per);
    const PrintCatalogue::Item& it = page.items[1];
    const int x = m.left, top = m.top + 1 * (m.swatch + m.gap);
    QCOMPARE(it.index, per + 1);
    QCOMPARE(it.swatch, QRect(x, top, r(5, 6), r(5, 6)));
    QCOMPARE(it.namePos, QPoint(x + m.swatch + r(10, 96), top + r(2, 96)));
    QCOMPARE(it.name, QStringLiteral("Color %1").arg(per + 2));
    QCOMPARE(it.rule, QLine(x + m.swatch + r(10, 96), top + r(21, 96), x + m.column - r(30, 96), top + r(21, 96)));
    QCOMPARE(it.hexPos, QPoint(x + m.swatch + r(10, 96), top + r(26, 96)));
    QCOMPARE(it.rgbPos, QPoint(x + m.swatch + r(10, 96), top + r(44, 96)));
    const TColor c = list.colors()[per + 1];
    QCOMPARE(it.hex, QStringLiteral("HEX:  #") + QStringLiteral("%1%2%3").arg(RedOf(c), 2, 16, QLatin1Char('0'))
                                                      .arg(GreenOf(c), 2, 16, QLatin1Char('0'))
                                                      .arg(BlueOf(c), 2, 16, QLatin1Char('0'))
                                                      .toUpper());
    QCOMPARE(it.rgb, QStringLiteral("RGB: %1,%2,%3").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c)));
    // The footer: the page number centred at the foot, the rule above it.
    const QFontMetrics fm(fonts.footer);
    QCOMPARE(page.footer, QStringLiteral("2"));
    QCOMPARE(page.footerPos, QPoint((m.device.pageW - fm.horizontalAdvance(QStringLiteral("2"))) / 2, m.device.pageH - fm.height()));
    QCOMPARE(page.footerRule, QLine(m.left, m.device.pageH - fm.height() - r(4, 100), m.device.physW - m.right,
                                    m.device.pageH - fm.height() - r(4, 100)));
    // Favourites keep their names on the first page.
    const PrintCatalogue::Page one = PrintCatalogue::Layout(m, fonts, list, 1);
    QCOMPARE(one.items[0].name, QStringLiteral("Sky"));
    QCOMPARE(one.items[1].name, QStringLiteral("Sea"));
    QCOMPARE(one.items[2].name, QStringLiteral("Color 3"));
}

void tst_PrintLayout::namesFitTheirColumn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("short") << "Sky" << false;
    QTest::newRow("long latin") << QString(80, QLatin1Char('W')) << true;
    QTest::newRow("long cjk") << QString::fromUtf8("深い青緑色の空と海の色見本帳の名前がとても長い") << true;
    QTest::newRow("long arabic") << QString::fromUtf8("أزرق سماوي فاتح جدا مع لمسة من الأخضر البحري العميق") << true;
    QTest::newRow("combining marks") << QString::fromUtf8("e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301") << true;
    QTest::newRow("emoji") << QString::fromUtf8("🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨🎨") << true;
}

// A name too long for its column ends in "..." and stays inside it, cut at a
// whole character, at either resolution.
void tst_PrintLayout::namesFitTheirColumn()
{
    QFETCH(QString, name);
    QFETCH(bool, shortened);
    for (int dpi : {96, 600}) {
        const Metrics m = Compute(letter(dpi), Margins{});
        const PrintCatalogue::Fonts fonts = PrintCatalogue::MakeFonts(dpi);
        const int room = m.column - m.swatch - Scaled(dpi, 40, 96);
        // Where no font has the script's glyphs, the name may be narrow enough whole.
        if (shortened && QFontMetrics(fonts.name).horizontalAdvance(name) <= room)
            QSKIP("no font with these glyphs is installed");
        const PrintCatalogue::Page page = PrintCatalogue::Layout(m, fonts, TExportList(QList<TColor>(30, clBlack), {name}), 1);
        const PrintCatalogue::Item& it = page.items[0];
        QVERIFY(it.nameWidth <= room);
        QVERIFY(it.namePos.x() + it.nameWidth < page.items[9].swatch.left()); // short of the next column
        QCOMPARE(it.name.endsWith(QLatin1String("...")), shortened);
        if (shortened) {
            const QString kept = it.name.chopped(3);
            QVERIFY(name.startsWith(kept));
            QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, name);
            f.setPosition(kept.size());
            QVERIFY(f.isAtBoundary());
            QVERIFY(!kept.isEmpty());
        } else {
            QCOMPARE(it.name, name);
        }
    }
}

void tst_PrintLayout::emptyListGivesOneFooterPage()
{
    const Metrics m = Compute(letter(96), Margins{});
    const PrintCatalogue::Fonts fonts = PrintCatalogue::MakeFonts(96);
    QCOMPARE(PrintCatalogue::PageCount(m, fonts, TExportList()), 1);
    const PrintCatalogue::Page page = PrintCatalogue::Layout(m, fonts, TExportList(), 1);
    QVERIFY(page.items.isEmpty());
    QCOMPARE(page.footer, QStringLiteral("1"));
}

// The PDF read back with poppler's tools: page count, sheet size, and the
// names and hex lines on the pages.
void tst_PrintLayout::pdfReadBack()
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfinfo.isEmpty() || pdftotext.isEmpty())
        QSKIP("poppler-utils is not installed (scripts/deps.sh installs it)");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.pdf"));
    QList<TColor> c = {MakeColor(255, 102, 0), MakeColor(0, 51, 204)};
    for (int i = 0; i < 58; ++i)
        c.append(MakeColor(i, 2 * i, 3 * i));
    int pages = 0;
    const FileResult r = PrintCatalogue::SavePdf(path, TExportList(c, {QStringLiteral("Orange Sky"), QStringLiteral("Deep Sea")}),
                                                 QPageSize(QPageSize::Letter), Margins{}, 600, &pages);
    QVERIFY2(r.ok(), qPrintable(r.text()));
    QCOMPARE(pages, 3); // 27 a page
    const QString info = run(pdfinfo, {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))), qPrintable(info));
    QVERIFY2(info.contains(QLatin1String("612 x 792 pts")), qPrintable(info));
    const QString text = run(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(text.contains(QLatin1String("Orange Sky")));
    QVERIFY(text.contains(QLatin1String("Deep Sea")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("HEX:\\s+#FF6600"))));
    QVERIFY(text.contains(QLatin1String("RGB: 0,51,204")));
    QVERIFY(text.contains(QLatin1String("Color 60")));
    const QString last = run(pdftotext, {QStringLiteral("-f"), QStringLiteral("3"), QStringLiteral("-l"), QStringLiteral("3"), path,
                                         QStringLiteral("-")});
    QVERIFY(last.contains(QLatin1String("Color 55")));
    QVERIFY(!last.contains(QLatin1String("Color 54")));
    QVERIFY(last.contains(QRegularExpression(QStringLiteral("(^|\\s)3(\\s|$)"))));
}

void tst_PrintLayout::pdfFailureKeepsTheEarlierFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.pdf"));
    QVERIFY(PrintCatalogue::SavePdf(path, colours(3), QPageSize(QPageSize::A4), Margins{}, 300).ok());
    const QByteArray earlier = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    QVERIFY(earlier.startsWith("%PDF"));
    const FileResult gone = PrintCatalogue::SavePdf(dir.filePath(QStringLiteral("gone/x.pdf")), colours(3),
                                                    QPageSize(QPageSize::A4), Margins{}, 300);
    QVERIFY(!gone.ok());
    QVERIFY(!gone.text().isEmpty());
    if (::geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const FileResult ro = PrintCatalogue::SavePdf(path, colours(90), QPageSize(QPageSize::A4), Margins{}, 300);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!ro.ok());
    }
    const FileResult folder = PrintCatalogue::SavePdf(dir.path(), colours(3), QPageSize(QPageSize::A4), Margins{}, 300);
    QVERIFY(!folder.ok());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), earlier);
}

TV_REGISTER_TEST(tst_PrintLayout);
#include "tst_PrintLayout.moc"
