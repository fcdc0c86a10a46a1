#pragma once

#include <QDateTime>

// Where the program reads the time. The real program reads the system clock;
// tests set and advance a TestClock instead of waiting for real time to pass.
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

class TestClock final : public Clock
{
public:
    explicit TestClock(QDateTime start) : m_now(std::move(start)) {}

    QDateTime now() const override { return m_now; }
    void set(QDateTime now) { m_now = std::move(now); }
    void advance(qint64 msecs) { m_now = m_now.addMSecs(msecs); }

private:
    QDateTime m_now;
};
