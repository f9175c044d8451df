#include "ColorText.h"
#include "HSLUtils.h"
#include "TFavoritesList.h"

#include <QSignalSpy>
#include <QTest>

#include "TestRegistry.h"

Q_DECLARE_METATYPE(TColor)

namespace {

TColor rgb(int r, int g, int b) { return MakeColor(r, g, b); }

// A list of n entries named n0.., nothing selected, index 0 current, modified cleared.
void fill(TFavoritesList& list, int n)
{
    for (int i = 0; i < n; ++i)
        list.AddColorsToFavorites(rgb(i * 10, 0, 0), QStringLiteral("n%1").arg(i));
    for (int i = 0; i < n; ++i)
        list.setSelected(i, false);
    list.SetModified(false);
}

QStringList names(const TFavoritesList& list)
{
    QStringList out;
    for (const TFavColor& f : list.entries())
        out.append(f.Name);
    return out;
}

QList<int> selectedRows(const TFavoritesList& list)
{
    QList<int> out;
    for (int i = 0; i < list.count(); ++i)
        if (list.at(i).Selected)
            out.append(i);
    return out;
}

void select(TFavoritesList& list, const QList<int>& rows)
{
    for (int i = 0; i < list.count(); ++i)
        list.setSelected(i, rows.contains(i));
}

} // namespace

class tst_FavoritesList : public QObject {
    Q_OBJECT
private slots:
    void newEntryCachesChannels();
    void automaticNames_data();
    void automaticNames();
    void numberedNameCountsEntries();
    void addSelectOnlyNew();
    void addKeepsSelectionAndMakesFirstCurrent();
    void addUsesExpandedStyle();
    void addMarksModifiedOnce();
    void batchSelectsAllNew();
    void insertAt_data();
    void insertAt();
    void move_data();
    void move();
    void moveOntoItselfMarksModified();
    void moveKeepsSelectionFlags();
    void deleteSelected_data();
    void deleteSelected();
    void deleteKeepsNameEqualToOldMarker();
    void deleteOnEmptyListDoesNothing();
    void renameMarksModifiedOnlyWhenChanged_data();
    void renameMarksModifiedOnlyWhenChanged();
    void namesAreKeptExactly();
    void sorts_data();
    void sorts();
    void sortKeepsCurrentPositionAndModified();
    void websafe_data();
    void websafe();
    void websafeOnEmptyListStillMarksModified();
    void reapplyNameStyle_data();
    void reapplyNameStyle();
    void gestures_data();
    void gestures();
    void ctrlClickOnOnlySelectionKeepsIt();
    void clearAndReplace();
};

void tst_FavoritesList::newEntryCachesChannels()
{
    TFavoritesList list;
    list.AddColorsToFavorites(ColorFromValue(0xAA0328FFu ^ 0xAA000000u)); // 0x000328FF: R FF G 28 B 03
    const TFavColor& f = list.at(0);
    QCOMPARE(int(f.R), 0xFF);
    QCOMPARE(int(f.G), 0x28);
    QCOMPARE(int(f.B), 0x03);
    QCOMPARE(f.Hex, QStringLiteral("FF2803"));
    QCOMPARE(f.Selected, false);

    TFavColor g;
    g.setColor(ColorFromValue(0xFF123456u)); // the top byte is not part of the colour
    QCOMPARE(ColorValue(g.Color), 0x00123456u);
    QCOMPARE(g.Hex, QStringLiteral("563412"));
}

void tst_FavoritesList::automaticNames_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<QString>("name");
    QTest::newRow("hex") << 0 << rgb(255, 102, 0) << "#FF6600";
    QTest::newRow("rgb") << 1 << rgb(255, 102, 0) << "255,102,0";
    QTest::newRow("rgb no leading zeros") << 1 << rgb(3, 40, 0) << "3,40,0";
    QTest::newRow("numbered") << 2 << rgb(1, 2, 3) << "Color 1";
    QTest::newRow("negative style") << -1 << rgb(1, 2, 3) << "";
    QTest::newRow("unknown style") << 7 << rgb(1, 2, 3) << "";
}

void tst_FavoritesList::automaticNames()
{
    QFETCH(int, style);
    QFETCH(TColor, color);
    QFETCH(QString, name);
    TFavoritesList list;
    list.setNameStyle(style);
    list.AddColorsToFavorites(color);
    QCOMPARE(list.at(0).Name, name);
    list.AddColorsToFavorites(color, QStringLiteral("Own"));
    QCOMPARE(list.at(1).Name, QStringLiteral("Own"));
}

void tst_FavoritesList::numberedNameCountsEntries()
{
    TFavoritesList list;
    list.setNameStyle(2);
    list.AddColorsToFavorites(rgb(1, 1, 1), {}, true);
    QCOMPARE(list.at(0).Name, QStringLiteral("Color 1"));
    list.deleteSelected();
    QVERIFY(list.isEmpty());
    list.AddColorsToFavorites(rgb(1, 1, 1));
    QCOMPARE(list.at(0).Name, QStringLiteral("Color 1"));
    list.AddColorsToFavorites(rgb(2, 1, 1), QStringLiteral("Color 4"));
    list.AddColorsToFavorites(rgb(3, 1, 1));
    list.AddColorsToFavorites(rgb(4, 1, 1));
    QCOMPARE(list.at(3).Name, QStringLiteral("Color 4")); // a duplicate name is not avoided
    list.insertAt(0, rgb(9, 9, 9));
    QCOMPARE(list.at(0).Name, QStringLiteral("Color 5"));
}

void tst_FavoritesList::addSelectOnlyNew()
{
    TFavoritesList list;
    fill(list, 3);
    list.selectByGesture(0, false, false);
    list.selectByGesture(2, true, false);
    QVERIFY(list.multipleSelection());
    list.AddColorsToFavorites(rgb(1, 2, 3), {}, true);
    QCOMPARE(selectedRows(list), QList<int>{3});
    QCOMPARE(list.currentIndex(), 3);
    QVERIFY(!list.multipleSelection());
}

void tst_FavoritesList::addKeepsSelectionAndMakesFirstCurrent()
{
    TFavoritesList list;
    QCOMPARE(list.currentIndex(), -1);
    list.AddColorsToFavorites(rgb(1, 2, 3));
    QCOMPARE(list.currentIndex(), 0);
    QCOMPARE(selectedRows(list), QList<int>{});
    list.selectByGesture(0, false, false);
    list.AddColorsToFavorites(rgb(4, 5, 6));
    QCOMPARE(selectedRows(list), QList<int>{0});
    QCOMPARE(list.currentIndex(), 0);
}

void tst_FavoritesList::addUsesExpandedStyle()
{
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(1, 2, 3));
    list.setExpandedStyle(true);
    list.AddColorsToFavorites(rgb(1, 2, 3));
    list.insertAt(0, rgb(1, 2, 3));
    QCOMPARE(list.at(0).Expanded, true);
    QCOMPARE(list.at(1).Expanded, false);
    QCOMPARE(list.at(2).Expanded, true);
}

void tst_FavoritesList::addMarksModifiedOnce()
{
    TFavoritesList list;
    QSignalSpy spy(&list, &TFavoritesList::modifiedChanged);
    QSignalSpy analyzer(&list, &TFavoritesList::analyzerRefreshRequested);
    list.AddColorsToFavorites(rgb(1, 2, 3));
    list.AddColorsToFavorites(rgb(1, 2, 3));
    QVERIFY(list.isModified());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(analyzer.count(), 0); // additions do not refresh the analyzer
}

void tst_FavoritesList::batchSelectsAllNew()
{
    TFavoritesList list;
    fill(list, 2);
    list.selectByGesture(0, false, false);
    const qsizetype first = list.addColorBatch({rgb(1, 0, 0), rgb(2, 0, 0), rgb(3, 0, 0)}, {QStringLiteral("a")});
    QCOMPARE(first, 2);
    QCOMPARE(selectedRows(list), (QList<int>{2, 3, 4}));
    QCOMPARE(list.currentIndex(), 2);
    QVERIFY(!list.multipleSelection());
    QCOMPARE(list.at(2).Name, QStringLiteral("a"));
    QCOMPARE(list.at(3).Name, QStringLiteral("#020000"));
}

void tst_FavoritesList::insertAt_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expected");
    QTest::newRow("into empty") << 0 << 0 << 0;
    QTest::newRow("front") << 3 << 0 << 0;
    QTest::newRow("middle") << 3 << 2 << 2;
    QTest::newRow("end") << 3 << 3 << 3;
    QTest::newRow("past end clamps") << 3 << 9 << 3;
    QTest::newRow("negative clamps") << 3 << -4 << 0;
}

void tst_FavoritesList::insertAt()
{
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(int, expected);
    TFavoritesList list;
    fill(list, count);
    if (count)
        list.selectByGesture(0, false, false);
    QSignalSpy analyzer(&list, &TFavoritesList::analyzerRefreshRequested);
    list.insertAt(position, rgb(7, 8, 9));
    QCOMPARE(list.count(), count + 1);
    QCOMPARE(list.at(expected).Color, rgb(7, 8, 9));
    QCOMPARE(list.at(expected).Name, QStringLiteral("#070809"));
    QCOMPARE(selectedRows(list), QList<int>{expected});
    QCOMPARE(list.currentIndex(), expected);
    QVERIFY(list.isModified());
    QCOMPARE(analyzer.count(), 1);
    // The others keep their order.
    QStringList rest = names(list);
    rest.removeAt(expected);
    QStringList want;
    for (int i = 0; i < count; ++i)
        want << QStringLiteral("n%1").arg(i);
    QCOMPARE(rest, want);
}

void tst_FavoritesList::move_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("newCurrent");
    QTest::newRow("down") << 1 << 4 << "0 2 3 1 4" << 3;
    QTest::newRow("to end") << 0 << 5 << "1 2 3 4 0" << 4;
    QTest::newRow("up") << 3 << 1 << "0 3 1 2 4" << 1;
    QTest::newRow("to front") << 4 << 0 << "4 0 1 2 3" << 0;
    QTest::newRow("onto itself") << 2 << 2 << "0 1 2 3 4" << 2;
    QTest::newRow("just below itself") << 2 << 3 << "0 1 2 3 4" << 2;
    QTest::newRow("past end clamps") << 1 << 99 << "0 2 3 4 1" << 4;
}

void tst_FavoritesList::move()
{
    QFETCH(int, current);
    QFETCH(int, target);
    QFETCH(QString, order);
    QFETCH(int, newCurrent);
    TFavoritesList list;
    fill(list, 5);
    list.setCurrentIndex(current);
    list.moveCurrentTo(target);
    QStringList got;
    for (const QString& n : names(list))
        got << n.mid(1);
    QCOMPARE(got.join(QLatin1Char(' ')), order);
    QCOMPARE(list.currentIndex(), newCurrent);
}

void tst_FavoritesList::moveOntoItselfMarksModified()
{
    TFavoritesList list;
    fill(list, 3);
    list.setCurrentIndex(1);
    QSignalSpy analyzer(&list, &TFavoritesList::analyzerRefreshRequested);
    list.moveCurrentTo(2);
    QVERIFY(list.isModified());
    QCOMPARE(analyzer.count(), 1);
}

void tst_FavoritesList::moveKeepsSelectionFlags()
{
    TFavoritesList list;
    fill(list, 4);
    list.selectByGesture(0, false, false);
    list.selectByGesture(1, false, true); // 0 and 1 selected, 1 current
    list.moveCurrentTo(4);
    QCOMPARE(names(list), (QStringList{"n0", "n2", "n3", "n1"}));
    QCOMPARE(selectedRows(list), (QList<int>{0, 3})); // only the current entry moves
    QCOMPARE(list.currentIndex(), 3);
}

void tst_FavoritesList::deleteSelected_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<int>("newCurrent");
    QTest::newRow("0 2 4 of six") << 6 << QList<int>{0, 2, 4} << 4 << "1 3 5" << 0;
    QTest::newRow("only selected at end") << 4 << QList<int>{3} << 3 << "0 1 2" << 2;
    QTest::newRow("one in the middle") << 4 << QList<int>{1} << 1 << "0 2 3" << 1;
    QTest::newRow("all") << 3 << QList<int>{0, 1, 2} << 0 << "" << 0;
    QTest::newRow("last two") << 5 << QList<int>{3, 4} << 4 << "0 1 2" << 2;
    QTest::newRow("nothing selected") << 3 << QList<int>{} << 1 << "0 1 2" << 1;
}

void tst_FavoritesList::deleteSelected()
{
    QFETCH(int, count);
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    QFETCH(QString, remaining);
    QFETCH(int, newCurrent);
    TFavoritesList list;
    fill(list, count);
    select(list, selected);
    list.setCurrentIndex(current);
    QCOMPARE(selectedRows(list), selected);
    list.setMultipleSelection(true);
    const qsizetype removed = list.deleteSelected();
    QCOMPARE(removed, selected.size());
    QStringList got;
    for (const QString& n : names(list))
        got << n.mid(1);
    QCOMPARE(got.join(QLatin1Char(' ')), remaining);
    QCOMPARE(list.currentIndex(), newCurrent);
    if (!list.isEmpty())
        QVERIFY(list.at(newCurrent).Selected);
    QVERIFY(list.isModified());
    QVERIFY(!list.multipleSelection());
}

void tst_FavoritesList::deleteKeepsNameEqualToOldMarker()
{
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(1, 0, 0), QStringLiteral("./.123ae***DELETE THIS ITEM***123ae./."));
    list.AddColorsToFavorites(rgb(2, 0, 0), QStringLiteral("doomed"), true);
    list.deleteSelected();
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0).Name, QStringLiteral("./.123ae***DELETE THIS ITEM***123ae./."));
}

void tst_FavoritesList::deleteOnEmptyListDoesNothing()
{
    TFavoritesList list;
    QSignalSpy changed(&list, &TFavoritesList::changed);
    QCOMPARE(list.deleteSelected(), 0);
    list.sortByColor();
    list.moveCurrentTo(0);
    list.reapplyNameStyle(1);
    QVERIFY(!list.isModified());
    QCOMPARE(changed.count(), 0);
    QVERIFY(!list.currentColor());
}

void tst_FavoritesList::renameMarksModifiedOnlyWhenChanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("modified");
    QTest::newRow("same") << "Sky" << false;
    QTest::newRow("case differs") << "sky" << true;
    QTest::newRow("empty") << "" << true;
}

void tst_FavoritesList::renameMarksModifiedOnlyWhenChanged()
{
    QFETCH(QString, name);
    QFETCH(bool, modified);
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(1, 2, 3), QStringLiteral("Sky"));
    list.SetModified(false);
    QSignalSpy analyzer(&list, &TFavoritesList::analyzerRefreshRequested);
    QCOMPARE(list.rename(0, name), modified);
    QCOMPARE(list.at(0).Name, name);
    QCOMPARE(list.isModified(), modified);
    QCOMPARE(analyzer.count(), 1);
    QVERIFY(!list.rename(5, QStringLiteral("x")));
}

void tst_FavoritesList::namesAreKeptExactly()
{
    const QString name = QString::fromUtf8("Ünïcødé 🎨 ") + QString(500, QChar(0x4E2D));
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(1, 2, 3), name);
    QCOMPARE(list.at(0).Name, name);
    list.rename(0, name + name);
    QCOMPARE(list.at(0).Name, name + name);
}

void tst_FavoritesList::sorts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<TColor>>("input");
    QTest::addColumn<QList<TColor>>("expected");
    const TColor black = rgb(0, 0, 0), white = rgb(255, 255, 255), grey = rgb(128, 128, 128);
    const TColor red = rgb(255, 0, 0), darkRed = rgb(128, 0, 0), green = rgb(0, 255, 0), blue = rgb(0, 0, 255);
    const TColor paleRed = rgb(192, 128, 128);
    QTest::newRow("lightness greys") << "light" << QList<TColor>{black, white, grey} << QList<TColor>{black, grey, white};
    QTest::newRow("saturation ties keep order") << "sat" << QList<TColor>{black, white, grey} << QList<TColor>{black, white, grey};
    QTest::newRow("color by hue") << "color" << QList<TColor>{blue, green, red} << QList<TColor>{red, green, blue};
    QTest::newRow("color hue tie by lightness") << "color" << QList<TColor>{red, darkRed} << QList<TColor>{darkRed, red};
    QTest::newRow("saturation descending") << "sat" << QList<TColor>{paleRed, grey, red} << QList<TColor>{red, paleRed, grey};
    QTest::newRow("saturation tie by hue") << "sat" << QList<TColor>{blue, red, green} << QList<TColor>{red, green, blue};
    QTest::newRow("lightness tie by hue") << "light" << QList<TColor>{blue, red} << QList<TColor>{red, blue};
}

void tst_FavoritesList::sorts()
{
    QFETCH(QString, kind);
    QFETCH(QList<TColor>, input);
    QFETCH(QList<TColor>, expected);
    TFavoritesList list;
    for (int i = 0; i < input.size(); ++i)
        list.AddColorsToFavorites(input[i], QString::number(i));
    if (kind == QLatin1String("color"))
        list.sortByColor();
    else if (kind == QLatin1String("sat"))
        list.sortBySaturation();
    else
        list.sortByLightness();
    QList<TColor> got;
    for (const TFavColor& f : list.entries())
        got.append(f.Color);
    QCOMPARE(got, expected);
}

void tst_FavoritesList::sortKeepsCurrentPositionAndModified()
{
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(255, 255, 255), QStringLiteral("white"));
    list.AddColorsToFavorites(rgb(0, 0, 0), QStringLiteral("black"));
    list.setCurrentIndex(1);
    list.SetModified(false);
    QSignalSpy analyzer(&list, &TFavoritesList::analyzerRefreshRequested);
    list.sortByLightness();
    QCOMPARE(list.currentIndex(), 1);
    QCOMPARE(list.at(1).Name, QStringLiteral("white"));
    QVERIFY(!list.isModified());
    QCOMPARE(analyzer.count(), 0);
}

void tst_FavoritesList::websafe_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<QString>("name");
    QTest::addColumn<TColor>("snapped");
    QTest::addColumn<QString>("newName");
    QTest::newRow("websmart hex name") << 1 << rgb(0x12, 0x34, 0x57) << "#123457" << rgb(0x11, 0x33, 0x55) << "#113355";
    QTest::newRow("websmart own name") << 1 << rgb(0x12, 0x34, 0x57) << "Sky" << rgb(0x11, 0x33, 0x55) << "Sky";
    QTest::newRow("websafe rgb name") << 0 << rgb(250, 100, 20) << "250,100,20" << rgb(255, 102, 0) << "255,102,0";
    QTest::newRow("numbered name stays") << 0 << rgb(250, 100, 20) << "Color 1" << rgb(255, 102, 0) << "Color 1";
    QTest::newRow("lower-case hex is own") << 0 << rgb(250, 100, 20) << "#fa6414" << rgb(255, 102, 0) << "#fa6414";
}

void tst_FavoritesList::websafe()
{
    QFETCH(int, mode);
    QFETCH(TColor, color);
    QFETCH(QString, name);
    QFETCH(TColor, snapped);
    QFETCH(QString, newName);
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(1, 2, 3), QStringLiteral("untouched"));
    list.AddColorsToFavorites(color, name, true);
    list.SetModified(false);
    list.makeSelectedWebsafe(mode);
    QCOMPARE(list.at(1).Color, snapped);
    QCOMPARE(list.at(1).Hex, HSLUtils::ColorToHex(snapped));
    QCOMPARE(int(list.at(1).R), RedOf(snapped));
    QCOMPARE(list.at(1).Name, newName);
    QCOMPARE(list.at(0).Color, rgb(1, 2, 3));
    QVERIFY(list.isModified());
}

void tst_FavoritesList::websafeOnEmptyListStillMarksModified()
{
    TFavoritesList list;
    list.makeSelectedWebsafe(0);
    QVERIFY(list.isModified());
}

void tst_FavoritesList::reapplyNameStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("to rgb") << 1 << QStringList{"#FF0000", "Brick", "Color 3"} << QStringList{"255,0,0", "Brick", "Color 3"};
    QTest::newRow("to hex") << 0 << QStringList{"255,0,0", "Brick", "Color 3"} << QStringList{"#FF0000", "Brick", "Color 3"};
    QTest::newRow("numbered leaves all") << 2 << QStringList{"#FF0000", "255,0,0", "Color 3"} << QStringList{"#FF0000", "255,0,0", "Color 3"};
}

void tst_FavoritesList::reapplyNameStyle()
{
    QFETCH(int, style);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    TFavoritesList list;
    for (const QString& n : before)
        list.AddColorsToFavorites(rgb(255, 0, 0), n);
    list.SetModified(false);
    list.reapplyNameStyle(style);
    QCOMPARE(names(list), after);
    QVERIFY(!list.isModified());
}

void tst_FavoritesList::gestures_data()
{
    // Gestures are "row:modifiers" with modifiers n (none), s (Shift), c (Ctrl), sc.
    QTest::addColumn<QString>("gestures");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("multiple");
    QTest::newRow("plain") << "3:n" << QList<int>{3} << 3 << false;
    QTest::newRow("shift down") << "1:n 4:s" << QList<int>{1, 2, 3, 4} << 4 << true;
    QTest::newRow("shift up") << "4:n 2:s" << QList<int>{2, 3, 4} << 2 << true;
    QTest::newRow("shift keeps others") << "0:n 5:c 3:s" << QList<int>{0, 3, 4, 5} << 3 << true;
    QTest::newRow("shift ctrl same as shift") << "1:n 3:sc" << QList<int>{1, 2, 3} << 3 << true;
    QTest::newRow("shift on current") << "2:n 2:s" << QList<int>{2} << 2 << false;
    QTest::newRow("ctrl adds") << "1:n 3:c" << QList<int>{1, 3} << 3 << true;
    QTest::newRow("ctrl toggles off, single adopted") << "1:n 3:c 3:c" << QList<int>{1} << 1 << false;
    QTest::newRow("plain after multi") << "1:n 4:s 2:n" << QList<int>{2} << 2 << false;
}

void tst_FavoritesList::gestures()
{
    QFETCH(QString, gestures);
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    QFETCH(bool, multiple);
    TFavoritesList list;
    fill(list, 6);
    for (const QString& g : gestures.split(QLatin1Char(' '))) {
        const QStringList parts = g.split(QLatin1Char(':'));
        const bool shift = parts[1].contains(QLatin1Char('s'));
        const bool ctrl = parts[1].contains(QLatin1Char('c'));
        QVERIFY(list.selectByGesture(parts[0].toInt(), shift, ctrl));
        if (shift || ctrl)
            list.adoptSingleSelection();
    }
    QCOMPARE(selectedRows(list), selected);
    QCOMPARE(list.currentIndex(), current);
    QCOMPARE(list.multipleSelection(), multiple);
    QCOMPARE(list.singleEntryCommandsEnabled(), !multiple);
    QVERIFY(!list.selectByGesture(6, false, false));
}

void tst_FavoritesList::ctrlClickOnOnlySelectionKeepsIt()
{
    TFavoritesList list;
    fill(list, 3);
    list.selectByGesture(1, false, false);
    list.selectByGesture(1, false, true);
    QCOMPARE(selectedRows(list), QList<int>{1});
}

void tst_FavoritesList::clearAndReplace()
{
    TFavoritesList list;
    fill(list, 3);
    list.SetModified(true);
    list.clear();
    QVERIFY(list.isEmpty());
    QCOMPARE(list.currentIndex(), 0);
    QVERIFY(!list.isModified());
    QVERIFY(!list.currentColor());

    QList<TFavColor> entries;
    for (int i = 0; i < 3; ++i) {
        TFavColor f = TFavColor::fromColor(rgb(i, i, i), false);
        f.Selected = true;
        entries.append(f);
    }
    list.replaceAll(entries);
    QCOMPARE(selectedRows(list), QList<int>{0});
    QCOMPARE(list.currentIndex(), 0);
    QCOMPARE(*list.currentColor(), rgb(0, 0, 0));
}

TV_REGISTER_TEST(tst_FavoritesList);
#include "tst_FavoritesList.moc"
