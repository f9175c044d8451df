#include "SettingsStore.h"

#include "TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SettingKey)

class tst_SettingsStore : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); QFile::remove(path()); }
    void defaultsWithoutFile_data();
    void defaultsWithoutFile();
    void writtenValuesReadBack();
    void booleansAreNonZeroIntegers_data();
    void booleansAreNonZeroIntegers();
    void garbageTakesTheDefault_data();
    void garbageTakesTheDefault();
    void eachReadSeesTheLatestWrite();
    void failedWriteIsReportedOnce();
    void homeVariableNamesTheFolder();
    void otherLinesSurviveAWrite();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("tvstudio.ini")); }
    void writeFile(const QByteArray& text)
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir m_dir;
};

void tst_SettingsStore::defaultsWithoutFile_data()
{
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("websafeMode") << SettingKey::WebsafeMode << "0";
    QTest::newRow("Blindness") << SettingKey::Blindness << "0";
    QTest::newRow("Palette") << SettingKey::Palette << "0";
    QTest::newRow("RYBMode") << SettingKey::RYBMode << "true";
    QTest::newRow("WheelStyle") << SettingKey::WheelStyle << "0";
    QTest::newRow("OnTop") << SettingKey::OnTop << "false";
    QTest::newRow("RememberScheme") << SettingKey::RememberScheme << "true";
    QTest::newRow("SInc") << SettingKey::SInc << "'5";
    QTest::newRow("LInc") << SettingKey::LInc << "'5";
    QTest::newRow("FavCaption") << SettingKey::FavCaption << "0";
    QTest::newRow("FavStyleExp") << SettingKey::FavStyleExp << "false";
    QTest::newRow("FavDelWarn") << SettingKey::FavDelWarn << "false";
    QTest::newRow("FavExitWarn") << SettingKey::FavExitWarn << "true";
    QTest::newRow("BaseColor") << SettingKey::MainBaseColor << "26367";
    QTest::newRow("SelectedTab") << SettingKey::MainSelectedTab << "0";
    QTest::newRow("Mixer Steps") << SettingKey::MixerSteps << "1";
    QTest::newRow("Pantone Height") << SettingKey::PantoneHeight << "265";
    QTest::newRow("Picturist Width") << SettingKey::PicturistWidth << "600";
    QTest::newRow("Picturist Height") << SettingKey::PicturistHeight << "450";
    QTest::newRow("PaletteLeft") << SettingKey::PicturistPaletteLeft << "10";
    QTest::newRow("PaletteTop") << SettingKey::PicturistPaletteTop << "10";
    QTest::newRow("NumColors") << SettingKey::PicturistNumColors << "5";
}

void tst_SettingsStore::defaultsWithoutFile()
{
    QFETCH(SettingKey, key);
    QFETCH(QString, expected);
    SettingsStore store(path());
    const SettingDef& def = SettingDefinition(key);
    if (def.type == SettingType::Boolean)
        QCOMPARE(store.readBool(key) ? QStringLiteral("true") : QStringLiteral("false"), expected);
    else if (def.type == SettingType::String)
        QCOMPARE(QLatin1Char('\'') + store.readString(key), expected);
    else
        QCOMPARE(QString::number(store.readInt(key)), expected);
    QVERIFY2(!QFile::exists(path()), "reading must not create the file");
}

void tst_SettingsStore::writtenValuesReadBack()
{
    SettingsStore store(path());
    QVERIFY(store.writeInt(SettingKey::MainBaseColor, 0x336699));
    QVERIFY(store.writeBool(SettingKey::RYBMode, false));
    QVERIFY(store.writeString(SettingKey::SInc, QStringLiteral("12")));
    QVERIFY(store.writeInt(SettingKey::MainTop, -40));
    SettingsStore again(path());
    QCOMPARE(again.readInt(SettingKey::MainBaseColor), 0x336699);
    QCOMPARE(again.readBool(SettingKey::RYBMode), false);
    QCOMPARE(again.readString(SettingKey::SInc), QStringLiteral("12"));
    QCOMPARE(again.readInt(SettingKey::MainTop, 999), -40);
    QCOMPARE(again.readInt(SettingKey::MainLeft, 999), 999);

    // The file is a plain INI file with the documented sections and keys.
    QFile f(path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains("[Main]"));
    QVERIFY(text.contains("BaseColor=3368601"));
    QVERIFY(text.contains("[Prefs]"));
    QVERIFY(text.contains("RYBMode=0"));
    QVERIFY(text.contains("SInc=12"));
}

void tst_SettingsStore::booleansAreNonZeroIntegers_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("7") << QByteArray("7") << true;
    QTest::newRow("-1") << QByteArray("-1") << true;
    QTest::newRow("garbage keeps default false") << QByteArray("yes") << false;
    QTest::newRow("empty keeps default false") << QByteArray("") << false;
}

void tst_SettingsStore::booleansAreNonZeroIntegers()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, expected);
    writeFile("[Prefs]\nOnTop=" + value + "\n");
    QCOMPARE(SettingsStore(path()).readBool(SettingKey::OnTop), expected);
}

void tst_SettingsStore::garbageTakesTheDefault_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("words") << QByteArray("[Main]\nBaseColor=orange\n") << SettingKey::MainBaseColor << 26367;
    QTest::newRow("trailing junk") << QByteArray("[Main]\nSelectedTab=2x\n") << SettingKey::MainSelectedTab << 0;
    QTest::newRow("overflow") << QByteArray("[Main]\nBaseColor=99999999999999\n") << SettingKey::MainBaseColor << 26367;
    QTest::newRow("binary") << QByteArray("\x01\x02\xff\xfe garbage\n[[[\n=\n") << SettingKey::WheelStyle << 0;
    QTest::newRow("spaces are fine") << QByteArray("[Prefs]\nPalette= 2 \n") << SettingKey::Palette << 2;
    QTest::newRow("other section") << QByteArray("[Prefs]\nBaseColor=5\n") << SettingKey::MainBaseColor << 26367;
}

void tst_SettingsStore::garbageTakesTheDefault()
{
    QFETCH(QByteArray, file);
    QFETCH(SettingKey, key);
    QFETCH(int, expected);
    writeFile(file);
    QCOMPARE(SettingsStore(path()).readInt(key), expected);
}

void tst_SettingsStore::eachReadSeesTheLatestWrite()
{
    SettingsStore a(path());
    SettingsStore b(path());
    a.writeInt(SettingKey::Palette, 1);
    QCOMPARE(b.readInt(SettingKey::Palette), 1);
    // A change made to the file behind the program's back is seen too.
    writeFile("[Prefs]\nPalette=2\n");
    QCOMPARE(a.readInt(SettingKey::Palette), 2);
}

void tst_SettingsStore::failedWriteIsReportedOnce()
{
    // A folder that cannot exist: its parent is a file.
    const QString blocker = m_dir.filePath(QStringLiteral("not-a-folder"));
    {
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList reports;
    SettingsStore::setFailureHandler([&](const QString& m) { reports << m; });
    SettingsStore store(blocker + QStringLiteral("/tvstudio.ini"));
    QVERIFY(!store.writeInt(SettingKey::Palette, 1));
    QVERIFY(!store.writeBool(SettingKey::OnTop, true));
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.first().contains(QStringLiteral("could not be written")));
    QCOMPARE(store.readInt(SettingKey::Palette), 0);
    SettingsStore::setFailureHandler({});
}

void tst_SettingsStore::homeVariableNamesTheFolder()
{
    const QByteArray old = qgetenv("TINTVALE_HOME");
    const QString home = m_dir.filePath(QStringLiteral("elsewhere/deeper"));
    qputenv("TINTVALE_HOME", home.toLocal8Bit());
    QCOMPARE(SettingsFolder(), home);
    QCOMPARE(SettingsFilePath(), home + QStringLiteral("/tvstudio.ini"));
    QVERIFY(QFileInfo(home).isDir());
    qputenv("TINTVALE_HOME", old);
}

void tst_SettingsStore::otherLinesSurviveAWrite()
{
    // Keys of other programs or later versions, comments and case are kept.
    writeFile("; comment\r\n[prefs]\r\nPALETTE=1\r\nUnknown=x\r\n\r\n[Other]\r\nA=b\r\n");
    SettingsStore store(path());
    QCOMPARE(store.readInt(SettingKey::Palette), 1);
    QVERIFY(store.writeInt(SettingKey::Palette, 2));
    QVERIFY(store.writeInt(SettingKey::OnTop, 1));
    QVERIFY(store.writeInt(SettingKey::MainSelectedTab, 1));
    QFile f(path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("; comment\r\n[prefs]\r\nPalette=2\r\nUnknown=x\r\nOnTop=1\r\n\r\n"
                                     "[Other]\r\nA=b\r\n\r\n[Main]\r\nSelectedTab=1\r\n"));
}

TV_REGISTER_TEST(tst_SettingsStore);
#include "tst_SettingsStore.moc"
