#include "countdown.h"

CountdownFigures countdownTo(QDate tripDay, const QDateTime &now)
{
    const QTime time = now.time();
    return {
        .daysLeft = int(now.date().daysTo(tripDay) - 1),
        .hoursLeft = 23 - time.hour(),
        .minutesLeft = 59 - time.minute(),
        .secondsLeft = 60 - time.second(),
    };
}
