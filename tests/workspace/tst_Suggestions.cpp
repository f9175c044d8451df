#include "HSLUtils.h"
#include "SuggestionPicture.h"
#include "Suggestions.h"

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
    return parts.join(u',');
}
double lightness(TColor c)
{
    double h, s, l;
    HSLUtils::RGBToHSL(c, h, s, l);
    return l;
}
double saturation(TColor c)
{
    double h, s, l;
    HSLUtils::RGBToHSL(c, h, s, l);
    return s;
}
SuggestedScheme scheme(const char* base, SuggestionStyle style, bool ryb = true)
{
    return ComputeSuggestion(style, GenerateWheelColors(hex(base), ryb));
}
} // namespace

class tst_Suggestions : public QObject {
    Q_OBJECT
private slots:
    void roles_data();
    void roles();
    void undividedBody_data();
    void undividedBody();
    void vibrantClampsLightness_data();
    void vibrantClampsLightness();
    void monoDarkSaturation_data();
    void monoDarkSaturation();
    void swatchList_data();
    void swatchList();
    void headerText_data();
    void headerText();
    void bodyText();
    void namesAndIndices();
};

void tst_Suggestions::roles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected"); // header,page,links,content[,gradient end]
    // Page of the complementary style by hand: hue 24/360, S 0.7, L 0.9 gives
    // m1 0.83, m2 0.97 and channels 247.35, 225.93, 211.65.
    QTest::newRow("complementary") << 0 << "FF6600" << "FF6600,F7E2D4,0C8FCE,FFFFFF";
    QTest::newRow("analogous") << 1 << "FF6600" << "FF6600,F7D6D4,FF9F00,FFFFFF";
    QTest::newRow("mono light, dark base") << 2 << "FF6600" << "FF6600,FAF1EB,FFC9A6,FFC9A6,FFB280";
    // The gray style keeps the base hue at saturation 0.08, so a grey base
    // (hue 0) gives faintly red greys.
    QTest::newRow("gray") << 9 << "808080" << "8A7575,B9ACAC,D0C8C8,F3F1F1";
    QTest::newRow("minimalistic") << 8 << "FF6600" << "FF6600,F5E2D6,FFFFFF,FFFFFF";
}

void tst_Suggestions::roles()
{
    QFETCH(int, style);
    QFETCH(QString, base);
    QFETCH(QString, expected);
    const SuggestedScheme s = ComputeSuggestion(SuggestionStyle(style), GenerateWheelRYB(*HSLUtils::HexToColor(base)));
    QList<TColor> got{s.header, s.page, s.links, s.content};
    if (s.gradient)
        got << s.gradientEnd;
    QCOMPARE(joined(got), expected);
}

void tst_Suggestions::undividedBody_data()
{
    QTest::addColumn<QString>("base");
    for (const char* b : {"FF6600", "000000", "FFFFFF", "CCE0FF", "336699"})
        QTest::newRow(b) << QString::fromLatin1(b);
}

void tst_Suggestions::undividedBody()
{
    QFETCH(QString, base);
    const QByteArray b = base.toLatin1();
    for (bool ryb : {true, false}) {
        QVERIFY(scheme(b.constData(), SuggestionStyle::Minimalistic, ryb).undividedBody());
        QVERIFY(scheme(b.constData(), SuggestionStyle::MonoLight, ryb).undividedBody());
        QVERIFY(scheme(b.constData(), SuggestionStyle::MonoLight, ryb).gradient);
        QVERIFY(!scheme(b.constData(), SuggestionStyle::Complementary, ryb).gradient);
    }
    // A light base swaps roles: the header is the 0.2 shade, the links the base lightened.
    const SuggestedScheme light = scheme("CCE0FF", SuggestionStyle::MonoLight);
    QCOMPARE(light.header, GenerateWheelRYB(hex("CCE0FF"))[18]);
}

void tst_Suggestions::vibrantClampsLightness_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<double>("headerL");
    QTest::newRow("L=0.1") << "330000" << 0.4;
    QTest::newRow("L=0.9") << "FFCCCC" << 0.6;
    QTest::newRow("L=0.5 kept") << "FF0000" << 0.5;
}

void tst_Suggestions::vibrantClampsLightness()
{
    QFETCH(QString, base);
    QFETCH(double, headerL);
    const QByteArray b = base.toLatin1();
    QVERIFY(std::abs(lightness(scheme(b.constData(), SuggestionStyle::Vibrant).header) - headerL) <= 1.0 / 255);
    QVERIFY(std::abs(lightness(scheme(b.constData(), SuggestionStyle::Muted).header) - headerL) <= 1.0 / 255);
}

void tst_Suggestions::monoDarkSaturation_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<double>("headerS");
    QTest::newRow("S=1 kept") << "FF6600" << 1.0;
    QTest::newRow("S=0.6 kept") << "CC3333" << 0.6;
    QTest::newRow("S=0.2 raised") << "996666" << 0.5;
}

void tst_Suggestions::monoDarkSaturation()
{
    QFETCH(QString, base);
    QFETCH(double, headerS);
    const QByteArray b = base.toLatin1();
    const SuggestedScheme s = scheme(b.constData(), SuggestionStyle::MonoDark);
    QVERIFY(std::abs(saturation(s.header) - headerS) < 0.02);
    QVERIFY(std::abs(lightness(s.header) - 0.4) <= 1.0 / 255);
}

void tst_Suggestions::swatchList_data()
{
    QTest::addColumn<TColor>("header");
    QTest::addColumn<TColor>("page");
    QTest::addColumn<TColor>("links");
    QTest::addColumn<TColor>("content");
    QTest::addColumn<bool>("gradient");
    QTest::addColumn<QString>("expected");
    const TColor r = hex("FF0000"), g = hex("00FF00"), b = hex("0000FF"), y = hex("FFFF00"), e = hex("AA5500");
    QTest::newRow("white roles skipped, fill-ups") << r << g << b << clWhite << false << "FF0000,0000FF,00FF00,FFFFFF,000000";
    QTest::newRow("black role never listed") << r << clBlack << b << clWhite << false << "FF0000,0000FF,FFFFFF,000000";
    QTest::newRow("duplicate of header skipped") << r << r << r << r << false << "FF0000,FFFFFF,000000";
    QTest::newRow("five listed: white only") << r << g << b << y << true << "FF0000,AA5500,0000FF,00FF00,FFFF00,FFFFFF";
    QTest::newRow("all grey-free distinct") << r << g << b << e << false << "FF0000,0000FF,00FF00,AA5500,FFFFFF,000000";
}

void tst_Suggestions::swatchList()
{
    QFETCH(TColor, header);
    QFETCH(TColor, page);
    QFETCH(TColor, links);
    QFETCH(TColor, content);
    QFETCH(bool, gradient);
    QFETCH(QString, expected);
    SuggestedScheme s;
    s.header = header;
    s.page = page;
    s.links = links;
    s.content = content;
    s.gradient = gradient;
    s.gradientEnd = hex("AA5500");
    QCOMPARE(joined(SuggestionSwatchColors(s)), expected);
}

void tst_Suggestions::headerText_data()
{
    // Greys: the dark text is grey 23 (0.09 of 255); it contrasts from 148 on.
    QTest::addColumn<TColor>("header");
    QTest::addColumn<TColor>("text");
    QTest::newRow("grey 148 dark text") << hex("949494") << hex("171717");
    QTest::newRow("grey 147 light text") << hex("939393") << hex("F2F2F2");
    QTest::newRow("navy light text") << hex("000080") << hex("E5E5FF");
    QTest::newRow("pale yellow dark text") << hex("FFFF99") << hex("2E2E00");
}

void tst_Suggestions::headerText()
{
    QFETCH(TColor, header);
    QFETCH(TColor, text);
    QCOMPARE(HeaderTextColor(header), text);
}

void tst_Suggestions::bodyText()
{
    QCOMPARE(BodyTextColor(hex("FFFFFF")), clBlack);
    QCOMPARE(BodyTextColor(hex("949494")), clBlack);
    QCOMPARE(BodyTextColor(hex("939393")), clWhite);
    QCOMPARE(BodyTextColor(hex("0C8FCE")), clWhite);
}

void tst_Suggestions::namesAndIndices()
{
    QCOMPARE(SuggestionIndexFromName(QStringLiteral("mono-muted")), 4);
    QCOMPARE(SuggestionIndexFromName(QStringLiteral("grey")), -1);
    QCOMPARE(SuggestionFromIndex(10), SuggestionStyle::Complementary);
    // The complementary style of the orange base shows five swatches.
    QCOMPARE(joined(SuggestionSwatchColors(scheme("FF6600", SuggestionStyle::Complementary))),
             QStringLiteral("FF6600,0C8FCE,F7E2D4,FFFFFF,000000"));
}

TV_REGISTER_TEST(tst_Suggestions);
#include "tst_Suggestions.moc"
