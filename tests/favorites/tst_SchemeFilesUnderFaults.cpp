// Scheme save, session save and the in-place conversion of an old text
// scheme on a failing disk: the writer runs in a process of its own
// (tv_favorites_writer) under the fault-injection shim, once for every call
// that writes, syncs, closes or renames in the target folder.
#include "FaultRun.h"

#include "TestRegistry.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray oldTextScheme()
{
    QByteArray text = "TVver2\r\n255\r\n102\r\n0\r\n\r\n\r\n255.0.0\r\n---\r\n0.0.255\r\n---\r\n---\r\n";
    for (int i = 0; i < 9; ++i)
        text += QByteArray::number(100 + i) + "\r\n";
    return text;
}

// A valid scheme of an earlier save: version 3, no favourites, base colour,
// preview block.
QByteArray earlierScheme()
{
    QByteArray b("\x03\x00\x00\x00\x11\x22\x33\x00", 8);
    b += QByteArray(36, '\x7F');
    return b;
}

} // namespace

class tst_SchemeFilesUnderFaults : public QObject {
    Q_OBJECT
private slots:
    void everyCallFails_data();
    void everyCallFails();
};

void tst_SchemeFilesUnderFaults::everyCallFails_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("earlier");
    QTest::addColumn<QString>("failureText");
    QTest::addColumn<bool>("persist");
    QTest::addColumn<QByteArray>("error");
    const QString saveText = QStringLiteral("An error has occured while saving the scheme file");
    const QString sessionText = QStringLiteral("An error has occured while saving the session");
    const QString importText = QStringLiteral("An error has occured while importing the scheme\n"
                                              "Not a valid Color Scheme File!");
    for (const bool persist : {true, false}) {
        const QByteArray error = persist ? "ENOSPC" : "EIO";
        const char* how = persist ? "disk stays full" : "one I/O error";
        QTest::addRow("scheme save, %s", how) << "save" << earlierScheme() << saveText << persist << error;
        QTest::addRow("scheme save, new file, %s", how) << "save" << QByteArray() << saveText << persist << error;
        QTest::addRow("session save, %s", how) << "session" << earlierScheme() << sessionText << persist << error;
        QTest::addRow("old scheme converted in place, %s", how)
            << "open" << oldTextScheme() << importText << persist << error;
    }
}

// Each run ends in one of two ways: success with the whole new file, or the
// user's message, exit 1 and the earlier file (or none) exactly as it was.
void tst_SchemeFilesUnderFaults::everyCallFails()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, earlier);
    QFETCH(QString, failureText);
    QFETCH(bool, persist);
    QFETCH(QByteArray, error);
    QTemporaryDir root;
    const QString base = QFileInfo(root.path()).canonicalFilePath();
    const QString dir = base + QStringLiteral("/target"), refDir = base + QStringLiteral("/ref");
    QVERIFY(QDir().mkpath(dir) && QDir().mkpath(refDir));
    const QString path = dir + QStringLiteral("/scheme.tv"), ref = refDir + QStringLiteral("/scheme.tv");
    const QString countFile = base + QStringLiteral("/count");
    auto reset = [&](const QString& p) { return earlier.isNull() ? !QFile::exists(p) || QFile::remove(p) : PutFileBytes(p, earlier); };
    const QString writer = QStringLiteral(TV_SCHEME_WRITER);

    QVERIFY(reset(ref));
    const FaultRunResult reference = RunUnderFaults(writer, {command, ref}, QProcessEnvironment::systemEnvironment());
    QCOMPARE(reference.exitCode, 0);
    const QByteArray expected = FileBytes(ref);
    QVERIFY(expected.startsWith(QByteArray("\x03\x00", 2)));

    FaultPlan plan{dir, 0, persist, error, countFile};
    QVERIFY(reset(path));
    QCOMPARE(RunUnderFaults(writer, {command, path}, FaultEnvironment(plan)).exitCode, 0);
    QCOMPARE(FileBytes(path), expected);
    const long calls = FaultCount(countFile);
    QVERIFY2(calls >= 3, QByteArray::number(qlonglong(calls)));

    const QStringList entries = earlier.isNull() ? QStringList{} : QStringList{QStringLiteral("scheme.tv")};
    int failures = 0;
    for (plan.at = 1; plan.at <= calls; ++plan.at) {
        const QByteArray row = "call " + QByteArray::number(qlonglong(plan.at));
        QVERIFY(reset(path));
        const FaultRunResult r = RunUnderFaults(writer, {command, path}, FaultEnvironment(plan));
        QVERIFY2(r.finished, row);
        const QString err = QString::fromUtf8(r.err).trimmed();
        if (r.exitCode == 0) {
            QVERIFY2(FileBytes(path) == expected, row + " reported success without the whole new file");
            QCOMPARE(FolderEntries(dir), QStringList{QStringLiteral("scheme.tv")});
        } else {
            ++failures;
            QVERIFY2(r.exitCode == 1, row);
            QVERIFY2(err == failureText, row + " " + r.err);
            QVERIFY2(earlier.isNull() ? !QFile::exists(path) : FileBytes(path) == earlier, row + " lost the earlier file");
            QVERIFY2(FolderEntries(dir) == entries, row + " " + FolderEntries(dir).join(u' ').toUtf8());
        }
    }
    QVERIFY(failures > 0);
}

TV_REGISTER_TEST(tst_SchemeFilesUnderFaults);
#include "tst_SchemeFilesUnderFaults.moc"
