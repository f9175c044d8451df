#include "HSLUtils.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/Swatch.h"
#include "paint/SystemColors.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include "TestRegistry.h"

using namespace HSLUtils;

Q_DECLARE_METATYPE(TColor)

namespace {
QString hex(TColor c) { return ColorToHex(c); }
TColor rgb(int r, int g, int b) { return MakeColor(r, g, b); }
} // namespace

class tst_HSLUtils : public QObject {
    Q_OBJECT
private slots:
    void packing();
    void rgbToHsl_data();
    void rgbToHsl();
    void hslToRgb_data();
    void hslToRgb();
    void rgbToHsv_data();
    void rgbToHsv();
    void hsvToRgb_data();
    void hsvToRgb();
    void hsvToRgbOutOfRangeHueIsSafe();
    void roundTripsForEveryColor();
    void snap_data();
    void snap();
    void snapGridProperties();
    void hexText_data();
    void hexText();
    void hexRoundTripEveryColor();
    void contrast_data();
    void contrast();
    void contrastIsExactForEveryGreyPair();
    void split_data();
    void split();
    void polarPoint();
    void drawSwatchPixels();
    void drawSwatchOfBlackHasBlackRings();
    void drawSwatchAlphaKeepsInterior();
};

void tst_HSLUtils::packing()
{
    const TColor c = MakeColor(0x12, 0x34, 0x56);
    QCOMPARE(ColorValue(c), 0x00563412u);
    QCOMPARE(RedOf(c), 0x12);
    QCOMPARE(GreenOf(c), 0x34);
    QCOMPARE(BlueOf(c), 0x56);
    // Channels are read masked; the top byte of an input is ignored.
    const TColor top = ColorFromValue(0xFF563412u);
    QCOMPARE(RedOf(top), 0x12);
    QCOMPARE(hex(top), QStringLiteral("123456"));
    QCOMPARE(ToQColor(c), QColor(0x12, 0x34, 0x56));
    QCOMPARE(FromQRgb(qRgb(0x12, 0x34, 0x56)), c);
}

void tst_HSLUtils::rgbToHsl_data()
{
    QTest::addColumn<TColor>("color");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("l");
    QTest::newRow("red") << rgb(255, 0, 0) << 0.0 << 1.0 << 0.5;
    QTest::newRow("white") << rgb(255, 255, 255) << 0.0 << 0.0 << 1.0;
    QTest::newRow("grey 128") << rgb(128, 128, 128) << 0.0 << 0.0 << double(128 / 255.0L);
    QTest::newRow("green") << rgb(0, 255, 0) << double(1.0L / 3) << 1.0 << 0.5;
    QTest::newRow("blue") << rgb(0, 0, 255) << double(4.0L / 6) << 1.0 << 0.5;
    QTest::newRow("magenta hue wraps") << rgb(255, 0, 128) << -1.0 << 1.0 << -1.0;
}

void tst_HSLUtils::rgbToHsl()
{
    QFETCH(TColor, color);
    QFETCH(double, h);
    QFETCH(double, s);
    QFETCH(double, l);
    double H, S, L;
    RGBToHSL(color, H, S, L);
    if (h >= 0)
        QCOMPARE(H, h);
    else
        QVERIFY(H > 0.9 && H < 1.0);
    QCOMPARE(S, s);
    if (l >= 0)
        QCOMPARE(L, l);
}

void tst_HSLUtils::hslToRgb_data()
{
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("l");
    QTest::addColumn<TColor>("expected");
    QTest::newRow("red") << 0.0 << 1.0 << 0.5 << rgb(255, 0, 0);
    QTest::newRow("green") << double(1.0L / 3) << 1.0 << 0.5 << rgb(0, 255, 0);
    QTest::newRow("grey half rounds to even 128") << 0.3 << 0.0 << 0.5 << rgb(128, 128, 128);
    QTest::newRow("grey any hue") << 0.77 << 0.0 << 0.5 << rgb(128, 128, 128);
    QTest::newRow("H=1 equals H=0") << 1.0 << 1.0 << 0.5 << rgb(255, 0, 0);
    QTest::newRow("black") << 0.5 << 1.0 << 0.0 << rgb(0, 0, 0);
    QTest::newRow("white") << 0.5 << 1.0 << 1.0 << rgb(255, 255, 255);
    QTest::newRow("orange") << double(24 / 360.0L) << 1.0 << 0.5 << rgb(255, 102, 0);
}

void tst_HSLUtils::hslToRgb()
{
    QFETCH(double, h);
    QFETCH(double, s);
    QFETCH(double, l);
    QFETCH(TColor, expected);
    QCOMPARE(hex(HSLToRGB(h, s, l)), hex(expected));
}

void tst_HSLUtils::rgbToHsv_data()
{
    QTest::addColumn<TColor>("color");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("v");
    QTest::newRow("blue") << rgb(0, 0, 255) << double(2.0L / 3) << 1.0 << 1.0;
    QTest::newRow("red") << rgb(255, 0, 0) << 0.0 << 1.0 << 1.0;
    QTest::newRow("grey") << rgb(51, 51, 51) << 0.0 << 0.0 << double(51 / 255.0L);
    QTest::newRow("black") << rgb(0, 0, 0) << 0.0 << 0.0 << 0.0;
}

void tst_HSLUtils::rgbToHsv()
{
    QFETCH(TColor, color);
    QFETCH(double, h);
    QFETCH(double, s);
    QFETCH(double, v);
    double H, S, V;
    RGBToHSV(color, H, S, V);
    QCOMPARE(H, h);
    QCOMPARE(S, s);
    QCOMPARE(V, v);
}

void tst_HSLUtils::hsvToRgb_data()
{
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("v");
    QTest::addColumn<TColor>("expected");
    QTest::newRow("red") << 0.0 << 1.0 << 1.0 << rgb(255, 0, 0);
    QTest::newRow("H=1 takes the last sector") << 1.0 << 1.0 << 1.0 << rgb(255, 0, 255);
    QTest::newRow("grey") << 0.4 << 0.0 << 0.5 << rgb(128, 128, 128);
    QTest::newRow("blue") << double(2.0L / 3) << 1.0 << 1.0 << rgb(0, 0, 255);
    QTest::newRow("sector 5") << double(5.5L / 6) << 1.0 << 1.0 << rgb(255, 0, 128);
}

void tst_HSLUtils::hsvToRgb()
{
    QFETCH(double, h);
    QFETCH(double, s);
    QFETCH(double, v);
    QFETCH(TColor, expected);
    QCOMPARE(hex(HSVToRGB(h, s, v)), hex(expected));
}

void tst_HSLUtils::hsvToRgbOutOfRangeHueIsSafe()
{
    // A negative hue lands in byte 255, the last case; a huge or infinite one must not trap.
    QCOMPARE(hex(HSVToRGB(-0.01, 0, 0.2)), QStringLiteral("333333"));
    (void)HSVToRGB(-0.01, 1, 1);
    (void)HSVToRGB(1e300, 1, 1);
    (void)HSVToRGB(std::numeric_limits<double>::infinity(), 0.5, 0.5);
    (void)HSVToRGB(std::numeric_limits<double>::quiet_NaN(), 0.5, 0.5);
}

void tst_HSLUtils::roundTripsForEveryColor()
{
    // Both conversions return every one of the 16,777,216 colours unchanged.
    qint64 hslMisses = 0, hsvMisses = 0;
    TColor firstMiss{};
    for (std::uint32_t v = 0; v < (1u << 24); ++v) {
        const TColor c = ColorFromValue(v);
        double a, b, d;
        RGBToHSL(c, a, b, d);
        if (HSLToRGB(a, b, d) != c) {
            if (!hslMisses)
                firstMiss = c;
            ++hslMisses;
        }
        QVERIFY(a >= 0 && a < 1 && b >= 0 && b <= 1 && d >= 0 && d <= 1);
        RGBToHSV(c, a, b, d);
        if (HSVToRGB(a, b, d) != c)
            ++hsvMisses;
    }
    QVERIFY2(hslMisses == 0, qPrintable(QStringLiteral("%1 HSL misses, first %2").arg(hslMisses).arg(hex(firstMiss))));
    QCOMPARE(hsvMisses, 0);
}

void tst_HSLUtils::snap_data()
{
    QTest::addColumn<TColor>("color");
    QTest::addColumn<int>("mode");
    QTest::addColumn<TColor>("expected");
    QTest::newRow("websafe down") << rgb(25, 51, 25) << 0 << rgb(0, 51, 0);
    QTest::newRow("websafe up") << rgb(26, 0, 0) << 0 << rgb(51, 0, 0);
    QTest::newRow("websmart") << rgb(8, 9, 0) << 1 << rgb(0, 17, 0);
    QTest::newRow("websafe top") << rgb(230, 229, 255) << 0 << rgb(255, 204, 255);
    QTest::newRow("mode 2 unchanged") << rgb(1, 2, 3) << 2 << rgb(1, 2, 3);
    QTest::newRow("mode -1 unchanged, top byte kept") << ColorFromValue(0x7F030201u) << -1 << ColorFromValue(0x7F030201u);
}

void tst_HSLUtils::snap()
{
    QFETCH(TColor, color);
    QFETCH(int, mode);
    QFETCH(TColor, expected);
    QCOMPARE(ColorValue(SnapWebColor(color, mode)), ColorValue(expected));
}

void tst_HSLUtils::snapGridProperties()
{
    // For every channel value: the result is the nearest grid value, and a grid colour maps to itself.
    for (int mode : {0, 1}) {
        const int step = mode == 0 ? 51 : 17;
        for (int c = 0; c < 256; ++c) {
            const int s = RedOf(SnapWebColor(rgb(c, c, c), mode));
            QCOMPARE(s % step, 0);
            QVERIFY2(std::abs(s - c) * 2 < step, qPrintable(QString::number(c)));
            QCOMPARE(RedOf(SnapWebColor(rgb(s, 0, 0), mode)), s);
        }
    }
    int websafe = 0;
    for (std::uint32_t v = 0; v < (1u << 24); v += 1)
        if (SnapWebColor(ColorFromValue(v), 0) == ColorFromValue(v))
            ++websafe;
    QCOMPARE(websafe, 216);
}

void tst_HSLUtils::hexText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<TColor>("color");
    QTest::newRow("red") << "FF0000" << true << rgb(255, 0, 0);
    QTest::newRow("lower case") << "ff8000" << true << rgb(255, 128, 0);
    QTest::newRow("mixed") << "996633" << true << rgb(0x99, 0x66, 0x33);
    QTest::newRow("short is a number") << "FF" << true << rgb(0, 0, 255);
    QTest::newRow("empty") << "" << false << TColor{};
    QTest::newRow("hash") << "#FF0000" << false << TColor{};
    QTest::newRow("not hex") << "GG0000" << false << TColor{};
    QTest::newRow("space") << " FF000" << false << TColor{};
    QTest::newRow("seven digits") << "FF00000" << false << TColor{};
    QTest::newRow("sign") << "-FFFFF" << false << TColor{};
}

void tst_HSLUtils::hexText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(TColor, color);
    const auto c = HexToColor(text);
    QCOMPARE(c.has_value(), valid);
    if (valid)
        QCOMPARE(ColorValue(*c), ColorValue(color));
}

void tst_HSLUtils::hexRoundTripEveryColor()
{
    QCOMPARE(hex(rgb(255, 0, 0)), QStringLiteral("FF0000"));
    QCOMPARE(hex(rgb(0x99, 0x66, 0x33)), QStringLiteral("996633"));
    for (std::uint32_t v = 0; v < (1u << 24); v += 7) {
        const TColor c = ColorFromValue(v);
        const QString t = hex(c);
        QCOMPARE(t.size(), 6);
        const auto back = HexToColor(t);
        QVERIFY(back && *back == c);
        QCOMPARE(t.toUInt(nullptr, 16), ToRgb24(c));
    }
}

void tst_HSLUtils::contrast_data()
{
    QTest::addColumn<TColor>("a");
    QTest::addColumn<TColor>("b");
    QTest::addColumn<bool>("expected");
    QTest::newRow("black white") << rgb(0, 0, 0) << rgb(255, 255, 255) << true;
    QTest::newRow("130 white: exactly 125") << rgb(130, 130, 130) << rgb(255, 255, 255) << true;
    QTest::newRow("131 white: 124") << rgb(131, 131, 131) << rgb(255, 255, 255) << false;
    QTest::newRow("order does not matter") << rgb(255, 255, 255) << rgb(130, 130, 130) << true;
    QTest::newRow("same") << rgb(10, 200, 30) << rgb(10, 200, 30) << false;
    // 125.0 exactly, which 299/1000 + 587/1000 in doubles would miss.
    QTest::newRow("exact 125 from mixed channels") << rgb(0, 0, 0) << rgb(125, 125, 125) << true;
}

void tst_HSLUtils::contrast()
{
    QFETCH(TColor, a);
    QFETCH(TColor, b);
    QFETCH(bool, expected);
    QCOMPARE(HasBrightnessContrast(a, b), expected);
}

void tst_HSLUtils::contrastIsExactForEveryGreyPair()
{
    // For greys the brightness is the channel itself: contrast exactly when they differ by 125 or more.
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
            QCOMPARE(HasBrightnessContrast(rgb(a, a, a), rgb(b, b, b)), std::abs(a - b) >= 125);
}

void tst_HSLUtils::split_data()
{
    QTest::addColumn<QString>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("empty text") << "|" << "" << QStringList{QString()};
    QTest::newRow("three") << "|" << "a|b|c" << QStringList{"a", "b", "c"};
    QTest::newRow("adjacent") << "|" << "a||c" << QStringList{"a", "", "c"};
    QTest::newRow("trailing") << "|" << "a|" << QStringList{"a", ""};
    QTest::newRow("leading") << "|" << "|a" << QStringList{"", "a"};
    QTest::newRow("long separator") << "--" << "x--y---z" << QStringList{"x", "y", "-z"};
    QTest::newRow("no separator") << "," << "abc" << QStringList{"abc"};
}

void tst_HSLUtils::split()
{
    QFETCH(QString, sep);
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QStringList out{"stale"};
    SplitString(out, sep, text);
    QCOMPARE(out, fields);
}

void tst_HSLUtils::polarPoint()
{
    QPoint r;
    // With C = P2 the point stops R short of P2 on the way from P1.
    PolarPoint(QPoint(0, 0), QPoint(100, 0), QPoint(100, 0), 10, r);
    QCOMPARE(r, QPoint(90, 0));
    PolarPoint(QPoint(50, 50), QPoint(50, 10), QPoint(50, 10), 5, r);
    QCOMPARE(r, QPoint(50, 15));
    PolarPoint(QPoint(0, 0), QPoint(3, 4), QPoint(3, 4), 5, r);
    QCOMPARE(r, QPoint(0, 0));
    // Ties round to even: 0.5 offsets.
    PolarPoint(QPoint(0, 0), QPoint(-1, 0), QPoint(0, 0), 1, r);
    QCOMPARE(r, QPoint(1, 0));
}

void tst_HSLUtils::drawSwatchPixels()
{
    QImage img(20, 16, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    const TColor color = rgb(200, 100, 50);
    {
        QPainter p(&img);
        DrawSwatch(p, color, 0, 0, 20, 16);
    }
    TColor a, b;
    SwatchShades(color, a, b);
    double h, s, v;
    RGBToHSV(color, h, s, v);
    QCOMPARE(a, HSVToRGB(h, s, v - 0.08L));
    auto px = [&](int x, int y) { return FromQRgb(img.pixel(x, y)); };
    QCOMPARE(px(0, 0), SystemColors::BtnShadow);
    QCOMPARE(px(19, 15), SystemColors::BtnShadow);
    QCOMPARE(px(1, 1), clWhite);
    QCOMPARE(px(2, 2), b);
    QCOMPARE(px(17, 13), b);
    QCOMPARE(px(3, 3), a);
    QCOMPARE(px(16, 12), a);
    QCOMPARE(px(4, 4), color);
    QCOMPARE(px(15, 11), color);
    QCOMPARE(px(18, 14), clWhite);
}

void tst_HSLUtils::drawSwatchOfBlackHasBlackRings()
{
    TColor a, b;
    SwatchShades(clBlack, a, b);
    QCOMPARE(a, clBlack);
    QCOMPARE(b, clBlack);
}

void tst_HSLUtils::drawSwatchAlphaKeepsInterior()
{
    QImage img(30, 30, QImage::Format_RGB32);
    img.fill(Qt::white);
    const TColor color = rgb(10, 120, 240);
    {
        QPainter p(&img);
        DrawSwatchAlpha(p, color, 0, 0, 30, 30);
    }
    for (int y = 4; y < 26; ++y)
        for (int x = 4; x < 26; ++x)
            QCOMPARE(FromQRgb(img.pixel(x, y)), color);
    // The outer edge is darkened by the translucent black line.
    QVERIFY(qRed(img.pixel(0, 15)) < 255 && qRed(img.pixel(0, 15)) > 150);
}

TV_REGISTER_TEST(tst_HSLUtils);
#include "tst_HSLUtils.moc"
