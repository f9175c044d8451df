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
    void namedPalettes_data();
    void namedPalettes();
    void namedPaletteFaults_data();
    void namedPaletteFaults();
    void cmykNotice();
};

void tst_CliFiles::convertUnderFaults_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("persist");
    QTest::addColumn<QByteArray>("error");
    for (const char* ext : {".html", ".css", ".gif", ".aco", ".ai", ".acf", ".txt", ".act", ".gpl", ".ase", ".tokens.json"}) {
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

void tst_CliFiles::namedPalettes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("starts");
    QTest::addColumn<QString>("colors");
    const QString plain = QStringLiteral("6699CC\tSky blue\nFF3300\tx{y}\n000000\t\n");
    QTest::newRow("gpl") << QStringList() << "p.gpl" << QByteArray("GIMP Palette\nName: p\n") << plain;
    QTest::newRow("ase") << QStringList() << "p.ase" << QByteArray("ASEF\0\1\0\0\0\0\0\3", 12)
                         << QStringLiteral("6699CC\tSky blue\nFF3300\tx{y}\n000000\t\n");
    QTest::newRow("css custom properties") << QStringList{"--css-vars"} << "p.css"
                                           << QByteArray("@charset \"UTF-8\";\r\n:root {\r\n  --Sky\\ blue: #6699cc;")
                                           << QStringLiteral("6699CC\tSky blue\nFF3300\tx{y}\n000000\tColor3\n");
    QTest::newRow("option after the files") << QStringList() << "p.css --css-vars" << QByteArray("@charset")
                                            << QStringLiteral("6699CC\tSky blue\nFF3300\tx{y}\n000000\tColor3\n");
    QTest::newRow("tokens") << QStringList() << "p.tokens.json" << QByteArray("{\n  \"palette\": {\n    \"Sky blue\"")
                            << QStringLiteral("6699CC\tpalette.Sky blue\nFF3300\tpalette.x(y)\n000000\tpalette.Color 3\n");
    // Without the option a .css stays the class sheet, which holds no custom property.
    QTest::newRow("css classes") << QStringList() << "p.css" << QByteArray(".Sky\\ blue {\r\n  Color: #6699CC;") << QString();
}

// A CMYK swatch is converted, and the command says how on stderr.
void tst_CliFiles::cmykNotice()
{
    Folders f;
    const QString input = f.in + QStringLiteral("/c.ase");
    QVERIFY(PutFileBytes(input, QByteArray::fromHex("41534546000100000000000100010000001c000200430000434d594b"
                                    "3f8000000000000000000000000000000002")));
    const CliRun r = RunCli({QStringLiteral("colors"), input});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("00FFFF\tC\n"));
    QCOMPARE(r.err, QStringLiteral("tintvale colors: 1 CMYK swatch(es) converted to RGB without a color profile; "
                                   "printed colors may differ.\n"));
}

// A GIMP palette converted to each named format and listed back.
void tst_CliFiles::namedPalettes()
{
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    QFETCH(QByteArray, starts);
    QFETCH(QString, colors);
    Folders f;
    const QString input = f.in + QStringLiteral("/in.gpl");
    QVERIFY(PutFileBytes(input, "GIMP Palette\nName: in\n#\n102 153 204\tSky blue\n255 51 0 x{y}\n0 0 0\n"));
    QStringList args = QStringList{QStringLiteral("convert")} + options + QStringList{input};
    const QStringList outputParts = output.split(u' ');
    const QString target = f.out + QLatin1Char('/') + outputParts[0];
    args << target << outputParts.mid(1);
    const CliRun r = RunCli(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QByteArray written = FileBytes(target);
    QVERIFY2(written.startsWith(starts), written.left(80).constData());
    const CliRun listed = RunCli({QStringLiteral("colors"), target});
    QCOMPARE(listed.err, QString());
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, colors);
}

void tst_CliFiles::namedPaletteFaults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("--css-vars needs a .css output") << QStringList{"convert", "--css-vars", "IN.gpl", "OUT.gpl"}
                                                    << QByteArray("GIMP Palette\n1 2 3\n") << "--css-vars needs a .css output";
    QTest::newRow("truncated ase") << QStringList{"colors", "IN.ase"} << QByteArray("ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x40", 18)
                                   << "bad length";
    QTest::newRow("not a GIMP palette") << QStringList{"colors", "IN.gpl"} << QByteArray("GIMP\n") << "not a GIMP palette";
    QTest::newRow("broken tokens") << QStringList{"colors", "IN.tokens.json"} << QByteArray("{\"a\": ") << "not JSON";
    QTest::newRow("plain .json") << QStringList{"colors", "IN.json"} << QByteArray("{}") << "Unknown palette file type";
    QTest::newRow("convert of a bad palette writes nothing") << QStringList{"convert", "IN.gpl", "OUT.ase"}
                                                              << QByteArray("GIMP Palette\n1 2 3\n4 5\n") << "line 3";
}

// Refusals end with exit 2 and a message naming the input and the fault;
// no output file appears.
void tst_CliFiles::namedPaletteFaults()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    Folders f;
    QString inputPath;
    for (QString& a : args) {
        if (a.startsWith(QLatin1String("IN."))) {
            inputPath = f.in + QLatin1Char('/') + a;
            a = inputPath;
        } else if (a.startsWith(QLatin1String("OUT."))) {
            a = f.out + QLatin1Char('/') + a;
        }
    }
    QVERIFY(PutFileBytes(inputPath, input));
    const CliRun r = RunCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    if (!message.startsWith(QLatin1String("--")))
        QVERIFY2(r.err.contains(inputPath), qPrintable(r.err));
    QCOMPARE(FolderEntries(f.out), QStringList());
}

TV_REGISTER_TEST(tst_CliFiles);
#include "tst_CliFiles.moc"
