#include "ColorText.h"

#include <QTest>

#include "TestRegistry.h"

Q_DECLARE_METATYPE(TColor)

using namespace ColorText;

class tst_ColorText : public QObject {
    Q_OBJECT
private slots:
    void forms_data();
    void forms();
    void statusFromBoxTexts();
    void paletteHover_data();
    void paletteHover();
};

void tst_ColorText::forms_data()
{
    QTest::addColumn<TColor>("color");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("hash");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("statusRgb");
    QTest::addColumn<QString>("statusHex");
    QTest::newRow("orange") << MakeColor(255, 102, 0) << "FF6600" << "#FF6600" << "255,102,0" << "  RGB: 255.102.0" << "  HEX: #FF6600";
    QTest::newRow("copy menu") << MakeColor(3, 40, 255) << "0328FF" << "#0328FF" << "3,40,255" << "  RGB: 3.40.255" << "  HEX: #0328FF";
    QTest::newRow("blue") << MakeColor(0, 0, 255) << "0000FF" << "#0000FF" << "0,0,255" << "  RGB: 0.0.255" << "  HEX: #0000FF";
    QTest::newRow("status") << MakeColor(255, 204, 51) << "FFCC33" << "#FFCC33" << "255,204,51" << "  RGB: 255.204.51" << "  HEX: #FFCC33";
}

void tst_ColorText::forms()
{
    QFETCH(TColor, color);
    QFETCH(QString, hex);
    QFETCH(QString, hash);
    QFETCH(QString, rgb);
    QFETCH(QString, statusRgb);
    QFETCH(QString, statusHex);
    QCOMPARE(HexText(color), hex);
    QCOMPARE(HashHexText(color), hash);
    QCOMPARE(RgbText(color), rgb);
    QCOMPARE(StatusRgbText(color), statusRgb);
    QCOMPARE(StatusHexText(color), statusHex);
}

void tst_ColorText::statusFromBoxTexts()
{
    // The status line joins the number boxes as they stand.
    QCOMPARE(StatusRgbText(QStringLiteral("255"), QStringLiteral("102"), QStringLiteral("0")), QStringLiteral("  RGB: 255.102.0"));
}

void tst_ColorText::paletteHover_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<TColor>("pixel");
    QTest::addColumn<bool>("shown");
    const TColor red = MakeColor(255, 0, 0);
    QTest::newRow("inside") << QPoint(50, 50) << red << true;
    QTest::newRow("edge left") << QPoint(2, 50) << red << false;
    QTest::newRow("edge top") << QPoint(50, 2) << red << false;
    QTest::newRow("just inside") << QPoint(3, 3) << red << true;
    QTest::newRow("edge right") << QPoint(97, 50) << red << false;
    QTest::newRow("inside right") << QPoint(96, 50) << red << true;
    QTest::newRow("edge bottom") << QPoint(50, 97) << red << false;
    QTest::newRow("black outside corner") << QPoint(50, 50) << MakeColor(0, 0, 0) << false;
    QTest::newRow("black in corner") << QPoint(5, 5) << MakeColor(0, 0, 0) << true;
    QTest::newRow("black at corner limit") << QPoint(9, 5) << MakeColor(0, 0, 0) << false;
}

void tst_ColorText::paletteHover()
{
    QFETCH(QPoint, point);
    QFETCH(TColor, pixel);
    QFETCH(bool, shown);
    const auto status = PaletteHoverStatus(point, QSize(100, 100), pixel);
    QCOMPARE(bool(status), shown);
    if (status) {
        QCOMPARE(status->first, StatusRgbText(pixel));
        QCOMPARE(status->second, StatusHexText(pixel));
    }
}

TV_REGISTER_TEST(tst_ColorText);
#include "tst_ColorText.moc"
