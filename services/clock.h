#pragma once

#include <QDateTime>

// Where the program reads the time: the system clock, or a clock the tests set and advance
// instead of waiting for real time to pass.
class Clock
{
public:
    virtual ~Clock() = default;
    // Local date and time, to the millisecond.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
