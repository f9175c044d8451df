#include "CliRunner.h"

#include "TestRegistry.h"

#include <QTest>

class tst_Cli : public QObject {
    Q_OBJECT
private slots:
    void conversions_data();
    void conversions();
    void badArguments_data();
    void badArguments();
    void helpListsEveryCommand();
};

void tst_Cli::conversions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    QTest::newRow("hsl red") << QStringList{"hsl", "FF0000"} << "0 1 0.5\n";
    QTest::newRow("hsl white") << QStringList{"hsl", "#ffffff"} << "0 0 1\n";
    QTest::newRow("hsl grey 128") << QStringList{"hsl", "808080"} << "0 0 0.50196078431372548\n";
    QTest::newRow("hsl orange") << QStringList{"hsl", "ff6600"} << "0.066666666666666666 1 0.5\n";
    QTest::newRow("hsv blue") << QStringList{"hsv", "0000FF"} << "0.66666666666666663 1 1\n";
    QTest::newRow("snap websafe") << QStringList{"snap", "websafe", "193319", "1A0000"} << "003300\n330000\n";
    QTest::newRow("snap websmart") << QStringList{"snap", "websmart", "080900"} << "001100\n";
}

void tst_Cli::conversions()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    const CliRun r = RunCli(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, out);
}

void tst_Cli::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"paint"};
    QTest::newRow("bad colour") << QStringList{"hsl", "GG0000"};
    QTest::newRow("short colour") << QStringList{"hsl", "FFF"};
    QTest::newRow("two colours") << QStringList{"hsv", "FF0000", "00FF00"};
    QTest::newRow("no colour") << QStringList{"hsl"};
    QTest::newRow("bad snap mode") << QStringList{"snap", "web", "FF0000"};
    QTest::newRow("snap bad colour after good") << QStringList{"snap", "websafe", "FF0000", "#12345"};
}

void tst_Cli::badArguments()
{
    QFETCH(QStringList, args);
    const CliRun r = RunCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(!r.err.isEmpty());
    QCOMPARE(r.out, QString());
}

void tst_Cli::helpListsEveryCommand()
{
    const CliRun r = RunCli({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    for (const char* c : {"hsl", "hsv", "snap"})
        QVERIFY2(r.out.contains(QLatin1String("  ") + QLatin1String(c) + QLatin1Char(' ')), c);
}

TV_REGISTER_TEST(tst_Cli);
#include "tst_Cli.moc"
