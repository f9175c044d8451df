#include "PortalColorPicker.h"


#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {
constexpr char kService[] = "org.freedesktop.portal.Desktop";
constexpr char kPath[] = "/org/freedesktop/portal/desktop";
constexpr char kInterface[] = "org.freedesktop.portal.Screenshot";
constexpr char kRequest[] = "org.freedesktop.portal.Request";

int channel(double v) { return int(std::lrint(std::clamp(v, 0.0, 1.0) * 255)); }
} // namespace

bool PortalColorPicker::Needed()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void PortalColorPicker::pick()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        emit cancelled();
        return;
    }
    // The request's object path is known before the call, so its answer
    // cannot arrive before we listen for it.
    const QString token = QStringLiteral("tintvale%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus.connect(QLatin1String(kService), request, QLatin1String(kRequest), QStringLiteral("Response"), this,
                SLOT(response(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       QLatin1String(kInterface), QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError())
            emit cancelled();
        w->deleteLater();
    });
}

void PortalColorPicker::response(uint code, const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (code != 0 || !value.canConvert<QDBusArgument>()) {
        emit cancelled();
        return;
    }
    double r = 0, g = 0, b = 0;
    const QDBusArgument arg = value.value<QDBusArgument>();
    arg.beginStructure();
    arg >> r >> g >> b;
    arg.endStructure();
    emit picked(MakeColor(channel(r), channel(g), channel(b)));
}
