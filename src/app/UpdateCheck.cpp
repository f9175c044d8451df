#include "UpdateCheck.h"

#include "THttpClient.h"
#include "Version.h"

#include <QRegularExpression>
#include <QThread>

#include <memory>

namespace Update {

Verdict VerdictFor(const THttpResult& result, int ownVersion)
{
    if (!result.ok())
        return Verdict::Unreachable;
    static const QRegularExpression decimal(QStringLiteral("^\\s*(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch m = decimal.match(QString::fromLatin1(result.body));
    if (!m.hasMatch())
        return Verdict::Unreadable;
    return ownVersion >= m.captured(1).toInt() ? Verdict::Latest : Verdict::Newer;
}

QString SiteHost(const SettingsStore& settings)
{
    const QString override = qEnvironmentVariable("TINTVALE_UPDATE_HOST");
    if (!override.isEmpty())
        return override;
    return settings.readString(SettingKey::UpdateHost).trimmed();
}

QUrl SiteUrl(const QString& host, const QString& path, bool https)
{
    return QUrl((https ? QStringLiteral("https://") : QStringLiteral("http://")) + host + path);
}

TUpdateCheck::TUpdateCheck(QObject* parent)
    : QObject(parent)
{
}

// A check still running when its owner goes lets its thread finish on its
// own (its time-outs bound it); the answer then goes nowhere.
TUpdateCheck::~TUpdateCheck() = default;

void TUpdateCheck::start(const QString& host, bool allowHttp)
{
    if (m_thread)
        return;
    auto verdict = std::make_shared<Verdict>(Verdict::Unreachable);
    m_thread = QThread::create([verdict, host, allowHttp] {
        THttpClient client; // the fixed User-Agent and the 8-second read time-out
        const QString path = QStringLiteral("/updates/studio.dat");
        THttpResult r = client.get(SiteUrl(host, path, true).toString());
        if (!r.ok() && r.error != NetError::HttpStatus && allowHttp)
            r = client.get(SiteUrl(host, path, false).toString());
        *verdict = VerdictFor(r, Version::kNumber);
    });
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    connect(m_thread, &QThread::finished, this, [this, verdict] {
        m_thread = nullptr;
        emit finished(*verdict);
    });
    m_thread->start();
}

} // namespace Update
