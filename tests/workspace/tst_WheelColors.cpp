#include "HSLUtils.h"
#include "WheelColors.h"

#include <QTest>

#include "TestRegistry.h"

using namespace Workspace;

namespace {
TColor hex(const char* text) { return *HSLUtils::HexToColor(QString::fromLatin1(text)); }
QString joined(const TWheelColors& w)
{
    QStringList parts;
    for (TColor c : w)
        parts << HSLUtils::ColorToHex(c);
    return parts.join(u' ');
}
void hsl(TColor c, double& h, double& s, double& l) { HSLUtils::RGBToHSL(c, h, s, l); }
} // namespace

class tst_WheelColors : public QObject {
    Q_OBJECT
private slots:
    void rybWorkedResults_data();
    void rybWorkedResults();
    void rgbEvenHues_data();
    void rgbEvenHues();
    void rgbGreyBaseRepeatsTheGrey_data();
    void rgbGreyBaseRepeatsTheGrey();
    void rybLightBaseIsNeverAdjusted_data();
    void rybLightBaseIsNeverAdjusted();
    void rybYellowZoneGreysLaterSamples();
    void shadeDirectionFollowsBaseLightness_data();
    void shadeDirectionFollowsBaseLightness();
    void screenColor_data();
    void screenColor();
    void modeSelects();
};

void tst_WheelColors::rybWorkedResults_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");
    QTest::newRow("orange") << "FF6600"
                            << "FF6600 FF9F00 FFD200 F9FF00 AFDF08 0CCE12 0C8FCE 0C52CE 280CCE 890CCE CE0C78 FF0F00 "
                               "FF8533 FFDB33 C8F723 1BACF2 3A1BF2 F21B93 FFA366 FFE466 D4F954 4BBEF5 644BF5 F54BAA";
    QTest::newRow("red") << "FF0000"
                         << "FF0000 FF6000 FF9A00 FFCD00 FEFF00 BAE806 2ECE0C 0C99CE 0C5BCE 1F0CCE 800CCE CE0C82 "
                            "FF3333 FFAE33 FEFF33 41F21B 1B73F2 9C1BF2 FF6666 FFC266 FEFF66 69F54B 4B90F5 B14BF5";
    QTest::newRow("blue") << "0000FF"
                          << "0000FF 7F00FF FF00FF FF0033 FF5500 FF9100 FFC400 FFF700 CDF602 65CE0C 0CA9CE 0C6BCE "
                             "3333FF FF33FF FF7733 FFD033 DAFD2E 1BC9F2 6666FF FF66FF FF9966 FFDC66 E3FE60 4BD4F5";
}

void tst_WheelColors::rybWorkedResults()
{
    QFETCH(QString, base);
    QFETCH(QString, expected);
    QCOMPARE(joined(GenerateWheelRYB(*HSLUtils::HexToColor(base))), expected);
}

void tst_WheelColors::rgbEvenHues_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");
    // Pure red walks the primaries and secondaries in 30-degree steps; the
    // half-way channels land just below 127.5 in extended precision (7F),
    // except where the hue offset rounds the other way (80).
    QTest::newRow("red") << "FF0000"
                         << "FF0000 FF8000 FFFF00 7FFF00 00FF00 00FF80 00FFFF 007FFF 0000FF 7F00FF FF00FF FF0080 "
                            "FF3333 FFFF33 33FF33 33FFFF 3333FF FF33FF FF6666 FFFF66 66FF66 66FFFF 6666FF FF66FF";
    // A light base is darkened for its shades.
    QTest::newRow("light blue") << "CCCCFF"
                                << "CCCCFF E5CCFF FFCCFF FFCCE6 FFCCCC FFE5CC FFFFCC E6FFCC CCFFCC CCFFE5 CCFFFF CCE6FF "
                                   "9999FF FF99FF FF9999 FFFF99 99FF99 99FFFF 6666FF FF66FF FF6666 FFFF66 66FF66 66FFFF";
}

void tst_WheelColors::rgbEvenHues()
{
    QFETCH(QString, base);
    QFETCH(QString, expected);
    QCOMPARE(joined(GenerateWheelRGB(*HSLUtils::HexToColor(base))), expected);
}

void tst_WheelColors::rgbGreyBaseRepeatsTheGrey_data()
{
    QTest::addColumn<TColor>("grey");
    QTest::addColumn<TColor>("shade1");
    QTest::addColumn<TColor>("shade2");
    QTest::newRow("mid grey") << hex("808080") << hex("999999") << hex("B3B3B3");
    QTest::newRow("light grey") << hex("E0E0E0") << hex("C7C7C7") << hex("ADADAD");
    QTest::newRow("black") << hex("000000") << hex("1A1A1A") << hex("333333");
}

void tst_WheelColors::rgbGreyBaseRepeatsTheGrey()
{
    QFETCH(TColor, grey);
    QFETCH(TColor, shade1);
    QFETCH(TColor, shade2);
    const TWheelColors w = GenerateWheelRGB(grey);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(w[size_t(i)], grey);
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(w[size_t(12 + k)], shade1);
        QCOMPARE(w[size_t(18 + k)], shade2);
    }
}

void tst_WheelColors::rybLightBaseIsNeverAdjusted_data()
{
    QTest::addColumn<TColor>("base");
    QTest::newRow("pink L=0.9") << hex("FFCCCC");
    QTest::newRow("pale yellow L=0.8") << hex("FFFF99");
    QTest::newRow("near white") << hex("FFF0F5");
}

// With a base lightness of 0.8 or more neither zone touches saturation or
// lightness, so every hue keeps the base's S and L (up to channel rounding).
void tst_WheelColors::rybLightBaseIsNeverAdjusted()
{
    QFETCH(TColor, base);
    double h0, s0, l0;
    hsl(base, h0, s0, l0);
    QVERIFY(l0 >= 0.8);
    const TWheelColors w = GenerateWheelRYB(base);
    for (int i = 0; i < 12; ++i) {
        double h, s, l;
        hsl(w[size_t(i)], h, s, l);
        QVERIFY2(std::abs(l - l0) <= 1.0 / 255, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(s - s0) <= 0.03, qPrintable(QString::number(i)));
    }
}

// Pure red crosses the yellow zone with L0 = 0.5: every later sample is
// greyer and darker than the base, while the first four are untouched.
void tst_WheelColors::rybYellowZoneGreysLaterSamples()
{
    const TWheelColors w = GenerateWheelRYB(hex("FF0000"));
    for (int i = 1; i < 4; ++i) {
        double h, s, l;
        hsl(w[size_t(i)], h, s, l);
        QCOMPARE(s, 1.0);
        QCOMPARE(l, 0.5);
    }
    for (int i = 6; i < 12; ++i) {
        double h, s, l;
        hsl(w[size_t(i)], h, s, l);
        QVERIFY(s < 0.9);
        QVERIFY(l < 0.45);
    }
}

void tst_WheelColors::shadeDirectionFollowsBaseLightness_data()
{
    QTest::addColumn<TColor>("base");
    QTest::addColumn<bool>("lighter");
    QTest::newRow("L=0.5 lighter") << hex("FF6600") << true;
    QTest::newRow("L=0.7 lighter") << hex("FF9966") << true;
    QTest::newRow("L=0.9 darker") << hex("FFCCCC") << false;
}

void tst_WheelColors::shadeDirectionFollowsBaseLightness()
{
    QFETCH(TColor, base);
    QFETCH(bool, lighter);
    for (bool ryb : {true, false}) {
        const TWheelColors w = GenerateWheelColors(base, ryb);
        for (int k = 0; k < 6; ++k) {
            double h, s, l0, l1, l2;
            hsl(w[size_t(ryb ? 2 * k : 0)], h, s, l0);
            hsl(w[size_t(12 + k)], h, s, l1);
            hsl(w[size_t(18 + k)], h, s, l2);
            const double sign = lighter ? 1 : -1;
            QVERIFY(std::abs((l1 - l0) - sign * 0.1) < 0.005);
            QVERIFY(std::abs((l2 - l0) - sign * 0.2) < 0.005);
        }
    }
}

void tst_WheelColors::screenColor_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<TColor>("in");
    QTest::addColumn<TColor>("out");
    QTest::newRow("32 identity") << 32 << hex("123457") << hex("123457");
    QTest::newRow("24 identity") << 24 << hex("FEDCBA") << hex("FEDCBA");
    QTest::newRow("16 white") << 16 << hex("FFFFFF") << hex("FFFFFF");
    QTest::newRow("16 reduced") << 16 << hex("123457") << hex("103452");
    QTest::newRow("15 reduced") << 15 << hex("123457") << hex("103152");
}

void tst_WheelColors::screenColor()
{
    QFETCH(int, bits);
    QFETCH(TColor, in);
    QFETCH(TColor, out);
    QCOMPARE(ScreenColor(in, bits), out);
}

void tst_WheelColors::modeSelects()
{
    const TColor base = hex("336699");
    QCOMPARE(GenerateWheelColors(base, true), GenerateWheelRYB(base));
    QCOMPARE(GenerateWheelColors(base, false), GenerateWheelRGB(base));
    QVERIFY(GenerateWheelRYB(base) != GenerateWheelRGB(base));
    QCOMPARE(GenerateWheelRYB(base)[0], base);
    QCOMPARE(GenerateWheelRGB(base)[0], base);
}

TV_REGISTER_TEST(tst_WheelColors);
#include "tst_WheelColors.moc"
