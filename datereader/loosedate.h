#pragma once

// Dates as Qt writes them for a locale, and as people type them more loosely. Used by
// readDate (datereader.h), which says in which order the readings are tried.

#include <QDate>
#include <QLocale>
#include <QStringView>

#include <optional>

// The order of day, month and year in numeric dates such as 12/11/2005.
enum class NumericOrder
{
    MonthDayYear,
    DayMonthYear,
    YearMonthDay
};

// The locale's numeric dates, as Qt's short format writes them. A locale whose short dates
// name the month (the C locale's "d MMM yyyy") has no numeric form of its own: it gets month
// first, "MM/dd/yyyy".
QString numericDateFormat(const QLocale &locale);
// The order of day, month and year in numericDateFormat.
NumericOrder numericOrder(const QLocale &locale);

// The year that ends in these two digits, from 50 years before today to 49 after.
int yearAroundToday(int lastTwoDigits, QDate today);

// The locale's own forms, as Qt reads them: with its month and weekday names, its words and its
// digits, exactly in the locale's order (with `namedOnly`, only the forms that name the month).
// Qt reads a two-digit year as 19xx; it is placed around today like any other, and a weekday
// must then still fit.
std::optional<QDate> readQtForm(QStringView text, const QLocale &locale, QDate today,
                                bool namedOnly = false);

// Dates as people type them, looser than any locale writes them:
//   12/12/2005, 12.12.05, 24. 12. 2026, 2005-12-12   (day and month in the given order)
//   Dec 12, 2005; December 24th, 2026; 24 Dezember 2026; 1er janvier 2027; 24 de diciembre de 2026
//   Thursday, December 24, 2026; Do., 24.12.2026; 24 Aralık 2026 Perşembe
//                                                    (a weekday must fit the date)
// with the names, words and digits of `names` or with English ones. A time of day after the
// date ("6:00 PM", ", 18:30", "T18:00:30.5+01:00") is checked and then ignored, and so is one
// final dot. The text is trimmed and in Unicode's composed form.
std::optional<QDate> readLooseDate(QStringView text, const QLocale &names, NumericOrder order,
                                   QDate today);
