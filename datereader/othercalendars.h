#pragma once

// Dates typed loosely in the calendars, besides the Gregorian, that a locale's people count
// years in: the same figures, marks and names the loose reader takes in the Gregorian calendar
// (datereader/loosedate.h), with the calendar's own month names in the locale's language or in
// English, and its era named or not.

#include <QDate>
#include <QLocale>
#include <QStringView>

#include <optional>

// Reads `text` in `calendar` ("buddhist", "persian", ...), as a day that exists in it. A year
// has at least three figures ("2569", "1405", "115"), or else the era before it ("令和8",
// "民國99"): a shorter year alone is read in the Gregorian calendar. A calendar of many eras,
// Japan's, needs its era written.
std::optional<QDate> readInCalendar(QStringView text, const QLocale &locale, const char *calendar);

// Whether the locale's people count years in a calendar that writes a year in figures alone,
// without its era: all but Japan's.
bool writesYearsAlone(const QLocale &locale);
