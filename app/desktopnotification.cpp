#include "app/desktopnotification.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

void sendDesktopNotification(const QString &summary, const QString &body)
{
    static const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(service))
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                                       service, QStringLiteral("Notify"));
    // app name, replaces id, icon, summary, body, actions, hints, time-out (-1: the server's)
    call << QStringLiteral("Sonavert") << 0u << QStringLiteral("com.kestrune.Sonavert") << summary << body
         << QStringList() << QVariantMap() << -1;
    bus.send(call);
}
