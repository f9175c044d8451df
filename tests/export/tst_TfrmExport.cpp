// The export wizard driven through its controls.
#include "ExportFormat.h"
#include "PaletteFile.h"
#include "TExportPreviewBox.h"
#include "TabColumns.h"
#include "TestRegistry.h"
#include "TfrmExport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

ExportGroups sampleGroups(int favorites, int mixer)
{
    ExportGroups g;
    for (int i = 0; i < favorites; ++i)
        g.favorites.append({MakeColor(i, 100, 200), QStringLiteral("Fav%1").arg(i)});
    for (int i = 0; i < 12; ++i)
        g.wheel.append(MakeColor(255, i * 20, 0));
    for (int i = 0; i < mixer; ++i)
        g.mixer.append(MakeColor(0, i % 256, 255));
    g.history = {MakeColor(9, 9, 9)};
    return g;
}

template <typename T>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

} // namespace

class tst_TfrmExport : public QObject {
    Q_OBJECT

private slots:
    void formatListColumns_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("HTML") << 0 << "HTML Color Chart" << "HTML";
        QTest::newRow("CSS") << 1 << "CSS Style Sheet" << "CSS";
        QTest::newRow("GIF") << 2 << "GIF Image" << "GIF";
        QTest::newRow("ACO") << 3 << "Adobe Photoshop Color Palette" << "ACO";
        QTest::newRow("AI") << 4 << "Adobe Illustrator Color Palette" << "AI";
        QTest::newRow("ACF") << 5 << "Macromedia FreeHand" << "ACF";
        QTest::newRow("TXT") << 6 << "Corel Painter Color Set" << "TXT";
        QTest::newRow("ACT") << 7 << "Color Table" << "ACT";
        QTest::newRow("GPL") << 8 << "GIMP Palette" << "GPL";
        QTest::newRow("ASE") << 9 << "Adobe Swatch Exchange" << "ASE";
        QTest::newRow("CSS variables") << 10 << "CSS Custom Properties" << "CSS";
        QTest::newRow("JSON") << 11 << "Design Tokens" << "JSON";
    }
    // With a tab width of 24 dialog units every code stands at the sixth tab
    // stop: in the layout, and where the list draws it.
    void formatListColumns()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, code);
        TfrmExport w;
        w.setGroups(sampleGroups(3, 0));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        child<QPushButton>(&w, "cmdNext")->click();
        QCOMPARE(w.currentPage(), 2);
        verifyTabColumn(child<QListWidget>(&w, "lstType"), row, name, code, 24, 6);
    }

    void resetState()
    {
        TfrmExport w;
        w.setGroups(sampleGroups(3, 2));
        child<QCheckBox>(&w, "chkMixer")->click();
        w.Reset();
        QCOMPARE(w.windowTitle(), QStringLiteral("Export Wizard"));
        QCOMPARE(w.size(), QSize(432, 296));
        QVERIFY(child<QCheckBox>(&w, "chkFavs")->isChecked());
        QVERIFY(!child<QCheckBox>(&w, "chkMixer")->isChecked());
        QCOMPARE(w.currentPage(), 1);
        QVERIFY(!child<QPushButton>(&w, "cmdBack")->isEnabled());
        QVERIFY(child<QPushButton>(&w, "cmdNext")->isEnabled());
        QCOMPARE(child<QLabel>(&w, "lblDescription")->text(),
                 QStringLiteral("Creates an HTML page with a chart of colors and values.\n\nPerfect for showing color "
                                "palettes to clients or using for your own reference."));
        QListWidget* list = child<QListWidget>(&w, "lstType");
        QCOMPARE(list->count(), 12);
        QCOMPARE(list->item(7)->text(), QStringLiteral("Color Table\t\t\t\t\tACT"));
        QCOMPARE(list->item(11)->text(), QStringLiteral("Design Tokens\t\t\t\tJSON"));
    }

    void emptyListKeepsNextDisabled()
    {
        TfrmExport w;
        w.setGroups(sampleGroups(0, 0));
        w.Reset();
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        QVERIFY(!next->isEnabled());
        child<QCheckBox>(&w, "chkWheel")->click();
        QVERIFY(next->isEnabled());
        child<QCheckBox>(&w, "chkWheel")->click();
        QVERIFY(!next->isEnabled());
    }

    void previewGrid_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("perRow");
        QTest::newRow("180") << 180 << 12 << 20;
        QTest::newRow("181") << 181 << 10 << 24;
    }
    void previewGrid()
    {
        QFETCH(int, count);
        QFETCH(int, cell);
        QFETCH(int, perRow);
        TfrmExport w;
        w.setGroups(sampleGroups(count, 0));
        w.Reset();
        w.show();
        auto* box = child<TExportPreviewBox>(&w, "pbColors");
        (void)box->grab();
        const QImage& img = box->image();
        QCOMPARE(img.size(), QSize(242, 111));
        // Colour 1 (second of row 0): outline at x = cell, inside from cell + 1.
        QCOMPARE(img.pixel(cell, 5), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(cell + 1, 1), qRgb(1, 100, 200));
        QCOMPARE(img.pixel(2 * cell - 1, cell - 1), qRgb(1, 100, 200));
        // First colour of row 1.
        QCOMPARE(img.pixel(1, cell + 1), qRgb(perRow, 100, 200));
        // Beyond the last column: button face.
        QCOMPARE(img.pixel(perRow * cell + 1, 2), qRgb(240, 240, 240));
    }

    void locationRules_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("html") << 0 << "x.html" << true;
        QTest::newRow("capitals") << 0 << "x.HTML" << false;
        QTest::newRow("wrong extension") << 3 << "x.act" << false;
        QTest::newRow("aco") << 3 << "x.aco" << true;
        QTest::newRow("missing folder") << 7 << "nope/x.act" << false;
        QTest::newRow("tokens") << 11 << "x.tokens.json" << true;
        QTest::newRow("tokens need both endings") << 11 << "x.json" << false;
        QTest::newRow("custom properties are .css") << 10 << "x.css" << true;
    }
    void locationRules()
    {
        QFETCH(int, format);
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QTemporaryDir dir;
        TfrmExport w;
        w.setGroups(sampleGroups(2, 0));
        w.Reset();
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        child<QListWidget>(&w, "lstType")->setCurrentRow(format);
        next->click();
        QCOMPARE(w.currentPage(), 3);
        QVERIFY(!next->isEnabled());
        child<QLineEdit>(&w, "txtLocation")->setText(dir.filePath(name));
        QCOMPARE(next->isEnabled(), enabled);
    }

    void backAndForwardEmptiesLocation()
    {
        TfrmExport w;
        w.setGroups(sampleGroups(2, 0));
        w.Reset();
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QLineEdit* loc = child<QLineEdit>(&w, "txtLocation");
        loc->setText(QStringLiteral("/tmp/a.html"));
        child<QPushButton>(&w, "cmdBack")->click();
        QCOMPARE(w.currentPage(), 2);
        next->click();
        QVERIFY(loc->text().isEmpty());
    }

    void finishWritesWithBrowse()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("m.acf"));
        TfrmExport w;
        w.setGroups(sampleGroups(3, 2));
        QString seenTitle, seenFilter, seenSuffix;
        w.setFileDialog([&](const QString& t, const QString& f, const QString& s) {
            seenTitle = t;
            seenFilter = f;
            seenSuffix = s;
            return path;
        });
        w.Reset();
        child<QCheckBox>(&w, "chkFavs")->click(); // mixer alone: numbered names
        child<QCheckBox>(&w, "chkMixer")->click();
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        child<QListWidget>(&w, "lstType")->setCurrentRow(int(ExportFormat::Acf));
        next->click();
        child<QPushButton>(&w, "cmdBrowse")->click();
        QCOMPARE(seenTitle, QStringLiteral("Export file to..."));
        QCOMPARE(seenFilter, QStringLiteral("FreeHand/FrameMaker File (*.acf)"));
        QCOMPARE(seenSuffix, QStringLiteral("acf"));
        QCOMPARE(child<QLineEdit>(&w, "txtLocation")->text(), path);
        next->click();
        QCOMPARE(next->text(), QStringLiteral("Finish"));
        next->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.contains("Entries: 2\r\n"));
        QVERIFY(text.endsWith("0 0 65535\r\nColor 1\r\n0 257 65535\r\nColor 2\r\n"));
    }

    // The named formats written from the wizard carry the favourites' names
    // and number the other colours after them.
    void finishWritesNamedPalettes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("numbered");
        QTest::newRow("gpl") << int(ExportFormat::Gpl) << "w.gpl" << "" << "Color 3";
        QTest::newRow("ase") << int(ExportFormat::Ase) << "w.ase" << "" << "Color 3";
        QTest::newRow("css custom properties") << int(ExportFormat::CssVars) << "w.css" << "" << "Color3";
        QTest::newRow("tokens") << int(ExportFormat::Tokens) << "w.tokens.json" << "palette." << "Color 3";
    }

    void finishWritesNamedPalettes()
    {
        QFETCH(int, format);
        QFETCH(QString, file);
        QFETCH(QString, prefix);
        QFETCH(QString, numbered);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        TfrmExport w;
        w.setGroups(sampleGroups(2, 1));
        w.Reset();
        child<QCheckBox>(&w, "chkMixer")->click();
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        child<QListWidget>(&w, "lstType")->setCurrentRow(format);
        next->click();
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QVERIFY(next->isEnabled());
        next->click();
        next->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        const PaletteFileResult r = PaletteFile::Read(path);
        QVERIFY2(r.ok(), qPrintable(r.message));
        QCOMPARE(r.colors, (QList<TColor>{MakeColor(0, 100, 200), MakeColor(1, 100, 200), MakeColor(0, 0, 255)}));
        QCOMPARE(r.names, (QStringList{prefix + "Fav0", prefix + "Fav1", prefix + numbered}));
    }

    void failedWriteStaysOnFinish()
    {
        QTemporaryDir dir;
        // A folder where the file should be: it cannot be created.
        const QString path = dir.filePath(QStringLiteral("taken.aco"));
        QVERIFY(QDir().mkpath(path));
        TfrmExport w;
        w.setGroups(sampleGroups(2, 0));
        QStringList errors;
        w.setMessageHandler([&](const TWizardDialog::Message& m) {
            if (m.icon == QMessageBox::Warning)
                errors << m.text;
        });
        w.Reset();
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        child<QListWidget>(&w, "lstType")->setCurrentRow(int(ExportFormat::Aco));
        next->click();
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        next->click();
        next->click();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith(QStringLiteral("Cannot create file \"") + path + QStringLiteral("\".")),
                 qPrintable(errors[0]));
        QCOMPARE(w.currentPage(), 4);
        QVERIFY(next->isEnabled());
    }
};

TV_REGISTER_TEST(tst_TfrmExport);

#include "tst_TfrmExport.moc"
