#include "desktopnotifier.h"

#include "identity/name.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>

void DesktopNotifier::notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    const QString desktopEntry = QGuiApplication::desktopFileName();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << programName() << uint(0) << desktopEntry << summary << body << QStringList()
         << QVariantMap{{QStringLiteral("desktop-entry"), desktopEntry}} << -1;
    bus.call(call, QDBus::NoBlock);
}
