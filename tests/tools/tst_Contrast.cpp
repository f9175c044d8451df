#include "Contrast.h"

#include "HSLUtils.h"
#include "TestRegistry.h"

#include <QTest>

namespace {
TColor hex(const QString& text)
{
    return *HSLUtils::HexToColor(text);
}
} // namespace

// Reference figures: WCAG's own (21:1, #767676 the lightest grey passing AA
// on white at 4.54, #595959 at 7.00) and those the APCA-W3 0.0.98G-4g
// documentation lists for its test pairs.
class tst_Contrast : public QObject {
    Q_OBJECT
private slots:
    void wcag_data();
    void wcag();
    void verdictThresholds_data();
    void verdictThresholds();
    void apca_data();
    void apca();
    void luminanceRange();
};

void tst_Contrast::wcag_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("white on black") << "FFFFFF" << "000000" << "21.00" << "AAA";
    QTest::newRow("black on white") << "000000" << "FFFFFF" << "21.00" << "AAA";
    QTest::newRow("777777 on white shows 4.48, fails AA") << "777777" << "FFFFFF" << "4.48" << "AA large text only";
    QTest::newRow("767676 on white passes AA") << "767676" << "FFFFFF" << "4.54" << "AA";
    QTest::newRow("595959 on white") << "595959" << "FFFFFF" << "7.00" << "AAA";
    QTest::newRow("949494 on white") << "949494" << "FFFFFF" << "3.03" << "AA large text only";
    QTest::newRow("888888 on white") << "888888" << "FFFFFF" << "3.54" << "AA large text only";
    QTest::newRow("same colour") << "336699" << "336699" << "1.00" << "fail";
    QTest::newRow("near greys") << "808080" << "7F7F7F" << "1.01" << "fail";
    QTest::newRow("black on AAAAAA") << "000000" << "AAAAAA" << "9.04" << "AAA";
    QTest::newRow("dark blue pair") << "112233" << "DDEEFF" << "13.65" << "AAA";
}

void tst_Contrast::wcag()
{
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(QString, ratio);
    QFETCH(QString, verdict);
    const double r = Tools::ContrastRatio(hex(text), hex(background));
    QCOMPARE(Tools::ContrastRatioText(r), ratio);
    QCOMPARE(Tools::WcagVerdictText(Tools::WcagVerdictFor(r)), verdict);
    QCOMPARE(Tools::ContrastRatio(hex(background), hex(text)), r);
}

void tst_Contrast::verdictThresholds_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("verdict");
    QTest::newRow("7 exactly") << 7.0 << int(Tools::WcagVerdict::AAA);
    QTest::newRow("just under 7") << 6.9999 << int(Tools::WcagVerdict::AA);
    QTest::newRow("4.5 exactly") << 4.5 << int(Tools::WcagVerdict::AA);
    QTest::newRow("4.499") << 4.499 << int(Tools::WcagVerdict::AALargeOnly);
    QTest::newRow("3 exactly") << 3.0 << int(Tools::WcagVerdict::AALargeOnly);
    QTest::newRow("2.999") << 2.999 << int(Tools::WcagVerdict::Fail);
    QTest::newRow("1") << 1.0 << int(Tools::WcagVerdict::Fail);
}

void tst_Contrast::verdictThresholds()
{
    QFETCH(double, ratio);
    QFETCH(int, verdict);
    QCOMPARE(int(Tools::WcagVerdictFor(ratio)), verdict);
}

void tst_Contrast::apca_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("lc");
    QTest::newRow("888888 on white") << "888888" << "FFFFFF" << "63.06";
    QTest::newRow("black on white") << "000000" << "FFFFFF" << "106.04";
    QTest::newRow("white on black") << "FFFFFF" << "000000" << "-107.88";
    QTest::newRow("white on 888888") << "FFFFFF" << "888888" << "-68.54";
    QTest::newRow("black on AAAAAA") << "000000" << "AAAAAA" << "58.15";
    QTest::newRow("AAAAAA on black") << "AAAAAA" << "000000" << "-56.24";
    QTest::newRow("112233 on DDEEFF") << "112233" << "DDEEFF" << "91.67";
    QTest::newRow("DDEEFF on 112233") << "DDEEFF" << "112233" << "-93.07";
    QTest::newRow("below the clip") << "112233" << "223344" << "0.00";
    QTest::newRow("same colour") << "FFFFFF" << "FFFFFF" << "0.00";
}

void tst_Contrast::apca()
{
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(QString, lc);
    QCOMPARE(Tools::ApcaContrastText(Tools::ApcaContrast(hex(text), hex(background))), lc);
}

void tst_Contrast::luminanceRange()
{
    QCOMPARE(double(Tools::RelativeLuminance(clBlack)), 0.0);
    QVERIFY(qAbs(double(Tools::RelativeLuminance(clWhite)) - 1.0) < 1e-15);
    // Monotonic in every channel, so a lighter grey never reads as darker.
    for (int v = 1; v < 256; ++v) {
        QVERIFY(Tools::RelativeLuminance(MakeColor(v, v, v)) > Tools::RelativeLuminance(MakeColor(v - 1, v - 1, v - 1)));
        QVERIFY(Tools::RelativeLuminance(MakeColor(0, v, 0)) > Tools::RelativeLuminance(MakeColor(0, v - 1, 0)));
    }
}

TV_REGISTER_TEST(tst_Contrast);
#include "tst_Contrast.moc"
