#include "HSLUtils.h"
#include "Harmonies.h"

#include <QTest>

#include "TestRegistry.h"

using namespace Workspace;

namespace {
TColor hex(const char* text) { return *HSLUtils::HexToColor(QString::fromLatin1(text)); }
QString joined(const QList<TColor>& list)
{
    QStringList parts;
    for (TColor c : list)
        parts << HSLUtils::ColorToHex(c);
    return parts.join(u' ');
}
} // namespace

class tst_Harmonies : public QObject {
    Q_OBJECT
private slots:
    void swatchesOfOrangeRyb_data();
    void swatchesOfOrangeRyb();
    void greyBaseInRgbMode_data();
    void greyBaseInRgbMode();
    void namesAndIndices();
};

void tst_Harmonies::swatchesOfOrangeRyb_data()
{
    // The wheel of FF6600 in RYB mode (worked result): entries 0..11 are
    // FF6600 FF9F00 FFD200 F9FF00 AFDF08 0CCE12 0C8FCE 0C52CE 280CCE 890CCE
    // CE0C78 FF0F00; entry 12 FF8533, entry 18 FFA366.
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    QTest::newRow("complements") << 0 << "FF6600 0C8FCE";
    QTest::newRow("split") << 1 << "FF6600 0CCE12 0C52CE";
    QTest::newRow("triads") << 2 << "FF6600 AFDF08 280CCE";
    QTest::newRow("tetrads") << 3 << "FF6600 F9FF00 0C8FCE 890CCE";
    QTest::newRow("analogous: base in the middle") << 4 << "FF0F00 FF6600 FF9F00";
    QTest::newRow("monochromatic") << 5 << "FF6600 FF8533 FFA366";
}

void tst_Harmonies::swatchesOfOrangeRyb()
{
    QFETCH(int, type);
    QFETCH(QString, expected);
    const TWheelColors w = GenerateWheelRYB(hex("FF6600"));
    QCOMPARE(joined(HarmonySwatchColors(HarmonyType(type), w)), expected);
    QCOMPARE(HarmonySwatchColors(HarmonyType(type), w).size(), kHarmonies[size_t(type)].swatchCount);
}

void tst_Harmonies::greyBaseInRgbMode_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    QTest::newRow("complements") << 0 << "808080 808080";
    QTest::newRow("split") << 1 << "808080 808080 808080";
    QTest::newRow("triads") << 2 << "808080 808080 808080";
    QTest::newRow("tetrads") << 3 << "808080 808080 808080 808080";
    QTest::newRow("analogous") << 4 << "808080 808080 808080";
    // The shades are lighter greys, not the base grey again.
    QTest::newRow("monochromatic") << 5 << "808080 999999 B3B3B3";
}

void tst_Harmonies::greyBaseInRgbMode()
{
    QFETCH(int, type);
    QFETCH(QString, expected);
    QCOMPARE(joined(HarmonySwatchColors(HarmonyType(type), GenerateWheelRGB(hex("808080")))), expected);
}

void tst_Harmonies::namesAndIndices()
{
    QCOMPARE(HarmonyIndexFromName(QStringLiteral("tetrads")), 3);
    QCOMPARE(HarmonyIndexFromName(QStringLiteral("Tetrads")), -1);
    QCOMPARE(HarmonyFromIndex(-1), HarmonyType::Complements);
    QCOMPARE(HarmonyFromIndex(6), HarmonyType::Complements);
    QCOMPARE(QString::fromLatin1(Harmony(HarmonyType::SplitComplements).caption), QStringLiteral("Split-Complements"));
}

TV_REGISTER_TEST(tst_Harmonies);
#include "tst_Harmonies.moc"
