// The export writers byte for byte, through real files, and read back by our
// own readers where we have one.
#include "AcfWriter.h"
#include "AcoReader.h"
#include "AcoWriter.h"
#include "ActReader.h"
#include "ActWriter.h"
#include "AiPaletteWriter.h"
#include "CssSheetWriter.h"
#include "ExportFile.h"
#include "ExportFormat.h"
#include "GifDecoder.h"
#include "GifSwatchWriter.h"
#include "HtmlChartWriter.h"
#include "PainterWriter.h"
#include "TExportList.h"
#include "TestRegistry.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <clocale>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<TColor> manyColors(int n)
{
    QList<TColor> c;
    for (int i = 0; i < n; ++i)
        c.append(MakeColor(i % 256, (i / 256) * 40 + 1, (i * 7) % 251));
    return c;
}

} // namespace

class tst_Writers : public QObject {
    Q_OBJECT

private slots:
    void exportNames_data()
    {
        QTest::addColumn<int>("favorites");
        QTest::addColumn<bool>("favTicked");
        QTest::addColumn<bool>("wheel");
        QTest::addColumn<bool>("mixer");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("cssNames");
        QTest::newRow("mixer alone, favourites exist")
            << 2 << false << false << true << QStringList{"Color 1", "Color 2", "Color 3"}
            << QStringList{"Color1", "Color2", "Color3"};
        QTest::newRow("favourites and mixer")
            << 2 << true << false << true << QStringList{"F0", "F1", "Color 3", "Color 4", "Color 5"}
            << QStringList{"F0", "F1", "Color3", "Color4", "Color5"};
    }
    void exportNames()
    {
        QFETCH(int, favorites);
        QFETCH(bool, favTicked);
        QFETCH(bool, wheel);
        QFETCH(bool, mixer);
        QFETCH(QStringList, names);
        QFETCH(QStringList, cssNames);
        ExportGroups g;
        for (int i = 0; i < favorites; ++i)
            g.favorites.append({MakeColor(i, 0, 0), QStringLiteral("F%1").arg(i)});
        g.mixer = {MakeColor(1, 1, 1), MakeColor(2, 2, 2), MakeColor(3, 3, 3)};
        const TExportList list = TExportList::build(g, {favTicked, wheel, mixer, false});
        QCOMPARE(list.names(), names);
        QStringList css;
        for (qsizetype i = 0; i < list.size(); ++i)
            css << list.cssName(i);
        QCOMPARE(css, cssNames);
    }

    void groupOrderAndWheelNumbering()
    {
        ExportGroups g;
        for (int i = 0; i < 7; ++i)
            g.favorites.append({MakeColor(10 + i, 0, 0), QStringLiteral("Fav %1").arg(i)});
        for (int i = 0; i < 12; ++i)
            g.wheel.append(MakeColor(0, 20 + i, 0));
        g.mixer = {MakeColor(0, 0, 99)};
        g.history = {MakeColor(5, 5, 5)};
        const TExportList list = TExportList::build(g, {true, true, true, true});
        QCOMPARE(list.size(), 21);
        QCOMPARE(list.colors()[7], MakeColor(0, 20, 0));
        QCOMPARE(list.colors()[19], MakeColor(0, 0, 99));
        QCOMPARE(list.colors()[20], MakeColor(5, 5, 5));
        QCOMPARE(list.name(7), QStringLiteral("Color 8"));
        QCOMPARE(list.name(6), QStringLiteral("Fav 6"));
    }

    void acoBytes_data()
    {
        QTest::addColumn<QList<TColor>>("colors");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one colour") << QList<TColor>{MakeColor(0x12, 0x34, 0x56)}
                                    << QByteArray::fromHex("0001000100001212343456560000");
        QTest::newRow("none") << QList<TColor>{} << QByteArray::fromHex("00010000");
        QTest::newRow("white and black")
            << QList<TColor>{clWhite, clBlack}
            << QByteArray::fromHex("00010002" "0000ffffffffffff0000" "00000000000000000000");
    }
    void acoBytes()
    {
        QFETCH(QList<TColor>, colors);
        QFETCH(QByteArray, bytes);
        QCOMPARE(AcoWriter::Bytes(colors), bytes);
        QBuffer b;
        b.setData(bytes);
        b.open(QIODevice::ReadOnly);
        QCOMPARE(AcoReader::Read(b), colors);
    }

    void actFileTakes256_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("3") << 3;
        QTest::newRow("256") << 256;
        QTest::newRow("300") << 300;
    }
    void actFileTakes256()
    {
        QFETCH(int, count);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.act"));
        const QList<TColor> colors = manyColors(count);
        QVERIFY(ExportFile::Write(int(ExportFormat::Act), TExportList(colors, {}), path).ok());
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 768);
        for (int i = 0; i < 256; ++i) {
            const TColor c = i < count ? colors[i] : clBlack;
            QCOMPARE(uchar(bytes[3 * i]), uchar(RedOf(c)));
            QCOMPARE(uchar(bytes[3 * i + 1]), uchar(GreenOf(c)));
            QCOMPARE(uchar(bytes[3 * i + 2]), uchar(BlueOf(c)));
        }
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(ActReader::Read(f).mid(0, std::min(count, 256)), colors.mid(0, 256));
    }

    void painterLines()
    {
        const QStringList l = PainterWriter::Lines({MakeColor(255, 51, 0), clBlack});
        QCOMPARE(l, (QStringList{"ROWS 12", "COLS 22", "WIDTH 16", "HEIGHT 16", "TEXTHEIGHT 0", "SPACING 1",
                                 "R: 255, G:051, B:000 ", "R: 000, G:000, B:000 "}));
    }

    void aiFractions_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("text");
        // channel / 255 rounded to 15 significant digits from the exact quotient.
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("1") << 1 << "0.00392156862745098";
        QTest::newRow("51") << 51 << "0.2";
        QTest::newRow("128") << 128 << "0.501960784313725";
        QTest::newRow("178") << 178 << "0.698039215686275";
        QTest::newRow("180") << 180 << "0.705882352941176";
        QTest::newRow("227") << 227 << "0.890196078431373";
        QTest::newRow("230") << 230 << "0.901960784313725";
        QTest::newRow("254") << 254 << "0.996078431372549";
        QTest::newRow("255") << 255 << "1";
    }
    void aiFractions()
    {
        QFETCH(int, channel);
        QFETCH(QString, text);
        QCOMPARE(AiPaletteWriter::Fraction(channel), text);
    }

    void aiUsesPointUnderCommaLocale()
    {
        const QByteArray old = std::setlocale(LC_NUMERIC, nullptr);
        const bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = AiPaletteWriter::Fraction(51);
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, old.constData());
        QCOMPARE(text, QStringLiteral("0.2"));
        if (!comma)
            qInfo("no German C locale installed: checked under the Qt locale only");
    }

    void aiDocument()
    {
        const QStringList l = AiPaletteWriter::Lines({MakeColor(255, 51, 0)}, QStringLiteral("mypalette.ai"),
                                                     QStringLiteral("09/12/2026"));
        QCOMPARE(l.size(), 43);
        QCOMPARE(l[0], QStringLiteral("%!PS-Adobe-3.0 EPSF-3.0"));
        QCOMPARE(l[3], QStringLiteral("%%Title: mypalette.ai"));
        QCOMPARE(l[4], QStringLiteral("%%CreationDate: 09/12/2026"));
        QCOMPARE(l[6], QStringLiteral("%%HiResBoundingBox: 224.065 631 268 660.5208"));
        QCOMPARE(l[15], QStringLiteral("%AI5_FileFormat 2.0"));
        QCOMPARE(l[18], QStringLiteral("%%+ Options: 1 16 0 1 0 1 1 1 0 1 1 1 1 18 0 0 0 0 0 0 0 0 -1 -1"));
        QCOMPARE(l[19], QStringLiteral("%%+ PPD: 1 21 0 0 60 45 2 2 1 0 0 1 0 0 0 0 0 0 0 0 0 0 ()"));
        QCOMPARE(l[28], QStringLiteral("%AI5_OpenToView: -78 780 1 826 581 58 0 1 2 40"));
        QCOMPARE(l.mid(32), (QStringList{"%%EndProlog", "%%BeginSetup", "%AI5_BeginPalette", "0 0 Pb", "1 0.2 0 Xa",
                                         "Pc", "PB", "%AI5_EndPalette", "%%EndSetup", "%%Trailer", "%%EOF"}));
    }

    void acfMatchesGolden()
    {
        const TExportList list({MakeColor(102, 153, 204), MakeColor(255, 51, 0), clBlack},
                               {QStringLiteral("Sky"), QStringLiteral("Orange")});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("golden.acf"));
        QVERIFY(ExportFile::Write(int(ExportFormat::Acf), list, path).ok());
        QCOMPARE(readAll(path), readAll(QFINDTESTDATA("data/golden.acf")));
    }

    void htmlMatchesGolden()
    {
        const TExportList list({MakeColor(255, 0, 0), clWhite, clBlack},
                               {QStringLiteral("Red"), QStringLiteral("<b>&\"x\" caf\u00e9 \U0001F600")});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("c.html"));
        QVERIFY(ExportFile::Write(int(ExportFormat::Html), list, path).ok());
        QCOMPARE(readAll(path), readAll(QFINDTESTDATA("data/chart.html")));
    }

    void htmlCaption()
    {
        const QStringList l = HtmlChartWriter::Lines(TExportList({MakeColor(102, 153, 204)}, {QStringLiteral("Sky")}));
        QVERIFY(l.contains(QStringLiteral("  <div class=\"caption\"><h3>Sky</h3>HEX: #6699CC<br />RGB: 102,153,204</div>")));
    }

    void htmlEscape_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "Sky Blue 2" << "Sky Blue 2";
        QTest::newRow("markup") << "a<b>&\"c\"" << "a&lt;b&gt;&amp;&quot;c&quot;";
        QTest::newRow("placeholders stay") << "%1 %2" << "%1 %2";
        QTest::newRow("latin-1") << QString::fromUtf8("Grün") << "Gr&#252;n";
        QTest::newRow("astral") << QString::fromUtf8("\xF0\x9F\x8E\xA8") << "&#127912;";
        QTest::newRow("line break") << "a\r\nb" << "a&#13;&#10;b";
        QTest::newRow("control") << QString(QChar(0x01)) << "&#65533;";
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "&#65533;";
    }
    void htmlEscape()
    {
        QFETCH(QString, name);
        QFETCH(QString, escaped);
        QCOMPARE(HtmlChartWriter::EscapeText(name), escaped);
    }

    void cssLines()
    {
        const TExportList list({MakeColor(255, 51, 0), MakeColor(1, 2, 3), MakeColor(0xAB, 0xCD, 0xEF)},
                               {QStringLiteral("Orange")});
        QCOMPARE(CssSheetWriter::Lines(list),
                 (QStringList{".Orange {", "  Color: #FF3300;", "}", "", ".Color2 {", "  Color: #010203;", "}", "",
                              ".Color3 {", "  Color: #ABCDEF;", "}", ""}));
    }

    void cssIdentifier_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ident");
        QTest::newRow("valid") << "Sky_blue-2" << "Sky_blue-2";
        QTest::newRow("non-ASCII valid") << QString::fromUtf8("Grün") << QString::fromUtf8("Grün");
        QTest::newRow("custom ident") << "--x" << "--x";
        QTest::newRow("space") << "Sky Blue" << "Sky\\ Blue";
        QTest::newRow("leading digit") << "1st" << "\\31 st";
        QTest::newRow("dash digit") << "-2a" << "-\\32 a";
        QTest::newRow("lone dash") << "-" << "\\-";
        QTest::newRow("punctuation") << "a.b#c{}" << "a\\.b\\#c\\{\\}";
        QTest::newRow("control") << "a\tb" << "a\\9 b";
    }
    void cssIdentifier()
    {
        QFETCH(QString, name);
        QFETCH(QString, ident);
        QCOMPARE(CssSheetWriter::Identifier(name), ident);
    }

    void gifSize_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1") << 1 << QSize(33, 33);
        QTest::newRow("5") << 5 << QSize(149, 33);
        QTest::newRow("16") << 16 << QSize(468, 33);
        QTest::newRow("17") << 17 << QSize(468, 62);
        QTest::newRow("32") << 32 << QSize(468, 62);
        QTest::newRow("33") << 33 << QSize(468, 91);
    }
    void gifSize()
    {
        QFETCH(int, count);
        QFETCH(QSize, size);
        const QList<TColor> colors = manyColors(count);
        const QImage img = GifSwatchWriter::SwatchImage(colors);
        QCOMPARE(img.size(), size);
        // Swatch 0: outline black, inside the colour, margin white.
        QCOMPARE(img.pixel(3, 3), qRgb(255, 255, 255));
        QCOMPARE(img.pixel(4, 4), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(28, 28), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(29, 29), qRgb(255, 255, 255));
        const TColor last = colors.last();
        const int i = count - 1;
        const int x = 4 + 29 * (i % 16), y = 4 + 29 * (i / 16);
        QCOMPARE(img.pixel(x + 1, y + 1), qRgb(RedOf(last), GreenOf(last), BlueOf(last)));
        QCOMPARE(img.pixel(x + 23, y + 23), qRgb(RedOf(last), GreenOf(last), BlueOf(last)));
    }

    void gifFileReadsBack_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("leftOut");
        QTest::newRow("5") << 5 << 5 << 0;
        QTest::newRow("254 fit with white and black") << 254 << 254 << 0;
        QTest::newRow("255: one left out") << 255 << 254 << 1;
        QTest::newRow("300: cut to 256, two left out") << 300 << 254 << 2;
    }
    void gifFileReadsBack()
    {
        QFETCH(int, count);
        QFETCH(int, written);
        QFETCH(int, leftOut);
        // Distinct colours none of which is white or black.
        QList<TColor> colors;
        for (int i = 0; i < count; ++i)
            colors.append(MakeColor(i % 256, 1 + i / 256, 7));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.gif"));
        const ExportResult r = ExportFile::Write(int(ExportFormat::Gif), TExportList(colors, {}), path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.leftOut, leftOut);
        const GifDecodeResult d = GifDecoder::DecodeFile(path);
        QVERIFY2(d.ok(), qPrintable(d.message));
        const QImage back = d.image.firstFrameImage();
        const QImage expected = GifSwatchWriter::SwatchImage(colors.mid(0, written));
        QCOMPARE(back.size(), expected.size());
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                QCOMPARE(back.pixel(x, y), expected.pixel(x, y));
    }

    void gifWithWhiteSwatchesFitsAll()
    {
        QList<TColor> colors;
        for (int i = 0; i < 254; ++i)
            colors.append(MakeColor(i, 9, 9));
        colors.append(clWhite);
        colors.append(clBlack);
        QCOMPARE(GifSwatchWriter::FittingCount(colors), 256);
    }

    void failedTargetLeavesNoFile_data()
    {
        QTest::addColumn<int>("format");
        for (int f = 0; f < ExportFormatCount; ++f)
            QTest::newRow(ExportFormatAt(f).extension) << f;
    }
    void failedTargetLeavesNoFile()
    {
        QFETCH(int, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/x") + QLatin1String(ExportFormatAt(format).extension));
        const ExportResult r = ExportFile::Write(format, TExportList({MakeColor(1, 2, 3)}, {}), path);
        QCOMPARE(r.error, ExportError::CreateFailed);
        QVERIFY2(r.message.startsWith(QStringLiteral("Cannot create file \"") + path + QStringLiteral("\". ")),
                 qPrintable(r.message));
        QVERIFY(!QFile::exists(path));
    }

    void existingFileIsReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.aco"));
        {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray(100, 'x'));
        }
        QVERIFY(ExportFile::Write(int(ExportFormat::Aco), TExportList({MakeColor(0x12, 0x34, 0x56)}, {}), path).ok());
        QCOMPARE(readAll(path), QByteArray::fromHex("0001000100001212343456560000"));
    }

    // No text lands in a file's head as more than the one line it is meant
    // to be, whatever characters the file name and the colour names hold.
    void headTextsStayOneLine_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("colorName");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QByteArray>("nameLine");
        const QString injected = QStringLiteral("x\n%%EOF\r\nshowpage\nData:\n0 0 0.ai");
        QTest::newRow("AI title with line breaks")
            << int(ExportFormat::Ai) << injected << QString() << QByteArray("%%Title: x %%EOF  showpage Data: 0 0 0.ai")
            << QByteArray();
        QTest::newRow("AI title with NUL, DEL, C1 and U+2028")
            << int(ExportFormat::Ai) << QString::fromUtf16(u"a\u0001\u007F\u0085b\u2028c.ai") << QString()
            << QByteArray("%%Title: a b c.ai") << QByteArray();
        QTest::newRow("ACF title with line breaks")
            << int(ExportFormat::Acf) << QStringLiteral("lib\nData:\n1 2 3.acf") << QStringLiteral("Sky")
            << QByteArray("lib Data: 1 2 3.acf") << QByteArray("Sky");
        QTest::newRow("ACF name with NUL and tab")
            << int(ExportFormat::Acf) << QStringLiteral("lib.acf")
            << QStringLiteral("a") + QChar(0) + QStringLiteral("b\tc") + QChar(0x9B) + QStringLiteral("d")
            << QByteArray("lib.acf") << QByteArray("ab cd");
    }
    void headTextsStayOneLine()
    {
        QFETCH(int, format);
        QFETCH(QString, fileName);
        QFETCH(QString, colorName);
        QFETCH(QByteArray, title);
        QFETCH(QByteArray, nameLine);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        const TExportList list({MakeColor(0, 0, 0)}, colorName.isNull() ? QStringList{} : QStringList{colorName});
        QVERIFY(ExportFile::Write(format, list, path).ok());
        const QByteArray bytes = readAll(path);
        QVERIFY(!bytes.contains('\0'));
        const QList<QByteArray> lines = bytes.split('\n');
        if (format == int(ExportFormat::Ai)) {
            QCOMPARE(lines[3], title + '\r');
            // The document's own lines, once each, at their places.
            QCOMPARE(bytes.count("\n%%EOF"), qsizetype(1));
            QVERIFY(bytes.endsWith("%%Trailer\r\n%%EOF\r\n"));
            QVERIFY(!bytes.contains("showpage\r"));
        } else {
            QCOMPARE(lines[1], title + '\r');
            QCOMPARE(bytes.count("\nData:\r\n"), qsizetype(1));
            QCOMPARE(lines[16], nameLine + '\r');
            QCOMPARE(lines.size(), 18); // 15 head lines, 2 a colour, the empty rest after the last CR LF
        }
    }

    void targetsThatAreNotFilesAreRefused_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("fifo");
        for (int f = 0; f < ExportFormatCount; ++f) {
            QTest::addRow("%s onto a link to /dev/null", ExportFormatAt(f).extension) << f << false;
            QTest::addRow("%s onto a FIFO", ExportFormatAt(f).extension) << f << true;
        }
    }
    void targetsThatAreNotFilesAreRefused()
    {
        QFETCH(int, format);
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x") + QLatin1String(ExportFormatAt(format).extension));
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
        const ExportResult r = ExportFile::Write(format, TExportList({MakeColor(1, 2, 3)}, {}), path);
        QCOMPARE(r.error, ExportError::CreateFailed);
        QCOMPARE(r.message, QStringLiteral("Cannot create file \"%1\". \"%1\" is not a regular file.").arg(path));
        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), !fifo);
        QVERIFY(!after.isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 1);
    }

    void linkToAFileIsFollowed()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real.act")), link = dir.filePath(QStringLiteral("link.act"));
        {
            QFile f(real);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier");
        }
        QVERIFY(QFile::link(real, link));
        QVERIFY(ExportFile::Write(int(ExportFormat::Act), TExportList({MakeColor(1, 2, 3)}, {}), link).ok());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(real), ActWriter::Bytes({MakeColor(1, 2, 3)}));
    }

    void formatForPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::newRow("html") << "/a/b.html" << 0;
        QTest::newRow("capitals") << "/a/b.HTML" << -1;
        QTest::newRow("txt") << "c.txt" << 6;
        QTest::newRow("none") << "c.png" << -1;
    }
    void formatForPath()
    {
        QFETCH(QString, path);
        QFETCH(int, format);
        QCOMPARE(ExportFormatForPath(path), format);
    }
};

TV_REGISTER_TEST(tst_Writers);

#include "tst_Writers.moc"
