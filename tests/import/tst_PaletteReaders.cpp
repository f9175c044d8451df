// The ACO, ACT and GIF palette readers, the import filter and the palette
// file dispatch, on real files and buffers.
#include "AcoReader.h"
#include "ActReader.h"
#include "GifDecoder.h"
#include "GifEncoder.h"
#include "GifPaletteReader.h"
#include "PaletteFile.h"
#include "TImportFilter.h"
#include "TestRegistry.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#if TV_HAVE_FAVORITES
#include "SchemeFile.h"
#endif

namespace {

QByteArray be16(std::initializer_list<int> words)
{
    QByteArray b;
    for (int w : words) {
        b.append(char((w >> 8) & 0xFF));
        b.append(char(w & 0xFF));
    }
    return b;
}

QList<TColor> readAco(const QByteArray& bytes)
{
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return AcoReader::Read(b);
}

QList<TColor> readAct(const QByteArray& bytes)
{
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return ActReader::Read(b);
}

} // namespace

class tst_PaletteReaders : public QObject {
    Q_OBJECT

private slots:
    void aco_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<TColor>>("colors");
        QTest::newRow("rgb high bytes") << be16({1, 1, 0, 0x12FF, 0x3400, 0x56AB, 0})
                                        << QList<TColor>{MakeColor(0x12, 0x34, 0x56)};
        QTest::newRow("hsb red") << be16({1, 1, 1, 0, 65535, 65535, 0}) << QList<TColor>{MakeColor(255, 0, 0)};
        // 120 degrees, 100 %, 50 %: brightness 32768 / 65535 rounds to 128.
        QTest::newRow("hsb green") << be16({1, 1, 1, 21845, 65535, 32768, 0}) << QList<TColor>{MakeColor(0, 128, 0)};
        QTest::newRow("hsb grey") << be16({1, 1, 1, 9000, 0, 65535, 0}) << QList<TColor>{clWhite};
        QTest::newRow("cmyk and lab skipped")
            << be16({1, 3, 2, 1, 2, 3, 4, 0, 0xFF00, 0, 0, 0, 7, 5000, 0, 0, 0})
            << QList<TColor>{MakeColor(0xFF, 0, 0)};
        QTest::newRow("count past the end") << be16({1, 3, 0, 0x1100, 0x2200, 0x3300, 0, 0, 0x4400, 0x5500, 0x6600})
                                            << QList<TColor>{MakeColor(0x11, 0x22, 0x33)};
        QTest::newRow("header only") << be16({1, 5}) << QList<TColor>{};
        QTest::newRow("three bytes") << QByteArray("\x00\x01\x00", 3) << QList<TColor>{};
        QTest::newRow("version 2 names stepped over")
            << be16({2, 2, 0, 0xAA00, 0xBB00, 0xCC00, 0, 0, 3, 'R', 'e', 0, 0, 0x0100, 0x0200, 0x0300, 0, 0, 1, 0})
            << QList<TColor>{MakeColor(0xAA, 0xBB, 0xCC), MakeColor(1, 2, 3)};
        QTest::newRow("version 1 then 2: first block only")
            << be16({1, 1, 0, 0x0900, 0x0800, 0x0700, 0, 2, 1, 0, 0xFF00, 0xFF00, 0xFF00, 0, 0, 1, 0})
            << QList<TColor>{MakeColor(9, 8, 7)};
    }
    void aco()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<TColor>, colors);
        QCOMPARE(readAco(bytes), colors);
    }

    void act_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("entries");
        QTest::newRow("768") << 768 << 256;
        QTest::newRow("with trailer") << 772 << 256;
        QTest::newRow("short") << 100 << 33;
        QTest::newRow("two bytes") << 2 << 0;
        QTest::newRow("empty") << 0 << 0;
    }
    void act()
    {
        QFETCH(int, size);
        QFETCH(int, entries);
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 31 + 7) & 0xFF);
        const QList<TColor> colors = readAct(bytes);
        QCOMPARE(colors.size(), entries);
        for (int i = 0; i < entries; ++i)
            QCOMPARE(colors[i], MakeColor(uchar(bytes[3 * i]), uchar(bytes[3 * i + 1]), uchar(bytes[3 * i + 2])));
    }

    void gifTable()
    {
        // Four colours, the last unused by any pixel... the encoder only
        // writes used colours, so pad: a 3-colour image gets a 4-entry table.
        QImage img(3, 1, QImage::Format_RGB32);
        img.setPixel(0, 0, qRgb(1, 2, 3));
        img.setPixel(1, 0, qRgb(4, 5, 6));
        img.setPixel(2, 0, qRgb(7, 8, 9));
        QBuffer b;
        b.open(QIODevice::ReadWrite);
        QVERIFY(GifEncoder::Encode(img, b).ok());
        b.seek(0);
        const GifPaletteResult r = GifPaletteReader::Read(b);
        QVERIFY(r.ok());
        QCOMPARE(r.colors, (QList<TColor>{MakeColor(1, 2, 3), MakeColor(4, 5, 6), MakeColor(7, 8, 9), clBlack}));
    }

    void gifNotAGif()
    {
        QBuffer b;
        b.setData("not a gif at all");
        b.open(QIODevice::ReadOnly);
        const GifPaletteResult r = GifPaletteReader::Read(b);
        QCOMPARE(r.error, ImportError::DecodeFailed);
        QVERIFY(!r.message.isEmpty());
    }

    void filter_data()
    {
        QTest::addColumn<bool>("grey");
        QTest::addColumn<bool>("dupes");
        QTest::addColumn<QList<TColor>>("accepted");
        const TColor red = MakeColor(255, 0, 0);
        QTest::newRow("both") << true << true << QList<TColor>{red};
        QTest::newRow("grey only") << true << false << QList<TColor>{red, red};
        QTest::newRow("dupes only") << false << true << QList<TColor>{clBlack, clWhite, red};
        QTest::newRow("none") << false << false << QList<TColor>{clBlack, clWhite, red, red};
    }
    void filter()
    {
        QFETCH(bool, grey);
        QFETCH(bool, dupes);
        QFETCH(QList<TColor>, accepted);
        TImportFilter f(grey, dupes);
        f.offerAll({clBlack, clWhite, MakeColor(255, 0, 0), MakeColor(255, 0, 0)});
        QCOMPARE(f.colors(), accepted);
    }

    void callOrder()
    {
        TImportFilter f(true, true);
        f.offer(MakeColor(1, 2, 3), QStringLiteral("body - color"));
        f.offer(MakeColor(9, 2, 3), QStringLiteral("a - background-color"));
        QStringList calls;
        ImportTarget t{[&] { calls << QStringLiteral("begin"); },
                       [&](TColor c, const QString& name, bool first) {
                           calls << QStringLiteral("%1 %2 %3").arg(RedOf(c)).arg(name).arg(first);
                       },
                       [&](int n) { calls << QStringLiteral("end %1").arg(n); }};
        f.addTo(t);
        QCOMPARE(calls, (QStringList{"begin", "1 body - color 1", "9 a - background-color 0", "end 2"}));
        calls.clear();
        TImportFilter empty(true, true);
        empty.offerAll({clWhite, MakeColor(50, 50, 50)});
        empty.addTo(t);
        QVERIFY(calls.isEmpty());
    }

    void paletteFileByExtension()
    {
        QTemporaryDir dir;
        const QString aco = dir.filePath(QStringLiteral("a.ACO"));
        QFile f(aco);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(be16({1, 1, 0, 0x0100, 0x0200, 0x0300, 0}));
        f.close();
        const PaletteFileResult r = PaletteFile::Read(aco);
        QVERIFY(r.ok());
        QCOMPARE(r.colors, QList<TColor>{MakeColor(1, 2, 3)});
        const PaletteFileResult missing = PaletteFile::Read(dir.filePath(QStringLiteral("none.act")));
        QCOMPARE(missing.error, ImportError::OpenFailed);
        QCOMPARE(missing.message, QStringLiteral("Error importing file from: ") + dir.filePath(QStringLiteral("none.act")));
        QCOMPARE(PaletteFile::Read(dir.filePath(QStringLiteral("x.png"))).error, ImportError::UnknownFormat);
    }

#if TV_HAVE_FAVORITES
    void schemeFileNames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.tv"));
        TSchemeData data;
        for (int i = 0; i < 3; ++i) {
            TFavColor fav = TFavColor::fromColor(MakeColor(i, 2 * i, 3 * i), false);
            fav.Name = QStringLiteral("Name %1").arg(i);
            data.Favorites.append(fav);
        }
        QCOMPARE(SaveSchemeFile(path, data), FavoritesError::None);
        const PaletteFileResult r = PaletteFile::Read(path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.colors, (QList<TColor>{MakeColor(0, 0, 0), MakeColor(1, 2, 3), MakeColor(2, 4, 6)}));
        QCOMPARE(r.names, (QStringList{"Name 0", "Name 1", "Name 2"}));
    }
#endif

    // Every palette file is looked at before it is opened: nothing blocks on
    // a FIFO, nothing reads /dev/zero for ever, nothing fills memory.
    void filesThatWouldBlockOrFillMemory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        for (const char* ext : {"aco", "act", "gif", "tv"}) {
            QTest::addRow("FIFO .%s", ext) << QStringLiteral("p.") + QLatin1String(ext) << "fifo" << "is not a regular file";
            QTest::addRow("sparse 1 GiB .%s", ext) << QStringLiteral("p.") + QLatin1String(ext) << "sparse" << "is too large";
        }
        QTest::newRow("/dev/zero as .act") << "zero.act" << "zero" << "is not a regular file";
        QTest::newRow("folder as .aco") << "dir.aco" << "folder" << "is not a regular file";
        QTest::newRow("100 MB of newlines as .aco") << "lines.aco" << "lines" << "is too large";
    }
    void filesThatWouldBlockOrFillMemory()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, message);
        if (name.endsWith(QLatin1String(".tv")) && !PaletteFile::CanReadSchemes())
            QSKIP("scheme files are not built in");
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (kind == QLatin1String("sparse")) {
                QVERIFY(f.resize(qint64(1) << 30));
            } else {
                const QByteArray lines(1 << 20, '\n');
                for (int i = 0; i < 100; ++i)
                    QCOMPARE(f.write(lines), lines.size());
            }
        }
        const PaletteFileResult r = PaletteFile::Read(path);
        QCOMPARE(r.error, ImportError::FileRefused);
        QVERIFY2(r.message.contains(message) && r.message.contains(path), qPrintable(r.message));
        QVERIFY(r.colors.isEmpty());
        if (!name.endsWith(QLatin1String(".tv"))) {
            QByteArray bytes("untouched");
            QString text;
            QCOMPARE(PaletteFile::ReadBytes(path, bytes, text), ImportError::FileRefused);
            QCOMPARE(text, r.message);
            QCOMPARE(bytes, QByteArray("untouched"));
        }
    }

    // The decoder's own file open looks before it opens, too.
    void gifDecoderRefusesFilesThatAreNotRegular_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("FIFO") << true;
        QTest::newRow("folder") << false;
    }
    void gifDecoderRefusesFilesThatAreNotRegular()
    {
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.gif"));
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(path));
        const GifDecodeResult r = GifDecoder::DecodeFile(path);
        QCOMPARE(r.error, GifError::OpenFailed);
        QCOMPARE(r.message, QStringLiteral("\"%1\" is not a regular file.").arg(path));
    }

    void missingFileKeepsItsMessage()
    {
        const PaletteFileResult r = PaletteFile::Read(QStringLiteral("/nonexistent-folder/p.aco"));
        QCOMPARE(r.error, ImportError::OpenFailed);
        QCOMPARE(r.message, QStringLiteral("Error importing file from: /nonexistent-folder/p.aco"));
    }
};

TV_REGISTER_TEST(tst_PaletteReaders);

#include "tst_PaletteReaders.moc"
