// The Help menu: the help pages, the web site's pages, the update check
// against a local server, the about box.
#include "HelpPages.h"
#include "TStudioHelp.h"
#include "TTestHttpServer.h"
#include "TfrmStudioMain.h"
#include "UpdateCheck.h"

#include "TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(TTestResponse)

class tst_StudioHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { qunsetenv("TINTVALE_UPDATE_HOST"); }
    void updateCheck_data();
    void updateCheck();
    void httpOnlyWhenAllowed();
    void sitePages_data();
    void sitePages();
    void f1OpensThePageOfTheWindowInFront();
    void helpPagesLinkUp();
    void aboutBox();

private:
    std::unique_ptr<TfrmStudioMain> makeWindow()
    {
        TfrmStudioMain::Options o;
        o.settingsPath = m_dir->filePath(QStringLiteral("tvstudio.ini"));
        auto w = std::make_unique<TfrmStudioMain>(o);
        w->help().setOpenHook([this](const QUrl& u) { m_opened << u; });
        w->help().setMessageHook([this](int icon, const QString& title, const QString& text, bool yesNo) {
            m_messages << QStringLiteral("%1|%2|%3|%4").arg(icon).arg(title, text).arg(yesNo);
            return int(m_answer);
        });
        w->show();
        return w;
    }
    void allowHttp(bool allow)
    {
        QFile ini(m_dir->filePath(QStringLiteral("tvstudio.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(allow ? "[Update]\r\nAllowHttp=1\r\n" : "[Update]\r\nAllowHttp=0\r\n");
    }
    QAction* action(TfrmStudioMain* w, const char* name) { return w->findChild<QAction*>(QLatin1String(name)); }
    std::unique_ptr<QTemporaryDir> m_dir;
    TTestHttpServer m_server;
    QList<QUrl> m_opened;
    QStringList m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::No;
};

void tst_StudioHelp::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_opened.clear();
    m_messages.clear();
    m_answer = QMessageBox::No;
    QVERIFY(m_server.isSecure() || m_server.port() != 0 || m_server.start());
    qputenv("TINTVALE_UPDATE_HOST", QStringLiteral("127.0.0.1:%1").arg(m_server.port()).toUtf8());
}

void tst_StudioHelp::updateCheck_data()
{
    QTest::addColumn<TTestResponse>("response");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("yes");
    TTestResponse r;
    r.body = "110";
    QTest::newRow("same version") << r << "1|Updates|You are using the latest version of Tintvale Studio.|0" << false;
    r.body = " 109\r\n";
    QTest::newRow("older") << r << "1|Updates|You are using the latest version of Tintvale Studio.|0" << false;
    r.body = "111";
    QTest::newRow("newer, no") << r
                               << "1|Updates|A new version of Tintvale Studio is available!\r\n\r\nWould you like to "
                                  "visit the website now to learn more\r\nor download the latest release?|1"
                               << false;
    QTest::newRow("newer, yes") << r
                                << "1|Updates|A new version of Tintvale Studio is available!\r\n\r\nWould you like to "
                                   "visit the website now to learn more\r\nor download the latest release?|1"
                                << true;
    r.body = "1.2";
    QTest::newRow("not a number") << r << "3|Check for Updates...|The update server sent an answer this version cannot read.|0" << false;
    r.body = "<html>moved</html>";
    QTest::newRow("a page") << r << "3|Check for Updates...|The update server sent an answer this version cannot read.|0" << false;
    TTestResponse missing;
    missing.status = 404;
    missing.reason = "Not Found";
    QTest::newRow("404") << missing << "3|Check for Updates...|Unable to connect to the update server at this time.|0" << false;
    TTestResponse silent;
    silent.delayMs = 12000;
    QTest::newRow("never answers") << silent << "3|Check for Updates...|Unable to connect to the update server at this time.|0" << false;
}

// The answer comes while the window goes on: the event loop runs, the
// command is disabled and the cursor busy until the verdict.
void tst_StudioHelp::updateCheck()
{
    QFETCH(TTestResponse, response);
    QFETCH(QString, message);
    QFETCH(bool, yes);
    allowHttp(true);
    m_server.route("/updates/studio.dat", response);
    m_answer = yes ? QMessageBox::Yes : QMessageBox::No;
    auto w = makeWindow();
    QAction* check = action(w.get(), "mnuHelpUpdates");
    QSignalSpy done(&w->help(), &TStudioHelp::updateCheckFinished);
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    check->trigger();
    QVERIFY(!check->isEnabled());
    QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor);
    check->trigger(); // ignored while the first runs
    QVERIFY(done.wait(20000));
    QCOMPARE(done.size(), 1);
    QVERIFY(check->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_messages, QStringList{message});
    if (response.delayMs > 0)
        QVERIFY2(ticks > 100, QByteArray::number(ticks)); // the window kept running for the 8 seconds
    QCOMPARE(m_opened.size(), yes ? 1 : 0);
    if (yes)
        QCOMPARE(m_opened[0].path(), QStringLiteral("/studio_info.html"));
    QVERIFY(m_server.requestedTargets().contains("/updates/studio.dat") || response.delayMs > 0);
    m_server.clearLog();
}

// HTTPS first; a server that speaks only plain HTTP is reached only when
// the settings allow it.
void tst_StudioHelp::httpOnlyWhenAllowed()
{
    TTestResponse r;
    r.body = "999";
    m_server.route("/updates/studio.dat", r);
    allowHttp(false);
    auto w = makeWindow();
    QSignalSpy done(&w->help(), &TStudioHelp::updateCheckFinished);
    action(w.get(), "mnuHelpUpdates")->trigger();
    QVERIFY(done.wait(20000));
    QCOMPARE(done.at(0).at(0).value<Update::Verdict>(), Update::Verdict::Unreachable);
    QVERIFY(!m_server.requestedTargets().contains("/updates/studio.dat"));
}

void tst_StudioHelp::sitePages_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("path");
    QTest::newRow("website") << "mnuHelpWebsite" << "/";
    QTest::newRow("gallery") << "mnuHelpTutorial" << "/schemes/";
    QTest::newRow("forums") << "mnuHelpForums" << "/forums";
    QTest::newRow("open from web") << "mnuFileOpenWeb" << "/schemes/";
}

void tst_StudioHelp::sitePages()
{
    QFETCH(QString, command);
    QFETCH(QString, path);
    qunsetenv("TINTVALE_UPDATE_HOST");
    auto w = makeWindow();
    action(w.get(), command.toLatin1().constData())->trigger();
    QCOMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://www.tintvale.org") + path)});
}

void tst_StudioHelp::f1OpensThePageOfTheWindowInFront()
{
    auto w = makeWindow();
    QApplication::setActiveWindow(w.get());
    action(w.get(), "mnuHelpHelp")->trigger();
    QCOMPARE(m_opened.value(0).fileName(), QStringLiteral("main-window.html"));
    QVERIFY(m_opened.value(0).isLocalFile());
    action(w.get(), "ColorMixer1")->trigger();
    QWidget* mixer = w->findChild<QWidget*>(QStringLiteral("TfrmMixer"));
    QApplication::setActiveWindow(mixer);
    QTest::keyClick(mixer, Qt::Key_F1); // the shortcut works in the tool windows too
    QCOMPARE(m_opened.value(1).fileName(), QStringLiteral("mixer.html"));
}

// Every link between the pages reaches a page (and its anchor), and every
// window has its page.
void tst_StudioHelp::helpPagesLinkUp()
{
    const QDir help(QStringLiteral(TV_HELP_SOURCE_DIR));
    const QStringList pages = help.entryList({QStringLiteral("*.html")});
    QVERIFY(pages.size() >= 10);
    for (const HelpPages::WindowPage& p : HelpPages::kWindowPages)
        QVERIFY2(pages.contains(QLatin1String(p.page)), p.page);
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList reached{QStringLiteral("index.html")};
    for (const QString& page : pages) {
        QFile f(help.filePath(page));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        for (auto it = href.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            const QString file = target.section(u'#', 0, 0), anchor = target.section(u'#', 1);
            QVERIFY2(pages.contains(file) || file == QLatin1String("help.css"), qPrintable(page + " -> " + target));
            reached << file;
            if (!anchor.isEmpty()) {
                QFile t(help.filePath(file));
                QVERIFY(t.open(QIODevice::ReadOnly));
                QVERIFY2(t.readAll().contains(("id=\"" + anchor + "\"").toUtf8()), qPrintable(target));
            }
        }
    }
    for (const QString& page : pages)
        QVERIFY2(reached.contains(page), qPrintable(page + " is linked from no page"));
}

void tst_StudioHelp::aboutBox()
{
    qunsetenv("TINTVALE_UPDATE_HOST");
    auto w = makeWindow();
    bool seen = false;
    QTimer::singleShot(0, w.get(), [&] {
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(about);
        seen = true;
        QCOMPARE(about->objectName(), QStringLiteral("TfrmAbout"));
        QCOMPARE(about->size(), QSize(450, 250));
        QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
        auto* link = about->findChild<QLabel*>(QStringLiteral("lblHome"));
        QVERIFY(link);
        emit link->linkActivated(link->text());
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(100, 100));
    });
    action(w.get(), "mnuHelpAbout")->trigger();
    QVERIFY(seen);
    QCOMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://www.tintvale.org/"))});
}

TV_REGISTER_TEST(tst_StudioHelp);
#include "tst_StudioHelp.moc"
