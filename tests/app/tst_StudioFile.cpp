// The main window's scheme commands, questions and session handling.
#include "HSLUtils.h"
#include "SchemeFile.h"
#include "SettingsStore.h"
#include "TColorHistory.h"
#include "TFavoritesList.h"
#include "TSchemeDocument.h"
#include "TfrmImport.h"
#include "TfrmStudioMain.h"

#include "TestRegistry.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QDialog>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "paint/ColorMime.h"

class tst_StudioFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveAsThenOpenRoundTrips();
    void untitledSaveAlwaysAsks();
    void failedSaveKeepsState();
    void newAsksWhenModified_data();
    void newAsksWhenModified();
    void openOfInvalidFileChangesNothing();
    void sessionSurvivesARestart();
    void noSessionWhenNotRemembered();
    void exitQuestion_data();
    void exitQuestion();
    void handOverAsksThenOpens();
    void historyNavigation();
    void mouseWheelScrollsFavorites();
    void dropOnBaseSwatchSetsBase();
    void deleteKeyOnFocusButton();
    void nameStyleAppliedFromPreferences();
    void importWizardAddsSelectedColors();

private:
    std::unique_ptr<TfrmStudioMain> makeWindow();
    QString ini() const { return m_dir->filePath(QStringLiteral("tvstudio.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_messages;
    QStringList m_questions;
    int m_answer = QMessageBox::No;
    QString m_dialogPath;
    int m_dialogs = 0;
};

void tst_StudioFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    m_questions.clear();
    m_answer = QMessageBox::No;
    m_dialogPath.clear();
    m_dialogs = 0;
}

void tst_StudioFile::cleanup()
{
    m_dir.reset();
}

std::unique_ptr<TfrmStudioMain> tst_StudioFile::makeWindow()
{
    TfrmStudioMain::Options o;
    o.settingsPath = ini();
    auto w = std::make_unique<TfrmStudioMain>(o);
    w->setQuestionHook([this](const QString& q) { m_questions << q; return m_answer; });
    w->setInformHook([this](const QString& m) { m_messages << m; });
    w->setFileDialogHook([this](bool, const QString&) { ++m_dialogs; return m_dialogPath; });
    w->show();
    return w;
}

void tst_StudioFile::saveAsThenOpenRoundTrips()
{
    const QString path = m_dir->filePath(QStringLiteral("ocean.tv"));
    {
        auto w = makeWindow();
        w->SetBaseColor(MakeColor(10, 20, 30));
        w->favorites().AddColorsToFavorites(MakeColor(1, 2, 3), QStringLiteral("Deep"));
        w->favorites().AddColorsToFavorites(MakeColor(200, 100, 0));
        QVERIFY(w->isModified());
        m_dialogPath = m_dir->filePath(QStringLiteral("ocean")); // the default extension is added
        QVERIFY(w->mnuFileSaveAsClick());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio - [ocean.tv]"));
        QVERIFY(!w->isModified());
        QVERIFY(QFile::exists(path));
    }
    auto w = makeWindow();
    QVERIFY(w->openSchemeFile(path));
    QCOMPARE(w->WheelColors()[0], MakeColor(10, 20, 30));
    QCOMPARE(w->favorites().count(), 2);
    QCOMPARE(w->favorites().at(0).Name, QStringLiteral("Deep"));
    QCOMPARE(w->favorites().at(1).Name, QStringLiteral("#C86400"));
    QVERIFY(w->favorites().at(0).Selected);
    QCOMPARE(w->favorites().currentIndex(), 0);
    QVERIFY(!w->isModified());
    QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio - [ocean.tv]"));
    QVERIFY(m_messages.isEmpty());
    // Save writes back to the same file without a dialog.
    w->favorites().rename(0, QStringLiteral("Deeper"));
    m_dialogs = 0;
    QVERIFY(w->mnuFileSaveClick());
    QCOMPARE(m_dialogs, 0);
    TSchemeData data;
    QCOMPARE(ReadSchemeFile(path, data), FavoritesError::None);
    QCOMPARE(data.Favorites.at(0).Name, QStringLiteral("Deeper"));
}

void tst_StudioFile::untitledSaveAlwaysAsks()
{
    auto w = makeWindow();
    m_dialogPath.clear(); // the user cancels
    QVERIFY(!w->mnuFileSaveClick());
    QCOMPARE(m_dialogs, 1);
    QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio - [untitled]"));
}

void tst_StudioFile::failedSaveKeepsState()
{
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(1, 2, 3));
    m_dialogPath = m_dir->filePath(QStringLiteral("no/such/folder/x.tv"));
    QVERIFY(!w->mnuFileSaveAsClick());
    QCOMPARE(m_messages, QStringList{QStringLiteral("An error has occured while saving the scheme file")});
    QVERIFY(w->isModified());
    QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio - [untitled]"));
}

void tst_StudioFile::newAsksWhenModified_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("emptied");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << 0;
    QTest::newRow("no") << int(QMessageBox::No) << true << 0;
    QTest::newRow("yes saves first") << int(QMessageBox::Yes) << true << 1;
}

void tst_StudioFile::newAsksWhenModified()
{
    QFETCH(int, answer);
    QFETCH(bool, emptied);
    QFETCH(int, dialogs);
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(1, 2, 3));
    m_answer = answer;
    m_dialogPath = m_dir->filePath(QStringLiteral("kept.tv"));
    w->mnuFileNewClick();
    QCOMPARE(m_questions, QStringList{QStringLiteral("Your Favorite Colors have changed.  Save before creating a new scheme?")});
    QCOMPARE(w->favorites().isEmpty(), emptied);
    QCOMPARE(m_dialogs, dialogs);
    if (emptied) {
        QVERIFY(!w->isModified());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio - [untitled]"));
    }
    // Unmodified: no question at all.
    m_questions.clear();
    w->mnuFileNewClick();
    QCOMPARE(m_questions.size(), emptied ? 0 : 1);
}

void tst_StudioFile::openOfInvalidFileChangesNothing()
{
    const QString bad = m_dir->filePath(QStringLiteral("bad.tv"));
    {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x02\x00\x00\x00\x00\x00\x00\x00", 8));
    }
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(9, 9, 9), QStringLiteral("Keep me"));
    const TColor base = w->WheelColors()[0];
    QVERIFY(!w->openSchemeFile(bad));
    QCOMPARE(m_messages, QStringList{QStringLiteral("Not a valid Color Scheme File!")});
    QCOMPARE(w->favorites().count(), 1);
    QCOMPARE(w->favorites().at(0).Name, QStringLiteral("Keep me"));
    QCOMPARE(w->WheelColors()[0], base);
    QVERIFY(w->isModified());
    m_messages.clear();
    QVERIFY(!w->openSchemeFile(m_dir->filePath(QStringLiteral("missing.tv"))));
    QCOMPARE(m_messages, QStringList{QStringLiteral("An error has occured while opening the scheme file.")});
}

void tst_StudioFile::sessionSurvivesARestart()
{
    {
        auto w = makeWindow();
        w->favorites().AddColorsToFavorites(MakeColor(0, 0, 255), QStringLiteral("Blue"));
        m_answer = QMessageBox::No;
        QVERIFY(w->close());
    }
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("session.tmp"))));
    auto w = makeWindow();
    QCOMPARE(w->favorites().count(), 1);
    QCOMPARE(w->favorites().at(0).Name, QStringLiteral("Blue"));
    QVERIFY(!w->isModified());
    QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio - [untitled]"));
}

void tst_StudioFile::noSessionWhenNotRemembered()
{
    SettingsStore(ini()).writeBool(SettingKey::RememberScheme, false);
    {
        auto w = makeWindow();
        w->favorites().AddColorsToFavorites(MakeColor(0, 0, 255));
        QVERIFY(w->close());
    }
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("session.tmp"))));
}

void tst_StudioFile::exitQuestion_data()
{
    QTest::addColumn<bool>("warn");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("questions");
    QTest::newRow("cancel stays open") << true << int(QMessageBox::Cancel) << false << 1;
    QTest::newRow("no closes") << true << int(QMessageBox::No) << true << 1;
    QTest::newRow("yes with cancelled dialog still closes") << true << int(QMessageBox::Yes) << true << 1;
    QTest::newRow("no warning") << false << int(QMessageBox::Cancel) << true << 0;
}

void tst_StudioFile::exitQuestion()
{
    QFETCH(bool, warn);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(int, questions);
    SettingsStore(ini()).writeBool(SettingKey::FavExitWarn, warn);
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(4, 5, 6), QStringLiteral("Unsaved"));
    m_answer = answer;
    QCOMPARE(w->close(), closes);
    QCOMPARE(m_questions.size(), questions);
    if (questions)
        QCOMPARE(m_questions.first(), QStringLiteral("Your current color scheme has changed.  Save before exiting?"));
    if (closes) {
        // The session keeps the unsaved favourite.
        TSchemeData session;
        QCOMPARE(LoadSessionFile(w->sessionFilePath(), session), FavoritesError::None);
        QCOMPARE(session.Favorites.value(0).Name, QStringLiteral("Unsaved"));
    }
}

void tst_StudioFile::handOverAsksThenOpens()
{
    const QString path = m_dir->filePath(QStringLiteral("handed.tv"));
    TSchemeData data;
    data.Favorites << TFavColor::fromColor(MakeColor(7, 8, 9), false);
    data.Favorites[0].Name = QStringLiteral("Handed");
    QCOMPARE(SaveSchemeFile(path, data), FavoritesError::None);
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(1, 1, 1));
    m_answer = QMessageBox::Cancel;
    w->receiveHandOver(path);
    QCOMPARE(m_questions, QStringList{QStringLiteral("Your current color scheme has changed.  Save before opening a new scheme?")});
    QCOMPARE(w->favorites().count(), 1);
    QCOMPARE(w->favorites().at(0).Name, QStringLiteral("#010101"));
    m_answer = QMessageBox::No;
    w->receiveHandOver(path);
    QCOMPARE(w->favorites().at(0).Name, QStringLiteral("Handed"));
    // A path that names no file is ignored without a question.
    w->favorites().AddColorsToFavorites(MakeColor(1, 1, 1));
    m_questions.clear();
    w->receiveHandOver(m_dir->filePath(QStringLiteral("gone.tv")));
    QVERIFY(m_questions.isEmpty());
}

void tst_StudioFile::historyNavigation()
{
    auto w = makeWindow();
    QToolButton* back = w->findChild<QToolButton*>(QStringLiteral("tbBack"));
    QToolButton* forward = w->findChild<QToolButton*>(QStringLiteral("tbForward"));
    QAction* undo = w->findChild<QAction*>(QStringLiteral("mnuEditUndo"));
    QVERIFY(!back->isEnabled());
    const TColor a = MakeColor(10, 0, 0), b = MakeColor(20, 0, 0), c = MakeColor(30, 0, 0);
    w->SetBaseColor(a);
    w->SetBaseColor(b);
    w->SetBaseColor(c);
    QCOMPARE(w->history().count(), 4); // the start-up colour, A, B, C
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());
    back->click();
    undo->trigger();
    QCOMPARE(w->WheelColors()[0], a);
    QVERIFY(forward->isEnabled());
    QCOMPARE(w->history().count(), 4);
    // Committing the colour that is already the base colour records nothing.
    w->SetBaseColor(a);
    QCOMPARE(w->history().count(), 4);
    w->SetBaseColor(MakeColor(40, 0, 0));
    QCOMPARE(w->history().count(), 3);
    QVERIFY(!forward->isEnabled());
}

void tst_StudioFile::mouseWheelScrollsFavorites()
{
    auto w = makeWindow();
    auto* bar = w->findChild<QScrollBar*>(QStringLiteral("sbFavs"));
    QVERIFY(bar);
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(100, 100), w->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w.get(), &e);
    };
    wheel(-120);
    QCOMPARE(bar->value(), 0); // disabled: nothing happens
    for (int i = 0; i < 10; ++i)
        w->favorites().AddColorsToFavorites(MakeColor(i, i, i));
    QVERIFY(bar->isEnabled());
    bar->setValue(0);
    wheel(-120);
    QCOMPARE(bar->value(), 60);
    wheel(1);
    QCOMPARE(bar->value(), 60);
    wheel(120);
    QCOMPARE(bar->value(), 0);
}

void tst_StudioFile::dropOnBaseSwatchSetsBase()
{
    auto w = makeWindow();
    QWidget* base = w->findChild<QWidget*>(QStringLiteral("pbBase"));
    std::unique_ptr<QMimeData> mime(ColorMime::Make(MakeColor(0x12, 0x34, 0x56), QStringLiteral("wheel")));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(base, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(base, &drop);
    QCOMPARE(w->WheelColors()[0], MakeColor(0x12, 0x34, 0x56));
    // Plain "#RRGGBB" text from another program works too.
    QMimeData text;
    text.setText(QStringLiteral("#ABCDEF"));
    QDragEnterEvent enter2(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(base, &enter2);
    QVERIFY(enter2.isAccepted());
    QDropEvent drop2(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(base, &drop2);
    QCOMPARE(w->WheelColors()[0], MakeColor(0xAB, 0xCD, 0xEF));
}

void tst_StudioFile::deleteKeyOnFocusButton()
{
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(1, 1, 1), QString(), true);
    QWidget* dummy = w->findChild<QWidget*>(QStringLiteral("cmdDummy"));
    QTest::keyClick(dummy, Qt::Key_Delete);
    QVERIFY(w->favorites().isEmpty());
}

void tst_StudioFile::nameStyleAppliedFromPreferences()
{
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(255, 0, 0));
    w->favorites().AddColorsToFavorites(MakeColor(0, 0, 255), QStringLiteral("Brick"));
    QTimer::singleShot(0, [&] {
        QDialog* d = w->findChild<QDialog*>(QStringLiteral("TfrmOptions"));
        d->findChild<QComboBox*>(QStringLiteral("cboCaption"))->setCurrentIndex(1);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    w->findChild<QAction*>(QStringLiteral("mnuEditOptions"))->trigger();
    QCOMPARE(w->favorites().at(0).Name, QStringLiteral("255,0,0"));
    QCOMPARE(w->favorites().at(1).Name, QStringLiteral("Brick"));
    QCOMPARE(SettingsStore(ini()).readInt(SettingKey::FavCaption), 1);
    w->favorites().AddColorsToFavorites(MakeColor(1, 2, 3));
    QCOMPARE(w->favorites().at(2).Name, QStringLiteral("1,2,3"));
}

void tst_StudioFile::importWizardAddsSelectedColors()
{
    // A colour table of three colours (the rest of the 256 entries black).
    const QString act = m_dir->filePath(QStringLiteral("three.act"));
    {
        QFile f(act);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray bytes(768, '\0');
        const char rgb[9] = {char(255), 0, 0, 0, char(128), 0, 0, 0, char(200)};
        bytes.replace(0, 9, QByteArray(rgb, 9));
        f.write(bytes);
    }
    auto w = makeWindow();
    w->favorites().AddColorsToFavorites(MakeColor(9, 9, 9), QStringLiteral("Old"), true);
    QTimer::singleShot(0, [&] {
        QDialog* d = w->importWizard();
        if (!d->isVisible())
            return;
        d->findChild<QListWidget*>(QStringLiteral("lstType"))->setCurrentRow(3);
        QPushButton* next = d->findChild<QPushButton*>(QStringLiteral("cmdNext"));
        next->click();
        d->findChild<QLineEdit*>(QStringLiteral("txtLocation"))->setText(act);
        next->click();
        next->click();
        d->reject(); // never left open, whatever happened
    });
    w->findChild<QAction*>(QStringLiteral("mnuFileImport"))->trigger();
    QVERIFY(w->favorites().count() >= 4);
    QCOMPARE(w->favorites().at(1).Color, MakeColor(255, 0, 0));
    QCOMPARE(w->favorites().at(2).Color, MakeColor(0, 128, 0));
    QCOMPARE(w->favorites().at(3).Color, MakeColor(0, 0, 200));
    QVERIFY(!w->favorites().at(0).Selected);
    for (qsizetype i = 1; i < w->favorites().count(); ++i)
        QVERIFY(w->favorites().at(i).Selected);
    QVERIFY(w->isModified());
}

TV_REGISTER_TEST(tst_StudioFile);
#include "tst_StudioFile.moc"
