#include "desktopnotifier.h"

#include "identity/name.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>

#include <sys/stat.h>
#include <unistd.h>

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

void useOnlyTheSessionsBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // The user's bus, where libdbus looks next, as it checks it.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat bus = {};
    if (!runtime.isEmpty() && ::stat(runtime + "/bus", &bus) == 0 && S_ISSOCK(bus.st_mode)
        && bus.st_uid == ::getuid())
        return;
    // An address of no transport, which libdbus and GLib fail to connect to at once, where
    // they would otherwise start a bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
