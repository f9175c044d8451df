// The studio as a real process: the single-instance hand-over between two
// copies, and the closing sequence on SIGTERM.
#include "SchemeFile.h"
#include "SettingsStore.h"

#include "TestRegistry.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class tst_StudioProcess : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void secondCopyWithFileHandsOverAndExits();
    void secondCopyWithoutFileRunsBeside();
    void missingFileArgumentStartsNormally();
    void sigtermWritesTheSettings();

private:
    QProcessEnvironment env() const;
    bool startFirst(QProcess& p);
    QString serverName() const;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_scheme;
};

void tst_StudioProcess::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_scheme = m_dir->filePath(QStringLiteral("handed.tv"));
    TSchemeData data;
    TFavColor sky = TFavColor::fromColor(MakeColor(0x33, 0x99, 0xFF), false);
    sky.Name = QStringLiteral("Handed Sky");
    data.Favorites << sky;
    data.BaseColor = MakeColor(0x11, 0x22, 0x33);
    QCOMPARE(SaveSchemeFile(m_scheme, data), FavoritesError::None);
}

void tst_StudioProcess::cleanup()
{
    m_dir.reset();
}

QProcessEnvironment tst_StudioProcess::env() const
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("TINTVALE_HOME"), m_dir->path());
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return e;
}

QString tst_StudioProcess::serverName() const
{
    return QStringLiteral("TintvaleStudio-%1-%2").arg(::getuid()).arg(qHash(m_dir->path().toLocal8Bit()), 0, 16);
}

bool tst_StudioProcess::startFirst(QProcess& p)
{
    p.setProcessEnvironment(env());
    p.start(QStringLiteral(TV_STUDIO_BIN), {});
    if (!p.waitForStarted(10000))
        return false;
    // Ready once it answers on its socket.
    for (int i = 0; i < 200; ++i) {
        QLocalSocket probe;
        probe.connectToServer(serverName());
        if (probe.waitForConnected(100))
            return true;
        QTest::qWait(50);
    }
    return false;
}

void tst_StudioProcess::secondCopyWithFileHandsOverAndExits()
{
    QProcess first;
    QVERIFY(startFirst(first));
    QProcess second;
    second.setProcessEnvironment(env());
    second.start(QStringLiteral(TV_STUDIO_BIN), {m_scheme});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(first.state(), QProcess::Running);
    first.terminate();
    QVERIFY(first.waitForFinished(15000));
    // The first copy opened the file: its session now holds the handed favourite.
    TSchemeData session;
    QCOMPARE(LoadSessionFile(SessionFilePath(m_dir->path()), session), FavoritesError::None);
    QCOMPARE(session.Favorites.size(), 1);
    QCOMPARE(session.Favorites.first().Name, QStringLiteral("Handed Sky"));
    QCOMPARE(session.BaseColor, MakeColor(0x11, 0x22, 0x33));
}

void tst_StudioProcess::secondCopyWithoutFileRunsBeside()
{
    QProcess first;
    QVERIFY(startFirst(first));
    QProcess second;
    second.setProcessEnvironment(env());
    second.start(QStringLiteral(TV_STUDIO_BIN), {});
    QVERIFY(second.waitForStarted(10000));
    QVERIFY(!second.waitForFinished(1500)); // still running
    second.terminate();
    first.terminate();
    QVERIFY(second.waitForFinished(15000));
    QVERIFY(first.waitForFinished(15000));
}

void tst_StudioProcess::missingFileArgumentStartsNormally()
{
    QProcess first;
    QVERIFY(startFirst(first));
    QProcess second;
    second.setProcessEnvironment(env());
    second.start(QStringLiteral(TV_STUDIO_BIN), {m_dir->filePath(QStringLiteral("nothing-here.tv"))});
    QVERIFY(second.waitForStarted(10000));
    QVERIFY(!second.waitForFinished(1500));
    second.kill();
    second.waitForFinished(5000);
    first.terminate();
    QVERIFY(first.waitForFinished(15000));
}

void tst_StudioProcess::sigtermWritesTheSettings()
{
    {
        SettingsStore s(m_dir->filePath(QStringLiteral("tvstudio.ini")));
        s.writeInt(SettingKey::MainBaseColor, 0x336699);
        s.writeBool(SettingKey::FavExitWarn, true);
    }
    QProcess first;
    QVERIFY(startFirst(first));
    QFile::remove(m_dir->filePath(QStringLiteral("tvstudio.ini")));
    ::kill(pid_t(first.processId()), SIGTERM);
    QVERIFY(first.waitForFinished(15000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    SettingsStore s(m_dir->filePath(QStringLiteral("tvstudio.ini")));
    QCOMPARE(s.readInt(SettingKey::MainBaseColor), 0x336699);
    QVERIFY(s.readInt(SettingKey::MainTop, -12345) != -12345);
}

TV_REGISTER_TEST(tst_StudioProcess);
#include "tst_StudioProcess.moc"
