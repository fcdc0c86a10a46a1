#pragma once

#include <QDate>
#include <QDateTime>

// What is left until midnight at the start of the trip day, as the four figures on screen.
// Every day counts 86400 seconds, so that
//     daysLeft * 86400 + hoursLeft * 3600 + minutesLeft * 60 + secondsLeft
// is the time left in seconds. The seconds run from 60 (at second 0 of a minute) down to
// 1 and never show 0; after the trip day has begun, daysLeft is negative while the other
// three go on counting down to the next midnight.
struct CountdownFigures
{
    int daysLeft = 0; // at most 3,652,057, from 1 January 1 to 31 December 9999
    int hoursLeft = 0;
    int minutesLeft = 0;
    int secondsLeft = 0;
};

// All four figures come from the one reading of the clock, `now` (local time), so that a
// minute or hour turning over between them cannot put one of them off by a whole unit.
CountdownFigures countdownTo(QDate tripDay, const QDateTime &now);
