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

// What the program starts with: the stored trip date, if any, and what to tell the user
// about a trip date file that could not be used.
struct StoredTripDate
{
    std::optional<TripDate> tripDate;
    QString problem; // empty when there is nothing to tell
};

// A missing file, or one that holds no date at all, means no trip date yet and needs no
// word: the user sets one with Setup Date. The file is never changed by reading it.
StoredTripDate loadTripDate(const QString &path, const DateContext &context);
