#pragma once

#include <QDate>
#include <QLocale>
#include <QStringView>

#include <optional>

// What reading a date depends on besides the text: the user's locale, which orders day and
// month and names them, and today, which places a two-digit year in the century around it.
struct DateContext
{
    QLocale locale;
    QDate today;
};

// Reads a calendar date from text the way the user would write it in their locale, in any
// locale's language or in English. First the locale's own forms as Qt reads them, with its
// names, its words and its digits ("2026年12月24日木曜日", "٢٤‏/١٢‏/٢٠٢٦"); then looser ones:
//   12/12/2005, 12.12.05, 24. 12. 2026, 2005-12-12   (day and month in the locale's order)
//   Dec 12, 2005; December 24th, 2026; 24 Dezember 2026; 1er janvier 2027; 24 de diciembre de 2026
//   Thursday, December 24, 2026; Do., 24.12.2026; 24 Aralık 2026 Perşembe
//                                                    (a weekday must fit the date)
// in ASCII digits or the locale's own, with the words of the locale's long and short forms
// ("den", "de", "г.") and weekday names that hold hyphens or blanks ("quinta-feira").
// A time of day after the date ("6:00 PM", ", 18:30", "T18:00:30.5+01:00") is checked and then
// ignored, as are blanks around the text and one final dot. A two-digit year is the year
// ending in those digits from 50 years before today to 49 after. Anything else is not a
// date: ambiguous, partial, contradictory or impossible text, and years after 9999.
std::optional<QDate> readDate(QStringView text, const DateContext &context);
