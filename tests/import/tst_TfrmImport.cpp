// The import wizard driven through its controls, with real files.
#include "GifEncoder.h"
#include "TabColumns.h"
#include "TestRegistry.h"

#include <sys/stat.h>
#include "TfrmImport.h"
#include "WebImport.h"

#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

template <typename T>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

struct Recorder {
    QStringList calls;
    QList<TColor> colors;
    ImportTarget target()
    {
        return {[this] { calls << QStringLiteral("begin"); },
                [this](TColor c, const QString& name, bool first) {
                    colors << c;
                    calls << QStringLiteral("add %1 %2").arg(name).arg(first);
                },
                [this](int n) { calls << QStringLiteral("end %1").arg(n); }};
    }
};

QString writeGif(const QString& path, const QList<QRgb>& pixels)
{
    QImage img(int(pixels.size()), 1, QImage::Format_RGB32);
    for (int i = 0; i < pixels.size(); ++i)
        img.setPixel(i, 0, pixels[i]);
    GifEncoder::EncodeFile(img, path);
    return path;
}

} // namespace

class tst_TfrmImport : public QObject {
    Q_OBJECT

    void goToPage2(TfrmImport& w, int type)
    {
        child<QListWidget>(&w, "lstType")->setCurrentRow(type);
        child<QPushButton>(&w, "cmdNext")->click();
        QCOMPARE(w.currentPage(), 2);
    }

private slots:
    void typeListColumns_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("Website") << 0 << "Website" << "URL";
        QTest::newRow("GIF Image") << 1 << "GIF Image" << "GIF";
        QTest::newRow("Adobe Photoshop Color Palette") << 2 << "Adobe Photoshop Color Palette" << "ACO";
        QTest::newRow("Color Table") << 3 << "Color Table" << "ACT";
        QTest::newRow("GIMP Palette") << 4 << "GIMP Palette" << "GPL";
        QTest::newRow("Adobe Swatch Exchange") << 5 << "Adobe Swatch Exchange" << "ASE";
        QTest::newRow("CSS Custom Properties") << 6 << "CSS Custom Properties" << "CSS";
        QTest::newRow("Design Tokens") << 7 << "Design Tokens" << "JSON";
    }
    // With a tab width of 31 dialog units every code stands at the fifth tab
    // stop: in the layout, and where the list draws it.
    void typeListColumns()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, code);
        TfrmImport w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        verifyTabColumn(child<QListWidget>(&w, "lstType"), row, name, code, 31, 5);
    }

    // Every type is in view without scrolling, and every description fits
    // its box.
    void allTypesAndDescriptionsShow()
    {
        TfrmImport w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QListWidget* list = child<QListWidget>(&w, "lstType");
        QCOMPARE(list->count(), 8);
        QVERIFY(!list->verticalScrollBar()->isVisible());
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(7))));
        QLabel* description = child<QLabel>(&w, "lblDescription");
        for (int type = 0; type < list->count(); ++type) {
            list->setCurrentRow(type);
            QVERIFY2(description->heightForWidth(description->width()) <= description->height(),
                     qPrintable(description->text()));
        }
        const QWidget* box = description->parentWidget();
        QVERIFY(box->geometry().top() > list->geometry().bottom());
        QCOMPARE(box->geometry().bottom() + 1, 231);
    }

    // The named palettes arrive with their names, through the same filter.
    void namedPaletteImport_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("filter");
        const QByteArray ase = QByteArray::fromHex("41534546000100000000000200010000001c00040053006b0079000052474220"
                                                   "3ecccccd3f19999a3f4ccccd0000"
                                                   "00010000000e000100004772617900000000" "0002");
        QTest::newRow("gpl") << 4 << "p.gpl" << QByteArray("GIMP Palette\nName: p\n#\n102 153 204\tSky\n0 0 0\tBlack\n")
                             << "GIMP Palette (*.gpl)";
        QTest::newRow("ase") << 5 << "p.ase" << ase << "Adobe Swatch Exchange (*.ase)";
        QTest::newRow("css") << 6 << "p.css" << QByteArray(":root {\n  --Sky: #6699cc;\n  --Black: #000;\n}\n")
                             << "CSS Style Sheet (*.css)";
        QTest::newRow("tokens") << 7 << "p.tokens.json"
                                << QByteArray("{\"Sky\": {\"$type\": \"color\", \"$value\": \"#6699cc\"}, "
                                              "\"Black\": {\"$type\": \"color\", \"$value\": \"#000000\"}}")
                                << "Design Tokens (*.tokens.json)";
    }

    void namedPaletteImport()
    {
        QFETCH(int, type);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, filter);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QStringList messages;
        w.setMessageHandler([&](const TWizardDialog::Message& m) { messages << m.text; });
        QString shownFilter;
        w.setFileDialog([&](const QString&, const QString& fl, const QString&) {
            shownFilter = fl;
            return path;
        });
        goToPage2(w, type);
        child<QPushButton>(&w, "cmdBrowse")->click();
        QCOMPARE(shownFilter, filter);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        QVERIFY(next->isEnabled());
        next->click();
        next->click();
        QCOMPARE(messages, QStringList());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        // The grey option (checked) leaves the black out.
        QCOMPARE(rec.calls, (QStringList{"begin", "add Sky 1", "end 1"}));
        QCOMPARE(rec.colors, QList<TColor>{MakeColor(102, 153, 204)});
    }

    // Swatches converted from CMYK without a profile are imported, and the
    // wizard says how they were converted.
    void cmykAseIsSaidSo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("c.ase"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        // One CMYK swatch "C": cyan 1, magenta, yellow and black 0.
        f.write(QByteArray::fromHex("41534546000100000000000100010000001c000200430000434d594b"
                                    "3f8000000000000000000000000000000002"));
        f.close();
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QList<TWizardDialog::Message> messages;
        w.setMessageHandler([&](const TWizardDialog::Message& m) { messages << m; });
        goToPage2(w, 5);
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QCOMPARE(rec.calls, (QStringList{"begin", "add C 1", "end 1"}));
        QCOMPARE(rec.colors, QList<TColor>{MakeColor(0, 255, 255)});
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, QMessageBox::Information);
        QVERIFY2(messages[0].text.contains(QStringLiteral("without a color profile")), qPrintable(messages[0].text));
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    // A malformed named palette adds nothing, says what is wrong with which
    // file, and the wizard stays for another choice.
    void malformedNamedPaletteStays()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.gpl"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("GIMP Palette\n1 2 3 fine\n1 2 999 broken\n");
        f.close();
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QList<TWizardDialog::Message> messages;
        w.setMessageHandler([&](const TWizardDialog::Message& m) { messages << m; });
        w.show();
        goToPage2(w, 4);
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, QMessageBox::Warning);
        QVERIFY2(messages[0].text.contains(path) && messages[0].text.contains(QStringLiteral("line 3")),
                 qPrintable(messages[0].text));
        QVERIFY(rec.calls.isEmpty());
        QVERIFY(w.isVisible());
        QCOMPARE(w.currentPage(), 3);
    }

    void resetAfterUse()
    {
        TfrmImport w;
        goToPage2(w, 1);
        QCOMPARE(child<QLabel>(&w, "Label3")->text(), QStringLiteral("Import colors from file:"));
        QVERIFY(child<QLineEdit>(&w, "txtLocation")->text().isEmpty());
        w.Reset();
        QCOMPARE(w.windowTitle(), QStringLiteral("Import Wizard"));
        QCOMPARE(w.currentPage(), 1);
        QCOMPARE(child<QListWidget>(&w, "lstType")->currentRow(), 0);
        QCOMPARE(child<QLineEdit>(&w, "txtLocation")->text(), QStringLiteral("http://"));
        QVERIFY(child<QLabel>(&w, "lblDescription")->text().startsWith(QStringLiteral("Import all of the colors from any website")));
        QVERIFY(!child<QPushButton>(&w, "cmdBack")->isEnabled());
        QCOMPARE(child<QListWidget>(&w, "lstType")->item(2)->text(), QStringLiteral("Adobe Photoshop Color Palette\t\tACO"));
    }

    void webAddressRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("http") << "http://example.org" << true;
        QTest::newRow("no scheme") << "example.org" << false;
        QTest::newRow("capitals") << "HTTP://example.org" << false;
        QTest::newRow("secure") << "https://example.org" << true; // secure pages are accepted too
    }
    void webAddressRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        TfrmImport w;
        goToPage2(w, 0);
        QVERIFY(!child<QPushButton>(&w, "cmdBrowse")->isVisibleTo(&w));
        QCOMPARE(child<QLabel>(&w, "Label3")->text(), QStringLiteral("Import colors from URL:"));
        child<QLineEdit>(&w, "txtLocation")->setText(text);
        QCOMPARE(child<QPushButton>(&w, "cmdNext")->isEnabled(), enabled);
    }

    void spaceIsDroppedForWeb()
    {
        TfrmImport w;
        w.show();
        goToPage2(w, 0);
        QLineEdit* loc = child<QLineEdit>(&w, "txtLocation");
        QTest::keyClicks(loc, QStringLiteral("a b"));
        QCOMPARE(loc->text(), QStringLiteral("http://ab"));
    }

    void fileRule_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("gif") << 1 << "a.gif" << true << true;
        QTest::newRow("capital extension") << 1 << "a.GIF" << true << false;
        QTest::newRow("missing") << 2 << "a.aco" << false << false;
        QTest::newRow("aco") << 2 << "a.aco" << true << true;
        QTest::newRow("act for aco type") << 2 << "a.act" << true << false;
        QTest::newRow("act") << 3 << "a.act" << true << true;
    }
    void fileRule()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(bool, create);
        QFETCH(bool, enabled);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (create) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        TfrmImport w;
        goToPage2(w, type);
        QVERIFY(child<QPushButton>(&w, "cmdBrowse")->isVisibleTo(&w));
        QVERIFY(!child<QPushButton>(&w, "cmdNext")->isEnabled());
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QCOMPARE(child<QPushButton>(&w, "cmdNext")->isEnabled(), enabled);
    }

    void gifImportFiltersAndSelects()
    {
        QTemporaryDir dir;
        // Black, white, red, red: the table holds three distinct colours
        // padded to four with black; with both options one red remains.
        const QString path = writeGif(dir.filePath(QStringLiteral("p.gif")),
                                      {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(255, 0, 0)});
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QString title, filter;
        w.setFileDialog([&](const QString& t, const QString& f, const QString&) {
            title = t;
            filter = f;
            return path;
        });
        goToPage2(w, 1);
        child<QPushButton>(&w, "cmdBrowse")->click();
        QCOMPARE(title, QStringLiteral("Import color from..."));
        QCOMPARE(filter, QStringLiteral("GIF Image (*.gif)"));
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        QVERIFY(next->isEnabled());
        next->click();
        QCOMPARE(next->text(), QStringLiteral("Finish"));
        next->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(rec.calls, (QStringList{"begin", "add  1", "end 1"}));
        QCOMPARE(rec.colors, QList<TColor>{MakeColor(255, 0, 0)});
    }

    void badGifStaysOnFinish()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.gif"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("GIF89a garbage");
        f.close();
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QStringList errors;
        w.setMessageHandler([&](const TWizardDialog::Message& m) {
            if (m.icon == QMessageBox::Warning)
                errors << m.text;
        });
        goToPage2(w, 1);
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(path), qPrintable(errors[0]));
        QCOMPARE(w.currentPage(), 3);
        QVERIFY(rec.calls.isEmpty());
    }

    void vanishedAcoClosesWithMessage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone.aco"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QStringList plain;
        w.setMessageHandler([&](const TWizardDialog::Message& m) {
            if (m.icon == QMessageBox::Warning)
                plain << m.text;
        });
        goToPage2(w, 2);
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        QFile::remove(path);
        next->click();
        QCOMPARE(plain, QStringList{QStringLiteral("Error importing file from: ") + path});
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(rec.calls.isEmpty());
    }

    void actImportKeepsDuplicatesOfFavourites()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.act"));
        QByteArray bytes(768, '\0');
        bytes[0] = char(10); // (10, 0, 0), then 255 blacks
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        child<QCheckBox>(&w, "chkRemoveGrey")->setChecked(false);
        goToPage2(w, 3);
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QCOMPARE(rec.colors, (QList<TColor>{MakeColor(10, 0, 0), clBlack}));
        QCOMPARE(rec.calls.last(), QStringLiteral("end 2"));
    }

    void webWithoutHarvesterIsUnavailable()
    {
        TfrmImport w;
        QStringList info;
        w.setMessageHandler([&](const TWizardDialog::Message& m) { info << m.text; });
        goToPage2(w, 0);
        child<QLineEdit>(&w, "txtLocation")->setText(QStringLiteral("http://127.0.0.1/"));
        child<QPushButton>(&w, "cmdNext")->click();
        QCOMPARE(w.currentPage(), 2);
        QCOMPARE(info.size(), 1);
    }

    void webFailureReturnsToPage2()
    {
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        int attempts = 0;
        w.setWebHarvester([&](const QString& url, QList<QPair<QString, TColor>>& out, QString& error) {
            ++attempts;
            if (attempts == 1) {
                error = QStringLiteral("refused");
                return false;
            }
            QTest::qVerify(url == QStringLiteral("http://127.0.0.1:1/x"), "url", "", __FILE__, __LINE__);
            out = {{QStringLiteral("body - color"), MakeColor(1, 2, 3)},
                   {QStringLiteral("p - color"), MakeColor(1, 2, 3)},
                   {QStringLiteral("a - color"), MakeColor(200, 0, 0)}};
            return true;
        });
        QStringList errors;
        w.setMessageHandler([&](const TWizardDialog::Message& m) {
            // The failure box: its own caption, the error icon, above every window.
            if (m.caption == cssparser::WebImportErrorCaption() && m.icon == QMessageBox::Critical && m.aboveAll)
                errors << m.text;
        });
        goToPage2(w, 0);
        QLineEdit* loc = child<QLineEdit>(&w, "txtLocation");
        loc->setText(QStringLiteral("http://127.0.0.1:1/x"));
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QCOMPARE(errors, QStringList{QStringLiteral("Unable to import colors from:\r\nhttp://127.0.0.1:1/x\r\n\r\n"
                                                    "Please check the URL and then try again.")});
        QCOMPARE(w.currentPage(), 2);
        QCOMPARE(loc->selectedText(), QStringLiteral("http://127.0.0.1:1/x"));
        next->click();
        QCOMPARE(w.currentPage(), 3);
        next->click();
        QCOMPARE(rec.calls, (QStringList{"begin", "add body - color 1", "add a - color 0", "end 2"}));
    }

    void cancelDuringFetch_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel button") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape key") << 2;
    }
    // The harvester runs its own event loop as the network client does; the
    // user gives up meanwhile. The wizard closes at once and whatever the
    // harvester brings back afterwards is dropped.
    void cancelDuringFetch()
    {
        QFETCH(int, how);
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        bool backLive = true, nextLive = true, pageLive = true, cancelLive = false, closed = false;
        int harvests = 0;
        w.setWebHarvester([&](const QString&, QList<QPair<QString, TColor>>& out, QString&) {
            ++harvests;
            backLive = child<QPushButton>(&w, "cmdBack")->isEnabled();
            nextLive = child<QPushButton>(&w, "cmdNext")->isEnabled();
            pageLive = w.findChild<QWidget*>(QStringLiteral("pnlPage3"))->isEnabled()
                       && child<QListWidget>(&w, "lstType")->isEnabled();
            cancelLive = child<QPushButton>(&w, "cmdCancel")->isEnabled();
            QEventLoop loop;
            QTimer::singleShot(0, &w, [&] {
                if (how == 0)
                    QTest::mouseClick(child<QPushButton>(&w, "cmdCancel"), Qt::LeftButton);
                else if (how == 1)
                    w.close();
                else
                    QTest::keyClick(&w, Qt::Key_Escape);
                closed = !w.isVisible();
                // A second Finish (Enter on the default button) starts nothing.
                QTest::keyClick(&w, Qt::Key_Return);
                loop.quit();
            });
            loop.exec();
            QTest::qVerify(w.fetchCancelled(), "fetchCancelled", "", __FILE__, __LINE__);
            out = {{QStringLiteral("a - color"), MakeColor(200, 0, 0)}};
            return true;
        });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        goToPage2(w, 0);
        child<QLineEdit>(&w, "txtLocation")->setText(QStringLiteral("http://127.0.0.1:1/"));
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QCOMPARE(harvests, 1);
        QVERIFY(!backLive);
        QVERIFY(!nextLive);
        QVERIFY(!pageLive);
        QVERIFY(cancelLive);
        QVERIFY(closed);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.isFetching());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(rec.calls.isEmpty());
    }

    void noColorsFoundNamesTheFile_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("keepGrey");
        QByteArray noise(512, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 73 + 11) % 256);
        noise[0] = char(0x7F); // version, then a count far beyond the bytes
        // An ACO of one Lab entry (skipped) and one grey.
        const QByteArray lab = QByteArray::fromHex("00010002" "00070001000200030000" "00007f007f007f000000");
        QByteArray greys(768, '\0');
        for (int i = 0; i < 768; ++i)
            greys[i] = char(i / 3);
        QTest::newRow("random bytes named .aco") << 2 << "noise.aco" << noise << false;
        QTest::newRow("aco whose entries are all skipped or grey") << 2 << "lab.aco" << lab << false;
        QTest::newRow("act of greys, greys filtered") << 3 << "greys.act" << greys << false;
        QTest::newRow("empty act") << 3 << "empty.act" << QByteArray() << true;
    }
    // A file that yields no colour says so, naming the file, with the warning
    // icon; nothing is added and the wizard stays open on its last page.
    void noColorsFoundNamesTheFile()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keepGrey);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QList<TWizardDialog::Message> messages;
        w.setMessageHandler([&](const TWizardDialog::Message& m) { messages << m; });
        w.show();
        goToPage2(w, type);
        child<QCheckBox>(&w, "chkRemoveGrey")->setChecked(!keepGrey);
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        next->click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, QMessageBox::Warning);
        QCOMPARE(messages[0].text, QStringLiteral("No colors were found in ") + path + QStringLiteral("."));
        QVERIFY(rec.calls.isEmpty());
        QVERIFY(w.isVisible());
        QCOMPARE(w.currentPage(), 3);
        child<QPushButton>(&w, "cmdBack")->click();
        QCOMPARE(w.currentPage(), 2);
    }

    void fileErrorsNameTheFileWithWarning_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<bool>("fifo");
        QTest::newRow("gif that vanished") << 1 << "gone.gif" << true << false;
        QTest::newRow("aco that vanished") << 2 << "gone.aco" << false << false;
        QTest::newRow("act that vanished") << 3 << "gone.act" << false << false;
        // Refused, never opened: opening a FIFO blocks until a writer comes.
        QTest::newRow("act become a FIFO") << 3 << "pipe.act" << false << true;
        QTest::newRow("gpl that vanished") << 4 << "gone.gpl" << true << false;
        QTest::newRow("tokens become a FIFO") << 7 << "pipe.tokens.json" << true << true;
    }
    void fileErrorsNameTheFileWithWarning()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(bool, staysOpen);
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        TfrmImport w;
        Recorder rec;
        w.setImportTarget(rec.target());
        QList<TWizardDialog::Message> messages;
        w.setMessageHandler([&](const TWizardDialog::Message& m) { messages << m; });
        w.show();
        goToPage2(w, type);
        child<QLineEdit>(&w, "txtLocation")->setText(path);
        QPushButton* next = child<QPushButton>(&w, "cmdNext");
        next->click();
        QFile::remove(path);
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        next->click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, QMessageBox::Warning);
        QCOMPARE(messages[0].caption, TWizardDialog::messageCaption());
        if (fifo)
            QVERIFY2(messages[0].text.contains(path), qPrintable(messages[0].text));
        else
            QCOMPARE(messages[0].text, QStringLiteral("Error importing file from: ") + path);
        QCOMPARE(w.isVisible(), staysOpen);
        QVERIFY(rec.calls.isEmpty());
    }

};

TV_REGISTER_TEST(tst_TfrmImport);

#include "tst_TfrmImport.moc"
