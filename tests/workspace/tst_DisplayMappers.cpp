// Every workspace view draws through the display mapper it is given: the
// picture, the swatches and the hit test follow it, the colours a view hands
// on stay as stored, and the variation boxes keep their true colours.
#include "HSLUtils.h"
#include "PalettePicture.h"
#include "Suggestions.h"
#include "THarmonyWheelView.h"
#include "TPaletteView.h"
#include "TSuggestionView.h"
#include "TSwatchBox.h"
#include "TWheelView.h"
#include "TfraBoxes.h"
#include "TfraHarmonies.h"
#include "TfraSuggested.h"
#include "VariationBoxes.h"
#include "WheelPicture.h"
#include "paint/QtColor.h"

#include <QComboBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <numbers>

#include "TestRegistry.h"

using namespace Workspace;

Q_DECLARE_METATYPE(TColor)

namespace {
TColor hex(const char* text) { return *HSLUtils::HexToColor(QString::fromLatin1(text)); }

QPoint wedgePoint(int entry, double r = 80)
{
    const double deg = (WedgeStart(entry) + 15) * std::numbers::pi / 180;
    return QPoint(int(std::lround(131 + r * std::cos(deg))), int(std::lround(131 - r * std::sin(deg))));
}

TColor pixelOf(TColorView* view, QPoint p) { return view->pixelAt(p); }
} // namespace

class tst_DisplayMappers : public QObject {
    Q_OBJECT
    // Rows shared by every test: a simulation mode (0 is normal vision).
    static void modes()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("normal") << 0;
        QTest::newRow("protanopia") << 1;
        QTest::newRow("deuteranomaly") << 5;
        QTest::newRow("atypical mono") << 8;
    }

private slots:
    void wheelDrawsAndPicksThroughMapper_data() { modes(); }
    void wheelDrawsAndPicksThroughMapper();
    void harmoniesForwardToWheelAndSwatches_data() { modes(); }
    void harmoniesForwardToWheelAndSwatches();
    void suggestionsForwardToPageAndSwatches_data() { modes(); }
    void suggestionsForwardToPageAndSwatches();
    void paletteRebuildsThroughMapper_data() { modes(); }
    void paletteRebuildsThroughMapper();
    void variationBoxesKeepTrueColours_data() { modes(); }
    void variationBoxesKeepTrueColours();
};

void tst_DisplayMappers::wheelDrawsAndPicksThroughMapper()
{
    QFETCH(int, mode);
    const TDisplayMapper display(mode);
    TWheelView wheel;
    const TWheelColors colors = GenerateWheelRYB(hex("FF6600"));
    wheel.setColors(colors);
    wheel.setDisplayMapper(display);
    QCOMPARE(wheel.displayMapper(), display);
    for (int entry : {0, 3, 6, 11})
        QCOMPARE(pixelOf(&wheel, wedgePoint(entry, entry == 0 ? 115 : 80)), display(colors[size_t(entry)]));
    // A click on a simulated wedge commits the wheel's true colour.
    QSignalSpy committed(&wheel, &TColorView::colorCommitted);
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, wedgePoint(6));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.first().first().value<TColor>(), colors[6]);
    // New colours keep the mapper; normal vision brings the true colours back.
    const TWheelColors blue = GenerateWheelRYB(hex("0000FF"));
    wheel.setColors(blue);
    QCOMPARE(pixelOf(&wheel, wedgePoint(4)), display(blue[4]));
    wheel.setDisplayMapper(TDisplayMapper());
    QCOMPARE(pixelOf(&wheel, wedgePoint(4)), blue[4]);
}

void tst_DisplayMappers::harmoniesForwardToWheelAndSwatches()
{
    QFETCH(int, mode);
    const TDisplayMapper display(mode);
    TfraHarmonies fra;
    fra.show();
    fra.setDisplayMapper(display);
    const TWheelColors colors = GenerateWheelRYB(hex("FF6600"));
    fra.setColors(colors); // set after the mapper: a recompute keeps it
    fra.setType(HarmonyType::Tetrads);
    auto* wheel = fra.findChild<THarmonyWheelView*>(QStringLiteral("pbHarmWheel"));
    QCOMPARE(wheel->state().display, display);
    // Entry 6 stands straight down from the centre (108, 103).
    QCOMPARE(pixelOf(wheel, QPoint(108, 103 + 88)), display(colors[6]));
    const QList<TColor> expected{display(colors[0]), display(colors[3]), display(colors[6]), display(colors[9])};
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(fra.swatch(n)->pixelAt(QPoint(5, 5)), expected[n - 1]);
    QSignalSpy added(&fra, &TfraHarmonies::addAllRequested);
    QTest::mouseClick(fra.findChild<QToolButton*>(QStringLiteral("cmdAddAllFavs")), Qt::LeftButton);
    QCOMPARE(added.first().first().value<QList<TColor>>(), expected);

    // A change of mode repaints what is already shown.
    fra.setDisplayMapper(TDisplayMapper());
    QCOMPARE(pixelOf(wheel, QPoint(108, 103 + 88)), colors[6]);
    QCOMPARE(fra.swatch(4)->pixelAt(QPoint(5, 5)), colors[9]);
}

void tst_DisplayMappers::suggestionsForwardToPageAndSwatches()
{
    QFETCH(int, mode);
    const TDisplayMapper display(mode);
    TfraSuggested fra;
    fra.show();
    fra.setColors(GenerateWheelRYB(hex("FF6600")));
    fra.setDisplayMapper(display);
    const SuggestedScheme& s = fra.scheme();
    auto* page = fra.findChild<TSuggestionView*>(QStringLiteral("pbSug"));
    // Inside the header bar, right of its title; inside the link column below the links.
    QCOMPARE(pixelOf(page, QPoint(221, 45)), display(s.header));
    QCOMPARE(pixelOf(page, QPoint(60, 140)), display(s.links));
    QCOMPARE(fra.scheme().header, hex("FF6600")); // the scheme itself stays true
    const QList<TColor> swatches = SuggestionSwatchColors(s);
    QList<TColor> shown;
    for (TColor c : swatches)
        shown.append(display(c));
    QCOMPARE(fra.shownSwatchColors(), shown);
    fra.setStyle(SuggestionStyle::Gray);
    QCOMPARE(pixelOf(page, QPoint(221, 45)), display(fra.scheme().header));
}

void tst_DisplayMappers::paletteRebuildsThroughMapper()
{
    QFETCH(int, mode);
    const TDisplayMapper display(mode);
    TPaletteView pal;
    pal.show();
    const QImage before = pal.image();
    pal.setDisplayMapper(display);
    QCOMPARE(pal.displayMapper(), display);
    for (int n : {1, 37, 100, 180, 215}) {
        const QPoint inside = WebsafeSquareOrigin(n) + QPoint(4, 4);
        QCOMPARE(FromQRgb(pal.image().pixel(inside)), display(WebsafeSquareColor(n)));
    }
    // A click picks the colour as displayed.
    QSignalSpy committed(&pal, &TPaletteView::colorCommitted);
    const QPoint square = WebsafeSquareOrigin(100) + QPoint(4, 4);
    QTest::mouseClick(&pal, Qt::LeftButton, {}, square);
    QCOMPARE(committed.first().first().value<TColor>(), display(WebsafeSquareColor(100)));
    pal.setKind(PaletteKind::Spectrum); // a new kind keeps the mapper
    QCOMPARE(FromQRgb(pal.image().pixel(100, 20)), display(SpectrumColor(98, 29, false)));
    pal.setDisplayMapper(TDisplayMapper());
    pal.setKind(PaletteKind::Websafe);
    QCOMPARE(pal.image(), before);
}

void tst_DisplayMappers::variationBoxesKeepTrueColours()
{
    QFETCH(int, mode);
    const TDisplayMapper display(mode);
    TfraBoxes fra;
    const TWheelColors colors = GenerateWheelRYB(hex("FF6600"));
    fra.setColors(colors);
    for (int n = 1; n <= 16; ++n)
        fra.box(n)->setDisplayMapper(display);
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(fra.box(n)->pixelAt(QPoint(20, 20)), colors[size_t(kVariationBoxes[size_t(n - 1)].entry)]);
    // The same colour in a swatch-style box is simulated.
    TSwatchBox swatch(QStringLiteral("pbHarmony1"), QSize(30, 29), TSwatchBox::Style::Swatch);
    swatch.setColor(colors[2]);
    swatch.setDisplayMapper(display);
    QCOMPARE(swatch.pickedColor(), std::optional<TColor>(display(colors[2])));
}

TV_REGISTER_TEST(tst_DisplayMappers);
#include "tst_DisplayMappers.moc"
