#include "HSLUtils.h"
#include "HarmonyPicture.h"
#include "SuggestionPicture.h"
#include "VariationBoxes.h"
#include "WheelPicture.h"
#include "WorkspacePaint.h"
#include "paint/GdiPaint.h"
#include "paint/QtColor.h"
#include "paint/SystemColors.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <numbers>

#include "TestRegistry.h"

using namespace Workspace;

namespace {
TColor hex(const char* text) { return *HSLUtils::HexToColor(QString::fromLatin1(text)); }
TColor px(const QImage& img, QPoint p) { return FromQRgb(img.pixel(p)); }

// The pixel at radius r in direction deg (counter-clockwise, y up) around c.
QPoint polar(QPoint c, double r, double deg)
{
    const double rad = deg * std::numbers::pi / 180;
    return QPoint(int(std::lround(c.x() + r * std::cos(rad))), int(std::lround(c.y() - r * std::sin(rad))));
}

QImage render(const WheelState& s)
{
    QImage img(s.size, QImage::Format_RGB32);
    QPainter p(&img);
    renderWheel(p, s);
    return img;
}
} // namespace

class tst_Pictures : public QObject {
    Q_OBJECT
private slots:
    void wheelInteriors_data();
    void wheelInteriors();
    void wheelHitTestFirstMatch();
    void harmonyMembers_data();
    void harmonyMembers();
    void harmonyMonochromaticCentre();
    void suggestionAreas_data();
    void suggestionAreas();
    void boxes();
    void hatch();
};

void tst_Pictures::wheelInteriors_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("ryb");
    QTest::newRow("orange ryb") << "FF6600" << true;
    QTest::newRow("teal rgb") << "1F8A70" << false;
    QTest::newRow("light ryb") << "FFCCCC" << true;
}

// Every wedge and spoke has its entry's exact colour over its interior, and
// the pixel maps back to that entry.
void tst_Pictures::wheelInteriors()
{
    QFETCH(QString, base);
    QFETCH(bool, ryb);
    WheelState s;
    s.colors = GenerateWheelColors(*HSLUtils::HexToColor(base), ryb);
    const QImage img = render(s);
    const QPoint c(131, 131);
    for (int i = 0; i < 12; ++i) {
        const double mid = WedgeStart(i) + 15;
        for (double r : {60.0, 85.0, 105.0})
            for (double d : {-10.0, 0.0, 10.0})
                QCOMPARE(px(img, polar(c, r, mid + d)), s.colors[size_t(i)]);
        // Only the base wedge reaches beyond radius 110.
        const TColor rim = px(img, polar(c, 116, mid));
        QCOMPARE(rim == s.colors[0], i == 0);
    }
    const int spokeMid[6] = {90, 30, -30, -90, -150, -210};
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(px(img, polar(c, 45, spokeMid[k])), s.colors[size_t(12 + k)]);
        QCOMPARE(px(img, polar(c, 29, spokeMid[k])), s.colors[size_t(18 + k)]);
    }
    QCOMPARE(px(img, c), clWhite);
    QCOMPARE(px(img, polar(c, 15, 45)), clWhite);
    // Outside the wheel: the face colour or its hatch.
    const TColor corner = px(img, QPoint(2, 250));
    QVERIFY(corner == SystemColors::BtnFace || corner == HatchColor());
}

void tst_Pictures::wheelHitTestFirstMatch()
{
    TWheelColors w = GenerateWheelRGB(hex("808080"));
    QCOMPARE(WheelEntryForPixel(hex("808080"), w), std::optional<int>(0));
    QCOMPARE(WheelEntryForPixel(hex("999999"), w), std::optional<int>(12));
    QCOMPARE(WheelEntryForPixel(hex("B3B3B3"), w), std::optional<int>(18));
    QCOMPARE(WheelEntryForPixel(hex("123456"), w), std::nullopt);
    w[3] = clWhite;
    QCOMPARE(WheelEntryForPixel(clWhite, w), std::nullopt);
    w[4] = clBlack;
    QCOMPARE(WheelEntryForPixel(clBlack, w), std::nullopt);
}

void tst_Pictures::harmonyMembers_data()
{
    QTest::addColumn<int>("type");
    for (int t = 0; t < kHarmonyTypeCount; ++t)
        QTest::newRow(kHarmonies[size_t(t)].cliName) << t;
}

// Members stand out of the faded ring in their own colour; the ring shows
// no entry's exact colour.
void tst_Pictures::harmonyMembers()
{
    QFETCH(int, type);
    HarmonyWheelState s;
    s.colors = GenerateWheelRYB(hex("FF6600"));
    s.type = HarmonyType(type);
    QImage img(s.size, QImage::Format_RGB32);
    {
        QPainter p(&img);
        renderHarmonyWheel(p, s);
    }
    const QPoint c(kHarmonyCentreX, kHarmonyCentreY);
    const HarmonyInfo& info = kHarmonies[size_t(type)];
    for (int i = 0; i < 12; ++i) {
        // Screen-clockwise angle of the sector's middle, as a y-up angle.
        const double mid = -(HarmonySectorStart(i) + 15);
        bool member = false;
        for (int m = 0; m < info.memberCount; ++m)
            member = member || info.member[m] == i;
        const TColor outer = px(img, polar(c, 88, mid));
        QCOMPARE(outer == s.colors[size_t(i)], member);
        const TColor inner = px(img, polar(c, 65, mid));
        if (member)
            QCOMPARE(inner, s.colors[size_t(i)]);
        else
            QCOMPARE(WheelEntryForPixel(inner, s.colors), std::nullopt);
    }
}

void tst_Pictures::harmonyMonochromaticCentre()
{
    HarmonyWheelState s;
    s.colors = GenerateWheelRYB(hex("336699"));
    s.type = HarmonyType::Monochromatic;
    QImage img(s.size, QImage::Format_RGB32);
    {
        QPainter p(&img);
        renderHarmonyWheel(p, s);
    }
    const QPoint c(kHarmonyCentreX, kHarmonyCentreY);
    QCOMPARE(px(img, polar(c, 36, 90)), s.colors[12]);
    QCOMPARE(px(img, polar(c, 23, 90)), s.colors[18]);
    QCOMPARE(px(img, polar(c, 10, 90)), clWhite);
    QCOMPARE(px(img, polar(c, 36, 45)), clWhite);
}

void tst_Pictures::suggestionAreas_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("base");
    for (int st = 0; st < kSuggestionStyleCount; ++st)
        for (const char* b : {"FF6600", "CCE0FF"})
            QTest::addRow("%s %s", kSuggestionStyles[size_t(st)].cliName, b) << st << QString::fromLatin1(b);
}

void tst_Pictures::suggestionAreas()
{
    QFETCH(int, style);
    QFETCH(QString, base);
    SuggestionState s;
    s.scheme = ComputeSuggestion(SuggestionStyle(style), GenerateWheelRYB(*HSLUtils::HexToColor(base)));
    QImage img(s.size, QImage::Format_RGB32);
    {
        QPainter p(&img);
        renderSuggestion(p, s);
    }
    const SuggestedScheme& sc = s.scheme;
    QCOMPARE(px(img, QPoint(22, 150)), sc.page);
    QCOMPARE(px(img, QPoint(30, 140)), sc.links);
    QCOMPARE(px(img, QPoint(91, 140)), sc.undividedBody() ? sc.links : sc.page);
    QCOMPARE(px(img, QPoint(220, 140)), sc.content);
    if (sc.gradient) {
        QCOMPARE(px(img, QPoint(26, 22)), sc.page);
        QCOMPARE(px(img, QPoint(100, 22)), sc.header);
        QCOMPARE(px(img, QPoint(100, 51)), sc.gradientEnd);
    } else {
        QCOMPARE(px(img, QPoint(26, 22)), px(img, QPoint(25, 22)));
        QCOMPARE(px(img, QPoint(27, 23)), sc.header);
        QCOMPARE(px(img, QPoint(230, 50)), sc.header);
    }
}

void tst_Pictures::boxes()
{
    QImage img(QSize(45, 45), QImage::Format_RGB32);
    {
        QPainter p(&img);
        renderVariationBox(p, img.size(), hex("123456"));
    }
    QCOMPARE(px(img, QPoint(0, 0)), SystemColors::BtnShadow);
    QCOMPARE(px(img, QPoint(44, 44)), clWhite);
    QCOMPARE(px(img, QPoint(1, 1)), clBlack);
    QCOMPARE(px(img, QPoint(43, 43)), clBlack);
    QCOMPARE(px(img, QPoint(5, 5)), hex("123456"));
    QCOMPARE(px(img, QPoint(42, 42)), hex("123456"));
    // The grid: every box sits on the 4 x 4 grid, no two on one cell, and
    // the outer ring runs clockwise through entries 0..11.
    QSet<int> cells;
    for (const VariationBox& b : kVariationBoxes)
        cells.insert(b.row * 4 + b.column);
    QCOMPARE(cells.size(), 16);
    QCOMPARE(kVariationBoxes[13].entry, 18);
    QCOMPARE(kVariationBoxes[15].entry, 21);
}

void tst_Pictures::hatch()
{
    QCOMPARE(HatchColor(), MakeColor(247, 247, 247));
    QImage img(QSize(20, 20), QImage::Format_RGB32);
    {
        QPainter p(&img);
        PaintHatchedBackground(p, img.size());
    }
    // The line from (0, 6) to (6, 0) excludes its end point.
    QCOMPARE(px(img, QPoint(0, 6)), HatchColor());
    QCOMPARE(px(img, QPoint(3, 3)), HatchColor());
    QCOMPARE(px(img, QPoint(6, 0)), SystemColors::BtnFace);
    QCOMPARE(px(img, QPoint(1, 1)), SystemColors::BtnFace);

    // The whole hatch equals the classic canvas's lines, end points excluded.
    QImage big(QSize(262, 261), QImage::Format_RGB32), ref(big.size(), QImage::Format_RGB32);
    {
        QPainter p(&big);
        PaintHatchedBackground(p, big.size());
        QPainter r(&ref);
        GdiPaint::FillRect(r, 0, 0, 262, 261, SystemColors::BtnFace);
        for (int d = 1; d < 2 * 262; d += 5)
            GdiPaint::Line(r, 0, d, d, 0, HatchColor());
    }
    QCOMPARE(big, ref);
}

TV_REGISTER_TEST(tst_Pictures);
#include "tst_Pictures.moc"
