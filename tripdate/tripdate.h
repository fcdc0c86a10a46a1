#pragma once

#include "datereader/datereader.h"

#include <QDate>
#include <QString>

#include <optional>

// The trip date: the text as the user typed it, and the day it names in their locale.
struct TripDate
{
    QString text;
    QDate day;

    // No value when the text does not read as a date.
    static std::optional<TripDate> fromText(const QString &text, const DateContext &context);
};

// What came of loading or setting the trip date: the date, or what to tell the user about why
// there is none. Neither, when there is nothing to tell: no file yet, a file that holds no
// date at all, or a user who cancelled.
struct TripDateResult
{
    std::optional<TripDate> tripDate;
    QString problem;
};

// Reads the trip date file at `path`, which reading never changes. Only a regular file of at
// most kTripDateFileMaxSize bytes is read, as safefile/ reads it. Its text is UTF-8, or else
// in the 8-bit code page of the locale's language (tripdate/filetext.h).
TripDateResult loadTripDate(const QString &path, const DateContext &context);

// Replaces the file at `path` with one record holding the date's text exactly as typed, as
// safefile/ replaces a file. On failure the old file stays as it was.
TripDateResult saveTripDate(const QString &path, const TripDate &tripDate);
