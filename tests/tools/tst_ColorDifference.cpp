#include "ColorDifference.h"

#include "DisplayColor.h"
#include "HSLUtils.h"
#include "TestRegistry.h"

#include <QTest>

class tst_ColorDifference : public QObject {
    Q_OBJECT
private slots:
    void ciede2000_data();
    void ciede2000();
    void labOfWhiteAndBlack();
    void hardToTellApart_data();
    void hardToTellApart();
};

void tst_ColorDifference::ciede2000_data()
{
    // Pairs from Sharma, Wu and Dalal's CIEDE2000 test data (2005).
    QTest::addColumn<double>("L1");
    QTest::addColumn<double>("a1");
    QTest::addColumn<double>("b1");
    QTest::addColumn<double>("L2");
    QTest::addColumn<double>("a2");
    QTest::addColumn<double>("b2");
    QTest::addColumn<double>("dE");
    QTest::newRow("pair 1") << 50.0 << 2.6772 << -79.7751 << 50.0 << 0.0 << -82.7485 << 2.0425;
    QTest::newRow("pair 7, neutral to chromatic") << 50.0 << 0.0 << 0.0 << 50.0 << -1.0 << 2.0 << 2.3669;
    QTest::newRow("pair 17, lightness apart") << 50.0 << 2.5 << 0.0 << 73.0 << 25.0 << -18.0 << 27.1492;
    QTest::newRow("unit step along a") << 50.0 << 2.5 << 0.0 << 50.0 << 3.2972 << 0.0 << 1.0;
    QTest::newRow("unit step off the axis") << 50.0 << 2.5 << 0.0 << 50.0 << 3.1736 << 0.5854 << 1.0;
    QTest::newRow("pair 25") << 60.2574 << -34.0099 << 36.2677 << 60.4626 << -34.1751 << 39.4387 << 1.2644;
}

void tst_ColorDifference::ciede2000()
{
    QFETCH(double, L1);
    QFETCH(double, a1);
    QFETCH(double, b1);
    QFETCH(double, L2);
    QFETCH(double, a2);
    QFETCH(double, b2);
    QFETCH(double, dE);
    const Tools::Lab p{L1, a1, b1};
    const Tools::Lab q{L2, a2, b2};
    QVERIFY2(qAbs(Tools::Ciede2000(p, q) - dE) < 5e-5, qPrintable(QString::number(Tools::Ciede2000(p, q), 'f', 6)));
    QVERIFY(qAbs(Tools::Ciede2000(q, p) - dE) < 5e-5);
    QCOMPARE(Tools::Ciede2000(p, p), 0.0);
}

void tst_ColorDifference::labOfWhiteAndBlack()
{
    const Tools::Lab white = Tools::SrgbToLab(clWhite);
    QVERIFY(qAbs(white.L - 100) < 1e-4 && qAbs(white.a) < 1e-3 && qAbs(white.b) < 1e-3);
    const Tools::Lab black = Tools::SrgbToLab(clBlack);
    QCOMPARE(black.L, 0.0);
}

void tst_ColorDifference::hardToTellApart_data()
{
    // Simulated colours and differences checked by hand from the studio's
    // simulation table: protanopia shows 3366CC as 2067CD and 993399 as
    // 005EBF (difference 3.7, 26.9 for normal vision).
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("warn");
    QTest::newRow("blue on purple, protanopia") << "3366CC" << "993399" << int(ColorVision::Protanopia) << true;
    QTest::newRow("blue on purple, normal vision") << "3366CC" << "993399" << int(ColorVision::Normal) << false;
    QTest::newRow("blue on blue, tritanopia") << "0000FF" << "3366CC" << int(ColorVision::Tritanopia) << true;
    QTest::newRow("red on green, protanopia 14.2") << "FF0000" << "00CC00" << int(ColorVision::Protanopia) << false;
    QTest::newRow("red on olive, deuteranopia 10.6") << "CC3333" << "669900" << int(ColorVision::Deuteranopia)
                                                     << false;
    QTest::newRow("close for everyone") << "808080" << "7F7F7F" << int(ColorVision::Protanopia) << false;
}

void tst_ColorDifference::hardToTellApart()
{
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(int, mode);
    QFETCH(bool, warn);
    QCOMPARE(ColorVision::LoadTable(), ColorVisionError::None);
    QCOMPARE(Tools::HardToTellApart(*HSLUtils::HexToColor(text), *HSLUtils::HexToColor(background), mode), warn);
}

TV_REGISTER_TEST(tst_ColorDifference);
#include "tst_ColorDifference.moc"
