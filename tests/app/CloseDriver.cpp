// tv_close_driver SETTINGS: opens the studio's main window on the settings
// file given, lets it paint, then closes it as the close box does (the exit
// question, if asked, answered No). Every message the window or the settings
// store would show goes to stderr, one line each, so a test that runs this
// under the file-fault shim sees what was reported.
#include "SettingsStore.h"
#include "TfrmStudioMain.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tv_close_driver SETTINGS\n");
        return 2;
    }
    const auto report = [](const QString& message) { std::fprintf(stderr, "message: %s\n", qPrintable(message)); };
    SettingsStore::setFailureHandler(report);
    TfrmStudioMain::Options options;
    options.settingsPath = QString::fromLocal8Bit(argv[1]);
    TfrmStudioMain window(options);
    window.setInformHook(report);
    window.setQuestionHook([](const QString&) { return int(QMessageBox::No); });
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.close(); });
    QTimer::singleShot(50, &app, &QCoreApplication::quit);
    return app.exec();
}
