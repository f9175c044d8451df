#include "HSLUtils.h"
#include "TPaletteView.h"
#include "TSwatchBox.h"
#include "TWheelView.h"
#include "TfraBoxes.h"
#include "TfraHarmonies.h"
#include "TfraSuggested.h"
#include "WheelPicture.h"
#include "paint/ColorMime.h"

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

// The host's side of a commit: the committed colour becomes the base and
// the wheel is generated again from it.
struct MiniHost {
    TWheelView* wheel;
    bool ryb = true;
    void setBase(TColor c) { wheel->setColors(GenerateWheelColors(c, ryb)); }
};

void press(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(w, b, {}, p); }
void release(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(w, b, {}, p); }
void moveHeld(QWidget* w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

class tst_WorkspaceViews : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wheelClickCommitsWedge_data();
    void wheelClickCommitsWedge();
    void wheelClickOnBaseOrCentreCommitsNothing();
    void wheelRightButtonOpensMenu();
    void wheelDragAfterTenPixels();
    void wheelHandCursor();
    void wheelGreyReportsFirstEntry();
    void harmoniesSwatchVisibility();
    void harmoniesSwatchClickAndAddAll();
    void harmonyWheelClickCommitsMember();
    void suggestedSwatchesAndAddAll();
    void boxesShowEntries();
    void boxesGreyRgb();
    void paletteClicksAndHover();

private:
    QList<QMimeData*> m_drags;
};

void tst_WorkspaceViews::init()
{
    m_drags.clear();
    TColorView::setDragRunner([this](QObject*, QMimeData* data) { m_drags.append(data); });
}

void tst_WorkspaceViews::cleanup()
{
    qDeleteAll(m_drags);
    m_drags.clear();
    TColorView::setDragRunner({});
}

void tst_WorkspaceViews::wheelClickCommitsWedge_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("newBase");
    // Orange's RYB wheel: entry 3 is F9FF00, entry 6 0C8FCE, entry 11 FF0F00;
    // spokes: entry 15 (spoke 3) 1BACF2.
    QTest::newRow("wedge 3") << 3 << "F9FF00";
    QTest::newRow("wedge 6") << 6 << "0C8FCE";
    QTest::newRow("wedge 11") << 11 << "FF0F00";
    QTest::newRow("spoke 15") << 15 << "1BACF2";
    QTest::newRow("spoke 20") << 20 << "D4F954";
}

void tst_WorkspaceViews::wheelClickCommitsWedge()
{
    QFETCH(int, entry);
    QFETCH(QString, newBase);
    TWheelView wheel;
    QCOMPARE(wheel.objectName(), QStringLiteral("picWheel"));
    QCOMPARE(wheel.size(), QSize(262, 262));
    MiniHost host{&wheel};
    host.setBase(hex("FF6600"));
    QSignalSpy pressed(&wheel, &TColorView::colorPressed);
    QSignalSpy committed(&wheel, &TColorView::colorCommitted);
    connect(&wheel, &TColorView::colorCommitted, &wheel, [&host](TColor c) { host.setBase(c); });

    QPoint at;
    if (entry < 12) {
        at = wedgePoint(entry);
    } else {
        const int k = (entry - 12) % 6;
        const double r = entry < 18 ? 45 : 29;
        const double deg = (90 - 60 * k) * std::numbers::pi / 180;
        at = QPoint(int(std::lround(131 + r * std::cos(deg))), int(std::lround(131 - r * std::sin(deg))));
    }
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, at);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(HSLUtils::ColorToHex(committed.first().first().value<TColor>()), newBase);
    QCOMPARE(HSLUtils::ColorToHex(wheel.colors()[0]), newBase);
    // The wheel was painted anew: the top wedge now shows the new base.
    QCOMPARE(wheel.pixelAt(wedgePoint(0, 115)), wheel.colors()[0]);
}

void tst_WorkspaceViews::wheelClickOnBaseOrCentreCommitsNothing()
{
    TWheelView wheel;
    wheel.setColors(GenerateWheelRYB(hex("FF6600")));
    QSignalSpy pressed(&wheel, &TColorView::colorPressed);
    QSignalSpy committed(&wheel, &TColorView::colorCommitted);
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, wedgePoint(0, 116));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(committed.count(), 0); // the base colour again
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, QPoint(131, 131)); // white centre
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, QPoint(3, 3));     // background
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(committed.count(), 0);
}

void tst_WorkspaceViews::wheelRightButtonOpensMenu()
{
    TWheelView wheel;
    wheel.setColors(GenerateWheelRYB(hex("FF6600")));
    QSignalSpy pressed(&wheel, &TColorView::colorPressed);
    QSignalSpy menu(&wheel, &TColorView::contextMenuRequested);
    QSignalSpy committed(&wheel, &TColorView::colorCommitted);
    press(&wheel, wedgePoint(6), Qt::RightButton);
    release(&wheel, wedgePoint(6), Qt::RightButton);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.first().first().value<TColor>(), hex("0C8FCE"));
    QCOMPARE(menu.first().at(1).toPoint(), wheel.mapToGlobal(wedgePoint(6)));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(committed.count(), 0);
}

void tst_WorkspaceViews::wheelDragAfterTenPixels()
{
    TWheelView wheel;
    wheel.setColors(GenerateWheelRYB(hex("FF6600")));
    QSignalSpy started(&wheel, &TColorView::dragStarted);
    QSignalSpy finished(&wheel, &TColorView::dragFinished);
    QSignalSpy committed(&wheel, &TColorView::colorCommitted);

    // Up to 10 pixels is still a click.
    const QPoint a = wedgePoint(4);
    press(&wheel, a);
    moveHeld(&wheel, a + QPoint(5, 5));
    release(&wheel, a + QPoint(5, 5));
    QCOMPARE(started.count(), 0);
    QCOMPARE(committed.count(), 1);

    // More than 10 pixels carries the colour and commits nothing.
    press(&wheel, a);
    moveHeld(&wheel, a + QPoint(6, 5));
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.count(), 1);
    release(&wheel, a + QPoint(6, 5));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(m_drags.size(), 1);
    QCOMPARE(ColorMime::ColorOf(m_drags.first()), std::optional<TColor>(hex("AFDF08")));
    QCOMPARE(ColorMime::SourceOf(m_drags.first()), QStringLiteral("wheel"));
}

void tst_WorkspaceViews::wheelHandCursor()
{
    TWheelView wheel;
    wheel.setColors(GenerateWheelRYB(hex("FF6600")));
    wheel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wheel));
    QTest::mouseMove(&wheel, wedgePoint(2));
    QCOMPARE(wheel.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&wheel, QPoint(131, 131));
    QCOMPARE(wheel.cursor().shape(), Qt::ArrowCursor);
}

// A grey base in RGB mode repeats the grey twelve times; every wedge
// reports entry 0, and clicking any of them commits nothing new.
void tst_WorkspaceViews::wheelGreyReportsFirstEntry()
{
    TWheelView wheel;
    wheel.setColors(GenerateWheelRGB(hex("808080")));
    for (int i = 0; i < 12; ++i)
        QCOMPARE(wheel.entryAt(wedgePoint(i)), std::optional<int>(0));
    QSignalSpy committed(&wheel, &TColorView::colorCommitted);
    QTest::mouseClick(&wheel, Qt::LeftButton, {}, wedgePoint(7));
    QCOMPARE(committed.count(), 0);
}

void tst_WorkspaceViews::harmoniesSwatchVisibility()
{
    TfraHarmonies fra;
    fra.show();
    fra.setColors(GenerateWheelRYB(hex("FF6600")));
    auto* types = fra.findChild<QComboBox*>(QStringLiteral("cboTypes"));
    QVERIFY(types);
    QCOMPARE(types->count(), 6);
    QCOMPARE(types->itemText(1), QStringLiteral("Split-Complements"));
    auto visible = [&fra] {
        QString v;
        for (int n = 1; n <= 4; ++n)
            v += fra.findChild<TSwatchBox*>(QStringLiteral("pbHarmony%1").arg(n))->isVisible() ? u'1' : u'0';
        return v;
    };
    QCOMPARE(visible(), QStringLiteral("1100"));
    const QString expected[6] = {"1100", "1110", "1110", "1111", "1110", "1110"};
    for (int t : {3, 0, 1, 2, 4, 5, 3, 0}) {
        types->setCurrentIndex(t);
        QCOMPARE(visible(), expected[t]);
    }
    // Analogous: the base in the middle swatch.
    types->setCurrentIndex(4);
    QCOMPARE(fra.visibleSwatchColors(), (QList<TColor>{hex("FF0F00"), hex("FF6600"), hex("FF9F00")}));
}

void tst_WorkspaceViews::harmoniesSwatchClickAndAddAll()
{
    TfraHarmonies fra;
    fra.show();
    fra.setColors(GenerateWheelRYB(hex("FF6600")));
    fra.findChild<QComboBox*>(QStringLiteral("cboTypes"))->setCurrentIndex(3);
    QSignalSpy committed(&fra, &TfraHarmonies::colorCommitted);
    QSignalSpy added(&fra, &TfraHarmonies::addAllRequested);
    auto* sw2 = fra.findChild<TSwatchBox*>(QStringLiteral("pbHarmony2"));
    QCOMPARE(sw2->size(), QSize(30, 29));
    QCOMPARE(sw2->mapTo(&fra, QPoint(0, 0)), QPoint(218, 75));
    QTest::mouseClick(sw2, Qt::LeftButton, {}, QPoint(15, 15));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.first().first().value<TColor>(), hex("F9FF00"));
    auto* add = fra.findChild<QToolButton*>(QStringLiteral("cmdAddAllFavs"));
    QCOMPARE(add->toolTip(), QStringLiteral("Add all Harmonies to Favorites"));
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.first().first().value<QList<TColor>>(),
             (QList<TColor>{hex("FF6600"), hex("F9FF00"), hex("0C8FCE"), hex("890CCE")}));

    // Grey base, RGB mode, Monochromatic: the grey and two lighter greys.
    fra.setColors(GenerateWheelRGB(hex("808080")));
    fra.findChild<QComboBox*>(QStringLiteral("cboTypes"))->setCurrentIndex(5);
    QCOMPARE(fra.visibleSwatchColors(), (QList<TColor>{hex("808080"), hex("999999"), hex("B3B3B3")}));
}

void tst_WorkspaceViews::harmonyWheelClickCommitsMember()
{
    TfraHarmonies fra;
    fra.show();
    fra.setColors(GenerateWheelRYB(hex("FF6600")));
    auto* wheel = fra.findChild<TColorView*>(QStringLiteral("pbHarmWheel"));
    QVERIFY(wheel);
    QSignalSpy committed(&fra, &TfraHarmonies::colorCommitted);
    // Entry 6 sits straight down, below the centre (108, 103).
    QTest::mouseClick(wheel, Qt::LeftButton, {}, QPoint(108, 103 + 88));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.first().first().value<TColor>(), hex("0C8FCE"));
    // A faded ring sector is not pickable.
    QTest::mouseClick(wheel, Qt::LeftButton, {}, QPoint(108 + 65, 103));
    QCOMPARE(committed.count(), 1);
}

void tst_WorkspaceViews::suggestedSwatchesAndAddAll()
{
    TfraSuggested fra;
    fra.show();
    fra.setColors(GenerateWheelRYB(hex("FF6600")));
    auto* types = fra.findChild<QComboBox*>(QStringLiteral("cboTypes"));
    QCOMPARE(types->count(), 10);
    QCOMPARE(types->itemText(2), QStringLiteral("Monochromatic [light]"));
    QVERIFY(fra.findChild<QWidget*>(QStringLiteral("pbSug")));
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(fra.findChild<TSwatchBox*>(QStringLiteral("pbHarmony%1").arg(n))->isEnabled(), n <= 5);
    auto* sw6 = fra.findChild<TSwatchBox*>(QStringLiteral("pbHarmony6"));
    QCOMPARE(sw6->mapTo(&fra, QPoint(0, 0)), QPoint(205, 167));
    QSignalSpy committed(&fra, &TfraSuggested::colorCommitted);
    QTest::mouseClick(sw6, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(committed.count(), 0);
    QTest::mouseClick(fra.findChild<TSwatchBox*>(QStringLiteral("pbHarmony2")), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.first().first().value<TColor>(), hex("0C8FCE"));

    QSignalSpy added(&fra, &TfraSuggested::addAllRequested);
    QTest::mouseClick(fra.findChild<QToolButton*>(QStringLiteral("cmdAddAllSuggFavs")), Qt::LeftButton);
    QCOMPARE(added.first().first().value<QList<TColor>>(),
             (QList<TColor>{hex("FF6600"), hex("0C8FCE"), hex("F7E2D4"), clWhite, clBlack}));

    types->setCurrentIndex(2); // the gradient end makes six
    for (int n = 1; n <= 6; ++n)
        QVERIFY(fra.findChild<TSwatchBox*>(QStringLiteral("pbHarmony%1").arg(n))->isEnabled());
}

void tst_WorkspaceViews::boxesShowEntries()
{
    TfraBoxes fra;
    const TWheelColors w = GenerateWheelRYB(hex("FF6600"));
    fra.setColors(w);
    QVERIFY(fra.findChild<QWidget*>(QStringLiteral("pbBG")));
    const int entries[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 18, 15, 21};
    for (int n = 1; n <= 16; ++n) {
        auto* box = fra.findChild<TSwatchBox*>(QStringLiteral("pbColors%1").arg(n));
        QVERIFY(box);
        QCOMPARE(box->pickedColor(), std::optional<TColor>(w[size_t(entries[n - 1])]));
    }
    auto* box16 = fra.findChild<TSwatchBox*>(QStringLiteral("pbColors16"));
    QCOMPARE(box16->mapTo(&fra, QPoint(0, 0)), QPoint(78, 139));
    QSignalSpy pressed(&fra, &TfraBoxes::colorPressed);
    QSignalSpy committed(&fra, &TfraBoxes::colorCommitted);
    QTest::mouseClick(box16, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(committed.first().first().value<TColor>(), w[21]);
    QTest::mouseClick(fra.findChild<TSwatchBox*>(QStringLiteral("pbColors1")), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(committed.count(), 1); // the base colour commits nothing
}

void tst_WorkspaceViews::boxesGreyRgb()
{
    TfraBoxes fra;
    fra.setColors(GenerateWheelRGB(hex("777777")));
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(fra.findChild<TSwatchBox*>(QStringLiteral("pbColors%1").arg(n))->pickedColor(),
                 std::optional<TColor>(hex("777777")));
}

void tst_WorkspaceViews::paletteClicksAndHover()
{
    TPaletteView pal;
    QCOMPARE(pal.objectName(), QStringLiteral("pbPalette"));
    QCOMPARE(pal.size(), QSize(257, 47));
    pal.show();
    QSignalSpy committed(&pal, &TPaletteView::colorCommitted);
    QSignalSpy hover(&pal, &TPaletteView::hoverColor);
    QSignalSpy left(&pal, &TPaletteView::hoverLeft);
    QTest::mouseClick(&pal, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.last().first().value<TColor>(), clBlack);
    QTest::mouseClick(&pal, Qt::LeftButton, {}, QPoint(16, 20)); // an outline
    QCOMPARE(committed.count(), 1);
    QTest::mouseClick(&pal, Qt::LeftButton, {}, QPoint(250, 40));
    QCOMPARE(committed.last().first().value<TColor>(), clWhite);

    QTest::mouseMove(&pal, QPoint(12, 5));
    QCOMPARE(hover.count(), 1);
    QCOMPARE(hover.last().first().value<TColor>(), MakeColor(0, 0, 51));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&pal, &leave);
    QCOMPARE(left.count(), 1);

    pal.setKind(PaletteKind::Spectrum);
    QTest::mouseClick(&pal, Qt::LeftButton, {}, QPoint(100, 20));
    QCOMPARE(committed.last().first().value<TColor>(), SpectrumColor(98, 29, false));
}

TV_REGISTER_TEST(tst_WorkspaceViews);
#include "tst_WorkspaceViews.moc"
