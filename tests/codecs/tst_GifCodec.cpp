// The GIF codec against giflib's own encoder (for decoding), against
// independent decoders (giftext, ImageMagick's stream) for encoding, and
// round trips through itself.
#include "GifDecoder.h"
#include "GifEncoder.h"
#include "TestRegistry.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gif_lib.h>

namespace {

struct FrameSpec {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    QList<GifColor> local;           // empty: no local table
    QByteArray indices;              // width * height, display order
    int transparent = -1;
};

int writeBuffer(GifFileType* gif, const GifByteType* data, int len)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), len);
    return len;
}

ColorMapObject* makeMap(const QList<GifColor>& colors)
{
    if (colors.isEmpty())
        return nullptr;
    ColorMapObject* map = GifMakeMapObject(int(colors.size()), nullptr);
    for (int i = 0; i < colors.size(); ++i)
        map->Colors[i] = GifColorType{colors[i].red, colors[i].green, colors[i].blue};
    return map;
}

// A GIF written by giflib itself, frame by frame, interlaced rows sent in
// pass order: the decoder under test never sees data from our encoder.
QByteArray giflibGif(int sw, int sh, const QList<GifColor>& global, const QList<FrameSpec>& frames)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeBuffer, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* gmap = makeMap(global);
    EGifPutScreenDesc(gif, sw, sh, 8, 0, gmap);
    for (const FrameSpec& f : frames) {
        if (f.transparent >= 0) {
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
            gcb.DelayTime = 7;
            gcb.TransparentColor = f.transparent;
            GifByteType ext[4];
            const size_t n = EGifGCBToExtension(&gcb, ext);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(n), ext);
        }
        ColorMapObject* lmap = makeMap(f.local);
        EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, lmap);
        QByteArray rows = f.indices;
        auto row = [&](int y) { return reinterpret_cast<GifPixelType*>(rows.data() + y * f.width); };
        if (f.interlaced) {
            const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = start[p]; y < f.height; y += step[p])
                    EGifPutLine(gif, row(y), f.width);
        } else {
            for (int y = 0; y < f.height; ++y)
                EGifPutLine(gif, row(y), f.width);
        }
        GifFreeMapObject(lmap);
    }
    GifFreeMapObject(gmap);
    EGifCloseFile(gif, &error);
    return out;
}

QList<GifColor> ramp(int n, int seed)
{
    QList<GifColor> c;
    for (int i = 0; i < n; ++i)
        c.append(GifColor{std::uint8_t(i * 7 + seed), std::uint8_t(255 - i), std::uint8_t(i * 13 + seed * 3)});
    return c;
}

QByteArray pattern(int w, int h, int colors)
{
    QByteArray b(w * h, '\0');
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b[y * w + x] = char((x * 3 + y * 5 + x * y) % colors);
    return b;
}

GifDecodeResult decodeBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return GifDecoder::Decode(buffer);
}

QImage randomImage(int w, int h, int colors, quint32 seed)
{
    QRandomGenerator rng(seed);
    QList<QRgb> palette;
    for (int i = 0; i < colors; ++i)
        palette.append(qRgb(i & 0xFF, (i * 37) & 0xFF, (i * 101 + (i >> 8) * 17) & 0xFF));
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, palette[(x + y * w) < colors ? (x + y * w) : int(rng.bounded(colors))]);
    return img;
}

// Colour table entries as giftext prints them ("12: 0ch 25h 7fh"), in order.
GifColorTable giftextTable(const QString& giftext, const QString& path)
{
    QProcess p;
    p.start(giftext, {QStringLiteral("-c"), path});
    p.waitForFinished(30000);
    const QString text = QString::fromLatin1(p.readAllStandardOutput());
    static const QRegularExpression entry(
        QStringLiteral("(\\d+):\\s*([0-9a-fA-F]{2})h\\s+([0-9a-fA-F]{2})h\\s+([0-9a-fA-F]{2})h"));
    GifColorTable seen;
    for (auto it = entry.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toInt() != int(seen.size()))
            break; // a second table (a frame's own) starts
        seen.append(GifColor{std::uint8_t(m.captured(2).toInt(nullptr, 16)),
                             std::uint8_t(m.captured(3).toInt(nullptr, 16)),
                             std::uint8_t(m.captured(4).toInt(nullptr, 16))});
    }
    return seen;
}

// The first frame's pixels as ImageMagick decodes them, RGB bytes row by row.
QByteArray streamPixels(const QString& stream, const QString& path)
{
    QProcess p;
    p.start(stream, {QStringLiteral("-map"), QStringLiteral("rgb"), QStringLiteral("-storage-type"),
                     QStringLiteral("char"), path + QStringLiteral("[0]"), QStringLiteral("-")});
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

} // namespace

class tst_GifCodec : public QObject {
    Q_OBJECT

private slots:
    void decodesGiflibFrames_data()
    {
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("localTable");
        QTest::newRow("plain, global table") << false << 17 << 11 << false;
        QTest::newRow("interlaced, global table") << true << 13 << 19 << false;
        QTest::newRow("interlaced, one row") << true << 9 << 1 << false;
        QTest::newRow("interlaced, local table") << true << 30 << 23 << true;
        QTest::newRow("plain, local table") << false << 5 << 8 << true;
    }
    void decodesGiflibFrames()
    {
        QFETCH(bool, interlaced);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, localTable);
        const QList<GifColor> global = ramp(16, 1);
        FrameSpec f;
        f.left = 2;
        f.top = 3;
        f.width = width;
        f.height = height;
        f.interlaced = interlaced;
        if (localTable)
            f.local = ramp(8, 40);
        f.indices = pattern(width, height, localTable ? 8 : 16);
        const GifDecodeResult r = decodeBytes(giflibGif(width + 4, height + 5, global, {f}));
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.image.frames.size(), 1);
        QCOMPARE(r.image.frames[0].rect, QRect(2, 3, width, height));
        QCOMPARE(r.image.frames[0].interlaced, interlaced);
        QCOMPARE(r.image.activeColorTable(0), localTable ? f.local : global);
        QCOMPARE(r.image.firstFrameIndices, f.indices);
        const QImage img = r.image.firstFrameImage();
        QCOMPARE(img.size(), QSize(width + 4, height + 5));
        const QList<GifColor> table = localTable ? f.local : global;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const GifColor c = table[uchar(f.indices[y * width + x])];
                QCOMPARE(img.pixel(x + 2, y + 3), qRgb(c.red, c.green, c.blue));
            }
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0); // outside the frame
    }

    void listsAnimationFrames()
    {
        const QList<GifColor> global = ramp(4, 9);
        FrameSpec a{0, 0, 6, 4, false, {}, pattern(6, 4, 4), 2};
        FrameSpec b{1, 1, 3, 2, true, ramp(2, 77), pattern(3, 2, 2), -1};
        FrameSpec c{2, 0, 4, 4, false, ramp(32, 5), pattern(4, 4, 32), 0};
        const GifDecodeResult r = decodeBytes(giflibGif(6, 4, global, {a, b, c}));
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.image.frames.size(), 3);
        QCOMPARE(r.image.frames[0].transparentIndex, 2);
        QCOMPARE(r.image.frames[0].delayCentiseconds, 7);
        QCOMPARE(r.image.frames[1].transparentIndex, -1);
        QCOMPARE(r.image.frames[1].rect, QRect(1, 1, 3, 2));
        QCOMPARE(r.image.activeColorTable(0), global);
        QCOMPARE(r.image.activeColorTable(1), ramp(2, 77));
        QCOMPARE(r.image.activeColorTable(2), ramp(32, 5));
        // The transparent index of the first frame paints with alpha 0.
        const QImage img = r.image.firstFrameImage();
        for (int i = 0; i < 24; ++i)
            QCOMPARE(qAlpha(img.pixel(i % 6, i / 6)) == 0, uchar(a.indices[i]) == 2);
    }

    void noTableGivesEmptyTable()
    {
        // giflib writes no file without a table: drop the two-entry global
        // table from one that has it (flags byte 10, table at 13).
        FrameSpec f{0, 0, 2, 2, false, {}, QByteArray(4, '\0'), -1};
        QByteArray bytes = giflibGif(2, 2, ramp(2, 0), {f});
        bytes[10] = char(uchar(bytes[10]) & 0x7F);
        bytes.remove(13, 6);
        const GifDecodeResult r = decodeBytes(bytes);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QVERIFY(r.image.activeColorTable(0).isEmpty());
    }

    void rejectsBadData_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        const QByteArray good = giflibGif(8, 8, ramp(4, 0), {FrameSpec{0, 0, 8, 8, false, {}, pattern(8, 8, 4), -1}});
        QTest::newRow("not a GIF") << QByteArray("PNG not really, some bytes") << int(GifError::DecodeFailed)
                                   << QString::fromLatin1(GifErrorString(D_GIF_ERR_NOT_GIF_FILE));
        QTest::newRow("empty") << QByteArray() << int(GifError::DecodeFailed)
                               << QString::fromLatin1(GifErrorString(D_GIF_ERR_READ_FAILED));
        QTest::newRow("cut in the pixels") << good.left(good.size() - 8) << int(GifError::DecodeFailed)
                                           << QString::fromLatin1(GifErrorString(D_GIF_ERR_READ_FAILED));
        // Header, screen, global table and the trailer: no image at all.
        QByteArray noFrames = good.left(13 + 12);
        noFrames.append(';');
        QTest::newRow("no frames") << noFrames << int(GifError::NoFrames) << GifErrorText(GifError::NoFrames);
    }
    void rejectsBadData()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        QFETCH(QString, message);
        const GifDecodeResult r = decodeBytes(bytes);
        QCOMPARE(int(r.error), error);
        QCOMPARE(r.message, message);
    }

    void refusesHugeFrames()
    {
        // A 65535 x 65535 screen and frame declared in a few bytes.
        QByteArray b("GIF89a");
        b.append("\xff\xff\xff\xff\x00\x00\x00", 7);
        b.append("\x2c\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02\x44\x01\x00\x3b", 16);
        const GifDecodeResult r = decodeBytes(b);
        QCOMPARE(r.error, GifError::TooLarge);
    }

    // Found by fuzzing: a first frame of width 0 on a 43,407 x 60,875
    // screen must not make the bitmap allocate 8 GB.
    void zeroSizedFirstFrameOnHugeScreen()
    {
        QFile f(QFINDTESTDATA("data/zero-width-first-frame-huge-screen.gif"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const GifDecodeResult r = GifDecoder::Decode(f);
        QCOMPARE(r.error, GifError::TooLarge);
        GifImage image;
        image.screenSize = QSize(60000, 60000);
        image.frames.append(GifFrameInfo{});
        QVERIFY(image.firstFrameImage().isNull());
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colors");
        QTest::newRow("1 colour") << 3 << 2 << 1;
        QTest::newRow("2 colours") << 10 << 10 << 2;
        QTest::newRow("3 colours, padded table") << 7 << 5 << 3;
        QTest::newRow("200 colours") << 50 << 40 << 200;
        QTest::newRow("256 colours") << 64 << 64 << 256;
        QTest::newRow("one column") << 1 << 300 << 17;
    }
    void roundTrip()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colors);
        const QImage img = randomImage(width, height, colors, quint32(width * 1000 + colors));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const GifEncodeResult e = GifEncoder::Encode(img, buffer);
        QVERIFY2(e.ok(), qPrintable(e.message));
        QCOMPARE(e.colorCount, colors);
        const GifDecodeResult d = decodeBytes(buffer.data());
        QVERIFY2(d.ok(), qPrintable(d.message));
        const QImage back = d.image.firstFrameImage();
        QCOMPARE(back.size(), img.size());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                QCOMPARE(back.pixel(x, y), img.pixel(x, y));
        int table = 2;
        while (table < colors)
            table *= 2;
        QCOMPARE(d.image.activeColorTable(0).size(), table);
    }

    void refusesTooManyColorsAndKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("many.gif"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        const GifEncodeResult e = GifEncoder::EncodeFile(randomImage(40, 40, 257, 3), path);
        QCOMPARE(e.error, GifError::TooManyColors);
        QCOMPARE(e.colorCount, 257);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
    }

    void unwritablePathFails()
    {
        const GifEncodeResult e =
            GifEncoder::EncodeFile(randomImage(4, 4, 2, 1), QStringLiteral("/nonexistent-folder/x.gif"));
        QCOMPARE(e.error, GifError::OpenFailed);
        QVERIFY(!e.message.isEmpty());
    }

    void readsFilesOfOtherPrograms_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("tableSize");
        QTest::newRow("cmake logo, GIF89a") << "data/cmake-logo.gif" << 256;
        QTest::newRow("cscope icon, GIF89a") << "data/cscope-folder.gif" << 8;
        QTest::newRow("libxslt figure, GIF87a") << "data/libxslt-node87a.gif" << 256;
    }
    void readsFilesOfOtherPrograms()
    {
        QFETCH(QString, file);
        QFETCH(int, tableSize);
        const QString path = QFINDTESTDATA(file);
        const GifDecodeResult d = GifDecoder::DecodeFile(path);
        QVERIFY2(d.ok(), qPrintable(d.message));
        QCOMPARE(d.image.activeColorTable(0).size(), tableSize);
        const QString giftext = QStandardPaths::findExecutable(QStringLiteral("giftext"));
        const QString stream = QStandardPaths::findExecutable(QStringLiteral("stream"), {QStringLiteral("/usr/bin")});
        if (giftext.isEmpty() && stream.isEmpty())
            QSKIP("neither giftext (giflib-tools) nor stream (imagemagick) is installed");
        if (!giftext.isEmpty())
            QCOMPARE(giftextTable(giftext, path), d.image.activeColorTable(0));
        if (!stream.isEmpty()) {
            const QImage img = d.image.firstFrameImage();
            const QByteArray rgb = streamPixels(stream, path);
            QCOMPARE(rgb.size(), qsizetype(img.width()) * img.height() * 3);
            for (int i = 0; i < img.width() * img.height(); ++i) {
                const QRgb c = img.pixel(i % img.width(), i / img.width());
                if (qAlpha(c) == 0)
                    continue; // transparent: what stream puts there is its own choice
                QCOMPARE(qRgb(uchar(rgb[3 * i]), uchar(rgb[3 * i + 1]), uchar(rgb[3 * i + 2])), c);
            }
        }
    }

    // Our encoder's output read back by giflib's giftext (colour table) and
    // ImageMagick's stream (pixels).
    void independentDecodersReadOurOutput()
    {
        const QString giftext = QStandardPaths::findExecutable(QStringLiteral("giftext"));
        const QString stream = QStandardPaths::findExecutable(QStringLiteral("stream"), {QStringLiteral("/usr/bin")});
        if (giftext.isEmpty() && stream.isEmpty())
            QSKIP("neither giftext (giflib-tools) nor stream (imagemagick) is installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ours.gif"));
        const QImage img = randomImage(37, 21, 150, 99);
        QVERIFY(GifEncoder::EncodeFile(img, path).ok());
        const GifDecodeResult d = GifDecoder::DecodeFile(path);
        QVERIFY(d.ok());
        if (!giftext.isEmpty()) {
            QProcess p;
            p.start(giftext, {QStringLiteral("-c"), path});
            QVERIFY(p.waitForFinished(30000));
            const QString text = QString::fromLatin1(p.readAllStandardOutput());
            // Entries such as "12: 0ch 25h 7fh" (index, red, green, blue).
            static const QRegularExpression entry(
                QStringLiteral("(\\d+):\\s*([0-9a-fA-F]{2})h\\s+([0-9a-fA-F]{2})h\\s+([0-9a-fA-F]{2})h"));
            GifColorTable seen;
            for (auto it = entry.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                QCOMPARE(m.captured(1).toInt(), int(seen.size()));
                seen.append(GifColor{std::uint8_t(m.captured(2).toInt(nullptr, 16)),
                                     std::uint8_t(m.captured(3).toInt(nullptr, 16)),
                                     std::uint8_t(m.captured(4).toInt(nullptr, 16))});
            }
            QCOMPARE(seen, d.image.globalTable);
        }
        if (!stream.isEmpty()) {
            QProcess p;
            p.start(stream, {QStringLiteral("-map"), QStringLiteral("rgb"), QStringLiteral("-storage-type"),
                             QStringLiteral("char"), path, QStringLiteral("-")});
            QVERIFY(p.waitForFinished(30000));
            const QByteArray rgb = p.readAllStandardOutput();
            QCOMPARE(rgb.size(), qsizetype(37 * 21 * 3));
            for (int i = 0; i < 37 * 21; ++i) {
                const QRgb c = img.pixel(i % 37, i / 37);
                QCOMPARE(qRgb(uchar(rgb[3 * i]), uchar(rgb[3 * i + 1]), uchar(rgb[3 * i + 2])), c);
            }
        }
    }
};

TV_REGISTER_TEST(tst_GifCodec);

#include "tst_GifCodec.moc"
