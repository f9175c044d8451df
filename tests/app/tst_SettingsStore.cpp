#include "SettingsStore.h"

#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(SettingKey)

class tst_SettingsStore : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(path());
        QDir(path()).removeRecursively();
    }
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
    void foreignBytesSurviveAWrite_data();
    void foreignBytesSurviveAWrite();
    void valuesInLatin1AreRead();
    void unreadableFileIsNeverRewritten_data();
    void unreadableFileIsNeverRewritten();

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

void tst_SettingsStore::foreignBytesSurviveAWrite_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("Latin-1 comment and unknown section")
        << QByteArray("; Gr\xF6\xDFe\r\n[Prefs]\r\nPalette=1\r\n[Fremd]\r\nName=Caf\xE9\r\n") << SettingKey::Palette << 2
        << QByteArray("; Gr\xF6\xDFe\r\n[Prefs]\r\nPalette=2\r\n[Fremd]\r\nName=Caf\xE9\r\n");
    QTest::newRow("LF line ends, last line without one")
        << QByteArray("[Prefs]\nA=\xE9\nPalette=1") << SettingKey::Palette << 3 << QByteArray("[Prefs]\nA=\xE9\nPalette=3");
    QTest::newRow("key added after a last line without line end")
        << QByteArray("[Prefs]\nX=\xFF") << SettingKey::OnTop << 1 << QByteArray("[Prefs]\nX=\xFF\r\nOnTop=1\r\n");
    QTest::newRow("section added after a Latin-1 line without line end")
        << QByteArray("; \xE9t\xE9") << SettingKey::MainSelectedTab << 1
        << QByteArray("; \xE9t\xE9\r\n\r\n[Main]\r\nSelectedTab=1\r\n");
    QTest::newRow("CR line ends")
        << QByteArray("[Prefs]\rPalette=1\r; \xE9\r") << SettingKey::Palette << 5 << QByteArray("[Prefs]\rPalette=5\r; \xE9\r");
    QTest::newRow("invalid UTF-8 and NUL in another section")
        << QByteArray("[Main]\r\nBaseColor=1\r\n[X]\r\n\xC3\x28\0\xFE=\x80\r\n") << SettingKey::MainBaseColor << 255
        << QByteArray("[Main]\r\nBaseColor=255\r\n[X]\r\n\xC3\x28\0\xFE=\x80\r\n");
}

// Only the line of the key written changes (or one is added); every other
// byte is kept, whatever its encoding and line ends.
void tst_SettingsStore::foreignBytesSurviveAWrite()
{
    QFETCH(QByteArray, before);
    QFETCH(SettingKey, key);
    QFETCH(int, value);
    QFETCH(QByteArray, after);
    writeFile(before);
    SettingsStore store(path());
    QVERIFY(store.writeInt(key, value));
    QFile f(path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), after);
    QCOMPARE(store.readInt(key), value);
}

void tst_SettingsStore::valuesInLatin1AreRead()
{
    writeFile("[Prefs]\r\nSInc=\xE9\r\nLInc=\xC3\xA9\r\n");
    SettingsStore store(path());
    QCOMPARE(store.readString(SettingKey::SInc), QString(QChar(0xE9)));
    QCOMPARE(store.readString(SettingKey::LInc), QString(QChar(0xE9)));
}

void tst_SettingsStore::unreadableFileIsNeverRewritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("over 16 MiB") << "huge";
}

// Reads give the defaults without blocking; a write would lose what could not
// be read, so it fails (reported) and the file stays what it was.
void tst_SettingsStore::unreadableFileIsNeverRewritten()
{
    QFETCH(QString, kind);
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path()));
    } else {
        writeFile("[Prefs]\r\nPalette=2\r\n");
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize((qint64(16) << 20) + 1));
    }
    struct stat before {};
    QCOMPARE(::lstat(QFile::encodeName(path()).constData(), &before), 0);
    const QStringList entries = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList reports;
    SettingsStore::setFailureHandler([&](const QString& m) { reports << m; });
    SettingsStore store(path());
    QCOMPARE(store.readInt(SettingKey::Palette), 0);
    QVERIFY(!store.writeInt(SettingKey::Palette, 1));
    SettingsStore::setFailureHandler({});
    QCOMPARE(reports.size(), 1);
    struct stat after {};
    QCOMPARE(::lstat(QFile::encodeName(path()).constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_size, before.st_size);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
}

TV_REGISTER_TEST(tst_SettingsStore);
#include "tst_SettingsStore.moc"
