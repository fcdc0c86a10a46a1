#pragma once

#include "services/clock.h"

#include <QObject>
#include <QTimer>

// Ticks once a second, just after each second boundary of the wall clock, so that the
// seconds on screen change with the real clock's, one by one while the clock runs evenly.
//
// Counting ticks would drift and freeze across a suspend, so every tick reads the clock
// and arms a single-shot timer for the next boundary from that reading; after the clock
// jumps, the next tick is right again (a jump forward skips the seconds it jumps over, one
// back shows some again). The first tick comes a second after start().
class SecondTicker : public QObject
{
    Q_OBJECT

public:
    explicit SecondTicker(const Clock &clock, QObject *parent = nullptr);

    void start();

signals:
    // `now` is the one clock reading that this tick stands for.
    void ticked(const QDateTime &now);

private:
    void onTimeout();

    const Clock &m_clock;
    QTimer m_timer{this}; // a child, so that tests can find it by its name
};
