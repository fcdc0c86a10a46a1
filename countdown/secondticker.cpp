#include "secondticker.h"

namespace {

constexpr int kFirstTickMsecs = 1000;
// A wake-up this close before a boundary came early (the wall clock and the timer's clock
// may drift apart a little); acting on it would show the ending second twice.
constexpr int kEarlyMsecs = 5;

int msecsToNextSecond(const QDateTime &now) { return 1000 - now.time().msec(); }

} // namespace

SecondTicker::SecondTicker(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SecondTicker::onTimeout);
}

void SecondTicker::start() { m_timer.start(kFirstTickMsecs); }

void SecondTicker::onTimeout()
{
    const QDateTime now = m_clock.now();
    const int toNext = msecsToNextSecond(now);
    if (toNext > kEarlyMsecs)
        emit ticked(now);
    m_timer.start(toNext);
}
