// The picture palette window on its own, with a session and a stand-in for
// the main window's favourites view; pictures written by real encoders.
#include "PictureSamples.h"
#include "SettingsStore.h"
#include "TFavoritesList.h"
#include "TStudioSession.h"
#include "RecordingViews.h"
#include "TColorHistory.h"
#include "HSLUtils.h"
#include "TfrmPicScheme.h"
#include "paint/ColorMime.h"
#include "paint/QtColor.h"

#include "TestRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Picture;

namespace {

void send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
void press(QWidget* w, QPoint p) { send(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
void moveHeld(QWidget* w, QPoint p) { send(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
void hover(QWidget* w, QPoint p) { send(w, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
void release(QWidget* w, QPoint p) { send(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
} // namespace

class tst_PicScheme : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = std::make_unique<TStudioSession>();
        m_session->SetBaseColor(MakeColor(255, 102, 0));
        m_views = RecordingViews();
        m_messages.clear();
    }
    void cleanup() { ColorMime::SetDragRunner({}); }
    void creationFromSettings_data();
    void creationFromSettings();
    void openThroughTheDialog();
    void previewInTheDialog();
    void refusedOpenKeepsThePicture_data();
    void refusedOpenKeepsThePicture();
    void mosaicToggle();
    void clickOnASwatchSetsTheBase();
    void swatchDragsAfterTenPixels();
    void pointDragFollowsLive();
    void panelDragStaysInside();
    void addToFavourites_data();
    void addToFavourites();
    void numberOfColoursFromTheList();
    void extractCommand();
    void growingWindowSharpensAReducedJpeg();
    void extractMatchesTheCommandLine();
    void frameIsComposedWhole();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    SettingsStore settings() const { return SettingsStore(path(QStringLiteral("tvstudio.ini"))); }
    std::unique_ptr<TfrmPicScheme> window()
    {
        auto w = std::make_unique<TfrmPicScheme>(*m_session, m_views, settings());
        w->setMessageHandler([this](const QString& text) { m_messages << text; });
        w->model().setSeeder([] { return 42u; });
        w->show();
        return w;
    }
    // A window showing a picture of the given size (PNG, own pixels).
    std::unique_ptr<TfrmPicScheme> windowWith(QSize size, QSize window = QSize(600, 450))
    {
        auto w = this->window();
        w->resize(window);
        const QString file = path(QStringLiteral("pic.png"));
        if (!Samples::PutImage(file, Samples::Photo(size.width(), size.height()), "png"))
            return nullptr;
        w->openPicture(file);
        return w;
    }
    template <class T = QWidget> static T* child(QObject* w, const char* name)
    {
        return w->findChild<T*>(QLatin1String(name));
    }
    // Centre of swatch i of the panel.
    static QPoint swatch(const TfrmPicScheme& w, int i)
    {
        const PaletteRect& r = w.model().palette();
        return QPoint(r.left + 12 + 46 * i + 19, r.top + 31);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TStudioSession> m_session;
    RecordingViews m_views;
    QStringList m_messages;
};

void tst_PicScheme::creationFromSettings_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("colours");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("panel");
    QTest::newRow("defaults") << QByteArray() << 5 << QSize(600, 450) << QPoint(10, 10);
    QTest::newRow("stored") << QByteArray("[Picturist]\r\nNumColors=7\r\nWidth=700\r\nHeight=520\r\nPaletteLeft=30\r\nPaletteTop=40\r\n")
                            << 7 << QSize(700, 520) << QPoint(30, 40);
    QTest::newRow("too many colours") << QByteArray("[Picturist]\r\nNumColors=12\r\n") << 9 << QSize(600, 450) << QPoint(10, 10);
    QTest::newRow("too few colours, too small") << QByteArray("[Picturist]\r\nNumColors=0\r\nWidth=100\r\nHeight=90\r\n")
                                                << 2 << QSize(500, 400) << QPoint(10, 10);
}

void tst_PicScheme::creationFromSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, colours);
    QFETCH(QSize, size);
    QFETCH(QPoint, panel);
    QVERIFY(Samples::Put(path(QStringLiteral("tvstudio.ini")), ini));
    auto w = window();
    QCOMPARE(w->windowTitle(), QStringLiteral("Picturist"));
    QVERIFY(!(w->windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(w->minimumSize(), QSize(500, 400));
    QCOMPARE(w->size(), size);
    QCOMPARE(w->model().numColors(), colours);
    QCOMPARE(child<QComboBox>(w.get(), "cboNumColors")->currentIndex(), colours - 2);
    QCOMPARE(child<QComboBox>(w.get(), "cboNumColors")->itemText(0), QStringLiteral(" 2"));
    QCOMPARE(QPoint(w->model().palette().left, w->model().palette().top), panel);
    QVERIFY(!child(w.get(), "pbDrawLayer")->isVisible());
    QVERIFY(child(w.get(), "tbOpen")->isEnabled());
    for (const char* name : {"tbRandom", "tbAddFavs", "tbMosaic", "lblColors", "cboNumColors", "tbExtract"})
        QVERIFY2(!child(w.get(), name)->isEnabled(), name);
    // What the close writes is what a new window reads.
    QVERIFY(settings().writeAll(w->closingSettings()));
    auto again = window();
    QCOMPARE(again->size(), size);
    QCOMPARE(again->model().numColors(), colours);
    QCOMPARE(again->model().palette(), w->model().palette());
}

void tst_PicScheme::openThroughTheDialog()
{
    auto w = window();
    const QString file = path(QStringLiteral("wide.jpg"));
    QVERIFY(Samples::PutImage(file, Samples::Photo(2000, 1000), "jpeg"));
    // The real dialog, answered as a user would.
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<TPictureOpenDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("dlgPic"));
        QVERIFY(dialog->nameFilters().first().contains(QLatin1String("*.jpeg")));
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    child<QToolButton>(w.get(), "tbOpen")->click();
    QVERIFY(m_messages.isEmpty());
    QVERIFY(child(w.get(), "pbDrawLayer")->isVisible());
    QCOMPARE(child(w.get(), "pbDrawLayer")->geometry(), QRect(0, 34, 600, 416));
    QCOMPARE(w->model().displayedSize(), QSize(600, 300));
    QCOMPARE(w->model().points().size(), 5);
    for (const char* name : {"tbRandom", "tbAddFavs", "tbMosaic", "lblColors", "cboNumColors", "tbExtract"})
        QVERIFY2(child(w.get(), name)->isEnabled(), name);
}

void tst_PicScheme::previewInTheDialog()
{
    const QString file = path(QStringLiteral("tall.png"));
    QVERIFY(Samples::PutImage(file, Samples::Photo(300, 600), "png"));
    TPictureOpenDialog dialog(nullptr);
    dialog.showPreview(file);
    QCOMPARE(dialog.preview()->pixmap().size(), QSize(80, 160));
    QCOMPARE(child<QLabel>(&dialog, "lblPreviewSize")->text(), QStringLiteral("300 × 600"));
    dialog.showPreview(path(QStringLiteral("notes.txt")));
    QVERIFY(dialog.preview()->pixmap().isNull());
}

void tst_PicScheme::refusedOpenKeepsThePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    const QByteArray jpeg = Samples::Encoded(Samples::Photo(200, 150), "jpeg");
    QTest::newRow("no recognised ending") << "scheme.tv" << jpeg << "\"scheme.tv\" is not a picture the tool can open";
    QTest::newRow("truncated jpeg") << "cut.jpg" << jpeg.left(jpeg.size() / 3) << "premature end";
    QTest::newRow("empty gif") << "none.gif" << QByteArray() << "empty";
}

void tst_PicScheme::refusedOpenKeepsThePicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    auto w = windowWith(QSize(300, 200));
    QVERIFY(w);
    const QImage shown = w->model().displayed();
    const QList<SamplePoint> points = w->model().points();
    QVERIFY(Samples::Put(path(name), bytes));
    w->setOpenDialog([&] { return path(name); });
    child<QToolButton>(w.get(), "tbOpen")->click();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(says), qPrintable(m_messages.first()));
    QCOMPARE(w->model().displayed(), shown);
    QCOMPARE(w->model().points(), points);
    QVERIFY(child(w.get(), "pbDrawLayer")->isVisible());
}

void tst_PicScheme::mosaicToggle()
{
    auto w = windowWith(QSize(640, 480), QSize(700, 600));
    QVERIFY(w);
    QCOMPARE(w->model().displayedSize(), QSize(640, 480)); // not enlarged
    const QImage plain = w->model().displayed();
    QImage mosaic = plain;
    QVERIFY(MakeMosaic(mosaic));
    auto* button = child<QToolButton>(w.get(), "tbMosaic");
    QVERIFY(button->isCheckable());
    button->click();
    QCOMPARE(w->model().displayed(), mosaic);
    for (const SamplePoint& p : w->model().points())
        QCOMPARE(ToQRgb(p.color), mosaic.pixel(p.X, p.Y));
    QCOMPARE(w->frame().pixel(5, 470), mosaic.pixel(0, 448)); // the last row of blocks, 32 high
    button->click();
    QCOMPARE(w->model().displayed(), plain);
    QVERIFY(m_messages.isEmpty());
}

// A press and release on a swatch while the hand shows makes its colour the
// base colour; without the hover first, or with the base's own colour,
// nothing happens.
void tst_PicScheme::clickOnASwatchSetsTheBase()
{
    auto w = windowWith(QSize(400, 300));
    QVERIFY(w);
    QWidget* layer = child(w.get(), "pbDrawLayer");
    const TColor wanted = w->model().points()[1].color;
    press(layer, swatch(*w, 1)); // no hover yet: no hand
    release(layer, swatch(*w, 1));
    QVERIFY(m_session->baseColor() != wanted);
    hover(layer, swatch(*w, 1));
    QCOMPARE(layer->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(w->highlighted(), 1);
    press(layer, swatch(*w, 1));
    release(layer, swatch(*w, 1));
    QCOMPARE(m_session->baseColor(), wanted);
    const int count = int(m_session->history().count());
    press(layer, swatch(*w, 1));
    release(layer, swatch(*w, 1));
    QCOMPARE(int(m_session->history().count()), count);
}

void tst_PicScheme::swatchDragsAfterTenPixels()
{
    auto w = windowWith(QSize(400, 300));
    QVERIFY(w);
    QWidget* layer = child(w.get(), "pbDrawLayer");
    int drags = 0;
    std::optional<TColor> carried;
    ColorMime::SetDragRunner([&](QObject*, QMimeData* data) {
        ++drags;
        carried = ColorMime::ColorOf(data);
        delete data;
    });
    const QPoint at = swatch(*w, 2);
    hover(layer, at);
    press(layer, at);
    moveHeld(layer, at + QPoint(4, 0));
    QCOMPARE(drags, 0);
    moveHeld(layer, at + QPoint(6, 5));
    QCOMPARE(drags, 1);
    QCOMPARE(carried, w->model().points()[2].color);
    QCOMPARE(m_session->PendingColor(), m_session->baseColor()); // back after the drag
    QVERIFY(m_views.repaints > 0);
    const TColor base = m_session->baseColor();
    release(layer, at + QPoint(6, 5));
    QCOMPARE(m_session->baseColor(), base); // a drag commits nothing
}

void tst_PicScheme::pointDragFollowsLive()
{
    auto w = windowWith(QSize(400, 300));
    QVERIFY(w);
    QWidget* layer = child(w.get(), "pbDrawLayer");
    w->model().setPalette(MakePalette(150, 330, 5)); // out of the way
    const SamplePoint p = w->model().points()[3];
    press(layer, QPoint(p.X + 3, p.Y - 2));
    QCOMPARE(layer->cursor().shape(), Qt::BlankCursor);
    moveHeld(layer, QPoint(900, 100)); // beyond the right edge
    const SamplePoint moved = w->model().points()[3];
    QCOMPARE(moved.X, 399);
    QCOMPARE(moved.Y, 100);
    moveHeld(layer, QPoint(-40, 700)); // past the left and below the picture
    QCOMPARE(QPoint(w->model().points()[3].X, w->model().points()[3].Y), QPoint(0, 299));
    moveHeld(layer, QPoint(900, 100));
    QCOMPARE(ToQRgb(moved.color), w->model().displayed().pixel(399, 100));
    QCOMPARE(w->highlighted(), 3);
    // The swatch in the frame shows the new colour at once.
    QCOMPARE(w->frame().pixel(swatch(*w, 3)), ToQRgb(moved.color));
    release(layer, QPoint(900, 100));
    QCOMPARE(layer->cursor().shape(), Qt::PointingHandCursor);
}

void tst_PicScheme::panelDragStaysInside()
{
    auto w = windowWith(QSize(400, 300));
    QVERIFY(w);
    QWidget* layer = child(w.get(), "pbDrawLayer");
    w->model().setPalette(MakePalette(100, 100, 5));
    press(layer, QPoint(104, 104)); // the panel's margin, no swatch
    moveHeld(layer, QPoint(50, 60));
    QCOMPARE(w->model().palette(), MakePalette(46, 56, 5)); // moved by the mouse's travel
    moveHeld(layer, QPoint(-300, -300));
    QCOMPARE(w->model().palette(), MakePalette(0, 0, 5));
    moveHeld(layer, QPoint(2000, 2000));
    QCOMPARE(w->model().palette(), (PaletteRect{599 - 246, 415 - 60, 599, 415}));
    release(layer, QPoint(2000, 2000));
}

void tst_PicScheme::addToFavourites_data()
{
    QTest::addColumn<int>("scrollMax");
    QTest::newRow("scroll bar disabled before") << 0;
    QTest::newRow("scroll bar at 120") << 120;
}

// The five colours in palette order, the five selected, the fifth current;
// the view scrolls to where the new colours begin.
void tst_PicScheme::addToFavourites()
{
    QFETCH(int, scrollMax);
    auto w = windowWith(QSize(400, 300));
    QVERIFY(w);
    TFavoritesList& favs = m_session->favorites();
    favs.AddColorsToFavorites(MakeColor(1, 1, 1), QStringLiteral("old"), true);
    favs.AddColorsToFavorites(MakeColor(2, 2, 2), QStringLiteral("older"), false);
    m_views.scrollMax = scrollMax;
    child<QToolButton>(w.get(), "tbAddFavs")->click();
    QCOMPARE(favs.count(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(favs.at(i).Selected, i >= 2);
        if (i >= 2)
            QCOMPARE(favs.at(i).Color, w->model().points()[i - 2].color);
    }
    QCOMPARE(favs.at(2).Name, QStringLiteral("#") + HSLUtils::ColorToHex(favs.at(2).Color));
    QCOMPARE(favs.currentIndex(), 6);
    QVERIFY(favs.isModified());
    QCOMPARE(m_views.scrolledTo, scrollMax > 0 ? scrollMax : -1);
    QVERIFY(m_views.repaints > 0);
}

void tst_PicScheme::numberOfColoursFromTheList()
{
    auto w = windowWith(QSize(400, 300));
    QVERIFY(w);
    const QList<SamplePoint> five = w->model().points();
    child<QComboBox>(w.get(), "cboNumColors")->setCurrentIndex(5); // " 7"
    QCOMPARE(w->model().points().size(), 7);
    QCOMPARE(w->model().points().mid(0, 5), five);
    QCOMPARE(w->model().palette().right - w->model().palette().left, 46 * 7 + 16);
    child<QComboBox>(w.get(), "cboNumColors")->setCurrentIndex(0);
    QCOMPARE(w->model().points(), five.mid(0, 2));
    QCOMPARE(w->closingSettings().last(), (QPair<SettingKey, QString>{SettingKey::PicturistNumColors, "2"}));
}

void tst_PicScheme::extractCommand()
{
    auto w = window();
    const QList<QRgb> colours = {qRgb(200, 30, 30), qRgb(30, 120, 200), qRgb(240, 240, 235), qRgb(40, 160, 60),
                                 qRgb(20, 20, 20)};
    QVERIFY(Samples::PutImage(path("flat.gif"), Samples::FlatRegions(colours, 500, 300), "gif"));
    QVERIFY(w->openPicture(path("flat.gif")));
    child<QToolButton>(w.get(), "tbExtract")->click();
    QList<QRgb> got;
    for (const SamplePoint& p : w->model().points())
        got << ToQRgb(p.color);
    QCOMPARE(got, colours); // the bands stand left to right in this order
}

// A large JPEG is decoded at its shown size; after the window grows it is
// decoded again for the new size, the points kept where they were.
void tst_PicScheme::growingWindowSharpensAReducedJpeg()
{
    const QString file = path(QStringLiteral("big.jpg"));
    QVERIFY(Samples::PutImage(file, Samples::Photo(4000, 3000), "jpeg"));
    auto w = window();
    QVERIFY(w->openPicture(file));
    QCOMPARE(w->model().source().size(), QSize(554, 416));
    const QList<SamplePoint> before = w->model().points();
    w->resize(1000, 834); // an area of 1000 x 800
    QCOMPARE(w->model().displayedSize(), QSize(1000, 750));
    QTRY_COMPARE(w->model().source().size(), QSize(1000, 750));
    for (qsizetype i = 0; i < before.size(); ++i)
        QCOMPARE(w->model().points()[i].color, before[i].color);
    QCOMPARE(w->frame().size(), QSize(1000, 800));
}

// The command line's picture gives what the window at its first size shows.
void tst_PicScheme::extractMatchesTheCommandLine()
{
#ifndef TV_CLI_BIN
    QSKIP("built without the command line");
#else
    const QString file = path(QStringLiteral("photo.jpg"));
    QVERIFY(Samples::PutImage(file, Samples::Photo(3000, 2000, 11), "jpeg"));
    auto w = window();
    QCOMPARE(w->size(), QSize(600, 450));
    QVERIFY(w->openPicture(file));
    child<QComboBox>(w.get(), "cboNumColors")->setCurrentIndex(5); // " 7"
    child<QToolButton>(w.get(), "tbExtract")->click();
    QString shown;
    for (const TColor c : w->model().colors())
        shown += HSLUtils::ColorToHex(c) + QLatin1Char('\n');
    QProcess cli;
    cli.start(QStringLiteral(TV_CLI_BIN), {QStringLiteral("picture"), file, QStringLiteral("--colors"), QStringLiteral("7")});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(QString::fromLatin1(cli.readAllStandardOutput()), shown);
#endif
}

void tst_PicScheme::frameIsComposedWhole()
{
    auto w = windowWith(QSize(400, 300));
    QVERIFY(w);
    w->model().setPalette(MakePalette(20, 20, 5));
    w->repaintFrame(-1);
    const QImage& frame = w->frame();
    QCOMPARE(frame.size(), QSize(600, 416));
    // Right of the picture: the face colour.
    QCOMPARE(frame.pixel(500, 350), w->palette().color(QPalette::Button).rgb());
    // In the panel's margin: the picture under white at alpha 120.
    const QRgb under = w->model().displayed().pixel(25, 40), got = frame.pixel(25, 40);
    const int expect = (qRed(under) * 135 + 255 * 120 + 127) / 255;
    QVERIFY2(std::abs(qRed(got) - expect) <= 2, qPrintable(QStringLiteral("%1 vs %2").arg(qRed(got)).arg(expect)));
}

TV_REGISTER_TEST(tst_PicScheme);
#include "tst_PicScheme.moc"
