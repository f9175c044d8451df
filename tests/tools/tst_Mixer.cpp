#include "Mixer.h"

#include "HSLUtils.h"
#include "TFavoritesList.h"
#include "TestRegistry.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using Tools::MixPath;

Q_DECLARE_METATYPE(TColor)
Q_DECLARE_METATYPE(Tools::MixPath)

namespace {

TColor hex(const char* text)
{
    return *HSLUtils::HexToColor(QString::fromLatin1(text));
}

QStringList hexList(const QList<TColor>& colors)
{
    QStringList out;
    for (TColor c : colors)
        out << HSLUtils::ColorToHex(c);
    return out;
}

// The blend written out again from its description, one element at a time
// (no shared list, no helper of the library): the linear real step kept as a
// double, the radial hue walked step by step and wrapped once per step.
TColor referenceElement(TColor a, TColor b, int n, MixPath path, int i)
{
    if (path == MixPath::Linear) {
        int ch[3];
        for (int k = 0; k < 3; ++k) {
            const int shift = 8 * k;
            const int c1 = int((std::uint32_t(a) >> shift) & 0xFF);
            const int c2 = int((std::uint32_t(b) >> shift) & 0xFF);
            const double d = (c1 - c2) / (long double)(n + 1);
            ch[k] = int(std::lrint(c1 - (long double)i * d));
        }
        return MakeColor(ch[0], ch[1], ch[2]);
    }
    double h1, s1, l1, h2, s2, l2;
    HSLUtils::RGBToHSL(a, h1, s1, l1);
    HSLUtils::RGBToHSL(b, h2, s2, l2);
    const bool cw = path == MixPath::Clockwise;
    double dist = cw ? (long double)h2 - h1 : (long double)h1 - h2;
    if (dist < 0)
        dist = (cw ? (long double)h2 + 1 : (long double)h1 + 1) - (cw ? h1 : h2);
    const double step = dist / (long double)(n + 1);
    double h = h1;
    for (int k = 0; k < i; ++k) {
        h = cw ? (long double)h + step : (long double)h - step;
        if (cw && h > 1)
            h = (long double)h - 1;
        if (!cw && h < 0)
            h = (long double)h + 1;
    }
    const double ds = ((long double)s2 - s1) / (n + 1);
    const double dl = ((long double)l2 - l1) / (n + 1);
    return HSLUtils::HSLToRGB(h, s1 + (long double)i * ds, l1 + (long double)i * dl);
}

} // namespace

class tst_Mixer : public QObject {
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void randomSweep_data();
    void randomSweep();
    void linearStaysWithinHalfOfExact();
    void pathNames_data();
    void pathNames();
    void addAllNames_data();
    void addAllNames();
    void stripHitTest_data();
    void stripHitTest();
    void stripLayoutAgreesWithHitTest();
    void bars_data();
    void bars();
    void numberBoxes_data();
    void numberBoxes();
};

void tst_Mixer::examples_data()
{
    QTest::addColumn<TColor>("start");
    QTest::addColumn<TColor>("end");
    QTest::addColumn<int>("steps");
    QTest::addColumn<MixPath>("path");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("1 step black white, 127.5 to 128")
        << clBlack << clWhite << 1 << MixPath::Linear << QStringList{"000000", "808080", "FFFFFF"};
    QTest::newRow("3 steps black white")
        << clBlack << clWhite << 3 << MixPath::Linear
        << QStringList{"000000", "404040", "808080", "BFBFBF", "FFFFFF"};
    QTest::newRow("white to black descends") << clWhite << clBlack << 3 << MixPath::Linear
                                             << QStringList{"FFFFFF", "BFBFBF", "808080", "404040", "000000"};
    QTest::newRow("channels apart") << hex("FF0000") << hex("0000FF") << 1 << MixPath::Linear
                                    << QStringList{"FF0000", "800080", "0000FF"};
    QTest::newRow("red to blue clockwise through green")
        << hex("FF0000") << hex("0000FF") << 1 << MixPath::Clockwise << QStringList{"FF0000", "00FF00", "0000FF"};
    QTest::newRow("red to blue counter-clockwise through magenta")
        << hex("FF0000") << hex("0000FF") << 1 << MixPath::CounterClockwise
        << QStringList{"FF0000", "FF00FF", "0000FF"};
    QTest::newRow("blue to red clockwise wraps through magenta")
        << hex("0000FF") << hex("FF0000") << 1 << MixPath::Clockwise << QStringList{"0000FF", "FF00FF", "FF0000"};
    QTest::newRow("red to green clockwise, two steps")
        << hex("FF0000") << hex("00FF00") << 2 << MixPath::Clockwise
        << QStringList{"FF0000", "FFAA00", "AAFF00", "00FF00"};
    QTest::newRow("equal ends linear") << hex("336699") << hex("336699") << 4 << MixPath::Linear
                                       << QStringList(6, QStringLiteral("336699"));
    QTest::newRow("equal ends radial") << hex("336699") << hex("336699") << 2 << MixPath::CounterClockwise
                                       << QStringList(4, QStringLiteral("336699"));
    // A grey end counts as red: from blue the clockwise way to red passes
    // magenta, at half the saturation.
    QTest::newRow("blue to grey clockwise")
        << hex("0000FF") << hex("808080") << 1 << MixPath::Clockwise << QStringList{"0000FF", "BF40BF", "808080"};
    QTest::newRow("top byte of an end is dropped")
        << ColorFromValue(0xFF000000u) << clWhite << 1 << MixPath::Linear << QStringList{"000000", "808080", "FFFFFF"};
}

void tst_Mixer::examples()
{
    QFETCH(TColor, start);
    QFETCH(TColor, end);
    QFETCH(int, steps);
    QFETCH(MixPath, path);
    QFETCH(QStringList, list);
    QCOMPARE(hexList(Tools::MixColors(start, end, steps, path)), list);
}

void tst_Mixer::randomSweep_data()
{
    QTest::addColumn<MixPath>("path");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("linear") << MixPath::Linear << 0x5eed0001u;
    QTest::newRow("clockwise") << MixPath::Clockwise << 0x5eed0002u;
    QTest::newRow("counter-clockwise") << MixPath::CounterClockwise << 0x5eed0003u;
}

void tst_Mixer::randomSweep()
{
    QFETCH(MixPath, path);
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    QList<TColor> reused;
    for (int round = 0; round < 3000; ++round) {
        TColor a = TColor(rng.bounded(0x1000000u));
        TColor b = TColor(rng.bounded(0x1000000u));
        if (round % 10 == 0) // greys, whose hue counts as 0
            a = MakeColor(RedOf(a), RedOf(a), RedOf(a));
        const int n = int(rng.bounded(1, 59));
        Tools::BuildMixColors(reused, a, b, n, path);
        QCOMPARE(reused.size(), n + 2);
        QCOMPARE(reused.first(), a);
        QCOMPARE(reused.last(), b);
        for (int i = 1; i <= n; ++i) {
            const TColor want = referenceElement(a, b, n, path, i);
            if (reused[i] != want)
                QFAIL(qPrintable(QStringLiteral("%1 -> %2, %3 steps, element %4: %5, expected %6")
                                     .arg(HSLUtils::ColorToHex(a), HSLUtils::ColorToHex(b))
                                     .arg(n)
                                     .arg(i)
                                     .arg(HSLUtils::ColorToHex(reused[i]), HSLUtils::ColorToHex(want))));
        }
    }
}

void tst_Mixer::linearStaysWithinHalfOfExact()
{
    // Against exact fractions: each channel is the nearest integer to
    // c1 + i (c2 - c1) / (n + 1), give or take the rounding of a half.
    QRandomGenerator rng(0x11ea4);
    for (int round = 0; round < 2000; ++round) {
        const TColor a = TColor(rng.bounded(0x1000000u));
        const TColor b = TColor(rng.bounded(0x1000000u));
        const int n = int(rng.bounded(1, 59));
        const QList<TColor> list = Tools::MixColors(a, b, n, MixPath::Linear);
        for (int i = 0; i <= n + 1; ++i) {
            const int got[3] = {RedOf(list[i]), GreenOf(list[i]), BlueOf(list[i])};
            const int c1[3] = {RedOf(a), GreenOf(a), BlueOf(a)};
            const int c2[3] = {RedOf(b), GreenOf(b), BlueOf(b)};
            for (int k = 0; k < 3; ++k) {
                const long long num = (long long)c1[k] * (n + 1) + (long long)i * (c2[k] - c1[k]);
                const long long diff = std::llabs((long long)got[k] * (n + 1) - num);
                QVERIFY2(2 * diff <= n + 1, qPrintable(QStringLiteral("step %1 of %2").arg(i).arg(n)));
            }
        }
    }
}

void tst_Mixer::pathNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("path");
    QTest::newRow("linear") << "linear" << int(MixPath::Linear);
    QTest::newRow("cw") << "cw" << int(MixPath::Clockwise);
    QTest::newRow("ccw") << "ccw" << int(MixPath::CounterClockwise);
    QTest::newRow("capitals") << "Linear" << -1;
    QTest::newRow("caption is no name") << "Radial [clockwise]" << -1;
    QTest::newRow("empty") << "" << -1;
}

void tst_Mixer::pathNames()
{
    QFETCH(QString, name);
    QFETCH(int, path);
    const auto p = Tools::MixPathFromName(name);
    QCOMPARE(p ? int(*p) : -1, path);
    // The list's captions stand in the order of the path values.
    for (std::size_t i = 0; i < Tools::kMixPaths.size(); ++i)
        QCOMPARE(int(Tools::kMixPaths[i].path), int(i));
    QCOMPARE(Tools::CheckMixSteps(0), ToolsError::StepsOutOfRange);
    QCOMPARE(Tools::CheckMixSteps(1), ToolsError::None);
    QCOMPARE(Tools::CheckMixSteps(58), ToolsError::None);
    QCOMPARE(Tools::CheckMixSteps(59), ToolsError::StepsOutOfRange);
}

void tst_Mixer::addAllNames_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("existing");
    QTest::addColumn<QStringList>("names");
    const QStringList numbered{"Mixed Color 1", "Mixed Color 2", "Mixed Color 3", "Mixed Color 4", "Mixed Color 5"};
    QTest::newRow("numbered, empty list") << 2 << 0 << numbered;
    QTest::newRow("numbered after two favourites") << 2 << 2 << numbered;
    QTest::newRow("hex names") << 0 << 1
                               << QStringList{"#000000", "#404040", "#808080", "#BFBFBF", "#FFFFFF"};
    QTest::newRow("rgb names") << 1 << 0
                               << QStringList{"0,0,0", "64,64,64", "128,128,128", "191,191,191", "255,255,255"};
    QTest::newRow("no automatic name") << -1 << 0 << QStringList(5, QString());
}

void tst_Mixer::addAllNames()
{
    QFETCH(int, style);
    QFETCH(int, existing);
    QFETCH(QStringList, names);
    TFavoritesList favs;
    favs.setNameStyle(style);
    for (int i = 0; i < existing; ++i)
        favs.AddColorsToFavorites(hex("123456"), QStringLiteral("Own %1").arg(i), true);
    const QList<TColor> mixed = Tools::MixColors(clBlack, clWhite, 3, MixPath::Linear);
    QCOMPARE(Tools::AddAllMixedToFavorites(favs, mixed), qsizetype(existing));
    QCOMPARE(favs.count(), qsizetype(existing + 5));
    QStringList got;
    for (qsizetype i = existing; i < favs.count(); ++i) {
        got << favs.at(i).Name;
        QCOMPARE(favs.at(i).Color, mixed[i - existing]);
        QVERIFY(favs.at(i).Selected);
    }
    QCOMPARE(got, names);
    for (int i = 0; i < existing; ++i)
        QVERIFY(!favs.at(i).Selected);
    QCOMPARE(favs.currentIndex(), existing);
    QVERIFY(!favs.multipleSelection());
    QVERIFY(favs.isModified());
}

void tst_Mixer::stripHitTest_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::newRow("first swatch corner") << QPoint(8, 9) << 60 << 0;
    QTest::newRow("first swatch far corner") << QPoint(31, 32) << 60 << 0;
    QTest::newRow("left margin") << QPoint(7, 9) << 60 << -1;
    QTest::newRow("top margin") << QPoint(8, 8) << 60 << -1;
    QTest::newRow("gap x 32") << QPoint(32, 20) << 60 << -1;
    QTest::newRow("gap x 35") << QPoint(35, 20) << 60 << -1;
    QTest::newRow("second column") << QPoint(36, 20) << 60 << 1;
    QTest::newRow("last column") << QPoint(339, 20) << 60 << 11;
    QTest::newRow("x 340 right of the last column") << QPoint(340, 20) << 60 << -1;
    QTest::newRow("gap between rows") << QPoint(20, 33) << 60 << -1;
    QTest::newRow("second row") << QPoint(20, 36) << 60 << 12;
    QTest::newRow("last of 60") << QPoint(316, 117) << 60 << 59;
    QTest::newRow("past the fifth row") << QPoint(316, 141) << 60 << -1;
    QTest::newRow("past the list") << QPoint(92, 9) << 3 << -1;
    QTest::newRow("end colour of 3") << QPoint(64, 9) << 3 << 2;
}

void tst_Mixer::stripHitTest()
{
    QFETCH(QPoint, point);
    QFETCH(int, count);
    QFETCH(int, index);
    QCOMPARE(Tools::MixSwatchAt(point, count), index);
}

void tst_Mixer::stripLayoutAgreesWithHitTest()
{
    for (int i = 0; i < 60; ++i) {
        const QPoint o = Tools::MixSwatchOrigin(i, 348);
        QCOMPARE(Tools::MixSwatchAt(o, 60), i);
        QCOMPARE(Tools::MixSwatchAt(o + QPoint(23, 23), 60), i);
        QVERIFY(Tools::MixSwatchAt(o + QPoint(24, 0), 60) != i);
        QVERIFY(Tools::MixSwatchAt(o + QPoint(0, 24), 60) != i);
    }
    QCOMPARE(Tools::MixSwatchOrigin(12, 348), QPoint(8, 36));
    QCOMPARE(Tools::MixSwatchOrigin(59, 348), QPoint(316, 117));
}

void tst_Mixer::bars_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("marker");
    QTest::newRow("left end") << 2 << 0 << 2;
    QTest::newRow("left of the bar") << -40 << 0 << 2;
    QTest::newRow("one pixel in") << 3 << 2 << 2;
    QTest::newRow("three pixels in") << 5 << 7 << 4;
    QTest::newRow("middle") << 53 << 127 << 52;
    QTest::newRow("right end") << 104 << 255 << 104;
    QTest::newRow("right of the bar") << 300 << 255 << 104;
}

void tst_Mixer::bars()
{
    QFETCH(int, x);
    QFETCH(int, value);
    QFETCH(int, marker);
    QCOMPARE(Tools::BarValueFromX(x), value);
    QCOMPARE(Tools::BarMarkerFromValue(value), marker);
    // Stripes run 0 .. 252, half-way stripes rounding to even.
    QCOMPARE(Tools::BarStripeChannel(0), 0);
    QCOMPARE(Tools::BarStripeChannel(1), 2);
    QCOMPARE(Tools::BarStripeChannel(3), 8);
    QCOMPARE(Tools::BarStripeChannel(101), 252);
}

void tst_Mixer::numberBoxes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<int>("value");
    QTest::newRow("999") << "999" << "255" << true << 255;
    QTest::newRow("256") << "256" << "255" << true << 255;
    QTest::newRow("255 stays") << "255" << "255" << false << 255;
    QTest::newRow("cleared") << "" << "0" << true << 0;
    QTest::newRow("blank") << "  " << "0" << true << 0;
    QTest::newRow("leading zeros") << "007" << "007" << false << 7;
    QTest::newRow("two digits") << "42" << "42" << false << 42;
}

void tst_Mixer::numberBoxes()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, replaced);
    QFETCH(int, value);
    const Tools::NumberBoxFix fix = Tools::FixNumberBoxText(typed);
    QCOMPARE(fix.text, text);
    QCOMPARE(fix.replaced, replaced);
    QCOMPARE(fix.value, value);
}

TV_REGISTER_TEST(tst_Mixer);
#include "tst_Mixer.moc"
