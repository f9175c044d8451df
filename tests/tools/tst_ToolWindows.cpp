// The mixer and analyzer windows on their own, with a session and a
// stand-in for the main window's favourites view.
#include "HSLUtils.h"
#include "SettingsStore.h"
#include "TFavoritesList.h"
#include "TStudioSession.h"
#include "TStudioViews.h"
#include "TfrmAnalyzer.h"
#include "TfrmMixer.h"
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

#include "TChannelBar.h"
#include "TPaintBox.h"

namespace {
struct Views : TStudioViews {
    int repaints = 0;
    int scrollMax = 0;
    int scrolledTo = -1;
    void showFavoritesEnd() override {}
    void repaintFavorites() override { ++repaints; }
    int favoritesScrollMaximum() const override { return scrollMax; }
    void setFavoritesScrollPosition(int pos) override { scrolledTo = pos; }
};
} // namespace

class tst_ToolWindows : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = std::make_unique<TStudioSession>();
        m_session->SetBaseColor(MakeColor(255, 102, 0));
        m_views = Views();
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
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TStudioSession> m_session;
    Views m_views;
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

TV_REGISTER_TEST(tst_ToolWindows);
#include "tst_ToolWindows.moc"
