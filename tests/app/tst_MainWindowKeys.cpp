// The main window as a new user meets it: saves that must not be skipped,
// keys in the base-colour boxes, texts that must fit, the favourites after
// an import and a window that must stay on the screen.
#include "SettingsStore.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TfrmImport.h"
#include "TfrmStudioMain.h"

#include "TestRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

class tst_MainWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cancelledSaveCancelsWhatFollows_data();
    void cancelledSaveCancelsWhatFollows();
    void undoRedoWinInTheBoxes_data();
    void undoRedoWinInTheBoxes();
    void tabLeavesTheBoxes();
    void deleteInTheHexBox();
    void websafeTextsFit_data();
    void websafeTextsFit();
    void importShowsTheNewColours();
    void positionOffEveryScreen();
    void fileErrorsNameTheFile_data();
    void fileErrorsNameTheFile();

private:
    std::unique_ptr<TfrmStudioMain> makeWindow();
    QString ini() const { return m_dir->filePath(QStringLiteral("tvstudio.ini")); }
    template <class T> T* child(QWidget* w, const char* name) { return w->findChild<T*>(QLatin1String(name)); }
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_answer = QMessageBox::No;
    int m_dialogs = 0;
};

void tst_MainWindowKeys::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_answer = QMessageBox::No;
    m_dialogs = 0;
}

std::unique_ptr<TfrmStudioMain> tst_MainWindowKeys::makeWindow()
{
    TfrmStudioMain::Options o;
    o.settingsPath = ini();
    auto w = std::make_unique<TfrmStudioMain>(o);
    w->setQuestionHook([this](const QString&) { return m_answer; });
    w->setInformHook([](const QString&) {});
    w->setFileDialogHook([this](bool, const QString&) { ++m_dialogs; return QString(); }); // always cancelled
    w->show();
    QApplication::setActiveWindow(w.get());
    return w;
}

// "Yes, save first" and then a cancelled Save As: the favourites stay.
void tst_MainWindowKeys::cancelledSaveCancelsWhatFollows_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("new") << 0;
    QTest::newRow("open") << 1;
    QTest::newRow("hand-over") << 2;
}

void tst_MainWindowKeys::cancelledSaveCancelsWhatFollows()
{
    QFETCH(int, command);
    const QString other = m_dir->filePath(QStringLiteral("other.tv"));
    QFile::copy(QFINDTESTDATA("tst_MainWindowKeys.cpp"), other); // any existing file: never reached
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(1, 2, 3), QStringLiteral("Unsaved"));
    m_answer = QMessageBox::Yes;
    if (command == 0)
        w->mnuFileNewClick();
    else if (command == 1)
        w->mnuFileOpenClick();
    else
        w->receiveHandOver(other);
    QCOMPARE(m_dialogs, 1); // the Save As dialog only
    QCOMPARE(w->favorites().count(), 1);
    QCOMPARE(w->favorites().at(0).Name, QStringLiteral("Unsaved"));
    QVERIFY(w->isModified());
}

void tst_MainWindowKeys::undoRedoWinInTheBoxes_data()
{
    QTest::addColumn<QString>("box");
    for (const char* name : {"txtR", "txtG", "txtB", "txtS", "txtL", "txtHex"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_MainWindowKeys::undoRedoWinInTheBoxes()
{
    QFETCH(QString, box);
    auto w = makeWindow();
    w->SetBaseColor(MakeColor(10, 20, 30));
    w->SetBaseColor(MakeColor(40, 50, 60));
    auto* edit = w->findChild<QLineEdit*>(box);
    edit->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->WheelColors()[0], MakeColor(10, 20, 30));
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w->WheelColors()[0], MakeColor(40, 50, 60));
}

void tst_MainWindowKeys::tabLeavesTheBoxes()
{
    auto w = makeWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const char* const order[] = {"txtR", "txtG", "txtB", "txtS", "txtL", "txtHex"};
    child<QLineEdit>(w.get(), order[0])->setFocus();
    for (int i = 1; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(order[i]));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != child<QLineEdit>(w.get(), "txtHex"));
    child<QLineEdit>(w.get(), "txtS")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtB"));
}

void tst_MainWindowKeys::deleteInTheHexBox()
{
    auto w = makeWindow();
    auto* hex = child<QLineEdit>(w.get(), "txtHex");
    hex->setFocus();
    hex->setCursorPosition(2);
    QTest::keyClick(hex, Qt::Key_Delete);
    QCOMPARE(hex->text(), QStringLiteral("FF600"));
    QTest::keyClicks(hex, QStringLiteral("3"));
    QCOMPARE(hex->text(), QStringLiteral("FF3600"));
    QCOMPARE(w->WheelColors()[0], MakeColor(0xFF, 0x36, 0x00));
}

void tst_MainWindowKeys::websafeTextsFit_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("color");
    QTest::newRow("websafe") << 0 << 0x0066FF;
    QTest::newRow("not websafe") << 0 << 0x112233;
    QTest::newRow("WebSmart") << 1 << 0x1166FF;
    QTest::newRow("not WebSmart") << 1 << 0x123456;
}

// The status line ends where the base column does (the matching colours
// begin at 162): every word of it is readable.
void tst_MainWindowKeys::websafeTextsFit()
{
    QFETCH(int, mode);
    QFETCH(int, color);
    SettingsStore(ini()).writeInt(SettingKey::WebsafeMode, mode);
    auto w = makeWindow();
    w->SetBaseColor(ColorFromValue(std::uint32_t(color)));
    auto* label = child<QLabel>(w.get(), "lblWebsafe");
    const int right = label->mapTo(w->centralWidget(), QPoint(0, 0)).x()
                      + QFontMetrics(label->font()).horizontalAdvance(label->text());
    QVERIFY2(right <= 162, qPrintable(QStringLiteral("%1 ends at %2").arg(label->text()).arg(right)));
}

void tst_MainWindowKeys::importShowsTheNewColours()
{
    const QString act = m_dir->filePath(QStringLiteral("ramp.act"));
    {
        QFile f(act);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 256; ++i)
            bytes += QByteArray(1, char(i)) + char(255 - i) + char(i / 2);
        f.write(bytes);
    }
    auto w = makeWindow();
    auto* bar = child<QScrollBar>(w.get(), "sbFavs");
    QTimer::singleShot(0, [&] {
        QDialog* d = w->importWizard();
        d->findChild<QListWidget*>(QStringLiteral("lstType"))->setCurrentRow(3);
        QPushButton* next = d->findChild<QPushButton*>(QStringLiteral("cmdNext"));
        next->click();
        d->findChild<QLineEdit*>(QStringLiteral("txtLocation"))->setText(act);
        next->click();
        next->click();
        d->reject(); // never left open, whatever happened
    });
    w->mnuFileImportClick();
    QVERIFY(w->favorites().count() > 10);
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->value(), bar->maximum());
}

void tst_MainWindowKeys::positionOffEveryScreen()
{
    {
        QFile f(ini());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Main]\nLeft=99999\nTop=-10000\n");
    }
    auto w = makeWindow();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(available.contains(QRect(w->pos(), w->size())),
             qPrintable(QStringLiteral("window at %1,%2").arg(w->x()).arg(w->y())));
    w->close();
    QVERIFY(SettingsStore(ini()).readInt(SettingKey::MainLeft) < available.right());
}

void tst_MainWindowKeys::fileErrorsNameTheFile_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("save") << true;
    QTest::newRow("open") << false;
}

// A file that cannot be written or read is named in a warning, not a notice.
void tst_MainWindowKeys::fileErrorsNameTheFile()
{
    QFETCH(bool, save);
    const QString path = save ? m_dir->filePath(QStringLiteral("no/such/folder/x.tv")) : m_dir->filePath(QStringLiteral("noise.tv"));
    if (!save) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(300, '\x7f'));
    }
    TfrmStudioMain::Options o;
    o.settingsPath = ini();
    TfrmStudioMain w(o);
    w.setFileDialogHook([&](bool, const QString&) { return path; });
    w.show();
    w.favorites().AddColorsToFavorites(MakeColor(1, 2, 3));
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString named;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
            named = box->text() + box->informativeText();
            box->accept();
        }
    });
    if (save)
        QVERIFY(!w.mnuFileSaveAsClick());
    else
        QVERIFY(!w.openSchemeFile(path));
    QCOMPARE(icon, QMessageBox::Warning);
    QVERIFY2(named.contains(QFileInfo(path).fileName()), qPrintable(named));
    QCOMPARE(w.favorites().count(), 1);
}

TV_REGISTER_TEST(tst_MainWindowKeys);
#include "tst_MainWindowKeys.moc"
