#include "Analyzer.h"

#include "HSLUtils.h"
#include "TFavoritesList.h"
#include "TestRegistry.h"

#include <QTest>

namespace {

// "RRGGBB:name" pairs as favourites, in order.
QList<TFavColor> favorites(const QStringList& specs)
{
    QList<TFavColor> list;
    for (const QString& s : specs) {
        TFavColor f = TFavColor::fromColor(*HSLUtils::HexToColor(s.left(6)), false);
        f.Name = s.mid(7);
        list << f;
    }
    return list;
}

QStringList names(const QList<Tools::AnalyzerEntry>& entries)
{
    QStringList out;
    for (const auto& e : entries)
        out << e.name;
    return out;
}

} // namespace

class tst_Analyzer : public QObject {
    Q_OBJECT
private slots:
    void textList_data();
    void textList();
    void backgroundsEndInWhiteAndBlack();
    void colourByPosition();
    void firstRefreshSelectsFirst();
    void renameKeepsPosition();
    void deleteWithBlackSelected();
    void deleteSelectedLastFavourite();
    void selectionRefusals();
    void sampleReverses();
};

void tst_Analyzer::textList_data()
{
    QTest::addColumn<QStringList>("favs");
    QTest::addColumn<int>("background");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("no favourites, white") << QStringList{} << 0 << QStringList{"Black"};
    QTest::newRow("no favourites, black") << QStringList{} << 1 << QStringList{"White"};
    QTest::newRow("mid grey 128 lists both") << QStringList{"808080:Grey"} << 0 << QStringList{"White", "Black"};
    QTest::newRow("130 grey: white differs by exactly 125")
        << QStringList{"828282:G130"} << 0 << QStringList{"White", "Black"};
    QTest::newRow("131 grey: white differs by 124") << QStringList{"838383:G131"} << 0 << QStringList{"Black"};
    QTest::newRow("favourite equal to background never listed")
        << QStringList{"FFFF00:Yellow", "FFFF00:Yellow again", "000080:Navy"} << 0 << QStringList{"Navy", "Black"};
    QTest::newRow("favourites keep their order on white")
        << QStringList{"102030:Ink", "FFFFEE:Cream", "400000:Oxblood", "808080:Grey"} << 4
        << QStringList{"Ink", "Oxblood", "Grey", "Black"};
    QTest::newRow("white entry lists favourites too")
        << QStringList{"102030:Ink", "FFFFEE:Cream"} << 2 << QStringList{"Ink", "Black"};
    // Green weighs 587: pure green on black passes (149.685), pure red
    // (76.245) and pure blue (29.07) do not.
    QTest::newRow("black: weights per channel")
        << QStringList{"00FF00:Green", "0000FF:Blue", "FF0000:Red"} << 4 << QStringList{"Green", "White"};
    QTest::newRow("names are not unique keys")
        << QStringList{"000000:White", "FFFFFF:Black"} << 0 << QStringList{"Black", "White"};
}

void tst_Analyzer::textList()
{
    QFETCH(QStringList, favs);
    QFETCH(int, background);
    QFETCH(QStringList, texts);
    Tools::TAnalyzerModel model;
    model.refresh(favorites(favs));
    QCOMPARE(model.selectBackground(background), ToolsError::None);
    QCOMPARE(names(model.texts()), texts);
    QCOMPARE(model.textIndex(), 0);
    // Every listed colour passes the brightness test against the background,
    // and every entry left out fails it.
    const TColor bg = model.backgroundColor();
    qsizetype listed = 0;
    for (const auto& e : model.backgrounds()) {
        if (HSLUtils::HasBrightnessContrast(bg, e.color)) {
            QVERIFY(listed < model.texts().size());
            QCOMPARE(model.texts().at(listed).color, e.color);
            ++listed;
        }
    }
    QCOMPARE(listed, model.texts().size());
}

void tst_Analyzer::backgroundsEndInWhiteAndBlack()
{
    const auto entries = Tools::AnalyzerBackgrounds(favorites({"FF0000:Red", "00FF00:Green"}));
    QCOMPARE(names(entries), (QStringList{"Red", "Green", "White", "Black"}));
    QCOMPARE(entries.at(2).color, clWhite);
    QCOMPARE(entries.at(3).color, clBlack);
}

void tst_Analyzer::colourByPosition()
{
    // The last two positions are black and white whatever favourites are called.
    Tools::TAnalyzerModel model;
    model.refresh(favorites({"FF0000:Black", "00FF00:White"}));
    QCOMPARE(model.selectBackground(0), ToolsError::None);
    QCOMPARE(model.backgroundColor(), MakeColor(255, 0, 0));
    QCOMPARE(model.selectBackground(2), ToolsError::None);
    QCOMPARE(model.backgroundColor(), clWhite);
    QCOMPARE(model.selectBackground(3), ToolsError::None);
    QCOMPARE(model.backgroundColor(), clBlack);
}

void tst_Analyzer::firstRefreshSelectsFirst()
{
    Tools::TAnalyzerModel model;
    QCOMPARE(model.backgroundIndex(), -1);
    model.refresh(favorites({"336699:Sea", "FFCC00:Sun"}));
    QCOMPARE(model.backgroundIndex(), 0);
    QCOMPARE(model.backgroundColor(), MakeColor(0x33, 0x66, 0x99));
    // Sun differs from Sea by 103.4 only.
    QCOMPARE(names(model.texts()), (QStringList{"White"}));
}

void tst_Analyzer::renameKeepsPosition()
{
    TFavoritesList favs;
    favs.AddColorsToFavorites(MakeColor(0xFF, 0xFF, 0xEE), QStringLiteral("Cream"), true);
    favs.AddColorsToFavorites(MakeColor(0x10, 0x20, 0x30), QStringLiteral("Ink"));
    favs.AddColorsToFavorites(MakeColor(0x40, 0, 0), QStringLiteral("Oxblood"));
    Tools::TAnalyzerModel model;
    model.refresh(favs.entries());
    QCOMPARE(model.selectBackground(0), ToolsError::None);
    QVERIFY(model.selectText(1));
    QCOMPARE(names(model.texts()), (QStringList{"Ink", "Oxblood", "Black"}));

    QVERIFY(favs.rename(1, QStringLiteral("Midnight")));
    model.refresh(favs.entries());
    QCOMPARE(model.backgroundIndex(), 0);
    QCOMPARE(model.backgrounds().at(1).name, QStringLiteral("Midnight"));
    QCOMPARE(names(model.texts()), (QStringList{"Midnight", "Oxblood", "Black"}));
    QCOMPARE(model.textIndex(), 0); // the text list was rebuilt

    // Renaming the selected background itself keeps it selected too.
    QVERIFY(favs.rename(0, QStringLiteral("Paper")));
    model.refresh(favs.entries());
    QCOMPARE(model.backgroundIndex(), 0);
    QCOMPARE(model.backgrounds().at(0).name, QStringLiteral("Paper"));
}

void tst_Analyzer::deleteWithBlackSelected()
{
    TFavoritesList favs;
    for (const char* n : {"A", "B", "C"})
        favs.AddColorsToFavorites(MakeColor(0x80, 0x80, 0x80), QString::fromLatin1(n), true);
    Tools::TAnalyzerModel model;
    model.refresh(favs.entries());
    QCOMPARE(model.selectBackground(4), ToolsError::None); // Black
    favs.setCurrentIndex(0);
    QVERIFY(favs.selectByGesture(0, false, false));
    QCOMPARE(favs.deleteSelected(), qsizetype(1));
    model.refresh(favs.entries());
    QCOMPARE(model.backgrounds().size(), qsizetype(4));
    QCOMPARE(model.backgroundIndex(), 3);
    QCOMPARE(model.backgrounds().at(model.backgroundIndex()).name, QStringLiteral("Black"));
    QCOMPARE(model.backgroundColor(), clBlack);
    QCOMPARE(names(model.texts()), (QStringList{"B", "C", "White"}));
}

void tst_Analyzer::deleteSelectedLastFavourite()
{
    TFavoritesList favs;
    favs.AddColorsToFavorites(MakeColor(0x20, 0x20, 0x20), QStringLiteral("Coal"), true);
    favs.AddColorsToFavorites(MakeColor(0x30, 0x60, 0x90), QStringLiteral("Steel"), true);
    Tools::TAnalyzerModel model;
    model.refresh(favs.entries());
    QCOMPARE(model.selectBackground(1), ToolsError::None); // Steel, the last favourite
    QCOMPARE(favs.deleteSelected(), qsizetype(1));
    model.refresh(favs.entries());
    QCOMPARE(model.backgroundIndex(), 1);
    QCOMPARE(model.backgrounds().at(1).name, QStringLiteral("White"));
    QCOMPARE(model.backgroundColor(), clWhite);
    QCOMPARE(names(model.texts()), (QStringList{"Coal", "Black"}));

    // Down to no favourites: White stays at 0, Black at 1.
    QVERIFY(favs.selectByGesture(0, false, false));
    QCOMPARE(favs.deleteSelected(), qsizetype(1));
    model.refresh(favs.entries());
    QCOMPARE(model.backgroundIndex(), 1);
    QCOMPARE(names(model.backgrounds()), (QStringList{"White", "Black"}));
    QCOMPARE(names(model.texts()), (QStringList{"White"}));
}

void tst_Analyzer::selectionRefusals()
{
    Tools::TAnalyzerModel model;
    model.refresh(favorites({"808080:Grey"}));
    QCOMPARE(model.selectBackground(1), ToolsError::None);
    QCOMPARE(model.selectBackground(3), ToolsError::BackgroundOutOfRange);
    QCOMPARE(model.selectBackground(-1), ToolsError::BackgroundOutOfRange);
    QCOMPARE(model.backgroundIndex(), 1);
    QCOMPARE(names(model.texts()), (QStringList{"Grey", "Black"}));
    QVERIFY(!model.selectText(2));
    QVERIFY(model.selectText(1));
    QVERIFY(!model.selectText(-1));
    QCOMPARE(model.textIndex(), 1);
    QCOMPARE(model.textColor(), clBlack);
}

void tst_Analyzer::sampleReverses()
{
    Tools::TAnalyzerModel model;
    model.refresh(favorites({"FFFFEE:Cream", "102030:Ink"}));
    QCOMPARE(model.selectBackground(0), ToolsError::None);
    QVERIFY(model.selectText(1)); // Black
    const auto plain = model.sample(false);
    QCOMPARE(plain.fill, MakeColor(0xFF, 0xFF, 0xEE));
    QCOMPARE(plain.text, clBlack);
    const auto reversed = model.sample(true);
    QCOMPARE(reversed.fill, clBlack);
    QCOMPARE(reversed.text, MakeColor(0xFF, 0xFF, 0xEE));
}

TV_REGISTER_TEST(tst_Analyzer);
#include "tst_Analyzer.moc"
