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
