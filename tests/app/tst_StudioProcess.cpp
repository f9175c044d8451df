// The studio as a real process: the single-instance hand-over between
// copies, and the closing sequence on SIGTERM in every state the studio can
// be in when the signal comes.
#include "SchemeFile.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include "TestRegistry.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>
#include <vector>

#include <sys/stat.h>

class tst_StudioProcess : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void secondCopyWithFileHandsOverAndExits();
    void secondCopyWithoutFileRunsBeside();
    void missingFileArgumentStartsNormally();
    void sigtermWritesTheSettings();
    void copiesStartedTogetherMakeOneStudio();
    void copyWithFileAfterACrashIsTheFirst();
    void sigtermEndsTheStudioInAnyState_data();
    void sigtermEndsTheStudioInAnyState();

private:
    QProcessEnvironment env() const;
    bool startFirst(QProcess& p, const QStringList& args = {});
    bool answersOnSocket(int timeoutMs) const;
    void startCopy(QProcess& p, const QStringList& args) const;
    QString serverName() const;
    QString writeNonScheme() const;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_scheme;
};

// The states a studio is in when SIGTERM arrives.
enum class StudioState {
    Idle,
    BadFileArgumentBox, // the error box for a bad file argument, open before the event loop runs
    BadHandOverBox,     // the error box for a bad file handed over by a second copy
    FifoArgument,       // started with a FIFO, which nobody ever writes
    StartUpBox,         // a box while the window is being built (the session cannot be read)
};
// Which of the studio's files cannot be written (a folder stands where the file
// would go, which even root cannot replace).
enum class Unwritable { Nothing, Settings, SettingsAndSession };
Q_DECLARE_METATYPE(StudioState)
Q_DECLARE_METATYPE(Unwritable)

namespace {
// A studio that has taken up SIGTERM ends within two seconds; these bounds
// leave room for a loaded machine.
constexpr int kEndBoundMs = 5000;
// A copy with a file waits this long for the first copy to listen (the
// studio's own bound, SingleInstance::Timeouts::listenMs).
constexpr int kListenWaitMs = 5000;
} // namespace

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

void tst_StudioProcess::startCopy(QProcess& p, const QStringList& args) const
{
    p.setProcessEnvironment(env());
    p.start(QStringLiteral(TV_STUDIO_BIN), args);
}

bool tst_StudioProcess::answersOnSocket(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        QLocalSocket probe;
        probe.connectToServer(serverName());
        if (probe.waitForConnected(100))
            return true;
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return false;
}

bool tst_StudioProcess::startFirst(QProcess& p, const QStringList& args)
{
    startCopy(p, args);
    if (!p.waitForStarted(10000))
        return false;
    // Ready once it answers on its socket.
    return answersOnSocket(15000);
}

QString tst_StudioProcess::writeNonScheme() const
{
    const QString path = m_dir->filePath(QStringLiteral("not-a-scheme.tv"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write("These are not the colours you are looking for.\n") < 0)
        return {};
    return path;
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

void tst_StudioProcess::copiesStartedTogetherMakeOneStudio()
{
    // A first copy and eight copies with a file, all started before any of them
    // listens: one of them takes the claim and every other copy with the file
    // hands it over and ends, instead of running as a studio of its own.
    QProcess first;
    startCopy(first, {});
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 8; ++i) {
        copies.push_back(std::make_unique<QProcess>());
        startCopy(*copies.back(), {m_scheme});
    }
    const auto finished = [&copies] {
        return std::count_if(copies.begin(), copies.end(),
                             [](const auto& p) { return p->state() == QProcess::NotRunning; });
    };
    // At most one copy with the file (the one that got the claim first) stays.
    QTRY_VERIFY_WITH_TIMEOUT(finished() >= 7, 60000);
    QTest::qWait(1000);
    QVERIFY(finished() >= 7);
    for (const auto& p : copies)
        QVERIFY(p->state() != QProcess::NotRunning || (p->exitStatus() == QProcess::NormalExit && p->exitCode() == 1));
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(answersOnSocket(1000));
    // QProcess's destructor ends the copies that still run.
}

void tst_StudioProcess::copyWithFileAfterACrashIsTheFirst()
{
    // A first copy that crashed leaves its claim and socket files behind; the
    // next copy with a file sees that their owner is gone, opens the file
    // itself at once and becomes the copy others hand over to.
    QProcess crashed;
    QVERIFY(startFirst(crashed));
    crashed.kill();
    QVERIFY(crashed.waitForFinished(10000));
    QVERIFY(QFileInfo::exists(SingleInstance::claimFilePath(serverName())));

    QProcess next;
    startCopy(next, {m_scheme});
    QVERIFY(next.waitForStarted(10000));
    QVERIFY(answersOnSocket(kListenWaitMs - 1000)); // sooner than a copy waiting for a holder that never listens
    QCOMPARE(next.state(), QProcess::Running);
    QProcess handing;
    startCopy(handing, {m_scheme});
    QVERIFY(handing.waitForFinished(15000));
    QCOMPARE(handing.exitCode(), 1);
}

void tst_StudioProcess::sigtermEndsTheStudioInAnyState_data()
{
    QTest::addColumn<StudioState>("state");
    QTest::addColumn<Unwritable>("unwritable");
    QTest::newRow("idle") << StudioState::Idle << Unwritable::Nothing;
    QTest::newRow("bad file argument, its box open before the event loop") << StudioState::BadFileArgumentBox << Unwritable::Nothing;
    QTest::newRow("bad file handed over, its box open") << StudioState::BadHandOverBox << Unwritable::Nothing;
    QTest::newRow("FIFO argument") << StudioState::FifoArgument << Unwritable::Nothing;
    QTest::newRow("settings unwritable: the closing warning") << StudioState::Idle << Unwritable::Settings;
    QTest::newRow("nothing readable or writable: a box while the window is built") << StudioState::StartUpBox << Unwritable::SettingsAndSession;
    QTest::newRow("box open and settings unwritable") << StudioState::BadFileArgumentBox << Unwritable::Settings;
}

void tst_StudioProcess::sigtermEndsTheStudioInAnyState()
{
    QFETCH(StudioState, state);
    QFETCH(Unwritable, unwritable);
    const QString settingsPath = m_dir->filePath(QStringLiteral("tvstudio.ini"));
    const QString sessionPath = SessionFilePath(m_dir->path());
    if (unwritable != Unwritable::Nothing)
        QVERIFY(QDir().mkdir(settingsPath));
    if (unwritable == Unwritable::SettingsAndSession)
        QVERIFY(QDir().mkdir(sessionPath));

    QStringList args;
    if (state == StudioState::BadFileArgumentBox)
        args << writeNonScheme();
    if (state == StudioState::FifoArgument) {
        const QString fifo = m_dir->filePath(QStringLiteral("pipe.tv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        args << fifo;
    }
    QProcess studio;
    if (state == StudioState::StartUpBox) { // it listens only once the window is built
        startCopy(studio, args);
        QVERIFY(studio.waitForStarted(10000));
        QTest::qWait(1500);
    } else {
        QVERIFY(startFirst(studio, args));
    }
    if (state == StudioState::BadHandOverBox) {
        // A good file first, so the session shows what the studio held; then the bad one.
        for (const QString& handed : {m_scheme, writeNonScheme()}) {
            QProcess second;
            startCopy(second, {handed});
            QVERIFY2(second.waitForFinished(kEndBoundMs), "a copy handing over waits for the first copy's message box");
            QCOMPARE(second.exitCode(), 1);
        }
    }
    QTest::qWait(300); // the box opens
    QCOMPARE(studio.state(), QProcess::Running);

    ::kill(pid_t(studio.processId()), SIGTERM);
    QVERIFY2(studio.waitForFinished(kEndBoundMs), "the studio did not end on SIGTERM");
    QCOMPARE(studio.exitStatus(), QProcess::NormalExit);
    QCOMPARE(studio.exitCode(), 0); // not the watchdog's 128 + 15: every write was attempted

    if (unwritable == Unwritable::Nothing) {
        SettingsStore settings(settingsPath);
        QVERIFY(settings.readInt(SettingKey::MainTop, -12345) != -12345);
    } else {
        QVERIFY(QFileInfo(settingsPath).isDir());
    }
    TSchemeData session;
    bool exists = false;
    if (unwritable == Unwritable::SettingsAndSession) {
        QVERIFY(QFileInfo(sessionPath).isDir());
    } else {
        QCOMPARE(LoadSessionFile(sessionPath, session, &exists), FavoritesError::None);
        QVERIFY(exists);
        QCOMPARE(session.Favorites.size(), state == StudioState::BadHandOverBox ? 1 : 0);
    }
    // Nothing is left that would keep the next copy from being the first.
    QVERIFY(!QFileInfo::exists(SingleInstance::claimFilePath(serverName())));
}

TV_REGISTER_TEST(tst_StudioProcess);
#include "tst_StudioProcess.moc"
