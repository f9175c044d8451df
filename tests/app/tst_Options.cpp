#include "SettingsStore.h"
#include "TfrmOptions.h"

#include "TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class tst_Options : public QObject {
    Q_OBJECT
private slots:
    void init();
    void defaultsWithoutFile();
    void stepEdits_data();
    void stepEdits();
    void pagesAndTitles_data();
    void pagesAndTitles();
    void okWritesAndApplies();
    void cancelLeavesTheFileAlone();
    void clearHistoryActsAtOnce();
    void captionSamples_data();
    void captionSamples();
    void reopeningShowsStoredValues();

private:
    struct Calls {
        int clearHistory = 0;
        QList<int> palette, nameStyle, mode;
        QList<QPair<int, int>> steps;
    };
    std::unique_ptr<TfrmOptions> make(Calls& calls);
    template <class T> T* c(QWidget* w, const char* name) { return w->findChild<T*>(QLatin1String(name)); }
    QString ini() const { return m_dir->filePath(QStringLiteral("tvstudio.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Options::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

std::unique_ptr<TfrmOptions> tst_Options::make(Calls& calls)
{
    OptionsTarget t;
    t.clearHistory = [&calls] { ++calls.clearHistory; };
    t.applyPalette = [&calls](int k) { calls.palette << k; };
    t.applyNameStyle = [&calls](int s) { calls.nameStyle << s; };
    t.applySteps = [&calls](int l, int s) { calls.steps << qMakePair(l, s); };
    t.applyWebsafeMode = [&calls](int m) { calls.mode << m; };
    return std::make_unique<TfrmOptions>(SettingsStore(ini()), t);
}

void tst_Options::defaultsWithoutFile()
{
    Calls calls;
    auto w = make(calls);
    w->show();
    QCOMPARE(w->windowTitle(), QStringLiteral("Tintvale Studio Preferences"));
    QCOMPARE(w->size(), QSize(472, 359));
    QVERIFY(c<QCheckBox>(w.get(), "chkRememberScheme")->isChecked());
    QVERIFY(c<QCheckBox>(w.get(), "chkExitWarn")->isChecked());
    QVERIFY(!c<QCheckBox>(w.get(), "chkDeleteWarn")->isChecked());
    QVERIFY(c<QRadioButton>(w.get(), "radWebPal")->isChecked());
    QVERIFY(c<QRadioButton>(w.get(), "radNormalStyle")->isChecked());
    QCOMPARE(c<QComboBox>(w.get(), "cboCaption")->currentText(), QStringLiteral("HEX - #RRGGBB"));
    QCOMPARE(c<QLineEdit>(w.get(), "txtLIncrement")->text(), QStringLiteral("5"));
    QCOMPARE(c<QLineEdit>(w.get(), "txtSIncrement")->text(), QStringLiteral("5"));
    QVERIFY(c<QRadioButton>(w.get(), "radSafe")->isChecked());
    QVERIFY(!c<QPushButton>(w.get(), "cmdApply")->isEnabled());
    QCOMPARE(c<QLabel>(w.get(), "lblMain")->text(), QStringLiteral("  General Preferences"));
}

void tst_Options::stepEdits_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7 then 9 shows 25") << "79" << 0 << "25";
    QTest::newRow("deleting all shows 0") << "" << 3 << "0";
    QTest::newRow("12") << "12" << 0 << "12";
    QTest::newRow("letters refused") << "a1b" << 0 << "1";
    QTest::newRow("three digits") << "123" << 0 << "12";
}

void tst_Options::stepEdits()
{
    QFETCH(QString, keys);
    QFETCH(int, backspaces);
    QFETCH(QString, shown);
    Calls calls;
    auto w = make(calls);
    w->show();
    QLineEdit* e = c<QLineEdit>(w.get(), "txtLIncrement");
    e->setFocus();
    e->selectAll();
    if (!keys.isEmpty()) {
        QTest::keyClick(e, Qt::Key_Delete);
        e->selectAll();
        QTest::keyClicks(e, keys);
    }
    for (int i = 0; i < backspaces; ++i) {
        e->end(false);
        QTest::keyClick(e, Qt::Key_Backspace);
    }
    QCOMPARE(e->text(), shown);
    QVERIFY(c<QPushButton>(w.get(), "cmdApply")->isEnabled());
}

void tst_Options::pagesAndTitles_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("control");
    QTest::newRow("general") << 0 << "  General Preferences" << "chkRememberScheme";
    QTest::newRow("favorites") << 1 << "  Favorite Colors Preferences" << "cboCaption";
    QTest::newRow("palette") << 2 << "  Color Palette Preferences" << "radSpectrumPal";
    QTest::newRow("websafe") << 3 << "  Websafe Color Preferences" << "radSmart";
}

void tst_Options::pagesAndTitles()
{
    QFETCH(int, entry);
    QFETCH(QString, title);
    QFETCH(QString, control);
    Calls calls;
    auto w = make(calls);
    w->show();
    auto* tree = w->findChild<QTreeWidget*>();
    tree->setCurrentItem(tree->topLevelItem(entry));
    QCOMPARE(c<QLabel>(w.get(), "lblMain")->text(), title);
    QVERIFY(w->findChild<QWidget*>(control)->isVisible());
}

void tst_Options::okWritesAndApplies()
{
    Calls calls;
    auto w = make(calls);
    w->show();
    c<QComboBox>(w.get(), "cboCaption")->setCurrentIndex(1);
    c<QRadioButton>(w.get(), "radSpectrumSafePal")->setChecked(true);
    c<QRadioButton>(w.get(), "radExpStyle")->setChecked(true);
    c<QRadioButton>(w.get(), "radSmart")->setChecked(true);
    c<QCheckBox>(w.get(), "chkDeleteWarn")->setChecked(true);
    c<QLineEdit>(w.get(), "txtSIncrement")->setText(QStringLiteral("9"));
    QVERIFY(c<QPushButton>(w.get(), "cmdApply")->isEnabled());
    QTest::mouseClick(c<QPushButton>(w.get(), "cmdOK"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    SettingsStore s(ini());
    QCOMPARE(s.readInt(SettingKey::FavCaption), 1);
    QCOMPARE(s.readInt(SettingKey::Palette), 2);
    QCOMPARE(s.readBool(SettingKey::FavStyleExp), true);
    QCOMPARE(s.readInt(SettingKey::WebsafeMode), 1);
    QCOMPARE(s.readBool(SettingKey::FavDelWarn), true);
    QCOMPARE(s.readString(SettingKey::SInc), QStringLiteral("9"));
    QCOMPARE(calls.nameStyle, QList<int>{1});
    QCOMPARE(calls.palette, QList<int>{2});
    QCOMPARE(calls.mode, QList<int>{1});
    QCOMPARE(calls.steps.value(0), qMakePair(5, 9));
}

void tst_Options::cancelLeavesTheFileAlone()
{
    {
        SettingsStore(ini()).writeInt(SettingKey::Palette, 1);
    }
    QFile f(ini());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    Calls calls;
    auto w = make(calls);
    w->show();
    c<QCheckBox>(w.get(), "chkExitWarn")->setChecked(false);
    c<QRadioButton>(w.get(), "radWebPal")->setChecked(true);
    QTest::mouseClick(c<QPushButton>(w.get(), "cmdCancel"), Qt::LeftButton);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(calls.palette.isEmpty());
    // Reopening shows the stored values again.
    w->show();
    QVERIFY(c<QCheckBox>(w.get(), "chkExitWarn")->isChecked());
    QVERIFY(c<QRadioButton>(w.get(), "radSpectrumPal")->isChecked());
}

void tst_Options::clearHistoryActsAtOnce()
{
    Calls calls;
    auto w = make(calls);
    w->show();
    QTest::mouseClick(c<QPushButton>(w.get(), "cmdClearHist"), Qt::LeftButton);
    QCOMPARE(calls.clearHistory, 1);
    QTest::mouseClick(c<QPushButton>(w.get(), "cmdCancel"), Qt::LeftButton);
    QCOMPARE(calls.clearHistory, 1);
}

void tst_Options::captionSamples_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sample");
    QTest::newRow("hex") << 0 << "#3399FF";
    QTest::newRow("rgb") << 1 << "51,153,255";
    QTest::newRow("numbered") << 2 << "Color 1    ";
}

void tst_Options::captionSamples()
{
    QFETCH(int, index);
    QFETCH(QString, sample);
    Calls calls;
    auto w = make(calls);
    c<QComboBox>(w.get(), "cboCaption")->setCurrentIndex(index);
    QCOMPARE(c<QLabel>(w.get(), "lblNormalSample")->text(), sample);
    QCOMPARE(c<QLabel>(w.get(), "lblExpSample")->text(), sample);
}

void tst_Options::reopeningShowsStoredValues()
{
    {
        SettingsStore s(ini());
        s.writeInt(SettingKey::FavCaption, 2);
        s.writeString(SettingKey::LInc, QStringLiteral("17"));
        s.writeInt(SettingKey::WebsafeMode, 1);
    }
    Calls calls;
    auto w = make(calls);
    w->show();
    QCOMPARE(c<QComboBox>(w.get(), "cboCaption")->currentIndex(), 2);
    QCOMPARE(c<QLineEdit>(w.get(), "txtLIncrement")->text(), QStringLiteral("17"));
    QVERIFY(c<QRadioButton>(w.get(), "radSmart")->isChecked());
    // A caption style of 3 or more keeps the selection as it was.
    w->hide();
    SettingsStore(ini()).writeInt(SettingKey::FavCaption, 7);
    w->show();
    QCOMPARE(c<QComboBox>(w.get(), "cboCaption")->currentIndex(), 2);
}

TV_REGISTER_TEST(tst_Options);
#include "tst_Options.moc"
