// The mixer and analyzer windows on their own, with a session and a
// stand-in for the main window's favourites view.
#include "HSLUtils.h"
#include "SettingsStore.h"
#include "TFavoritesList.h"
#include "TStudioSession.h"
#include "RecordingViews.h"
#include "TfrmAnalyzer.h"
#include "TfrmMixer.h"
#include "TfrmPantone.h"
#include "paint/ColorMime.h"
#include "paint/QtColor.h"

#include "TestRegistry.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QPushButton>
#include <QDir>
#include <QFile>

#include "TChannelBar.h"
#include "TPaintBox.h"

class tst_ToolWindows : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = std::make_unique<TStudioSession>();
        m_session->SetBaseColor(MakeColor(255, 102, 0));
        m_views = RecordingViews();
    }
    void numberBoxes_data();
    void numberBoxes();
    void barDragWritesTheBox();
    void stepsAndPath();
    void addAllScrollsToTheFirstAdded_data();
    void addAllScrollsToTheFirstAdded();
    void mixerPaintsTrueColours();
    void sampleAndReverse();
    void contrastPage();
    void lookupPicksTheColour_data();
    void lookupPicksTheColour();
    void lookupSwitchesAndFilters();
    void lookupNearestAndDrag();
    void lookupAbsentGuide();

private:
    SettingsStore settings() const { return SettingsStore(m_dir->filePath(QStringLiteral("tvstudio.ini"))); }
    std::unique_ptr<TfrmMixer> mixer()
    {
        return std::make_unique<TfrmMixer>(*m_session, m_views, settings(), m_session->baseColor());
    }
    template <class T = QWidget> static T* child(QObject* w, const char* name)
    {
        return w->findChild<T*>(QLatin1String(name));
    }
    // A lookup over one guide folder holding solid.csv and a further table.
    std::unique_ptr<TfrmPantone> lookup()
    {
        const QString folder = m_dir->filePath(QStringLiteral("guides"));
        QDir().mkpath(folder);
        QFile solid(folder + QStringLiteral("/solid.csv"));
        if (solid.open(QIODevice::WriteOnly))
            solid.write("Yellow,247,224,23\nWarm Red,249,66,58\nReflex Blue,23,23,150\nRed 032,239,43,45\n");
        solid.close();
        QFile extra(folder + QStringLiteral("/greys.csv"));
        if (extra.open(QIODevice::WriteOnly))
            extra.write("light,200,200,200\nmid,128,128,128\n");
        extra.close();
        auto w = std::make_unique<TfrmPantone>(*m_session, m_views, settings(), QStringList{folder}, folder);
        w->show();
        return w;
    }
    QPoint rowCentre(QListView* list, int row) { return list->visualRect(list->model()->index(row, 0)).center(); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TStudioSession> m_session;
    RecordingViews m_views;
};

void tst_ToolWindows::numberBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::newRow("above 255") << "txtR" << "999" << "255" << "255";
    QTest::newRow("256 exactly") << "txtG2" << "256" << "255" << "255";
    QTest::newRow("in range") << "txtB" << "128" << "128" << "";
    QTest::newRow("letters dropped") << "txtR2" << "1a2" << "12" << "";
    QTest::newRow("fourth digit dropped") << "txtB2" << "1234" << "123" << "";
}

// Typed into an emptied box (clearing it leaves "0" selected, so the first
// digit replaces it).
void tst_ToolWindows::numberBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    auto w = mixer();
    auto* edit = child<QLineEdit>(w.get(), box.toLatin1().constData());
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("0"));
    QCOMPARE(edit->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->selectedText(), selected);
    const bool start = !box.endsWith(u'2');
    const TColor end = start ? w->startColor() : w->endColor();
    const int channel = box.at(3) == u'R' ? RedOf(end) : box.at(3) == u'G' ? GreenOf(end) : BlueOf(end);
    QCOMPARE(channel, text.toInt());
    QCOMPARE(start ? w->mixedColors().first() : w->mixedColors().last(), end);
}

void tst_ToolWindows::barDragWritesTheBox()
{
    auto w = mixer();
    auto* bar = child<TChannelBar>(w.get(), "pbG2");
    QVERIFY(bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(42, 7));
    QCOMPARE(child<QLineEdit>(w.get(), "txtG2")->text(), QStringLiteral("100")); // floor((42 - 2) * 2.5)
    QTest::mouseMove(bar, QPoint(200, 7));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(200, 7));
    QCOMPARE(w->endColor(), MakeColor(255, 255, 255)); // clamped to 104: 255
    QCOMPARE(bar->value(), 255);
}

void tst_ToolWindows::stepsAndPath()
{
    auto w = mixer();
    w->setStartColor(MakeColor(255, 0, 0));
    w->setEndColor(MakeColor(0, 0, 255));
    auto* steps = child<QSlider>(w.get(), "steps");
    auto* path = child<QComboBox>(w.get(), "cboPath");
    QCOMPARE(steps->minimum(), 1);
    QCOMPARE(steps->maximum(), 58);
    QCOMPARE(path->count(), 3);
    QCOMPARE(child<QLabel>(w.get(), "lblSteps")->text(), QStringLiteral("Steps: 1"));
    QCOMPARE(w->mixedColors()[1], MakeColor(128, 0, 128));
    path->setCurrentIndex(1);
    QCOMPARE(w->mixedColors()[1], MakeColor(0, 255, 0));
    path->setCurrentIndex(2);
    QCOMPARE(w->mixedColors()[1], MakeColor(255, 0, 255));
    steps->setValue(58);
    QCOMPARE(child<QLabel>(w.get(), "lblSteps")->text(), QStringLiteral("Steps: 58"));
    QCOMPARE(w->mixedColors().size(), 60);
    QCOMPARE(w->mixedColors(), Tools::MixColors(MakeColor(255, 0, 0), MakeColor(0, 0, 255), 58,
                                                Tools::MixPath::CounterClockwise));
    // Every swatch is painted where the hit test finds it.
    const QImage& strip = child<TPaintBox>(w.get(), "pbMixColor")->image();
    for (int i = 0; i < 60; ++i) {
        const QPoint c = Tools::MixSwatchOrigin(i, 348) + QPoint(12, 12);
        QCOMPARE(w->swatchAt(c), i);
        QCOMPARE(FromQRgb(strip.pixel(c)), w->mixedColors()[i]);
    }
}

void tst_ToolWindows::addAllScrollsToTheFirstAdded_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("scrolledTo");
    QTest::newRow("was scrolling") << 400 << 700 << 400;
    QTest::newRow("scrolls from now on") << 0 << 350 << 0;
    QTest::newRow("still fits") << 0 << 0 << -1;
}

void tst_ToolWindows::addAllScrollsToTheFirstAdded()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, scrolledTo);
    auto w = mixer();
    m_views.scrollMax = before;
    connect(&m_session->favorites(), &TFavoritesList::changed, this, [&] { m_views.scrollMax = after; });
    child<QToolButton>(w.get(), "cmdAddAllMixedFavs")->click();
    QCOMPARE(m_session->favorites().count(), 3);
    QCOMPARE(m_views.scrolledTo, scrolledTo);
    QVERIFY(m_views.repaints > 0);
}

// The colour-vision simulation of the main window does not reach the mixer.
void tst_ToolWindows::mixerPaintsTrueColours()
{
    m_session->setVisionMode(1);
    auto w = mixer();
    w->setEndColor(MakeColor(0, 200, 0));
    auto* end = child<TMixEndSwatch>(w.get(), "pbBase2");
    QCOMPARE(FromQRgb(end->image().pixel(70, 25)), MakeColor(0, 200, 0));
    QCOMPARE(FromQRgb(child<TChannelBar>(w.get(), "pbG2")->image().pixel(50, 4)), MakeColor(0, 120, 0));
}

void tst_ToolWindows::sampleAndReverse()
{
    m_session->favorites().AddColorsToFavorites(MakeColor(0, 0, 128), QStringLiteral("navy"), true);
    TfrmAnalyzer w(*m_session, settings());
    auto* backgrounds = child<QListView>(&w, "lstBackground");
    QCOMPARE(backgrounds->model()->rowCount(), 3);
    QCOMPARE(backgrounds->currentIndex().row(), 0);
    auto* texts = child<QListView>(&w, "lstText");
    QCOMPARE(texts->model()->rowCount(), 1);
    QCOMPARE(texts->currentIndex().data().toString(), QStringLiteral("White"));
    const QImage& sample = child<TPaintBox>(&w, "pbPreview")->image();
    QCOMPARE(FromQRgb(sample.pixel(300, 50)), MakeColor(0, 0, 128));
    child<QCheckBox>(&w, "chkReverse")->setChecked(true);
    QCOMPARE(FromQRgb(child<TPaintBox>(&w, "pbPreview")->image().pixel(300, 50)), clWhite);
    // The list rows paint the entry's colour in their swatch.
    backgrounds->setCurrentIndex(backgrounds->model()->index(2, 0)); // Black
    QCOMPARE(texts->model()->rowCount(), 1);
    QCOMPARE(texts->currentIndex().data().toString(), QStringLiteral("White"));
}

void tst_ToolWindows::contrastPage()
{
    TFavoritesList& favs = m_session->favorites();
    favs.AddColorsToFavorites(MakeColor(0x77, 0x77, 0x77), QStringLiteral("grey"), true);
    favs.AddColorsToFavorites(MakeColor(255, 0, 0), QStringLiteral("red"), false);
    favs.AddColorsToFavorites(MakeColor(0, 160, 0), QStringLiteral("green"), false);
    TfrmAnalyzer w(*m_session, settings());
    auto* backgrounds = child<QListView>(&w, "lstBackground");
    backgrounds->setCurrentIndex(backgrounds->model()->index(3, 0)); // White
    child<QTabBar>(&w, "tabPages")->setCurrentIndex(1);
    auto* table = child<QTreeWidget>(&w, "lstContrast");
    QCOMPARE(table->topLevelItemCount(), 5);
    const auto row = [table](int i) {
        QStringList cells;
        for (int c = 0; c < 5; ++c)
            cells << table->topLevelItem(i)->text(c);
        return cells.join(u'|');
    };
    QCOMPARE(row(0), QStringLiteral("grey|4.48|AA large text only|71.11|"));
    QCOMPARE(row(3), QStringLiteral("White|1.00|fail|0.00|"));
    QCOMPARE(row(4), QStringLiteral("Black|21.00|AAA|106.04|"));
    QCOMPARE(child<QLabel>(&w, "lblContrastBackground")->text(), QStringLiteral("As text on White (#FFFFFF):"));
    // Green on red: apart for normal vision, one colour for the red- and green-blind.
    backgrounds->setCurrentIndex(backgrounds->model()->index(1, 0));
    QCOMPARE(table->topLevelItem(2)->text(4), QStringLiteral("protanopia, deuteranopia"));
    QCOMPARE(table->topLevelItem(4)->text(4), QString());
    // The page follows a renamed favourite.
    favs.rename(2, QStringLiteral("leaf"));
    w.refresh();
    QCOMPARE(table->topLevelItem(2)->text(0), QStringLiteral("leaf"));
}

void tst_ToolWindows::lookupPicksTheColour_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("Enter on the list") << "enter";
    QTest::newRow("Select Color") << "button";
}

void tst_ToolWindows::lookupPicksTheColour()
{
    QFETCH(QString, how);
    auto w = lookup();
    auto* list = child<QListView>(w.get(), "lstColors");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    QCOMPARE(w->selectedEntry(), 2);
    if (how == QLatin1String("double-click"))
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    else if (how == QLatin1String("enter"))
        QTest::keyClick(list, Qt::Key_Return);
    else
        child<QPushButton>(w.get(), "cmdSelect")->click();
    QCOMPARE(m_session->baseColor(), MakeColor(23, 23, 150));
}

void tst_ToolWindows::lookupSwitchesAndFilters()
{
    auto w = lookup();
    auto* types = child<QComboBox>(w.get(), "cboTypes");
    QCOMPARE(types->count(), 4);
    QCOMPARE(types->itemText(3), QStringLiteral("greys"));
    w->selectEntry(3);
    types->setCurrentIndex(3);
    QCOMPARE(w->selectedEntry(), 0); // a guide opens on its first colour
    types->setCurrentIndex(0);
    QCOMPARE(w->selectedEntry(), 0);

    auto* filter = child<QLineEdit>(w.get(), "txtFilter");
    auto* list = child<QListView>(w.get(), "lstColors");
    w->selectEntry(3);
    QTest::keyClicks(filter, QStringLiteral("RED"));
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Warm Red"));
    QCOMPARE(w->selectedEntry(), 3); // still shown, still selected
    QTest::keyClick(filter, Qt::Key_Up);
    QCOMPARE(w->selectedEntry(), 1);
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(m_session->baseColor(), MakeColor(249, 66, 58));
    filter->setText(QStringLiteral("yellow"));
    QCOMPARE(w->selectedEntry(), 0); // the selection was filtered out: the first shown
    filter->setText(QStringLiteral("nothing like it"));
    QCOMPARE(w->selectedEntry(), -1);
    QVERIFY(!child<QPushButton>(w.get(), "cmdSelect")->isEnabled());

    // The list and the button follow the window's height.
    w->resize(210, 400);
    QCOMPARE(child<QPushButton>(w.get(), "cmdSelect")->y(), 400 - 54);
    QCOMPARE(w->width(), 210);
}

void tst_ToolWindows::lookupNearestAndDrag()
{
    auto w = lookup();
    m_session->SetBaseColor(MakeColor(30, 30, 160));
    child<QLineEdit>(w.get(), "txtFilter")->setText(QStringLiteral("yellow"));
    child<QPushButton>(w.get(), "cmdNearest")->click();
    QCOMPARE(w->selectedEntry(), 2); // Reflex Blue, the filter cleared to show it
    QCOMPARE(child<QLineEdit>(w.get(), "txtFilter")->text(), QString());

    auto* list = child<QListView>(w.get(), "lstColors");
    QList<TColor> dragged;
    ColorMime::SetDragRunner([&](QObject*, QMimeData* data) {
        dragged << ColorMime::ColorOf(data).value_or(clBlack);
        QCOMPARE(m_session->PendingColor(), dragged.last());
        delete data;
    });
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
    QCOMPARE(m_session->PendingColor(), MakeColor(249, 66, 58));
    QTest::mouseMove(list->viewport(), rowCentre(list, 1) + QPoint(15, 0));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 1) + QPoint(15, 0));
    ColorMime::SetDragRunner({});
    QCOMPARE(dragged, QList<TColor>({MakeColor(249, 66, 58)}));
    QCOMPARE(m_session->PendingColor(), m_session->baseColor());
    QVERIFY(m_views.repaints > 0);
}

void tst_ToolWindows::lookupAbsentGuide()
{
    auto w = lookup();
    child<QComboBox>(w.get(), "cboTypes")->setCurrentIndex(1); // 2x.csv is not there
    auto* list = child<QListView>(w.get(), "lstColors");
    QCOMPARE(list->model()->rowCount(), 1);
    QVERIFY(list->model()->index(0, 0).data().toString().startsWith(QStringLiteral("Put 2x.csv in ")));
    QVERIFY(!child<QPushButton>(w.get(), "cmdSelect")->isEnabled());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
    QCOMPARE(m_session->baseColor(), MakeColor(255, 102, 0));
}

TV_REGISTER_TEST(tst_ToolWindows);
#include "tst_ToolWindows.moc"
