// The picture palette tool's logic: fitting, mosaic, points, panel, the
// extraction, and opening real files written by real encoders.
#include "PictureExtract.h"
#include "PictureFile.h"
#include "PictureModel.h"
#include "PictureSamples.h"
#include "paint/QtColor.h"

#include "TestRegistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <set>
#include <unistd.h>

using namespace Picture;

class tst_Picture : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void fit_data();
    void fit();
    void mosaicBlocks_data();
    void mosaicBlocks();
    void mosaicGuard();
    void nearestStretch();
    void randomizeSortsByX();
    void numberOfColours();
    void swatchHits_data();
    void swatchHits();
    void resizeKeepsPointsInPlace();
    void panelFromSettingsComesInside_data();
    void panelFromSettingsComesInside();
    void extractFindsFlatColours_data();
    void extractFindsFlatColours();
    void extractIsDeterministic();
    void extractWithFewerColours();
    void opensEveryKind_data();
    void opensEveryKind();
    void largeJpegDecodedReduced();
    void exifOrientation_data();
    void exifOrientation();
    void badInput_data();
    void badInput();
    void unreadableFile();
    void failedOpenKeepsThePicture();
    void realPhotograph_data();
    void realPhotograph();
    void realPhotographTurned();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    static quint32 fixedSeed() { return 1234; }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Picture::fit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("2000x1000 in 500x400") << QSize(2000, 1000) << QSize(500, 400) << QSize(500, 250);
    QTest::newRow("smaller: own size") << QSize(300, 200) << QSize(500, 400) << QSize(300, 200);
    QTest::newRow("portrait") << QSize(1000, 2000) << QSize(500, 400) << QSize(200, 400);
    QTest::newRow("square: height first") << QSize(1000, 1000) << QSize(500, 400) << QSize(400, 400);
    QTest::newRow("wide but height overflows") << QSize(1000, 900) << QSize(500, 400) << QSize(444, 400);
    QTest::newRow("tall but width overflows") << QSize(900, 1000) << QSize(300, 400) << QSize(300, 333);
    QTest::newRow("exactly the area") << QSize(500, 400) << QSize(500, 400) << QSize(500, 400);
    QTest::newRow("one side larger: own size") << QSize(600, 100) << QSize(700, 50) << QSize(300, 50);
    QTest::newRow("empty") << QSize(0, 0) << QSize(500, 400) << QSize(0, 0);
}

void tst_Picture::fit()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, area);
    QFETCH(QSize, shown);
    QCOMPARE(FitPicture(picture, area), shown);
}

void tst_Picture::mosaicBlocks_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("down");
    QTest::newRow("640x480: 10 x 8 of 64") << QSize(640, 480) << 10 << 8;
    QTest::newRow("645 wide: a narrow 11th") << QSize(645, 130) << 11 << 3;
    QTest::newRow("below 10 wide: unchanged") << QSize(9, 9) << 9 << 9;
}

// Every pixel takes its block's top-left pixel; the full-size displayed
// picture in mosaic mode is that mosaic.
void tst_Picture::mosaicBlocks()
{
    QFETCH(QSize, size);
    QFETCH(int, across);
    QFETCH(int, down);
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 3) & 0xFF));
    QImage mosaic = img;
    QVERIFY(MakeMosaic(mosaic));
    const int s = std::max(1, size.width() / 10);
    std::set<std::pair<int, int>> blocks;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            QCOMPARE(mosaic.pixel(x, y), img.pixel(x / s * s, y / s * s));
            blocks.insert({x / s, y / s});
        }
    QCOMPARE(int(blocks.size()), across * down);
    QCOMPARE(BuildDisplayed(img, size, size, true), mosaic);
    if (size == QSize(640, 480)) // the last row of blocks is 32 high
        QCOMPARE(mosaic.pixel(0, 479), img.pixel(0, 448));
}

void tst_Picture::mosaicGuard()
{
    QImage indexed(40, 40, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3)});
    indexed.fill(0);
    QVERIFY(!MakeMosaic(indexed));
    bool done = true;
    const QImage shown = BuildDisplayed(indexed, indexed.size(), QSize(20, 20), true, &done);
    QVERIFY(!done);
    QCOMPARE(shown.size(), QSize(20, 20)); // still shown, without the mosaic
}

void tst_Picture::nearestStretch()
{
    QImage img(2000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < 1000; ++y)
        for (int x = 0; x < 2000; ++x)
            img.setPixel(x, y, qRgb(x % 251, y % 241, (x + y) % 239));
    const QImage shown = BuildDisplayed(img, img.size(), QSize(500, 250), false);
    QCOMPARE(shown.size(), QSize(500, 250));
    for (int y = 0; y < 250; y += 7)
        for (int x = 0; x < 500; x += 11)
            QCOMPARE(shown.pixel(x, y), img.pixel(4 * x + 2, 4 * y + 2));
}

void tst_Picture::randomizeSortsByX()
{
    TPictureModel m(9);
    m.setArea(QSize(500, 400));
    m.setSeeder(fixedSeed);
    m.setPicture(Samples::Photo(2000, 1000), QSize(2000, 1000));
    QCOMPARE(m.displayedSize(), QSize(500, 250));
    for (quint32 seed : {1u, 2u, 99u}) {
        m.setSeeder([seed] { return seed; });
        m.randomize();
        QCOMPARE(m.points().size(), 9);
        for (qsizetype i = 0; i < m.points().size(); ++i) {
            const SamplePoint& p = m.points()[i];
            if (i > 0)
                QVERIFY(m.points()[i - 1].X <= p.X);
            QVERIFY(p.X >= 0 && p.X < 500 && p.Y >= 0 && p.Y < 250);
            QCOMPARE(p.color, FromQRgb(m.displayed().pixel(p.X, p.Y)));
            QCOMPARE(p.RelX, double(p.X) / 500);
            QCOMPARE(p.RelY, double(p.Y) / 250);
        }
    }
}

void tst_Picture::numberOfColours()
{
    TPictureModel m(5);
    m.setArea(QSize(500, 400));
    m.setSeeder(fixedSeed);
    m.setPicture(Samples::Photo(800, 600), QSize(800, 600));
    const QList<SamplePoint> five = m.points();
    m.setNumColors(7);
    QCOMPARE(m.points().size(), 7);
    QCOMPARE(m.points().mid(0, 5), five); // kept, the new ones appended
    QCOMPARE(m.palette().right - m.palette().left, 46 * 7 + 16);
    m.setNumColors(3);
    QCOMPARE(m.points(), five.mid(0, 3));
    QCOMPARE(TPictureModel(12).numColors(), 9); // a settings file's value brought into range
    QCOMPARE(TPictureModel(-1).numColors(), 2);
    // Raised at the right edge: the panel moves left to stay inside.
    m.setPalette(MakePalette(200, 10, 3));
    m.setNumColors(9);
    QCOMPARE(m.palette().right, 499);
    QCOMPARE(m.palette().left, 499 - 46 * 9 - 16);
}

void tst_Picture::swatchHits_data()
{
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<bool>("hovering");
    QTest::addColumn<int>("swatch");
    // A 3-colour panel at (10, 10): swatches at x 22..59, 68..105, 114..151; right 164.
    QTest::newRow("first") << QPoint(30, 40) << false << 0;
    QTest::newRow("first's last column") << QPoint(59, 40) << false << 0;
    QTest::newRow("gap") << QPoint(61, 40) << false << -1;
    QTest::newRow("third") << QPoint(120, 40) << false << 2;
    QTest::newRow("left margin") << QPoint(21, 40) << false << -1;
    QTest::newRow("above") << QPoint(30, 21) << false << -1;
    QTest::newRow("below") << QPoint(30, 59) << false << -1;
    QTest::newRow("right margin press") << QPoint(152, 40) << false << -1;
    QTest::newRow("third press at 151") << QPoint(151, 40) << false << 2;
    QTest::newRow("third hover at 151") << QPoint(151, 40) << true << 2;
    QTest::newRow("third hover at 152") << QPoint(152, 40) << true << -1;
}

void tst_Picture::swatchHits()
{
    QFETCH(QPoint, mouse);
    QFETCH(bool, hovering);
    QFETCH(int, swatch);
    QCOMPARE(SwatchAt(MakePalette(10, 10, 3), 3, mouse, hovering), swatch);
}

void tst_Picture::resizeKeepsPointsInPlace()
{
    TPictureModel m(2);
    m.setArea(QSize(500, 400));
    m.setPicture(Samples::Photo(2000, 1000), QSize(2000, 1000));
    m.movePoint(0, QPoint(499, 249));
    m.movePoint(1, QPoint(100, 50));
    const TColor kept = m.points()[1].color;
    m.setPalette(MakePalette(300, 300, 2));
    m.resize(QSize(230, 300)); // 230 x 115 shown
    QCOMPARE(m.displayedSize(), QSize(230, 115));
    QCOMPARE(m.points()[0].X, 229); // 0.998 x 230 rounds to 230: kept on the last column
    QCOMPARE(m.points()[0].Y, 114);
    QCOMPARE(m.points()[1].X, 46);
    QCOMPARE(m.points()[1].Y, 23);
    QCOMPARE(m.points()[1].color, kept);
    QCOMPARE(m.palette(), (PaletteRect{229 - 108, 299 - 60, 229, 299}));
}

// A panel stored by a larger window (or at a negative place) is brought
// into the area when a picture opens.
void tst_Picture::panelFromSettingsComesInside_data()
{
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("inside") << QPoint(40, 50) << QPoint(40, 50);
    QTest::newRow("past the right and bottom") << QPoint(900, 700) << QPoint(499 - 154, 399 - 60);
    QTest::newRow("negative") << QPoint(-30, -8) << QPoint(0, 0);
}

void tst_Picture::panelFromSettingsComesInside()
{
    QFETCH(QPoint, stored);
    QFETCH(QPoint, placed);
    TPictureModel m(3, stored.x(), stored.y());
    m.setArea(QSize(500, 400));
    m.setPicture(Samples::Photo(100, 100), QSize(100, 100));
    QCOMPARE(m.palette(), MakePalette(placed.x(), placed.y(), 3));
}

void tst_Picture::extractFindsFlatColours_data()
{
    QTest::addColumn<int>("k");
    for (int k = 2; k <= 9; ++k)
        QTest::addRow("%d colours", k) << k;
}

// A picture of k flat regions, extracted with k colours: exactly those k,
// each point on a pixel of its colour, in the order of their X.
void tst_Picture::extractFindsFlatColours()
{
    QFETCH(int, k);
    const QList<QRgb> all = {qRgb(200, 30, 30), qRgb(20, 20, 20),  qRgb(240, 240, 235), qRgb(30, 120, 200),
                             qRgb(40, 160, 60), qRgb(250, 200, 0), qRgb(120, 60, 150),  qRgb(128, 128, 128),
                             qRgb(200, 120, 90)};
    const QList<QRgb> colours = all.mid(0, k);
    const QImage img = Samples::FlatRegions(colours, 450, 300);
    const QList<SamplePoint> points = ExtractPoints(img, k);
    QCOMPARE(points.size(), k);
    std::set<QRgb> found;
    for (qsizetype i = 0; i < points.size(); ++i) {
        found.insert(ToQRgb(points[i].color));
        QCOMPARE(ToQRgb(points[i].color), img.pixel(points[i].X, points[i].Y));
        if (i > 0)
            QVERIFY(points[i - 1].X <= points[i].X);
    }
    QCOMPARE(found, std::set<QRgb>(colours.begin(), colours.end()));
}

void tst_Picture::extractIsDeterministic()
{
    const QImage photo = Samples::Photo(600, 400);
    for (int n = 2; n <= 9; ++n) {
        const QList<SamplePoint> a = ExtractPoints(photo, n);
        QCOMPARE(a.size(), n);
        QCOMPARE(ExtractPoints(photo, n), a);
        QCOMPARE(ExtractPoints(photo.copy(), n), a);
        for (const SamplePoint& p : a)
            QCOMPARE(ToQRgb(p.color), photo.pixel(p.X, p.Y));
    }
}

void tst_Picture::extractWithFewerColours()
{
    const QImage img = Samples::FlatRegions({qRgb(255, 0, 0), qRgb(0, 0, 255)}, 100, 50);
    const QList<SamplePoint> points = ExtractPoints(img, 5);
    QCOMPARE(points.size(), 5);
    std::set<std::pair<int, int>> places;
    for (const SamplePoint& p : points) {
        QVERIFY(p.color == MakeColor(255, 0, 0) || p.color == MakeColor(0, 0, 255));
        places.insert({p.X, p.Y});
    }
    QCOMPARE(int(places.size()), 5); // each on its own pixel
}

void tst_Picture::opensEveryKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("png") << "a.png" << "png" << 0;
    QTest::newRow("bmp") << "a.bmp" << "bmp" << 0;
    QTest::newRow("gif") << "a.gif" << "gif" << 0;
    QTest::newRow("jpg") << "a.jpg" << "jpeg" << 12;
    QTest::newRow("JPEG upper case") << "b.JPEG" << "jpeg" << 12;
}

void tst_Picture::opensEveryKind()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    QFETCH(int, tolerance);
    const QImage img = Samples::FlatRegions({qRgb(200, 30, 30), qRgb(30, 120, 200), qRgb(240, 240, 235)}, 120, 80);
    QVERIFY(Samples::PutImage(path(name), img, format.toLatin1().constData()));
    const LoadedPicture r = LoadPicture(path(name), QSize(600, 416));
    QVERIFY2(r.ok(), qPrintable(r.message));
    QCOMPARE(r.fullSize, QSize(120, 80));
    QCOMPARE(r.image.size(), QSize(120, 80));
    QCOMPARE(r.image.format(), QImage::Format_RGB32);
    for (const QPoint at : {QPoint(5, 40), QPoint(60, 40), QPoint(115, 40)}) {
        const QRgb want = img.pixel(at), got = r.image.pixel(at);
        QVERIFY(std::abs(qRed(want) - qRed(got)) <= tolerance && std::abs(qGreen(want) - qGreen(got)) <= tolerance
                && std::abs(qBlue(want) - qBlue(got)) <= tolerance);
    }
}

void tst_Picture::largeJpegDecodedReduced()
{
    QVERIFY(Samples::PutImage(path("big.jpg"), Samples::Photo(4000, 3000), "jpeg"));
    const LoadedPicture r = LoadPicture(path("big.jpg"), QSize(600, 416));
    QVERIFY2(r.ok(), qPrintable(r.message));
    QCOMPARE(r.fullSize, QSize(4000, 3000));
    QCOMPARE(r.image.size(), QSize(554, 416)); // decoded at the shown size
    TPictureModel m;
    m.setArea(QSize(600, 416));
    QVERIFY(m.open(path("big.jpg")).ok());
    QCOMPARE(m.displayedSize(), QSize(554, 416));
    QVERIFY(!m.wantsSharperPicture());
    m.resize(QSize(1200, 900));
    QCOMPARE(m.displayedSize(), QSize(1200, 900));
    QVERIFY(m.wantsSharperPicture());
    QVERIFY(m.sharpen());
    QCOMPARE(m.source().size(), QSize(1200, 900));
}

void tst_Picture::exifOrientation_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QSize>("upright");
    QTest::addColumn<QSize>("decoded");
    QTest::addColumn<QPoint>("redAt");
    QTest::newRow("1 as stored") << 1 << QSize(60, 40) << QSize(60, 40) << QSize(60, 40) << QPoint(10, 20);
    QTest::newRow("6 turned right") << 6 << QSize(60, 40) << QSize(40, 60) << QSize(40, 60) << QPoint(20, 10);
    QTest::newRow("8 turned left") << 8 << QSize(60, 40) << QSize(40, 60) << QSize(40, 60) << QPoint(20, 50);
    QTest::newRow("3 upside down") << 3 << QSize(60, 40) << QSize(60, 40) << QSize(60, 40) << QPoint(50, 20);
    QTest::newRow("6 large, reduced") << 6 << QSize(3000, 2000) << QSize(2000, 3000) << QSize(277, 416)
                                      << QPoint(138, 30);
}

// The stored picture is red on its left half and blue on its right: the
// orientation decides where red stands upright, also when decoded reduced.
void tst_Picture::exifOrientation()
{
    QFETCH(int, orientation);
    QFETCH(QSize, stored);
    QFETCH(QSize, upright);
    QFETCH(QSize, decoded);
    QFETCH(QPoint, redAt);
    QImage img(stored, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 255));
    QPainter(&img).fillRect(0, 0, stored.width() / 2, stored.height(), QColor(255, 0, 0));
    QVERIFY(Samples::Put(path("o.jpg"), Samples::WithOrientation(Samples::Encoded(img, "jpeg"), orientation)));
    const LoadedPicture r = LoadPicture(path("o.jpg"), QSize(600, 416));
    QVERIFY2(r.ok(), qPrintable(r.message));
    QCOMPARE(r.fullSize, upright);
    QCOMPARE(r.image.size(), decoded);
    const QRgb red = r.image.pixel(redAt);
    QVERIFY2(qRed(red) > 200 && qBlue(red) < 60, qPrintable(QString::number(red, 16)));
}

void tst_Picture::badInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("says");
    const QImage photo = Samples::Photo(160, 120);
    const QImage flat = Samples::FlatRegions({qRgb(1, 2, 3), qRgb(200, 100, 50)}, 160, 120);
    const QByteArray jpeg = Samples::Encoded(photo, "jpeg"), png = Samples::Encoded(photo, "png");
    const QByteArray bmp = Samples::Encoded(photo, "bmp"), gif = Samples::Encoded(flat, "gif");
    const int decode = int(PictureError::DecodeFailed), large = int(PictureError::TooLarge);
    QTest::newRow("truncated jpeg") << "t.jpg" << jpeg.left(jpeg.size() / 2) << decode << "premature end";
    QTest::newRow("truncated png") << "t.png" << png.left(png.size() / 2) << decode << "cannot be decoded";
    QTest::newRow("truncated bmp") << "t.bmp" << bmp.left(bmp.size() / 2) << decode << "ends before its last row";
    QTest::newRow("truncated gif") << "t.gif" << gif.left(gif.size() / 2) << decode << "cannot be decoded";
    QTest::newRow("text named jpg") << "c.jpg" << QByteArray("hello, not a picture at all\n") << decode << "cannot be decoded";
    QTest::newRow("text named gif") << "c.gif" << QByteArray("GIF? no\n") << decode << "cannot be decoded";
    // Headers claiming 60000 x 60000.
    QByteArray hugeJpeg = jpeg;
    const qsizetype sof = hugeJpeg.indexOf(QByteArray("\xFF\xC0", 2));
    for (int i : {5, 7}) {
        hugeJpeg[sof + i] = char(0xEA);
        hugeJpeg[sof + i + 1] = char(0x60);
    }
    QTest::newRow("huge jpeg") << "h.jpg" << hugeJpeg << large << "60000 × 60000";
    QByteArray hugeBmp = bmp;
    for (int at : {18, 22}) {
        hugeBmp[at] = char(0x60);
        hugeBmp[at + 1] = char(0xEA);
    }
    QTest::newRow("huge bmp") << "h.bmp" << hugeBmp << large << "too large";
    QByteArray hugeGif = gif;
    for (int at : {6, 8}) {
        hugeGif[at] = char(0x60);
        hugeGif[at + 1] = char(0xEA);
    }
    QTest::newRow("huge gif") << "h.gif" << hugeGif << large << "too large";
    QTest::newRow("empty") << "e.png" << QByteArray() << int(PictureError::Empty) << "empty (0 bytes)";
    QTest::newRow("no recognised ending") << "notes.txt" << png << int(PictureError::NotAPicture)
                                          << "\"notes.txt\" is not a picture the tool can open";
}

void tst_Picture::badInput()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QFETCH(QString, says);
    QVERIFY(Samples::Put(path(name), bytes));
    const LoadedPicture r = LoadPicture(path(name), QSize(600, 416));
    QCOMPARE(int(r.error), error);
    QVERIFY2(r.message.contains(says), qPrintable(r.message));
    QVERIFY(r.image.isNull());
}

void tst_Picture::unreadableFile()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.png")));
    LoadedPicture r = LoadPicture(path("folder.png"), {});
    QCOMPARE(r.error, PictureError::IsFolder);
    QVERIFY(r.message.contains(QLatin1String("folder.png")));
    r = LoadPicture(path("gone.jpg"), {});
    QCOMPARE(r.error, PictureError::Missing);
    if (::geteuid() == 0)
        QSKIP("root reads any file");
    QVERIFY(Samples::PutImage(path("locked.png"), Samples::Photo(10, 10), "png"));
    QFile::setPermissions(path("locked.png"), QFileDevice::Permissions());
    r = LoadPicture(path("locked.png"), {});
    QCOMPARE(r.error, PictureError::Unreadable);
}

void tst_Picture::failedOpenKeepsThePicture()
{
    TPictureModel m(4);
    m.setArea(QSize(500, 400));
    QVERIFY(Samples::PutImage(path("ok.png"), Samples::Photo(300, 200), "png"));
    QVERIFY(m.open(path("ok.png")).ok());
    const QImage shown = m.displayed();
    const QList<SamplePoint> points = m.points();
    QVERIFY(Samples::Put(path("bad.png"), QByteArray("\x89PNG broken", 11)));
    QVERIFY(!m.open(path("bad.png")).ok());
    QVERIFY(!m.open(path("readme.doc")).ok());
    QCOMPARE(m.displayed(), shown);
    QCOMPARE(m.points(), points);
    QCOMPARE(m.path(), path("ok.png"));
}

void tst_Picture::realPhotograph_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("own size in the first window") << QSize(600, 416) << QSize(451, 300);
    QTest::newRow("reduced in a small area") << QSize(300, 250) << QSize(300, 199);
}

// A camera photograph (data/SOURCES.md): shown at its own size or decoded
// reduced, and extracted the same on every run from its own pixels.
void tst_Picture::realPhotograph()
{
    QFETCH(QSize, area);
    QFETCH(QSize, shown);
    const QString file = QFINDTESTDATA("data/chelsea.jpg");
    QVERIFY(!file.isEmpty());
    TPictureModel m(9);
    m.setArea(area);
    const LoadedPicture r = m.open(file);
    QVERIFY2(r.ok(), qPrintable(r.message));
    QCOMPARE(m.fullSize(), QSize(451, 300));
    QCOMPARE(m.displayedSize(), shown);
    QCOMPARE(m.source().size(), shown);
    m.extract();
    const QList<SamplePoint> first = m.points();
    QCOMPARE(first.size(), 9);
    std::set<QRgb> distinct;
    for (const SamplePoint& p : first) {
        QCOMPARE(ToQRgb(p.color), m.displayed().pixel(p.X, p.Y));
        distinct.insert(ToQRgb(p.color));
    }
    QCOMPARE(int(distinct.size()), 9); // nine different colours of a real photo
    m.randomize();
    m.extract();
    QCOMPARE(m.points(), first);
}

void tst_Picture::realPhotographTurned()
{
    QFile in(QFINDTESTDATA("data/chelsea.jpg"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray stored = in.readAll();
    QVERIFY(Samples::Put(path("turned.jpg"), Samples::WithOrientation(stored, 6)));
    const LoadedPicture plain = LoadPicture(in.fileName(), {});
    const LoadedPicture turned = LoadPicture(path("turned.jpg"), {});
    QVERIFY(plain.ok() && turned.ok());
    QCOMPARE(turned.fullSize, QSize(300, 451));
    QCOMPARE(turned.image, plain.image.transformed(QTransform().rotate(90)));
}

TV_REGISTER_TEST(tst_Picture);
#include "tst_Picture.moc"
