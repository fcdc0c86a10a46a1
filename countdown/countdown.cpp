#include "countdown.h"

CountdownFigures countdownTo(QDate tripDay, const QDateTime &now)
{
    const QTime time = now.time();
    return {
        .DaysLeft = static_cast<qint32>(now.date().daysTo(tripDay) - 1),
        .HoursLeft = 23 - time.hour(),
        .MinsLeft = 59 - time.minute(),
        .SecsLeft = static_cast<qint16>(60 - time.second()),
    };
}
