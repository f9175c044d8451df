#pragma once

#include "SettingsStore.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QThread;
struct THttpResult;

// The update check: one GET of "/updates/studio.dat" on the web site, whose
// body is the latest version number as a decimal integer, compared with our
// own (Version::kNumber). The GET runs on a worker thread, so the window
// keeps painting and nothing else of the program runs halfway meanwhile.
namespace Update {

enum class Verdict {
    Latest,      // our version is the latest (or newer)
    Newer,       // the server has a newer version
    Unreachable, // no connection, a time-out, an HTTP error status
    Unreadable,  // an answer that is not a decimal integer
};
Verdict VerdictFor(const THttpResult& result, int ownVersion);

// The web site: Update/Host of the settings, or $TINTVALE_UPDATE_HOST (for
// tests: a host with an optional port). Addresses are https://, or http://
// when `https` is false.
QString SiteHost(const SettingsStore& settings);
QUrl SiteUrl(const QString& host, const QString& path, bool https = true);

// Runs one check. finished() comes once, on the thread that started it.
// https:// first; when that cannot connect and `allowHttp` is set, the same
// path over http://.
class TUpdateCheck : public QObject {
    Q_OBJECT
public:
    explicit TUpdateCheck(QObject* parent = nullptr);
    ~TUpdateCheck() override;

    void start(const QString& host, bool allowHttp);
    bool isRunning() const { return m_thread != nullptr; }

signals:
    void finished(Update::Verdict verdict);

private:
    QThread* m_thread = nullptr; // while a check runs
};

} // namespace Update
