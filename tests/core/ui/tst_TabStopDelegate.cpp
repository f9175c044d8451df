#include "TTabStopDelegate.h"

#include <QTest>

#include "TestRegistry.h"

// The tab arithmetic of the list delegate, with 10-pixel characters so the
// expected pen positions can be read off the rows.
class tst_TabStopDelegate : public QObject {
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("one tab") << "ab\tc" << 46 << QList<int>{0, 46} << QStringList{"ab", "c"};
        QTest::newRow("name past the first stop") << "abcdefg\tX" << 46 << QList<int>{0, 92} << QStringList{"abcdefg", "X"};
        QTest::newRow("pen on a stop moves on") << "abc\tX" << 30 << QList<int>{0, 60} << QStringList{"abc", "X"};
        QTest::newRow("run of tabs") << "a\t\t\tX" << 46 << QList<int>{0, 138} << QStringList{"a", "X"};
        QTest::newRow("run of four tabs") << "a\t\t\t\tX" << 36 << QList<int>{0, 144} << QStringList{"a", "X"};
        QTest::newRow("leading tab") << "\tX" << 46 << QList<int>{46} << QStringList{"X"};
        QTest::newRow("text between tabs") << "a\tbb\tc" << 20 << QList<int>{0, 20, 60} << QStringList{"a", "bb", "c"};
        QTest::newRow("trailing tab") << "ab\t" << 46 << QList<int>{0} << QStringList{"ab"};
        QTest::newRow("no tab") << "Website" << 46 << QList<int>{0} << QStringList{"Website"};
        QTest::newRow("empty") << "" << 46 << QList<int>{} << QStringList{};
        QTest::newRow("zero stop taken as one pixel") << "ab\tc" << 0 << QList<int>{0, 21} << QStringList{"ab", "c"};
    }
    void layout()
    {
        QFETCH(QString, text);
        QFETCH(int, stop);
        QFETCH(QList<int>, xs);
        QFETCH(QStringList, pieces);
        const QList<TTabStopDelegate::Run> runs =
            TTabStopDelegate::layout(text, stop, [](const QString& piece) { return int(piece.size()) * 10; });
        QList<int> gotXs;
        QStringList gotPieces;
        for (const TTabStopDelegate::Run& r : runs) {
            gotXs << r.x;
            gotPieces << r.text;
        }
        QCOMPARE(gotXs, xs);
        QCOMPARE(gotPieces, pieces);
    }

    void tabStopPixels_data()
    {
        QTest::addColumn<int>("dialogUnits");
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<int>("pixels");
        QTest::newRow("31 at 5") << 31 << 5 << 39;              // 38.75
        QTest::newRow("31 at 6, tie to even") << 31 << 6 << 46; // 46.5
        QTest::newRow("31 at 7") << 31 << 7 << 54;              // 54.25
        QTest::newRow("24 at 5") << 24 << 5 << 30;
        QTest::newRow("24 at 6") << 24 << 6 << 36;
        QTest::newRow("24 at 7") << 24 << 7 << 42;
        QTest::newRow("3 at 2, tie to even") << 3 << 2 << 2; // 1.5
        QTest::newRow("5 at 2, tie to even") << 5 << 2 << 2; // 2.5
        QTest::newRow("7 at 2, tie to even") << 7 << 2 << 4; // 3.5
        QTest::newRow("never below one") << 1 << 1 << 1;     // 0.25
    }
    void tabStopPixels()
    {
        QFETCH(int, dialogUnits);
        QFETCH(int, charWidth);
        QFETCH(int, pixels);
        QCOMPARE(TTabStopDelegate::tabStopPixels(dialogUnits, charWidth), pixels);
    }
};

TV_REGISTER_TEST(tst_TabStopDelegate);
#include "tst_TabStopDelegate.moc"
