#pragma once

#include "SettingsStore.h"
#include "UpdateCheck.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QAction;
class QWidget;

// The Help menu and File > Open from Web: the help pages in the browser (F1
// at the page of the window in front), the web site's pages, the update
// check and the about box.
//
// The update check runs without holding up the window: the busy cursor
// shows and the command is disabled until the answer, and no other command
// runs halfway meanwhile.
class TStudioHelp : public QObject {
    Q_OBJECT
public:
    TStudioHelp(SettingsStore settings, QWidget* owner);

    void showHelp();                  // mnuHelpHelp, F1
    void openSitePage(const QString& path); // "/", "/schemes/", "/forums"
    void checkForUpdates(QAction* command);
    void showAbout();

    // Replaced in tests: opening an address in the browser, and the update
    // check's messages (icon: QMessageBox::Icon; returns the button pressed).
    using OpenHook = std::function<void(const QUrl&)>;
    using MessageHook = std::function<int(int icon, const QString& title, const QString& text, bool yesNo)>;
    void setOpenHook(OpenHook hook) { m_open = std::move(hook); }
    void setMessageHook(MessageHook hook) { m_message = std::move(hook); }

    // The texts of the update check's outcomes.
    static QString VerdictText(Update::Verdict verdict);

signals:
    void updateCheckFinished(Update::Verdict verdict);

private:
    void open(const QUrl& url);
    int message(int icon, const QString& title, const QString& text, bool yesNo);
    void updateAnswered(Update::Verdict verdict);

    SettingsStore m_settings;
    QWidget* m_owner;
    Update::TUpdateCheck* m_check;
    QPointer<QAction> m_command;
    OpenHook m_open;
    MessageHook m_message;
};
