#pragma once

#include <QString>

// Tells the user of something as it happens, outside the program's windows, where the desktop
// has a way to: a desktop notification. Where it has none, nothing is told and nothing waits.
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString &summary, const QString &body) = 0;
};
