#include "HSLUtils.h"
#include "PalettePicture.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QTest>

#include "TestRegistry.h"

using namespace Workspace;

namespace {
TColor px(const QImage& img, int x, int y) { return FromQRgb(img.pixel(x, y)); }
} // namespace

class tst_Palette : public QObject {
    Q_OBJECT
private slots:
    void websafeSquares_data();
    void websafeSquares();
    void websafePicking_data();
    void websafePicking();
    void spectrum();
    void websafeSpectrumIsOnTheGrid();
    void frameIsSunken_data();
    void frameIsSunken();
    void kindFromValue();
};

void tst_Palette::websafeSquares_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<TColor>("color");
    QTest::newRow("0 black top-left") << 0 << QPoint(2, 2) << MakeColor(0, 0, 0);
    QTest::newRow("1 blue step") << 1 << QPoint(9, 2) << MakeColor(0, 0, 51);
    QTest::newRow("6 green step") << 6 << QPoint(44, 2) << MakeColor(0, 51, 0);
    QTest::newRow("36 red row") << 36 << QPoint(2, 9) << MakeColor(51, 0, 0);
    QTest::newRow("215 white bottom-right") << 215 << QPoint(247, 37) << MakeColor(255, 255, 255);
}

void tst_Palette::websafeSquares()
{
    QFETCH(int, n);
    QFETCH(QPoint, origin);
    QFETCH(TColor, color);
    QCOMPARE(WebsafeSquareOrigin(n), origin);
    QCOMPARE(WebsafeSquareColor(n), color);
    const QImage img = BuildPalettePicture(PaletteKind::Websafe);
    QCOMPARE(img.size(), QSize(257, 47));
    // Outline black, inside the colour.
    QCOMPARE(px(img, origin.x(), origin.y()), clBlack);
    QCOMPARE(px(img, origin.x() + 7, origin.y() + 7), clBlack);
    for (int d = 1; d <= 6; ++d)
        QCOMPARE(px(img, origin.x() + d, origin.y() + 7 - d), color);
}

void tst_Palette::websafePicking_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("counts");
    QTest::newRow("inside black square 0") << QPoint(5, 5) << true;
    QTest::newRow("black square 0, last inner pixel") << QPoint(8, 8) << true;
    QTest::newRow("outline right of square 0") << QPoint(9, 5) << false;
    QTest::newRow("outline elsewhere") << QPoint(100, 20) << false;
    QTest::newRow("inside square 1") << QPoint(12, 5) << true;
    QTest::newRow("inside white square") << QPoint(250, 40) << true;
    QTest::newRow("frame left") << QPoint(2, 5) << false;
    QTest::newRow("right margin") << QPoint(254, 20) << false;
    QTest::newRow("bottom margin") << QPoint(20, 44) << false;
    // Black squares other than the first one sit at x >= 9: square 216 does
    // not exist, but row starts are red, never black.
    QTest::newRow("start of second row") << QPoint(5, 12) << true;
}

void tst_Palette::websafePicking()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, counts);
    QCOMPARE(PalettePixelCounts(BuildPalettePicture(PaletteKind::Websafe), pos), counts);
}

void tst_Palette::spectrum()
{
    for (int i = 0; i <= 251; ++i)
        QCOMPARE(SpectrumColor(i, 47, false), clWhite);
    const QImage img = BuildPalettePicture(PaletteKind::Spectrum);
    // Level j sits at y = 49 - j; the outline covers x = 2 and y = 2.
    for (int i = 1; i <= 251; i += 25) {
        QCOMPARE(px(img, i + 2, 43), SpectrumColor(i, 6, false));
        QCOMPARE(px(img, i + 2, 3), SpectrumColor(i, 46, false));
        QCOMPARE(px(img, i + 2, 2), clBlack);
        QCOMPARE(px(img, i + 2, 44), clBlack);
    }
    // Hue runs left to right: the first columns are red, hue i / 257.
    QCOMPARE(SpectrumColor(0, 23, false), HSLUtils::HSLToRGB(0, 0.9, 23.0L / 47));
    const TColor c = px(img, 3, 25);
    QVERIFY(RedOf(c) > GreenOf(c) && RedOf(c) > BlueOf(c));
    QVERIFY(PalettePixelCounts(img, QPoint(3, 3)));
    QVERIFY(!PalettePixelCounts(img, QPoint(254, 20)));
}

void tst_Palette::websafeSpectrumIsOnTheGrid()
{
    const QImage img = BuildPalettePicture(PaletteKind::WebsafeSpectrum);
    for (int y = 3; y <= 43; ++y)
        for (int x = 3; x <= 253; ++x) {
            const TColor c = px(img, x, y);
            QCOMPARE(HSLUtils::SnapWebColor(c, HSLUtils::SnapWebsafe), c);
        }
    QCOMPARE(px(img, 100, 20), HSLUtils::SnapWebColor(SpectrumColor(98, 29, false), HSLUtils::SnapWebsafe));
}

void tst_Palette::frameIsSunken_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("websafe") << 0;
    QTest::newRow("spectrum") << 1;
    QTest::newRow("websafe spectrum") << 2;
}

void tst_Palette::frameIsSunken()
{
    QFETCH(int, kind);
    const QImage img = BuildPalettePicture(PaletteKind(kind));
    QCOMPARE(px(img, 0, 0), SystemColors::BtnShadow);
    QCOMPARE(px(img, 0, 46), SystemColors::BtnFace);
    QCOMPARE(px(img, 0, 45), SystemColors::BtnShadow);
    QCOMPARE(px(img, 1, 1), clWhite);
    QCOMPARE(px(img, 255, 20), clWhite);
    QCOMPARE(px(img, 256, 20), SystemColors::BtnFace);
}

void tst_Palette::kindFromValue()
{
    QCOMPARE(PaletteKindFromValue(0), PaletteKind::Websafe);
    QCOMPARE(PaletteKindFromValue(2), PaletteKind::WebsafeSpectrum);
    QCOMPARE(PaletteKindFromValue(7), PaletteKind::Websafe);
    QCOMPARE(PaletteKindFromValue(-1), PaletteKind::Websafe);
}

TV_REGISTER_TEST(tst_Palette);
#include "tst_Palette.moc"
