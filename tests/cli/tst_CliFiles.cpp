// `tintvale convert` and `tintvale colors` against the file system: every
// output format under a failing disk (the fault-injection shim makes each
// write, sync, close and rename of a run fail in turn), targets that are not
// regular files, symbolic links, and inputs that would block or fill memory.
#include "CliRunner.h"
#include "FaultRun.h"
#include "SchemeFormat.h"

#include "TestRegistry.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A scheme whose names would break a file's head if written raw.
QByteArray inputScheme()
{
    TSchemeData data;
    data.BaseColor = MakeColor(0x12, 0x34, 0x56);
    const QStringList names{QStringLiteral("Sky"), QStringLiteral("two\nlines"), QString::fromLatin1("nul\0byte", 8)};
    for (int i = 0; i < names.size(); ++i) {
        TFavColor f = TFavColor::fromColor(MakeColor(40 * i, 255 - 30 * i, 7 * i), false);
        f.Name = names[i];
        data.Favorites.append(f);
    }
    return SchemeFormat::Serialize(data);
}

const QByteArray kEarlier = "the earlier file, which must survive\r\n";

struct Folders {
    QTemporaryDir root;
    QString in, out, ref, count;
    Folders()
    {
        const QString base = QFileInfo(root.path()).canonicalFilePath();
        in = base + QStringLiteral("/in");
        out = base + QStringLiteral("/out");
        ref = base + QStringLiteral("/ref");
        count = base + QStringLiteral("/count");
        QDir().mkpath(in);
        QDir().mkpath(out);
        QDir().mkpath(ref);
    }
};

} // namespace

class tst_CliFiles : public QObject {
    Q_OBJECT
private slots:
    void convertUnderFaults_data();
    void convertUnderFaults();
    void convertRefusesTargetsThatAreNotFiles_data();
    void convertRefusesTargetsThatAreNotFiles();
    void convertThroughSymbolicLinkKeepsTheLink();
    void inputsThatWouldBlockOrFillMemory_data();
    void inputsThatWouldBlockOrFillMemory();
};

void tst_CliFiles::convertUnderFaults_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("persist");
    QTest::addColumn<QByteArray>("error");
    for (const char* ext : {".html", ".css", ".gif", ".aco", ".ai", ".acf", ".txt", ".act"}) {
        QTest::addRow("%s, disk stays full", ext) << QString::fromLatin1(ext) << true << QByteArray("ENOSPC");
        QTest::addRow("%s, one I/O error", ext) << QString::fromLatin1(ext) << false << QByteArray("EIO");
    }
}

// Every call that writes the output fails in one run or another. Each run
// either succeeds with the complete new file, or exits 1 with a message and
// leaves the earlier file byte for byte; no temporary copy is ever left.
void tst_CliFiles::convertUnderFaults()
{
    QFETCH(QString, extension);
    QFETCH(bool, persist);
    QFETCH(QByteArray, error);
    Folders f;
    const QString input = f.in + QStringLiteral("/scheme.tv");
    QVERIFY(PutFileBytes(input, inputScheme()));
    const QString name = QStringLiteral("palette") + extension;
    const QString target = f.out + QLatin1Char('/') + name;

    const CliRun reference = RunCli({QStringLiteral("convert"), input, f.ref + QLatin1Char('/') + name});
    QCOMPARE(reference.err, QString());
    QCOMPARE(reference.exitCode, 0);
    const QByteArray expected = FileBytes(f.ref + QLatin1Char('/') + name);

    FaultPlan plan{f.out, 0, persist, error, f.count};
    QVERIFY(PutFileBytes(target, kEarlier));
    const FaultRunResult counting = RunUnderFaults(QStringLiteral(TV_CLI_BIN), {QStringLiteral("convert"), input, target},
                                                   FaultEnvironment(plan));
    QCOMPARE(counting.exitCode, 0);
    QCOMPARE(FileBytes(target), expected);
    const long calls = FaultCount(f.count);
    // At least a write, a sync and the rename reach the folder.
    QVERIFY2(calls >= 3, QByteArray::number(qlonglong(calls)));

    int failures = 0;
    for (plan.at = 1; plan.at <= calls; ++plan.at) {
        const QByteArray row = "call " + QByteArray::number(qlonglong(plan.at));
        QVERIFY(PutFileBytes(target, kEarlier));
        const FaultRunResult r = RunUnderFaults(QStringLiteral(TV_CLI_BIN), {QStringLiteral("convert"), input, target},
                                                FaultEnvironment(plan));
        QVERIFY2(r.finished, row);
        QVERIFY2(FaultCount(f.count) >= plan.at, row);
        if (r.exitCode == 0) {
            QVERIFY2(FileBytes(target) == expected, row + " reported success without the whole new file");
            QVERIFY2(r.err.isEmpty(), row + " " + r.err);
        } else {
            ++failures;
            QVERIFY2(r.exitCode == 1, row + " exit " + QByteArray::number(r.exitCode));
            QVERIFY2(r.err.startsWith("tintvale convert: Cannot create file \"" + target.toUtf8() + "\"."), row + " " + r.err);
            QVERIFY2(FileBytes(target) == kEarlier, row + " lost the earlier file");
        }
        QVERIFY2(FolderEntries(f.out) == QStringList{name}, row + " " + FolderEntries(f.out).join(u' ').toUtf8());
    }
    // A write refused by the disk can never end in success.
    QVERIFY(failures > 0);
}

void tst_CliFiles::convertRefusesTargetsThatAreNotFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("symbolic link to a device") << "device link";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("symbolic link to a FIFO") << "fifo link";
}

void tst_CliFiles::convertRefusesTargetsThatAreNotFiles()
{
    QFETCH(QString, kind);
    Folders f;
    const QString input = f.in + QStringLiteral("/scheme.tv");
    QVERIFY(PutFileBytes(input, inputScheme()));
    const QString target = f.out + QStringLiteral("/target.act");
    const QString fifo = f.in + QStringLiteral("/pipe");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    if (kind == QLatin1String("device link"))
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), target));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    else if (kind == QLatin1String("fifo link"))
        QVERIFY(QFile::link(fifo, target));
    else
        QVERIFY(QDir().mkpath(target));
    struct stat before {};
    QCOMPARE(::lstat(QFile::encodeName(target).constData(), &before), 0);

    const CliRun r = RunCli({QStringLiteral("convert"), input, target});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QLatin1String("is not a regular file")), qPrintable(r.err));
    QVERIFY2(r.err.contains(target), qPrintable(r.err));
    struct stat after {};
    QCOMPARE(::lstat(QFile::encodeName(target).constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(FolderEntries(f.out), QStringList{QStringLiteral("target.act")});
}

void tst_CliFiles::convertThroughSymbolicLinkKeepsTheLink()
{
    Folders f;
    const QString input = f.in + QStringLiteral("/scheme.tv");
    QVERIFY(PutFileBytes(input, inputScheme()));
    const QString real = f.out + QStringLiteral("/real.acf");
    QVERIFY(PutFileBytes(real, kEarlier));
    // A relative link, resolved against the link's own folder.
    const QString link = f.ref + QStringLiteral("/link.acf");
    QVERIFY(QFile::link(QStringLiteral("../out/real.acf"), link));

    const CliRun r = RunCli({QStringLiteral("convert"), input, link});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), real);
    const QByteArray written = FileBytes(real);
    QVERIFY(written.startsWith("ACF 1.0\r\nlink.acf\r\n"));
    // The names of the head stay one line each: the line break became a
    // space and the NUL byte was left out.
    QVERIFY(written.contains("\r\ntwo lines\r\n"));
    QVERIFY(written.contains("\r\nnulbyte\r\n"));
    QVERIFY(!written.contains('\0'));
    QCOMPARE(FolderEntries(f.ref), QStringList{QStringLiteral("link.acf")});
    QCOMPARE(FolderEntries(f.out), QStringList{QStringLiteral("real.acf")});
}

void tst_CliFiles::inputsThatWouldBlockOrFillMemory_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("FIFO as a scheme") << "fifo.tv" << "is not a regular file";
    QTest::newRow("FIFO as a palette") << "fifo.aco" << "is not a regular file";
    QTest::newRow("FIFO as a picture") << "fifo.gif" << "is not a regular file";
    QTest::newRow("link to /dev/zero") << "zero.act" << "is not a regular file";
    QTest::newRow("sparse 1 GiB scheme") << "huge.tv" << "is too large";
    QTest::newRow("sparse 1 GiB colour table") << "huge.act" << "is too large";
}

// Each ends at once with exit 2 and a message naming the file.
void tst_CliFiles::inputsThatWouldBlockOrFillMemory()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    Folders f;
    const QString path = f.in + QLatin1Char('/') + kind;
    if (kind.startsWith(QLatin1String("fifo"))) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind.startsWith(QLatin1String("zero"))) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
        QFile sparse(path);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(qint64(1) << 30));
    }
    QProcess p;
    p.start(QStringLiteral(TV_CLI_BIN), {QStringLiteral("colors"), path});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 2);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(message) && err.contains(path), qPrintable(err));
}

TV_REGISTER_TEST(tst_CliFiles);
#include "tst_CliFiles.moc"
