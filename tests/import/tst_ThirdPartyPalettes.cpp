// The palette readers on files that other programs wrote and Debian ships
// (data/thirdparty/, origins in its README.md). GIF colour tables are checked
// against giflib's giftext, run on the file at test time, and against entries
// recorded from ImageMagick's "identify -verbose"; ACT tables against a
// decoding of the byte layout written here and against colours the programs
// themselves name.
#include "ActReader.h"
#include "GifPaletteReader.h"
#include "PaletteFile.h"
#include "TImportFilter.h"
#include "TestRegistry.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

using Entries = QList<QPair<int, TColor>>;

TColor rgb(unsigned v)
{
    return MakeColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

// The first frame's active colour table as giftext prints it: the table
// after "Image #1:" when that image "Has Color Map", else the global one.
// Entries look like "12: 0ch 25h 7fh".
QList<TColor> giftextFirstTable(const QString& giftext, const QString& path, QString& error)
{
    QProcess p;
    p.start(giftext, {QStringLiteral("-c"), path});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) {
        error = QStringLiteral("giftext did not finish");
        return {};
    }
    const QString text = QString::fromLatin1(p.readAllStandardOutput());
    const qsizetype image = text.indexOf(QLatin1String("Image #1:"));
    if (image < 0) {
        error = QStringLiteral("giftext shows no image");
        return {};
    }
    const qsizetype image2 = text.indexOf(QLatin1String("Image #2:"), image);
    const QString first = text.mid(image, image2 < 0 ? -1 : image2 - image);
    QString table;
    if (first.contains(QLatin1String("Image Has Color Map."))) {
        table = first;
    } else {
        const qsizetype global = text.indexOf(QLatin1String("Global Color Map:"));
        if (global < 0 || global > image) {
            error = QStringLiteral("giftext shows no colour table for the first image");
            return {};
        }
        table = text.mid(global, image - global);
    }
    static const QRegularExpression entry(
        QStringLiteral("(\\d+):\\s*([0-9a-fA-F]{2})h\\s+([0-9a-fA-F]{2})h\\s+([0-9a-fA-F]{2})h"));
    QList<TColor> colors;
    for (auto it = entry.globalMatch(table); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toInt() != int(colors.size())) {
            error = QStringLiteral("giftext entries out of order at %1").arg(m.captured(1));
            return {};
        }
        colors.append(MakeColor(m.captured(2).toInt(nullptr, 16), m.captured(3).toInt(nullptr, 16),
                                m.captured(4).toInt(nullptr, 16)));
    }
    return colors;
}

// An ACT decoded from its layout alone: 256 triples of red, green and blue
// bytes from the start of the file.
QList<TColor> actByLayout(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QDataStream in(&f);
    QList<TColor> colors;
    for (int i = 0; i < 256; ++i) {
        quint8 r, g, b;
        in >> r >> g >> b;
        if (in.status() != QDataStream::Ok)
            break;
        colors.append(MakeColor(r, g, b));
    }
    return colors;
}

QString dataFile(const QString& name)
{
    return QFINDTESTDATA(QStringLiteral("data/thirdparty/") + name);
}

} // namespace

class tst_ThirdPartyPalettes : public QObject {
    Q_OBJECT

private slots:
    void gifTables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<int>("entries");
        // Entries as "identify -verbose file[0]" lists them under "Colormap:".
        QTest::addColumn<Entries>("seen");

        // A 256-entry local table over a 2-entry global one; interlaced.
        QTest::newRow("LibreOffice gallery flower, GIF87a, local table")
            << "libreoffice-flower.gif" << QByteArray("GIF87a") << 256
            << Entries{{0, rgb(0x121806)}, {1, rgb(0x17270E)}, {128, rgb(0x977603)}, {255, rgb(0xFFFFFF)}};
        QTest::newRow("LibreOffice bullet rainbow, 128-entry global table, interlaced")
            << "libreoffice-rainbow.gif" << QByteArray("GIF89a") << 128
            << Entries{{0, rgb(0xB2161B)}, {1, rgb(0xDC353C)}, {64, rgb(0x879B4A)}, {127, rgb(0x000000)}};
        QTest::newRow("LibreOffice tip of the day, animated, two frames")
            << "libreoffice-marchingants.gif" << QByteArray("GIF89a") << 256
            << Entries{{0, rgb(0x000000)}, {1, rgb(0x00CB4E)}, {128, rgb(0x8FDA63)}, {255, rgb(0xFFFFFF)}};
        // Eight colours used, the rest of the 256 entries black.
        QTest::newRow("GrafX2 icon, padded global table")
            << "grafx2-gfx2.gif" << QByteArray("GIF89a") << 256
            << Entries{{0, rgb(0xFF00FF)}, {2, rgb(0x62167E)}, {6, rgb(0xC5CBFF)}, {7, rgb(0xFFFFFF)}, {8, clBlack},
                       {255, clBlack}};
        QTest::newRow("SDL2_image test palette, GIF87a")
            << "sdl2-image-palette.gif" << QByteArray("GIF87a") << 32
            << Entries{{0, rgb(0x993300)}, {1, rgb(0x996633)}, {16, rgb(0x990000)}, {31, rgb(0x339933)}};
        QTest::newRow("gdk-pixbuf GIF suite, no global table")
            << "gdk-pixbuf-no-global-color-table.gif" << QByteArray("GIF89a") << 2
            << Entries{{0, rgb(0x0000FF)}, {1, rgb(0xFFFFFF)}};
    }
    void gifTables()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, signature);
        QFETCH(int, entries);
        QFETCH(Entries, seen);
        const QString path = dataFile(file);
        QVERIFY2(!path.isEmpty(), qPrintable(file));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.peek(6), signature);
        const GifPaletteResult r = GifPaletteReader::Read(f);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(int(r.colors.size()), entries);
        for (const auto& [index, color] : seen)
            QCOMPARE(r.colors[index], color);
        // The same colours through the import's file dispatch.
        const PaletteFileResult byPath = PaletteFile::Read(path);
        QVERIFY2(byPath.ok(), qPrintable(byPath.message));
        QCOMPARE(byPath.colors, r.colors);

        const QString giftext = QStandardPaths::findExecutable(QStringLiteral("giftext"));
        if (giftext.isEmpty())
            QSKIP("giftext (Debian package giflib-tools) is not installed: whole tables not compared");
        QString error;
        const QList<TColor> expected = giftextFirstTable(giftext, path, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(r.colors, expected);
    }

    // The GrafX2 icon through the import filter with both options: black,
    // white and the 248 black pads go, six colours stay, in table order.
    void gifPaddedTableFiltered()
    {
        QFile f(dataFile(QStringLiteral("grafx2-gfx2.gif")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const GifPaletteResult r = GifPaletteReader::Read(f);
        QVERIFY(r.ok());
        TImportFilter filter(true, true);
        filter.offerAll(r.colors);
        QCOMPARE(filter.colors(), (QList<TColor>{rgb(0xFF00FF), rgb(0x62167E), rgb(0x310BBE), rgb(0x0000FF),
                                                 rgb(0x8080FF), rgb(0xC5CBFF)}));
    }

    void actTables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Entries>("named");

        // netPanzer's game palette. Its scripts/initcolors.lua names the unit
        // colours (the name after each entry); 41 is the green its
        // Palette.cpp builds the green filter from ("palete color 41").
        QTest::newRow("netPanzer game palette")
            << "netpanzer-netp.act"
            << Entries{{0, rgb(0x000000)},   // black
                       {1, rgb(0x060202)},   // unitBlack
                       {41, rgb(0x1B3E21)},  // Palette.cpp's colour 41
                       {99, rgb(0x000080)},  // unitDarkBlue, darkBlue
                       {128, rgb(0x960000)}, // unitDarkRed
                       {143, rgb(0x2B5583)}, // unitBlueGray
                       {157, rgb(0x1FA624)}, // unitGreen
                       {207, rgb(0x0303FF)}, // unitBlue
                       {208, rgb(0xFF0000)}, // unitRed, red
                       {229, rgb(0x00CCFF)}, // unitAqua
                       {241, rgb(0xFFFF00)}, // unitYellow, yellow
                       {255, rgb(0xFAFDF8)}}; // unitWhite
        // netPanzer's menu palette: the twenty static colours of the Windows
        // default palette at 0..9 and 246..255 (black, dark red, dark green,
        // olive, navy, purple, teal, silver, money green; cream, medium grey,
        // grey, red, green, yellow, blue, magenta, cyan, white), except that
        // entry 9 is a dark grey instead of the sky blue A6CAF0.
        QTest::newRow("netPanzer menu palette")
            << "netpanzer-netpmenu.act"
            << Entries{{0, rgb(0x000000)},   {1, rgb(0x800000)},   {2, rgb(0x008000)},   {3, rgb(0x808000)},
                       {4, rgb(0x000080)},   {5, rgb(0x800080)},   {6, rgb(0x008080)},   {7, rgb(0xC0C0C0)},
                       {8, rgb(0xC0DCC0)},   {9, rgb(0x101010)},   {246, rgb(0xFFFBF0)}, {247, rgb(0xA0A0A4)},
                       {248, rgb(0x808080)}, {249, rgb(0xFF0000)}, {250, rgb(0x00FF00)}, {251, rgb(0xFFFF00)},
                       {252, rgb(0x0000FF)}, {253, rgb(0xFF00FF)}, {254, rgb(0x00FFFF)}, {255, rgb(0xFFFFFF)}};
    }
    void actTables()
    {
        QFETCH(QString, file);
        QFETCH(Entries, named);
        const QString path = dataFile(file);
        QVERIFY2(!path.isEmpty(), qPrintable(file));
        QCOMPARE(QFileInfo(path).size(), 768);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<TColor> colors = ActReader::Read(f);
        QCOMPARE(int(colors.size()), 256);
        QCOMPARE(colors, actByLayout(path));
        for (const auto& [index, color] : named)
            QCOMPARE(colors[index], color);
        const PaletteFileResult byPath = PaletteFile::Read(path);
        QVERIFY2(byPath.ok(), qPrintable(byPath.message));
        QCOMPARE(byPath.colors, colors);
        QVERIFY(byPath.names.isEmpty()); // colour tables carry no names
    }
};

TV_REGISTER_TEST(tst_ThirdPartyPalettes);

#include "tst_ThirdPartyPalettes.moc"
