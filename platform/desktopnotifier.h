#pragma once

#include "services/notifier.h"

// Desktop notifications through the session bus's notification service
// (org.freedesktop.Notifications), with the program's name and icon. The call does not wait for
// an answer: without a session bus or a service on it, nothing happens.
class DesktopNotifier final : public Notifier
{
public:
    void notify(const QString &summary, const QString &body) override;
};

// Where the session has no bus (no DBUS_SESSION_BUS_ADDRESS, and no bus of the user's in
// XDG_RUNTIME_DIR), keeps libdbus from starting one for the program: under X11 it runs
// dbus-launch, whose bus, and the notification service that bus starts, outlive the counter.
// Called before anything reaches for the session bus, as Qt's accessibility and menus do at start.
void useOnlyTheSessionsBus();
