#pragma once

#include "tripdate/tripdate.h"

#include <QCoreApplication>
#include <QString>

// What the user is told about the trip date file, made in this one place so that reading and
// saving say the same thing about the same file.
class FileMessages
{
    Q_DECLARE_TR_FUNCTIONS(TripDate)

public:
    // "The trip date file "vacation.txt" in /home/user": how messages name the file.
    static QString fileNamed(const QString &path);

    // Why the file at `path` gave no date, or took none, and what helps.
    static QString describe(const QString &path, const TripDateFailure &failure);
};
