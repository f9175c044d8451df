#include "CliRunner.h"

#include "TestRegistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// tintvale catalogue through the real command line, the PDF read back with poppler.
class tst_CliCatalogue : public QObject {
    Q_OBJECT
private slots:
    void writesPdf_data();
    void writesPdf();
    void refuses_data();
    void refuses();

private:
    static QString poppler(const char* tool, const QStringList& args)
    {
        QProcess p;
        p.start(QStandardPaths::findExecutable(QLatin1String(tool)), args);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

void tst_CliCatalogue::writesPdf_data()
{
    QTest::addColumn<int>("colors");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("size");
    QTest::newRow("favourites on letter") << 30 << QStringList{} << 30 << 2 << "612 x 792 pts";
    QTest::newRow("a4: two columns of ten") << 30 << QStringList{"--page", "a4"} << 30 << 2 << "595 x 842 pts";
    QTest::newRow("every group") << 2 << QStringList{"--groups", "favorites,wheel,mixer,history"} << 2 + 12 + 3 + 1 << 1
                                 << "612 x 792 pts";
    QTest::newRow("wheel alone") << 2 << QStringList{"--groups", "wheel"} << 12 << 1 << "612 x 792 pts";
    QTest::newRow("thousand colours") << 1000 << QStringList{} << 1000 << 38 << "612 x 792 pts";
}

void tst_CliCatalogue::writesPdf()
{
    QFETCH(int, colors);
    QFETCH(QStringList, options);
    QFETCH(int, listed);
    QFETCH(int, pages);
    QFETCH(QString, size);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("poppler-utils is not installed (scripts/deps.sh installs it)");
    QTemporaryDir dir;
    QByteArray gpl("GIMP Palette\nName: t\n#\n");
    for (int i = 0; i < colors; ++i)
        gpl += QByteArray::number(255) + ' ' + QByteArray::number(i % 256) + ' ' + QByteArray::number(i / 256) + "\tTone "
               + QByteArray::number(i) + '\n';
    const QString in = dir.filePath(QStringLiteral("t.gpl"));
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(gpl);
    f.close();
    const QString out = dir.filePath(QStringLiteral("c.pdf"));
    const CliRun r = RunCli(QStringList{"catalogue", in, out} + options);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("%1 colours on %2 %3\n").arg(listed).arg(pages).arg(pages == 1 ? "page" : "pages"));
    const QString info = poppler("pdfinfo", {out});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(pages))), qPrintable(info));
    QVERIFY2(info.contains(size), qPrintable(info));
    const QString text = poppler("pdftotext", {out, QStringLiteral("-")});
    const bool favourites = !options.contains(QLatin1String("wheel"));
    QCOMPARE(text.contains(QLatin1String("Tone 1")), favourites);
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("HEX:\\s+#FF"))));
    if (!favourites)
        QVERIFY(text.contains(QLatin1String("Color 12")));
}

void tst_CliCatalogue::refuses_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("err");
    QTest::newRow("no output") << QStringList{"catalogue", "IN"} << 2 << "usage";
    QTest::newRow("not a pdf") << QStringList{"catalogue", "IN", "x.png"} << 2 << "usage";
    QTest::newRow("unknown group") << QStringList{"catalogue", "IN", "OUT", "--groups", "wheel,sky"} << 2 << "unknown group \"sky\"";
    QTest::newRow("unknown paper") << QStringList{"catalogue", "IN", "OUT", "--page", "a3"} << 2 << "expected a4 or letter";
    QTest::newRow("missing value") << QStringList{"catalogue", "IN", "OUT", "--page"} << 2 << "needs a value";
    QTest::newRow("vanished folder") << QStringList{"catalogue", "IN", "gone/x.pdf"} << 1 << "x.pdf";
}

void tst_CliCatalogue::refuses()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("t.gpl"));
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("GIMP Palette\n255 0 0\tRed\n");
    f.close();
    for (QString& a : args) {
        if (a == QLatin1String("IN"))
            a = in;
        else if (a == QLatin1String("OUT"))
            a = dir.filePath(QStringLiteral("c.pdf"));
        else if (a.startsWith(QLatin1String("gone/")))
            a = dir.filePath(a);
    }
    const CliRun r = RunCli(args);
    QCOMPARE(r.exitCode, code);
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("c.pdf"))));
}

TV_REGISTER_TEST(tst_CliCatalogue);
#include "tst_CliCatalogue.moc"
