#include "CliRunner.h"

#include "../tools/PictureSamples.h"

#include "TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

// picture through the real command line, on pictures written by real encoders.
class tst_CliPicture : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void extractsTheFlatColours_data();
    void extractsTheFlatColours();
    void sameOnEveryRun();
    void refuses_data();
    void refuses();
    void helpListsPicture();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_CliPicture::extractsTheFlatColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("out");
    const QString four = QStringLiteral("C81E1E\n1E78C8\nF0F0EB\n28A03C\n");
    QTest::newRow("png, 4") << "f.png" << "png" << QStringList{"--colors", "4"} << four;
    QTest::newRow("bmp, 4, option first") << "f.bmp" << "bmp" << QStringList{"--colors", "4"} << four;
    QTest::newRow("png, default 5") << "f5.png" << "png" << QStringList{} << "";
}

// Four bands left to right: the four colours in that order. Five asked of
// four colours: every line is one of them.
void tst_CliPicture::extractsTheFlatColours()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    QFETCH(QStringList, extra);
    QFETCH(QString, out);
    const QImage img = Samples::FlatRegions({qRgb(200, 30, 30), qRgb(30, 120, 200), qRgb(240, 240, 235), qRgb(40, 160, 60)},
                                            800, 500);
    QVERIFY(Samples::PutImage(path(name), img, format.toLatin1().constData()));
    QStringList args{"picture"};
    if (name.endsWith(QLatin1String(".bmp")))
        args << extra << path(name);
    else
        args << path(name) << extra;
    const CliRun r = RunCli(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    if (!out.isEmpty()) {
        QCOMPARE(r.out, out);
        return;
    }
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    for (const QString& l : lines)
        QVERIFY2(QStringList({"C81E1E", "1E78C8", "F0F0EB", "28A03C"}).contains(l), qPrintable(l));
}

void tst_CliPicture::sameOnEveryRun()
{
    QVERIFY(Samples::PutImage(path("photo.jpg"), Samples::Photo(3000, 2000), "jpeg"));
    const CliRun a = RunCli({"picture", path("photo.jpg"), "--colors", "9"});
    QCOMPARE(a.exitCode, 0);
    QCOMPARE(a.out.count(QLatin1Char('\n')), 9);
    QCOMPARE(RunCli({"picture", path("photo.jpg"), "--colors", "9"}).out, a.out);
}

void tst_CliPicture::refuses_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    QTest::newRow("no file") << QStringList{"picture"} << "usage: picture FILE [--colors N]";
    QTest::newRow("one colour") << QStringList{"picture", "x.png", "--colors", "1"} << "must be 2 to 9";
    QTest::newRow("ten colours") << QStringList{"picture", "x.png", "--colors", "10"} << "must be 2 to 9";
    QTest::newRow("not a number") << QStringList{"picture", "x.png", "--colors", "many"} << "must be 2 to 9";
    QTest::newRow("two files") << QStringList{"picture", "a.png", "b.png"} << "unexpected argument \"b.png\"";
    QTest::newRow("missing") << QStringList{"picture", "/nonexistent/gone.jpg"} << "\"gone.jpg\" does not exist";
    QTest::newRow("no recognised ending") << QStringList{"picture", "/etc/hostname"}
                                          << "\"hostname\" is not a picture the tool can open";
}

void tst_CliPicture::refuses()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const CliRun r = RunCli(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
}

void tst_CliPicture::helpListsPicture()
{
    const CliRun r = RunCli({"--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains(QLatin1String("  picture ")));
}

TV_REGISTER_TEST(tst_CliPicture);
#include "tst_CliPicture.moc"
