#pragma once

#include <QDate>
#include <QDateTime>

// What is left until midnight at the start of the trip day, as the four figures on screen.
// Every day counts 86400 seconds, so that
//     DaysLeft * 86400 + HoursLeft * 3600 + MinsLeft * 60 + SecsLeft
// is the time left in seconds. The seconds run from 60 (at second 0 of a minute) down to
// 1 and never show 0; after the trip day has begun, DaysLeft is negative while the other
// three go on counting down to the next midnight.
struct CountdownFigures
{
    qint32 DaysLeft = 0;
    int HoursLeft = 0;
    int MinsLeft = 0;
    qint16 SecsLeft = 0;

    friend bool operator==(const CountdownFigures &, const CountdownFigures &) = default;
};

// All four figures come from the one reading of the clock, `now` (local time), so that a
// minute or hour turning over between them cannot put one of them off by a whole unit.
CountdownFigures countdownTo(QDate tripDay, const QDateTime &now);
