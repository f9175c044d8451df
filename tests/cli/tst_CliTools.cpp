#include "CliRunner.h"

#include "TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// mix, contrast and analyze through the real command line.
class tst_CliTools : public QObject {
    Q_OBJECT
private slots:
    void prints_data();
    void prints();
    void refuses_data();
    void refuses();
    void helpListsTools();
    void guideListsInFileOrder();
};

void tst_CliTools::prints_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    QTest::newRow("mix 1 black white") << QStringList{"mix", "--steps", "1", "--path", "linear", "000000", "FFFFFF"}
                                       << "000000\n808080\nFFFFFF\n";
    QTest::newRow("mix 3 linear") << QStringList{"mix", "--steps", "3", "--path", "linear", "#000000", "#ffffff"}
                                  << "000000\n404040\n808080\nBFBFBF\nFFFFFF\n";
    QTest::newRow("mix cw red blue") << QStringList{"mix", "--path", "cw", "--steps", "1", "FF0000", "0000FF"}
                                     << "FF0000\n00FF00\n0000FF\n";
    QTest::newRow("mix ccw red blue") << QStringList{"mix", "--steps", "1", "--path", "ccw", "FF0000", "0000FF"}
                                      << "FF0000\nFF00FF\n0000FF\n";
    QTest::newRow("contrast yes no") << QStringList{"contrast", "FFFFFF", "828282", "838383", "000000"}
                                     << "828282 yes\n838383 no\n000000 yes\n";
    QTest::newRow("contrast report")
        << QStringList{"contrast", "--report", "FFFFFF", "000000", "777777", "888888", "FFFFFF"}
        << "000000\t21.00\tAAA\t106.04\n"
           "777777\t4.48\tAA large text only\t71.11\n"
           "888888\t3.54\tAA large text only\t63.06\n"
           "FFFFFF\t1.00\tfail\t0.00\n";
    QTest::newRow("contrast report dark bg") << QStringList{"contrast", "000000", "--report", "ffffff"}
                                             << "FFFFFF\t21.00\tAAA\t-107.88\n";
    QTest::newRow("analyze no favourites white") << QStringList{"analyze", "--bg", "0"} << "000000\tBlack\n";
    QTest::newRow("analyze no favourites black") << QStringList{"analyze", "--bg", "1"} << "FFFFFF\tWhite\n";
    QTest::newRow("analyze grey favourite")
        << QStringList{"analyze", "--fav", "808080:Mid grey", "--fav", "#102030:Ink: deep", "--bg", "0"}
        << "FFFFFF\tWhite\n000000\tBlack\n";
    QTest::newRow("analyze white background")
        << QStringList{"analyze", "--bg", "2", "--fav", "808080:Mid grey", "--fav", "102030:Ink: deep"}
        << "808080\tMid grey\n102030\tInk: deep\n000000\tBlack\n";
    QTest::newRow("guide nearest") << QStringList{"guide", TV_GUIDE_DIR "/CSS Named Colors.csv", "--nearest", "#653398"}
                                   << "663399\trebeccapurple\n";
    QTest::newRow("analyze empty name on black") << QStringList{"analyze", "--fav", "FFFF00:", "--bg", "2"}
                                        << "FFFF00\t\nFFFFFF\tWhite\n";
}

void tst_CliTools::prints()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    const CliRun r = RunCli(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, out);
}

void tst_CliTools::refuses_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("mix steps 0") << QStringList{"mix", "--steps", "0", "--path", "linear", "000000", "FFFFFF"};
    QTest::newRow("mix steps 59") << QStringList{"mix", "--steps", "59", "--path", "linear", "000000", "FFFFFF"};
    QTest::newRow("mix steps word") << QStringList{"mix", "--steps", "five", "000000", "FFFFFF"};
    QTest::newRow("mix steps missing") << QStringList{"mix", "000000", "FFFFFF", "--steps"};
    QTest::newRow("mix bad path") << QStringList{"mix", "--steps", "2", "--path", "radial", "000000", "FFFFFF"};
    QTest::newRow("mix path case") << QStringList{"mix", "--steps", "2", "--path", "CW", "000000", "FFFFFF"};
    QTest::newRow("mix bad colour") << QStringList{"mix", "--steps", "2", "--path", "cw", "00000G", "FFFFFF"};
    QTest::newRow("mix one colour") << QStringList{"mix", "--steps", "2", "--path", "cw", "000000"};
    QTest::newRow("mix three colours") << QStringList{"mix", "--steps", "2", "000000", "FFFFFF", "FF0000"};
    QTest::newRow("contrast no colour") << QStringList{"contrast", "FFFFFF"};
    QTest::newRow("contrast bad colour") << QStringList{"contrast", "FFFFFF", "12345"};
    QTest::newRow("contrast bad bg") << QStringList{"contrast", "--report", "white", "000000"};
    QTest::newRow("analyze bg past black") << QStringList{"analyze", "--bg", "2"};
    QTest::newRow("analyze bg negative") << QStringList{"analyze", "--fav", "808080:Grey", "--bg", "-1"};
    QTest::newRow("analyze bg past with fav") << QStringList{"analyze", "--fav", "808080:Grey", "--bg", "3"};
    QTest::newRow("analyze no bg") << QStringList{"analyze", "--fav", "808080:Grey"};
    QTest::newRow("analyze fav no colon") << QStringList{"analyze", "--fav", "808080", "--bg", "0"};
    QTest::newRow("analyze fav bad colour") << QStringList{"analyze", "--fav", "80808:Grey", "--bg", "0"};
    QTest::newRow("analyze fav missing") << QStringList{"analyze", "--bg", "0", "--fav"};
    QTest::newRow("analyze stray") << QStringList{"analyze", "--bg", "0", "808080"};
    QTest::newRow("guide no file") << QStringList{"guide"};
    QTest::newRow("guide bad nearest") << QStringList{"guide", TV_GUIDE_DIR "/CSS Named Colors.csv", "--nearest", "red"};
    QTest::newRow("guide nearest missing") << QStringList{"guide", TV_GUIDE_DIR "/CSS Named Colors.csv", "--nearest"};
}

void tst_CliTools::refuses()
{
    QFETCH(QStringList, args);
    const CliRun r = RunCli(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QString());
    // One line, ending the message.
    QVERIFY2(!r.err.trimmed().isEmpty(), qPrintable(r.err));
    QCOMPARE(r.err.trimmed().count(QLatin1Char('\n')), 0);
}

void tst_CliTools::helpListsTools()
{
    const CliRun r = RunCli({"--help"});
    QCOMPARE(r.exitCode, 0);
    for (const char* name : {"mix", "contrast", "analyze", "guide"})
        QVERIFY2(r.out.contains(QStringLiteral("  %1 ").arg(QLatin1String(name))), name);
}

// A table with bad lines: the good ones in file order, the skipped counted
// on stderr; a file that cannot be read is exit 1.
void tst_CliTools::guideListsInFileOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g.csv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Zed,1,2,3\nbroken\nAlpha,300,0,0\nx,1,y,2\n");
    f.close();
    const CliRun r = RunCli({"guide", path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("010203\tZed\n2C0000\tAlpha\n"));
    QVERIFY2(r.err.contains(QStringLiteral("2 lines")), qPrintable(r.err));
    const CliRun missing = RunCli({"guide", dir.filePath(QStringLiteral("none.csv"))});
    QCOMPARE(missing.exitCode, 1);
    QCOMPARE(missing.out, QString());
}

TV_REGISTER_TEST(tst_CliTools);
#include "tst_CliTools.moc"
