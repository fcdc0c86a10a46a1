#pragma once

#include "datereader/datereader.h"
#include "safefile/safefile.h"

#include <QDate>
#include <QString>

#include <optional>
#include <variant>

// The trip date: the text as the user typed it, and the day it names in their locale.
struct TripDate
{
    QString text;
    QDate day;

    // No value when the text does not read as a date.
    static std::optional<TripDate> fromText(const QString &text, const DateContext &context);

    bool operator==(const TripDate &) const = default;
};

// Why the trip date file gave no date, or took none: what the user is told, in words that
// app/ makes of it (app/filemessages.h).
struct TripDateFailure
{
    enum class Kind
    {
        CannotRead,  // `problem` says why
        TooLong,     // its last field is too long to be a date
        NotADate,    // its last field, `text`, reads as no date
        CannotWrite, // `problem` says why; the file stays as it was
        NotUnicode,  // the new date has no UTF-8 form
    };

    Kind kind;
    FileProblem problem;
    QString text;
};

// No trip date, and nothing to tell of it: no file yet, or a file that holds no date at all.
struct NoTripDate
{
};

// What came of loading or saving the trip date: the date, why there is none, or nothing to tell.
using TripDateResult = std::variant<NoTripDate, TripDate, TripDateFailure>;

// Reads the trip date file at `path`, which reading never changes. Only a regular file of at
// most kTripDateFileMaxSize bytes is read, as safefile/ reads it. Its text is UTF-8, or else
// in the 8-bit code page of the locale's language (tripdate/filetext.h).
TripDateResult loadTripDate(const QString &path, const DateContext &context);

// Replaces the file at `path` with one record holding the date's text exactly as typed, as
// safefile/ replaces a file: the date, or why it was not saved, the old file staying as it was.
TripDateResult saveTripDate(const QString &path, const TripDate &tripDate);
