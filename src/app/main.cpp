// tintvale-studio: the desktop program.
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "TStudioStyle.h"
#include "TfrmStudioMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QSocketNotifier>

#include <fontconfig/fontconfig.h>

#include <csignal>
#include <cstdio>
#include <latch>
#include <thread>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

// SIGTERM and SIGINT (the desktop session ending, a terminal's Ctrl+C) run
// the closing sequence without questions, so settings and the session are kept.
void installTerminationHandler(TfrmStudioMain& window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &c, 1);
        notifier->setEnabled(false);
        window.closeWithoutQuestions();
        QCoreApplication::quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer startClock;
    startClock.start();
    // The menu bar belongs inside the fixed-size window; asking the session
    // bus for a desktop-wide menu would also hold up start-up.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // Reading the font configuration and Qt's list of fonts is the longest
    // single step before the window can paint text. It needs no window, so a
    // second thread does it while the display connects and the window is built.
    // It runs at normal priority: at idle priority it gave way to connecting,
    // but on a busy machine it then starved while holding fontconfig's locks,
    // and the window waited for it.
    std::latch fontsNamed(1);
    std::jthread fontWarmUp([&fontsNamed] {
        FcInit();
        fontsNamed.wait();
        TfrmStudioMain::WarmUpFonts();
    });
    QApplication app(argc, argv);
    QApplication::setFont(TfrmStudioMain::UiFont());
    fontsNamed.count_down();
    // The helper uses Qt's fonts: it ends before the application does, on every way out.
    const struct JoinBeforeApp {
        std::jthread& thread;
        ~JoinBeforeApp() { thread.join(); }
    } joinFontWarmUp{fontWarmUp};
    TStudioStyle::install();
    QApplication::setApplicationName(QStringLiteral("Tintvale Studio"));
    QApplication::setOrganizationName(QStringLiteral("Tintvale"));

    QStringList args = app.arguments().mid(1);
    TfrmStudioMain::Options options;
    if (args.removeAll(QStringLiteral("--quit-after-first-paint")) > 0)
        options.quitAfterFirstPaint = true;
    const QString fileArgument = args.isEmpty() ? QString() : args.first();

    // A second copy started with an existing scheme file hands it to the first.
    SingleInstance instance;
    if (!fileArgument.isEmpty() && QFileInfo(fileArgument).isFile()
        && instance.handOver(QFileInfo(fileArgument).absoluteFilePath()))
        return 1;

    SettingsStore::setFailureHandler([](const QString& message) {
        QMessageBox::warning(nullptr, QStringLiteral("Tintvale Studio"), message);
    });

    TfrmStudioMain window(options);
    instance.setHandler([&window](const QString& path) { window.receiveHandOver(path); });
    instance.listen();
    installTerminationHandler(window);
    if (options.quitAfterFirstPaint) {
        QObject::connect(&window, &TfrmStudioMain::firstPainted, [&startClock] {
            long rssKb = 0;
            if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
                long pages = 0, resident = 0;
                if (std::fscanf(f, "%ld %ld", &pages, &resident) == 2)
                    rssKb = resident * (::sysconf(_SC_PAGESIZE) / 1024);
                std::fclose(f);
            }
            std::fprintf(stderr, "first paint after %lld ms, resident %ld kB\n",
                         static_cast<long long>(startClock.elapsed()), rssKb);
        });
    }
    window.show();
    if (!fileArgument.isEmpty())
        window.openSchemeFile(fileArgument); // reports a missing or bad file itself
    return app.exec();
}
