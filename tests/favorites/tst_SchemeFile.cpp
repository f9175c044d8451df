#include "OldSchemeFormat.h"
#include "SchemeFile.h"
#include "SchemeFormat.h"
#include "TFavoritesList.h"
#include "TSchemeDocument.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "TestRegistry.h"

Q_DECLARE_METATYPE(TColor)

namespace {

TColor rgb(int r, int g, int b) { return MakeColor(r, g, b); }

TFavColor fav(TColor c, const QString& name, bool expanded = false)
{
    TFavColor f = TFavColor::fromColor(c, expanded);
    f.Name = name;
    return f;
}

TSchemeData sample()
{
    TSchemeData d;
    d.BaseColor = rgb(0x12, 0x34, 0x56);
    d.Favorites = {fav(rgb(255, 102, 0), QStringLiteral("Sky")), fav(rgb(1, 2, 3), QString::fromUtf8("Grün €"), true),
                   fav(rgb(0, 0, 0), QString())};
    for (int i = 0; i < 9; ++i)
        d.Preview[size_t(i)] = rgb(i, 2 * i, 3 * i);
    return d;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray oldScheme(const QStringList& slotLines, const char* eol = "\r\n")
{
    QStringList lines{"TVver2", "255", "102", "0", "", ""};
    lines << slotLines;
    // backgrounds 11..14, texts 15..19
    for (int i = 0; i < 9; ++i)
        lines << QStringLiteral("  %1 ").arg(100 + i);
    return (lines.join(QLatin1String(eol)) + QLatin1String(eol)).toLatin1();
}

void compareData(const TSchemeData& a, const TSchemeData& b)
{
    QCOMPARE(a.BaseColor, b.BaseColor);
    QCOMPARE(a.Favorites.size(), b.Favorites.size());
    for (qsizetype i = 0; i < a.Favorites.size(); ++i) {
        const TFavColor &x = a.Favorites[i], &y = b.Favorites[i];
        QCOMPARE(x.Color, y.Color);
        QCOMPARE(x.Name, y.Name);
        QCOMPARE(x.R, y.R);
        QCOMPARE(x.G, y.G);
        QCOMPARE(x.B, y.B);
        QCOMPARE(x.Hex, y.Hex);
        QCOMPARE(x.Expanded, y.Expanded);
        QCOMPARE(y.Selected, false);
    }
    QCOMPARE(a.Preview, b.Preview);
}

} // namespace

class tst_SchemeFile : public QObject {
    Q_OBJECT
private slots:
    void emptySchemeIs44Bytes();
    void skyRecordIs22Bytes();
    void roundTripEveryField();
    void namesSurviveWhateverTheirCharacters_data();
    void namesSurviveWhateverTheirCharacters();
    void decodeName_data();
    void decodeName();
    void everyTruncationIsRejected();
    void malformed_data();
    void malformed();
    void fileEndingAfterRecordsHasDefaultPreview();
    void cachesAreRebuiltFromColor();
    void tooManyFavoritesIsRefused();
    void saveIntoMissingFolderFails();
    void killedWriterKeepsOldFile();
    void oldFormatIsConverted_data();
    void oldFormatIsConverted();
    void malformedOldFileIsLeftUntouched_data();
    void malformedOldFileIsLeftUntouched();
    void documentOpen();
    void documentOpenFailureChangesNothing_data();
    void documentOpenFailureChangesNothing();
    void documentSaveAndNew();
    void previewColorsKeptWithoutPreviewWindow();
    void session();
    void commandLineShow();
    void commandLineRejectsInvalidFile();
    void sessionWithShortPreviewKeepsFavorites_data();
    void sessionWithShortPreviewKeepsFavorites();
    void oldSchemeCutInLastNumber_data();
    void oldSchemeCutInLastNumber();
    void readersRefuseFilesThatAreNotRegular_data();
    void readersRefuseFilesThatAreNotRegular();
    void readersRefuseHugeFiles_data();
    void readersRefuseHugeFiles();
    void saveThroughSymbolicLink_data();
    void saveThroughSymbolicLink();
};

void tst_SchemeFile::emptySchemeIs44Bytes()
{
    TSchemeData d;
    d.BaseColor = rgb(255, 102, 0);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(SchemeFormat::Write(buffer, d), FavoritesError::None);
    QByteArray want = QByteArray::fromHex("0300" "0000" "ff660000");
    for (TColor c : DefaultPreviewColors())
        want += le32(ColorValue(c));
    QCOMPARE(buffer.data().size(), 44);
    QCOMPARE(buffer.data().toHex(), want.toHex());
    QCOMPARE(want.mid(8 + 6 * 4, 4).toHex(), QByteArray("e6e6e600"));
}

void tst_SchemeFile::skyRecordIs22Bytes()
{
    TSchemeData d;
    d.Favorites = {fav(rgb(255, 102, 0), QStringLiteral("Sky"), true)};
    const QByteArray bytes = SchemeFormat::Serialize(d);
    QCOMPARE(bytes.size(), 44 + 22);
    QCOMPARE(bytes.mid(2, 2).toHex(), QByteArray("0100"));
    const QByteArray record = bytes.mid(8, 22);
    QCOMPARE(record.toHex(), (QByteArray("ff660000") + "03000000" + QByteArray("Sky").toHex() + "ff6600" + "06"
                              + QByteArray("FF6600").toHex() + "01"));
}

void tst_SchemeFile::roundTripEveryField()
{
    const TSchemeData d = sample();
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QCOMPARE(SchemeFormat::Write(buffer, d), FavoritesError::None);
    buffer.seek(0);
    TSchemeData back;
    QCOMPARE(SchemeFormat::Read(buffer, back), FavoritesError::None);
    compareData(d, back);
    QVERIFY(back.HasPreview);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.tv"));
    QCOMPARE(SaveSchemeFile(path, d), FavoritesError::None);
    const TSchemeOpenResult opened = OpenSchemeFile(path);
    QCOMPARE(opened.error, FavoritesError::None);
    QVERIFY(opened.messages.isEmpty());
    compareData(d, opened.data);
}

void tst_SchemeFile::namesSurviveWhateverTheirCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ascii") << "Sky";
    QTest::newRow("latin-1") << QString::fromUtf8("Café crème");
    QTest::newRow("cp1252 range") << QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    QTest::newRow("c1 controls") << QString::fromUtf8("\xc2\x81\xc2\x8d\xc2\x9d");
    QTest::newRow("cjk and emoji") << QString::fromUtf8("色 🎨👩‍🎨");
    QTest::newRow("controls and nul") << QString::fromLatin1("a\tb\nc\0d", 7);
    QTest::newRow("long") << QString(5000, QChar(0x00E9));
    QTest::newRow("empty") << QString();
}

void tst_SchemeFile::namesSurviveWhateverTheirCharacters()
{
    QFETCH(QString, name);
    TSchemeData d;
    d.Favorites = {fav(rgb(1, 2, 3), name)};
    const QByteArray bytes = SchemeFormat::Serialize(d);
    QCOMPARE(bytes.size(), 44 + 19 + name.toUtf8().size()); // the length field counts bytes
    TSchemeData back;
    QCOMPARE(SchemeFormat::Parse(bytes, back), FavoritesError::None);
    QCOMPARE(back.Favorites.at(0).Name, name);
}

void tst_SchemeFile::decodeName_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbcn") << QString::fromUtf8("Grün");
    QTest::newRow("cp1252 e acute") << QByteArray("Caf\xe9") << QString::fromUtf8("Café");
    QTest::newRow("cp1252 euro") << QByteArray("\x80 5") << QString::fromUtf8("€ 5");
    QTest::newRow("cp1252 quotes") << QByteArray("\x93hi\x94") << QString::fromUtf8("“hi”");
    QTest::newRow("unassigned 0x81") << QByteArray("\x81") << QString(QChar(0x81));
    QTest::newRow("overlong nul is not utf-8") << QByteArray("\xc0\x80") << QString::fromUtf8("À€");
    QTest::newRow("surrogate is not utf-8") << QByteArray("\xed\xa0\x80") << QString::fromUtf8("í\xc2\xa0€");
    QTest::newRow("truncated sequence") << QByteArray("a\xe2\x82") << QString::fromUtf8("aâ‚");
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << QString::fromUtf8("ô\xc2\x90€€");
    QTest::newRow("four-byte utf-8") << QByteArray("\xf0\x9f\x8e\xa8") << QString::fromUtf8("🎨");
}

void tst_SchemeFile::decodeName()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(SchemeFormat::DecodeName(bytes), text);
}

void tst_SchemeFile::everyTruncationIsRejected()
{
    const QByteArray bytes = SchemeFormat::Serialize(sample());
    const qsizetype recordsEnd = bytes.size() - SchemeFormat::kPreviewSize;
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        TSchemeData out;
        out.BaseColor = rgb(9, 9, 9);
        const FavoritesError e = SchemeFormat::Parse(bytes.left(n), out);
        if (n == recordsEnd) {
            QCOMPARE(e, FavoritesError::None);
            continue;
        }
        QVERIFY2(e == FavoritesError::NotValidScheme, qPrintable(QString::number(n)));
        QCOMPARE(out.BaseColor, rgb(9, 9, 9)); // untouched
        QVERIFY(out.Favorites.isEmpty());
    }
}

void tst_SchemeFile::malformed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray header = QByteArray::fromHex("0300" "0100" "00000000");
    QTest::newRow("version 2") << QByteArray::fromHex("0200" "0000" "00000000") + QByteArray(36, '\0');
    QTest::newRow("version 4") << QByteArray::fromHex("0400" "0000" "00000000");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("count past end") << QByteArray::fromHex("0300" "ffff" "00000000") + QByteArray(200, '\0');
    QTest::newRow("negative name length") << header + le32(0) + le32(0xFFFFFFFFu) + QByteArray(60, '\0');
    QTest::newRow("huge name length") << header + le32(0) + le32(0x7FFFFFFFu) + QByteArray(60, '\0');
    QTest::newRow("name past end") << header + le32(0) + le32(40) + QByteArray(30, 'a');
    QTest::newRow("preview cut short") << QByteArray::fromHex("0300" "0000" "00000000") + QByteArray(35, '\0');
}

void tst_SchemeFile::malformed()
{
    QFETCH(QByteArray, bytes);
    TSchemeData out;
    QCOMPARE(SchemeFormat::Parse(bytes, out), FavoritesError::NotValidScheme);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.tv"));
    QVERIFY(writeFile(path, bytes));
    const TSchemeOpenResult r = OpenSchemeFile(path);
    QCOMPARE(r.error, FavoritesError::NotValidScheme);
    QCOMPARE(r.messages, QStringList{QStringLiteral("Not a valid Color Scheme File!")});
    QCOMPARE(readFile(path), bytes);
}

void tst_SchemeFile::fileEndingAfterRecordsHasDefaultPreview()
{
    QByteArray bytes = SchemeFormat::Serialize(sample());
    bytes.chop(SchemeFormat::kPreviewSize);
    TSchemeData out;
    QCOMPARE(SchemeFormat::Parse(bytes, out), FavoritesError::None);
    QVERIFY(!out.HasPreview);
    QCOMPARE(out.Preview, DefaultPreviewColors());
    QCOMPARE(out.Favorites.size(), 3);

    // Bytes after the preview block are ignored.
    QByteArray longer = SchemeFormat::Serialize(sample()) + "trailing";
    QCOMPARE(SchemeFormat::Parse(longer, out), FavoritesError::None);
    QCOMPARE(out.Preview, sample().Preview);
}

void tst_SchemeFile::cachesAreRebuiltFromColor()
{
    // A record whose cached channels and hex disagree with its colour, and
    // whose colour has a top byte.
    QByteArray bytes = QByteArray::fromHex("0300" "0100" "00000000");
    bytes += le32(0x7F0000FFu) + le32(1) + "x" + QByteArray::fromHex("010203") + char(6) + "ABCDEF" + char(2);
    TSchemeData out;
    QCOMPARE(SchemeFormat::Parse(bytes, out), FavoritesError::None);
    const TFavColor& f = out.Favorites.at(0);
    QCOMPARE(ColorValue(f.Color), 0x000000FFu);
    QCOMPARE(int(f.R), 255);
    QCOMPARE(int(f.G), 0);
    QCOMPARE(f.Hex, QStringLiteral("FF0000"));
    QCOMPARE(f.Expanded, true);
}

void tst_SchemeFile::tooManyFavoritesIsRefused()
{
    TSchemeData d;
    d.Favorites = QList<TFavColor>(65536, fav(rgb(1, 2, 3), QStringLiteral("n")));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(SchemeFormat::Write(buffer, d), FavoritesError::TooManyFavorites);
    QCOMPARE(buffer.data().size(), 0);
    QVERIFY(FavoritesErrorText(FavoritesError::TooManyFavorites).contains(QLatin1String("65535")));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.tv"));
    QVERIFY(writeFile(path, "old"));
    QCOMPARE(SaveSchemeFile(path, d), FavoritesError::TooManyFavorites);
    QCOMPARE(readFile(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    d.Favorites.removeLast(); // 65535 fit
    QCOMPARE(SaveSchemeFile(path, d), FavoritesError::None);
    TSchemeData back;
    QCOMPARE(ReadSchemeFile(path, back), FavoritesError::None);
    QCOMPARE(back.Favorites.size(), 65535);
}

void tst_SchemeFile::saveIntoMissingFolderFails()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/a.tv"));
    QCOMPARE(SaveSchemeFile(path, sample()), FavoritesError::SchemeSaveFailed);
    QCOMPARE(SaveSessionFile(path, sample()), FavoritesError::SessionSaveFailed);
    QCOMPARE(FavoritesErrorText(FavoritesError::SchemeSaveFailed), QStringLiteral("An error has occured while saving the scheme file"));

    TFavoritesList list;
    list.AddColorsToFavorites(rgb(1, 2, 3));
    TSchemeDocument doc;
    QCOMPARE(doc.save(QStringLiteral("a.tv"), path, list, rgb(0, 0, 0)), FavoritesError::SchemeSaveFailed);
    QVERIFY(list.isModified());
    QVERIFY(doc.isUntitled());
}

void tst_SchemeFile::killedWriterKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.tv"));
    const QByteArray old = SchemeFormat::Serialize(sample());
    QVERIFY(writeFile(path, old));

    QProcess writer;
    writer.start(QStringLiteral(TV_SLOWSAVE), {path});
    QVERIFY(writer.waitForStarted());
    QVERIFY(writer.waitForReadyRead(30000));
    QCOMPARE(writer.readLine().trimmed(), QByteArray("partial"));
    writer.kill(); // SIGKILL in the middle of the save
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    QCOMPARE(readFile(path), old);
    TSchemeData back;
    QCOMPARE(ReadSchemeFile(path, back), FavoritesError::None);
    compareData(sample(), back);
}

void tst_SchemeFile::oldFormatIsConverted_data()
{
    QTest::addColumn<QByteArray>("eol");
    QTest::newRow("crlf") << QByteArray("\r\n");
    QTest::newRow("lf") << QByteArray("\n");
}

void tst_SchemeFile::oldFormatIsConverted()
{
    QFETCH(QByteArray, eol);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.tv"));
    QVERIFY(writeFile(path, oldScheme({"255.0.0", "---", "0.0.255", "---.---.---", "---"}, eol.constData())));

    const TSchemeOpenResult r = OpenSchemeFile(path);
    QCOMPARE(r.error, FavoritesError::None);
    QVERIFY(r.converted);
    QCOMPARE(r.messages, QStringList{QStringLiteral("Successfully converted old file type to new Studio format!")});
    QCOMPARE(r.data.BaseColor, rgb(255, 102, 0));
    QCOMPARE(r.data.Favorites.size(), 2);
    QCOMPARE(r.data.Favorites[0].Name, QStringLiteral("Color 1"));
    QCOMPARE(r.data.Favorites[0].Color, rgb(255, 0, 0));
    QCOMPARE(r.data.Favorites[1].Name, QStringLiteral("Color 2"));
    QCOMPARE(r.data.Favorites[1].Color, rgb(0, 0, 255));
    QCOMPARE(r.data.Favorites[1].Expanded, false);
    // Texts (lines 15..19) come first in the file, then backgrounds (11..14).
    const TPreviewColors want = {ColorFromValue(104), ColorFromValue(105), ColorFromValue(106), ColorFromValue(107), ColorFromValue(108),
                                 ColorFromValue(100), ColorFromValue(101), ColorFromValue(102), ColorFromValue(103)};
    QCOMPARE(r.data.Preview, want);

    // The file on disk is now binary, version 3.
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.left(4).toHex(), QByteArray("03000200"));
    TSchemeData back;
    QCOMPARE(SchemeFormat::Parse(bytes, back), FavoritesError::None);
    compareData(r.data, back);
    QCOMPARE(OpenSchemeFile(path).converted, false);
}

void tst_SchemeFile::malformedOldFileIsLeftUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray good = oldScheme({"255.0.0", "---", "---", "---", "---"});
    QTest::newRow("too few lines") << QByteArray("TVver2\r\n255\r\n0\r\n0\r\n");
    QByteArray badChannel = good;
    badChannel.replace("\r\n102\r\n", "\r\n1x2\r\n");
    QTest::newRow("bad base channel") << badChannel;
    QByteArray bigChannel = good;
    bigChannel.replace("\r\n102\r\n", "\r\n256\r\n");
    QTest::newRow("channel above 255") << bigChannel;
    QTest::newRow("slot with two fields") << oldScheme({"255.0", "---", "---", "---", "---"});
    QTest::newRow("slot with bad number") << oldScheme({"255.a.0", "---", "---", "---", "---"});
    QTest::newRow("empty slot line") << oldScheme({"", "---", "---", "---", "---"});
    QByteArray badColor = good;
    badColor.replace("  104 ", "  red ");
    QTest::newRow("bad preview colour") << badColor;
    QByteArray hugeColor = good;
    hugeColor.replace("  104 ", "  99999999999 ");
    QTest::newRow("preview colour beyond 32 bits") << hugeColor;
}

void tst_SchemeFile::malformedOldFileIsLeftUntouched()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.tv"));
    QVERIFY(writeFile(path, bytes));
    const TSchemeOpenResult r = OpenSchemeFile(path);
    QCOMPARE(r.error, FavoritesError::NotValidScheme);
    QVERIFY(!r.converted);
    QCOMPARE(readFile(path), bytes);
}

void tst_SchemeFile::documentOpen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colors.tv"));
    TSchemeData d = sample();
    d.Favorites = {fav(rgb(255, 0, 0), QStringLiteral("#FF0000")), fav(rgb(0, 0, 255), QStringLiteral("Brick"))};
    d.Favorites[1].Selected = true;
    QCOMPARE(SaveSchemeFile(path, d), FavoritesError::None);

    TFavoritesList list;
    list.setNameStyle(1);
    list.AddColorsToFavorites(rgb(9, 9, 9));
    TSchemeDocument doc;
    QSignalSpy caption(&doc, &TSchemeDocument::captionChanged);
    QCOMPARE(doc.caption(), QStringLiteral("Tintvale Studio - [untitled]"));
    const TSchemeDocument::OpenOutcome o = doc.open(path, list);
    QVERIFY(o.opened);
    QCOMPARE(o.baseColor, d.BaseColor);
    QVERIFY(o.messages.isEmpty());
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(0).Name, QStringLiteral("255,0,0"));
    QCOMPARE(list.at(1).Name, QStringLiteral("Brick"));
    QVERIFY(list.at(0).Selected);
    QVERIFY(!list.at(1).Selected);
    QCOMPARE(list.currentIndex(), 0);
    QVERIFY(!list.isModified());
    QCOMPARE(doc.fileName(), QStringLiteral("colors.tv"));
    QCOMPARE(doc.filePath(), path);
    QCOMPARE(doc.caption(), QStringLiteral("Tintvale Studio - [colors.tv]"));
    QCOMPARE(caption.count(), 1);
    QCOMPARE(doc.previewColors(), d.Preview);
}

void tst_SchemeFile::documentOpenFailureChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("messages");
    QByteArray cut = SchemeFormat::Serialize(sample());
    QTest::newRow("inside a record") << cut.left(20) << QStringList{"Not a valid Color Scheme File!"};
    QTest::newRow("inside the preview") << cut.left(cut.size() - 3) << QStringList{"Not a valid Color Scheme File!"};
    QTest::newRow("version 2") << QByteArray::fromHex("0200000000000000") << QStringList{"Not a valid Color Scheme File!"};
    QTest::newRow("missing file") << QByteArray() << QStringList{"An error has occured while opening the scheme file."};
}

void tst_SchemeFile::documentOpenFailureChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.tv"));
    if (!bytes.isEmpty())
        QVERIFY(writeFile(path, bytes));
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(9, 9, 9), QStringLiteral("mine"), true);
    TSchemeDocument doc;
    TPreviewColors preview = DefaultPreviewColors();
    preview[0] = rgb(1, 1, 1);
    doc.setPreviewColors(preview);
    const TSchemeDocument::OpenOutcome o = doc.open(path, list);
    QVERIFY(!o.opened);
    QCOMPARE(o.messages, messages);
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0).Name, QStringLiteral("mine"));
    QVERIFY(list.isModified());
    QVERIFY(doc.isUntitled());
    QCOMPARE(doc.previewColors(), preview);
}

void tst_SchemeFile::documentSaveAndNew()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.tv"));
    TFavoritesList list;
    list.AddColorsToFavorites(rgb(255, 102, 0), QStringLiteral("Sky"));
    TSchemeDocument doc;
    QCOMPARE(doc.save(QStringLiteral("s.tv"), path, list, rgb(1, 2, 3)), FavoritesError::None);
    QVERIFY(!list.isModified());
    QCOMPARE(doc.caption(), QStringLiteral("Tintvale Studio - [s.tv]"));
    TSchemeData back;
    QCOMPARE(ReadSchemeFile(path, back), FavoritesError::None);
    QCOMPARE(back.BaseColor, rgb(1, 2, 3));
    QCOMPARE(back.Favorites.at(0).Name, QStringLiteral("Sky"));

    TPreviewColors p = DefaultPreviewColors();
    p[8] = rgb(5, 5, 5);
    doc.setPreviewColors(p);
    list.SetModified(true);
    doc.newScheme(list);
    QVERIFY(list.isEmpty());
    QCOMPARE(list.currentIndex(), 0);
    QVERIFY(!list.isModified());
    QVERIFY(doc.isUntitled());
    QVERIFY(doc.filePath().isEmpty());
    QCOMPARE(doc.previewColors(), DefaultPreviewColors());
}

void tst_SchemeFile::previewColorsKeptWithoutPreviewWindow()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.tv")), b = dir.filePath(QStringLiteral("b.tv"));
    QCOMPARE(SaveSchemeFile(a, sample()), FavoritesError::None);
    TFavoritesList list;
    TSchemeDocument doc;
    QVERIFY(doc.open(a, list).opened);
    QCOMPARE(doc.save(QStringLiteral("b.tv"), b, list, sample().BaseColor), FavoritesError::None);
    QCOMPARE(readFile(b), readFile(a));
}

void tst_SchemeFile::session()
{
    QTemporaryDir dir;
    const QString path = SessionFilePath(dir.path());
    QVERIFY(path.endsWith(QLatin1String("/session.tmp")));
    TFavoritesList list;
    TSchemeDocument doc;
    // No session file yet: nothing happens, no error.
    QCOMPARE(doc.loadSession(path, list), FavoritesError::None);
    QVERIFY(list.isEmpty());

    list.AddColorsToFavorites(rgb(1, 2, 3), QStringLiteral("one"));
    list.AddColorsToFavorites(rgb(4, 5, 6), QStringLiteral("two"), true);
    QCOMPARE(doc.saveSession(path, list, rgb(7, 7, 7)), FavoritesError::None);
    QCOMPARE(readFile(path).left(2).toHex(), QByteArray("0300"));

    TFavoritesList restored;
    TSchemeDocument doc2;
    QCOMPARE(doc2.loadSession(path, restored), FavoritesError::None);
    QCOMPARE(restored.count(), 2);
    QVERIFY(restored.at(0).Selected);
    QVERIFY(!restored.at(1).Selected);
    QCOMPARE(restored.currentIndex(), 0);
    QVERIFY(!restored.isModified());
    QVERIFY(doc2.isUntitled());

    // The version word of a session is not checked; a cut file is an error.
    QByteArray bytes = readFile(path);
    bytes[0] = 7;
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(doc2.loadSession(path, restored), FavoritesError::None);
    QVERIFY(writeFile(path, bytes.left(12)));
    TFavoritesList untouched;
    QCOMPARE(doc2.loadSession(path, untouched), FavoritesError::SessionOpenFailed);
    QVERIFY(untouched.isEmpty());
    QCOMPARE(FavoritesErrorText(FavoritesError::SessionOpenFailed), QStringLiteral("An error has occured while opening the session"));

    // Seeds for the scheme reader's fuzzer, when asked for.
    const QByteArray seedDir = qgetenv("TV_FAVORITES_SEED_DIR");
    if (!seedDir.isEmpty()) {
        const QString s = QString::fromLocal8Bit(seedDir);
        TSchemeData empty;
        SaveSchemeFile(s + QStringLiteral("/empty.tv"), empty);
        SaveSchemeFile(s + QStringLiteral("/sample.tv"), sample());
        QByteArray noPreview = SchemeFormat::Serialize(sample());
        noPreview.chop(SchemeFormat::kPreviewSize);
        writeFile(s + QStringLiteral("/no-preview.tv"), noPreview);
        writeFile(s + QStringLiteral("/old-text.tv"), oldScheme({"255.0.0", "---", "0.0.255", "---", "---"}));
        doc.saveSession(s + QStringLiteral("/session.tmp"), list, rgb(7, 7, 7));
    }
}

void tst_SchemeFile::commandLineShow()
{
#ifndef TV_CLI
    QSKIP("the command line is not built");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.tv"));
    TSchemeData d = sample();
    QCOMPARE(SaveSchemeFile(path, d), FavoritesError::None);
    QProcess p;
    p.start(QStringLiteral(TV_CLI), {QStringLiteral("show"), path});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(out, QString::fromUtf8("base=123456\n"
                                    "fav=FF6600\tSky\n"
                                    "fav=010203\tGrün €\n"
                                    "fav=000000\t\n"
                                    "preview=000000,010203,020406,030609,04080C,050A0F,060C12,070E15,081018\n"));
    // Showing an old text file does not rewrite it.
    const QString old = dir.filePath(QStringLiteral("old.tv"));
    const QByteArray text = oldScheme({"255.0.0", "---", "---", "---", "---"});
    QVERIFY(writeFile(old, text));
    p.start(QStringLiteral(TV_CLI), {QStringLiteral("show"), old});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().startsWith("base=FF6600\nfav=FF0000\tColor 1\n"));
    QCOMPARE(readFile(old), text);
#endif
}

void tst_SchemeFile::commandLineRejectsInvalidFile()
{
#ifndef TV_CLI
    QSKIP("the command line is not built");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.tv"));
    QVERIFY(writeFile(path, QByteArray::fromHex("0200000000000000")));
    QProcess p;
    p.start(QStringLiteral(TV_CLI), {QStringLiteral("show"), path});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardOutput().isEmpty());
    QVERIFY(p.readAllStandardError().contains("Not a valid Color Scheme File!"));
#endif
}

void tst_SchemeFile::sessionWithShortPreviewKeepsFavorites_data()
{
    QTest::addColumn<int>("previewBytes");
    QTest::newRow("one byte of preview") << 1;
    QTest::newRow("half a preview") << 18;
    QTest::newRow("one byte short") << 35;
}

// The favourites of a session whose preview block was cut are read, the
// preview takes its defaults, and the file is left for a good save to replace.
void tst_SchemeFile::sessionWithShortPreviewKeepsFavorites()
{
    QFETCH(int, previewBytes);
    QTemporaryDir dir;
    const QString path = SessionFilePath(dir.path());
    QByteArray bytes = SchemeFormat::Serialize(sample());
    bytes.chop(SchemeFormat::kPreviewSize - previewBytes);
    QVERIFY(writeFile(path, bytes));

    TFavoritesList list;
    TSchemeDocument doc;
    TPreviewColors custom{};
    custom.fill(rgb(9, 9, 9));
    doc.setPreviewColors(custom);
    QCOMPARE(doc.loadSession(path, list), FavoritesError::None);
    QCOMPARE(list.count(), sample().Favorites.size());
    for (int i = 0; i < list.count(); ++i) {
        QCOMPARE(list.at(i).Color, sample().Favorites[i].Color);
        QCOMPARE(list.at(i).Name, sample().Favorites[i].Name);
    }
    QCOMPARE(doc.previewColors(), DefaultPreviewColors());
    QCOMPARE(readFile(path), bytes);
    // As a scheme the same file is still refused: a scheme's preview block is whole or absent.
    QCOMPARE(OpenSchemeFile(path).error, FavoritesError::NotValidScheme);
}

void tst_SchemeFile::oldSchemeCutInLastNumber_data()
{
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("CR LF after the number") << QByteArray("16777215\r\n") << true;
    QTest::newRow("cut between CR and LF") << QByteArray("16777215\r") << true;
    QTest::newRow("LF after the number") << QByteArray("16777215\n") << true;
    QTest::newRow("space after the number") << QByteArray("16777215 ") << true;
    QTest::newRow("more lines after line 19") << QByteArray("16777215\r\nextra\r\n") << true;
    QTest::newRow("cut inside the number") << QByteArray("1677") << false;
    QTest::newRow("number at the end without line end") << QByteArray("16777215") << false;
}

// Line 19 (the link text colour) is the last value: a file that ends right
// after its digits may have lost some, and is refused and left as it is.
void tst_SchemeFile::oldSchemeCutInLastNumber()
{
    QFETCH(QByteArray, ending);
    QFETCH(bool, accepted);
    QByteArray bytes = "TVver2\r\n1\r\n2\r\n3\r\n\r\n\r\n10.20.30\r\n---\r\n---\r\n---\r\n---\r\n";
    for (int line = 11; line < 19; ++line)
        bytes += QByteArray::number(line) + "\r\n";
    bytes += ending;
    TSchemeData data;
    QCOMPARE(OldSchemeFormat::Parse(bytes, data), accepted ? FavoritesError::None : FavoritesError::NotValidScheme);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.tv"));
    QVERIFY(writeFile(path, bytes));
    const TSchemeOpenResult r = OpenSchemeFile(path);
    QCOMPARE(r.converted, accepted);
    if (accepted) {
        QCOMPARE(r.data.Preview[4], ColorFromValue(16777215));
        QCOMPARE(r.data.Preview[3], ColorFromValue(18));
    } else {
        QCOMPARE(readFile(path), bytes);
    }
}

void tst_SchemeFile::readersRefuseFilesThatAreNotRegular_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("symbolic link to /dev/zero") << "zero";
}

// Checked before anything is opened: a FIFO nobody writes would block for
// ever, /dev/zero never ends.
void tst_SchemeFile::readersRefuseFilesThatAreNotRegular()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheme.tv"));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));

    const TSchemeOpenResult r = OpenSchemeFile(path);
    QCOMPARE(r.error, FavoritesError::NotRegularFile);
    QCOMPARE(r.messages, QStringList{QStringLiteral("\"%1\" is not a regular file.").arg(path)});
    TSchemeData data;
    QString message;
    QCOMPARE(ReadSchemeFile(path, data, &message), FavoritesError::NotRegularFile);
    QVERIFY(message.contains(path));
    QCOMPARE(LoadSessionFile(path, data), FavoritesError::SessionOpenFailed);
}

void tst_SchemeFile::readersRefuseHugeFiles_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("sparse");
    QTest::addColumn<int>("error");
    const int tooLarge = int(FavoritesError::FileTooLarge), notValid = int(FavoritesError::NotValidScheme);
    QTest::newRow("sparse 1 GiB scheme") << QByteArray("\x03\x00", 2) << (qint64(1) << 30) << true << tooLarge;
    QTest::newRow("64 MiB + 1") << QByteArray("\x03\x00", 2) << (qint64(64) << 20) + 1 << true << tooLarge;
    QTest::newRow("100 MB of newlines") << QByteArray() << qint64(100'000'000) << false << tooLarge;
    QTest::newRow("old text of 17 MiB") << QByteArray("TVver2\r\n") << (qint64(17) << 20) << false << tooLarge;
    QTest::newRow("20 MB of newlines, under the cap") << QByteArray() << qint64(20'000'000) << false << notValid;
}

void tst_SchemeFile::readersRefuseHugeFiles()
{
    QFETCH(QByteArray, head);
    QFETCH(qint64, size);
    QFETCH(bool, sparse);
    QFETCH(int, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.tv"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(head), head.size());
        if (sparse) {
            QVERIFY(f.resize(size));
        } else {
            const QByteArray lines(1 << 20, '\n');
            for (qint64 left = size - head.size(); left > 0; left -= lines.size())
                QVERIFY(f.write(lines.constData(), std::min<qint64>(left, lines.size())) > 0);
        }
    }
    QCOMPARE(QFileInfo(path).size(), size);
    const TSchemeOpenResult r = OpenSchemeFile(path);
    QCOMPARE(int(r.error), error);
    if (error == int(FavoritesError::FileTooLarge))
        QCOMPARE(r.messages, QStringList{QStringLiteral("\"%1\" is too large to be a scheme file.").arg(path)});
    QVERIFY(!r.converted);
    TSchemeData data;
    QCOMPARE(LoadSessionFile(path, data), FavoritesError::SessionOpenFailed);
}

void tst_SchemeFile::saveThroughSymbolicLink_data()
{
    QTest::addColumn<bool>("session");
    QTest::newRow("scheme") << false;
    QTest::newRow("session") << true;
}

// A link to a regular file is followed: the file it names is replaced and
// the link stays. A link to a device is refused and the device left alone.
void tst_SchemeFile::saveThroughSymbolicLink()
{
    QFETCH(bool, session);
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.tv")), link = dir.filePath(QStringLiteral("link.tv"));
    QVERIFY(writeFile(real, "earlier"));
    QVERIFY(QFile::link(QStringLiteral("real.tv"), link));
    auto save = [&](const QString& path) { return session ? SaveSessionFile(path, sample()) : SaveSchemeFile(path, sample()); };
    QCOMPARE(save(link), FavoritesError::None);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFile(real), SchemeFormat::Serialize(sample()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), (QStringList{"link.tv", "real.tv"}));

    const QString deviceLink = dir.filePath(QStringLiteral("null.tv"));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), deviceLink));
    QCOMPARE(save(deviceLink), session ? FavoritesError::SessionSaveFailed : FavoritesError::SchemeSaveFailed);
    QVERIFY(QFileInfo(deviceLink).isSymLink());
    struct stat st {};
    QCOMPARE(::stat("/dev/null", &st), 0);
    QVERIFY(S_ISCHR(st.st_mode));
}

TV_REGISTER_TEST(tst_SchemeFile);
#include "tst_SchemeFile.moc"
