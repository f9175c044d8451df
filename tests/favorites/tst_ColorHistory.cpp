#include "TColorHistory.h"

#include <QSignalSpy>
#include <QTest>

#include "TestRegistry.h"

namespace {

// Stands in for the main window: SetBaseColor with its no-change check and
// the history hook, as the studio wires them.
struct BaseColorOwner {
    TColorHistory history;
    TColor base{};
    bool visible = true;
    int applied = 0;

    BaseColorOwner()
    {
        QObject::connect(&history, &TColorHistory::applyRequested, [this](TColor c) {
            ++applied;
            SetBaseColor(c);
        });
    }
    void SetBaseColor(TColor c)
    {
        if (c == base && visible && !history.isNavigating() && history.count() > 0)
            return;
        history.baseColorSet(c);
        base = c;
    }
};

const TColor A = MakeColor(1, 0, 0), B = MakeColor(2, 0, 0), C = MakeColor(3, 0, 0), D = MakeColor(4, 0, 0);

} // namespace

class tst_ColorHistory : public QObject {
    Q_OBJECT
private slots:
    void backTwiceThenNewColorCutsForward();
    void sameColorAddsNothing();
    void colorMayRecur();
    void backWithSingleEntry();
    void forwardSteps();
    void chooseJumps();
    void clearHistory();
    void disableNavigationAfterStartup();
    void navigatingFlagSuppressesRecording();
};

void tst_ColorHistory::backTwiceThenNewColorCutsForward()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.SetBaseColor(B);
    o.SetBaseColor(C);
    QCOMPARE(o.history.count(), 3);
    QVERIFY(o.history.backEnabled());
    QVERIFY(!o.history.forwardEnabled());
    o.history.Back();
    o.history.Back();
    QCOMPARE(o.base, A);
    QCOMPARE(o.history.position(), 0);
    QVERIFY(!o.history.backEnabled());
    QVERIFY(o.history.forwardEnabled());
    QCOMPARE(o.history.count(), 3); // stepping does not record
    o.SetBaseColor(D);
    QCOMPARE(o.history.entries(), (QList<TColor>{A, D}));
    QCOMPARE(o.history.position(), 1);
    QVERIFY(!o.history.forwardEnabled());
    QVERIFY(o.history.backEnabled());
}

void tst_ColorHistory::sameColorAddsNothing()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.SetBaseColor(A);
    QCOMPARE(o.history.count(), 1);
}

void tst_ColorHistory::colorMayRecur()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.SetBaseColor(B);
    o.SetBaseColor(A);
    QCOMPARE(o.history.entries(), (QList<TColor>{A, B, A}));
}

void tst_ColorHistory::backWithSingleEntry()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.history.DisableNavigation();
    o.history.Back();
    QCOMPARE(o.applied, 0);
    QVERIFY(!o.history.backEnabled());
    QVERIFY(!o.history.forwardEnabled());
    o.history.Forward();
    QCOMPARE(o.applied, 0);
}

void tst_ColorHistory::forwardSteps()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.SetBaseColor(B);
    o.SetBaseColor(C);
    o.history.Back();
    o.history.Back();
    o.history.Forward();
    QCOMPARE(o.base, B);
    QVERIFY(o.history.backEnabled());
    QVERIFY(o.history.forwardEnabled());
    o.history.Forward();
    QCOMPARE(o.base, C);
    QVERIFY(!o.history.forwardEnabled());
    QVERIFY(o.history.backEnabled());
    o.history.Forward(); // at the end: nothing
    QCOMPARE(o.applied, 4);
}

void tst_ColorHistory::chooseJumps()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.SetBaseColor(B);
    o.SetBaseColor(C);
    QSignalSpy nav(&o.history, &TColorHistory::navigationChanged);
    o.history.Choose(0);
    QCOMPARE(o.base, A);
    QCOMPARE(o.history.position(), 0);
    QCOMPARE(o.history.count(), 3);
    QVERIFY(!o.history.backEnabled());
    QVERIFY(o.history.forwardEnabled());
    QVERIFY(nav.count() >= 1);
    o.history.Choose(7); // no such entry
    QCOMPARE(o.history.position(), 0);
}

void tst_ColorHistory::clearHistory()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.SetBaseColor(B);
    const TColor base = MakeColor(0x33, 0x66, 0x99);
    o.SetBaseColor(base);
    o.history.Back();
    o.history.ClearHistory(o.base);
    QCOMPARE(o.history.entries(), QList<TColor>{B});
    QCOMPARE(o.history.position(), 0);
    QVERIFY(!o.history.backEnabled());
    QVERIFY(!o.history.forwardEnabled());
    o.history.ClearHistory(base);
    QCOMPARE(o.history.entries(), QList<TColor>{base});
}

void tst_ColorHistory::disableNavigationAfterStartup()
{
    BaseColorOwner o;
    o.visible = false;
    o.SetBaseColor(A);
    o.SetBaseColor(B); // e.g. a scheme opened from the command line
    QVERIFY(o.history.backEnabled());
    o.history.DisableNavigation();
    QVERIFY(!o.history.backEnabled());
    QVERIFY(!o.history.forwardEnabled());
    o.visible = true;
    o.SetBaseColor(C);
    QVERIFY(o.history.backEnabled());
}

void tst_ColorHistory::navigatingFlagSuppressesRecording()
{
    BaseColorOwner o;
    o.SetBaseColor(A);
    o.history.setNavigating(true); // e.g. the wheel-mode switch re-applying the colour
    o.SetBaseColor(A);
    QCOMPARE(o.history.count(), 1);
    QVERIFY(!o.history.isNavigating());
    o.SetBaseColor(B);
    QCOMPARE(o.history.count(), 2);
}

TV_REGISTER_TEST(tst_ColorHistory);
#include "tst_ColorHistory.moc"
