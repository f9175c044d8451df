// tintvale-studio: the desktop program.
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "TStudioStyle.h"
#include "TfrmStudioMain.h"
#include "Version.h"
#include "paint/AppIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <latch>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGTERM and SIGINT (the desktop session ending, a terminal's Ctrl+C): the
// studio writes what it can, shows nothing and ends within two seconds.
//
// The handler only writes the signal number to two descriptors. The interface
// thread reads one through a socket notifier, which fires in the nested event
// loop of an open message box too; it runs the closing sequence without
// questions and ends the process at once with _exit, so no box, open or about
// to open, is waited for. A watchdog thread reads the other and ends the
// process after kTerminationGraceMs if the interface thread never got there
// (blocked outside any event loop); its exit code, 128 + the signal number,
// says the writes may be incomplete. Before the interface thread takes up
// signals (start-up, a hand-over in progress) and after the window has closed
// there is nothing to write, and the handler ends the process itself.
constexpr int kTerminationGraceMs = 1500;
int g_interfacePipe[2] = {-1, -1};
int g_watchdogPipe[2] = {-1, -1};
std::atomic<bool> g_interfaceTakesSignals{false};
static_assert(std::atomic<bool>::is_always_lock_free, "read in a signal handler");
// Set on the interface thread once a termination signal has been taken up:
// from then on nothing is shown.
bool g_terminating = false;

void onTerminationSignal(int signo)
{
    if (!g_interfaceTakesSignals.load())
        ::_exit(0);
    const char c = char(signo);
    [[maybe_unused]] ssize_t n = ::write(g_interfacePipe[1], &c, 1);
    n = ::write(g_watchdogPipe[1], &c, 1);
}

void installTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_interfacePipe) != 0
        || ::pipe2(g_watchdogPipe, O_CLOEXEC) != 0)
        return; // the signals keep their default action: the process ends without writing
    std::thread([] {
        char signo = 0;
        ssize_t n;
        while ((n = ::read(g_watchdogPipe[0], &signo, 1)) < 0 && errno == EINTR) { }
        if (n != 1)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(kTerminationGraceMs));
        ::_exit(128 + signo);
    }).detach();
    struct sigaction sa = {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

// From here on the interface thread takes up termination signals: it runs
// the closing sequence of the window once the window is built (while it is
// being built nothing has changed yet), gives up the claim and ends.
void takeUpTerminationSignals(SingleInstance& instance, const QPointer<TfrmStudioMain>& window)
{
    if (g_interfacePipe[0] < 0)
        return;
    auto* notifier = new QSocketNotifier(g_interfacePipe[0], QSocketNotifier::Read, &instance);
    QObject::connect(notifier, &QSocketNotifier::activated, &instance, [&instance, &window] {
        g_terminating = true; // the settings failure handler stays silent
        if (window)
            window->closeWithoutQuestions(); // positions, workspace settings and the session
        instance.release();
        std::fflush(nullptr);
        ::_exit(0);
    });
    g_interfaceTakesSignals.store(true);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--version") == 0) {
        std::printf("tintvale-studio %s\n", Version::kText);
        return 0;
    }
    QElapsedTimer startClock;
    startClock.start();
    installTerminationSignals();
    // The menu bar belongs inside the fixed-size window; asking the session
    // bus for a desktop-wide menu would also hold up start-up.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The claim comes before anything else: of copies started together, the
    // first to get here is the first copy, whichever of them has a file.
    SingleInstance instance;
    const bool first = instance.claim();
    // Reading the font configuration and Qt's list of fonts is the longest
    // single step before the window can paint text. It needs no window, so a
    // second thread does it while the display connects and the window is built.
    // It runs at normal priority: at idle priority it gave way to connecting,
    // but on a busy machine it then starved while holding fontconfig's locks,
    // and the window waited for it. A later copy, which mostly hands its file
    // over and ends, starts it only once it knows it stays.
    std::latch fontsNamed(1);
    std::jthread fontWarmUp;
    const auto startFontWarmUp = [&fontsNamed, &fontWarmUp] {
        fontWarmUp = std::jthread([&fontsNamed] {
            FcInit();
            fontsNamed.wait();
            TfrmStudioMain::WarmUpFonts();
        });
    };
    if (first)
        startFontWarmUp();
    QApplication app(argc, argv);
    QApplication::setFont(TfrmStudioMain::UiFont());
    fontsNamed.count_down();
    // The helper uses Qt's fonts: it ends before the application does, on every way out.
    const struct JoinBeforeApp {
        std::jthread& thread;
        ~JoinBeforeApp()
        {
            if (thread.joinable())
                thread.join();
        }
    } joinFontWarmUp{fontWarmUp};
    TStudioStyle::install();
    QApplication::setApplicationName(QStringLiteral("Tintvale Studio"));
    QApplication::setOrganizationName(QStringLiteral("Tintvale"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tintvale.Studio"));

    QStringList args = app.arguments().mid(1);
    TfrmStudioMain::Options options;
    if (args.removeAll(QStringLiteral("--quit-after-first-paint")) > 0)
        options.quitAfterFirstPaint = true;
    const QString fileArgument = args.isEmpty() ? QString() : args.first();

    // A later copy started with an existing scheme file hands it to the first
    // and ends. isFile looks at the file without opening it: a FIFO (or any
    // other file that is not a regular one) is not handed over and blocks nothing.
    if (!first && !fileArgument.isEmpty() && QFileInfo(fileArgument).isFile()) {
        switch (instance.handOver(QFileInfo(fileArgument).absoluteFilePath())) {
        case SingleInstance::HandOverResult::Received:
        case SingleInstance::HandOverResult::Unanswered:
            return 1;
        case SingleInstance::HandOverResult::NoListener:     // a studio of its own, beside the first
        case SingleInstance::HandOverResult::ClaimTakenOver: // the first copy had gone: this is the first now
            break;
        }
    }
    if (!fontWarmUp.joinable())
        startFontWarmUp();

    SettingsStore::setFailureHandler([](const QString& message) {
        if (!g_terminating)
            QMessageBox::warning(nullptr, QStringLiteral("Tintvale Studio"), message);
    });

    // Signals are taken up before the window is built, whose start-up may show
    // a message (a session file that cannot be read).
    QPointer<TfrmStudioMain> built;
    takeUpTerminationSignals(instance, built);
    TfrmStudioMain window(options);
    built = &window;
    // Listening starts once the window exists: a copy that reaches the socket
    // reaches a built window.
    instance.setHandler([&window](const QString& path) { window.receiveHandOver(path); });
    instance.listen(); // only when this copy holds the claim
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
    // The icon is drawn once the window shows, off the way to its first paint.
    QObject::connect(&window, &TfrmStudioMain::firstPainted, &app, [] {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(AppIcon::Render(64))));
    }, Qt::QueuedConnection);
    window.show();
    if (!fileArgument.isEmpty())
        window.openSchemeFile(fileArgument); // reports a missing or bad file itself
    const int code = app.exec();
    // The window has closed and written everything: a signal from here on just ends the process.
    g_interfaceTakesSignals.store(false);
    instance.release();
    return code;
}
