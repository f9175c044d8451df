// The studio on a screen of device pixel ratio 2 (the test runs with
// QT_SCALE_FACTOR=2): windows twice the size in pixels, their pictures
// drawn at that resolution rather than a 1x picture stretched.
#include "TFavoritesList.h"
#include "TStudioTools.h"
#include "TfrmMixer.h"
#include "TfrmStudioMain.h"
#include "paint/QtColor.h"

#include "TestRegistry.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A stretched 1x picture is made of 2 x 2 blocks of one colour; a picture
// drawn at the device's resolution has edges that split such blocks.
int splitBlocks(const QImage& image)
{
    int split = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb a = image.pixel(x, y);
            split += a != image.pixel(x + 1, y) || a != image.pixel(x, y + 1) || a != image.pixel(x + 1, y + 1);
        }
    return split;
}
} // namespace

class tst_HiDpi : public QObject {
    Q_OBJECT
private slots:
    void picturesAtDeviceResolution_data();
    void picturesAtDeviceResolution();
};

void tst_HiDpi::picturesAtDeviceResolution_data()
{
    QTest::addColumn<QString>("view");
    QTest::newRow("colour wheel") << "picWheel";
    QTest::newRow("red bar") << "pbR";
    QTest::newRow("favourites") << "pbFavs";
    QTest::newRow("mixer strip") << "pbMixColor";
}

void tst_HiDpi::picturesAtDeviceResolution()
{
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != QLatin1String("2"))
        QSKIP("runs with QT_SCALE_FACTOR=2 (its own test entry)");
    QFETCH(QString, view);
    QTemporaryDir dir;
    TfrmStudioMain::Options o;
    o.settingsPath = dir.filePath(QStringLiteral("tvstudio.ini"));
    TfrmStudioMain w(o);
    w.setQuestionHook([](const QString&) { return int(QMessageBox::No); });
    w.favorites().AddColorsToFavorites(MakeColor(200, 40, 90), QStringLiteral("Rose"), true);
    w.show();
    w.toolWindows().showMixer();
    QCOMPARE(w.devicePixelRatioF(), 2.0);
    const QImage shot = w.grab().toImage();
    QCOMPARE(shot.size(), w.size() * 2);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // On a real X server, the screen itself: the window's pixels as the server shows them.
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(200);
        const QRect g = w.geometry();
        const QImage screen = w.screen()->grabWindow(0, g.x(), g.y(), g.width(), g.height()).toImage();
        QCOMPARE(screen.size(), g.size() * 2);
        QVERIFY2(splitBlocks(screen) > 0, "the screen shows a 1x window stretched");
    }

    QWidget* target = w.findChild<QWidget*>(view);
    if (!target)
        target = w.toolWindows().mixer()->findChild<QWidget*>(view);
    QVERIFY(target);
    const QImage picture = target->grab().toImage();
    QCOMPARE(picture.size(), target->size() * 2);
    QVERIFY2(splitBlocks(picture) > 0, "the picture is a 1x picture stretched");
}

TV_REGISTER_TEST(tst_HiDpi);
#include "tst_HiDpi.moc"
