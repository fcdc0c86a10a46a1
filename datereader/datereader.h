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

// Reads a calendar date from text the way people write it, and returns it in the Gregorian
// calendar. In this order:
//  1. In the user's locale, Gregorian: the forms Qt writes ("2026年12月24日木曜日"), then the
//     looser ones people type (datereader/loosedate.h: "12/12/2005", "12 12 2005", "Dec 12,
//     2005", "12/12/2005 6:00 PM", "December 24th, 2026", with the locale's names and digits or
//     English ones), then CLDR's other common forms ("2026年12月24日", "24 בדצמבר 2026", "2026년
//     Dec 24일", datereader/cldrforms.h), then loosely with names compared case and accents aside
//     ("24 ΔΕΚΕΜΒΡΙΟΥ 2026", datereader/typedtext.h) and the words people write around a date
//     ("24 grudnia 2026 r.", "ngày 24 tháng 12 năm 2026"). A day within a century of today is
//     the answer.
//  2. In the calendars the locale's people count years in, in CLDR's forms and typed as
//     loosely (datereader/othercalendars.h): Thai "24-12-2569", Persian "۱۴۰۵/۱۰/۳", "١٥ رجب ١٤٤٨
//     هـ", "民國115年12月24日" or "115.12.24", "令和8年12月24日". Taken where the Gregorian reading
//     is far from today, or there is none; and where such a calendar writes its years in figures
//     alone, a Gregorian year far from today is none: Thai 2569 is never the year 2569.
//  3. With the month and weekday names of another language, in that language's forms and
//     calendar, where all the languages whose names the text holds read the same day:
//     "jueves, 24 de diciembre de 2026" under German, "24 ธันวาคม 2569" anywhere.
//  4. Where the text as typed is none of these, the same once more as the locale's forms would
//     write it: one blank for a run of blanks, no final dot, Han numerals as figures
//     ("二〇二六年十二月二十四日"), and in small letters.
// What input methods type, full-width figures and brackets, is read as its plain forms, where
// the text as typed is no date. A weekday must fit the date, a day must exist in its calendar,
// and a two-digit year is the Gregorian year ending in those digits from 50 years before today
// to 49 after. No reading in a calendar besides the Gregorian lies more than a century from
// today, nor a Gregorian one where the locale counts years in such a calendar too. Anything else
// is not a date: ambiguous, partial, contradictory or impossible text, and years after 9999.
std::optional<QDate> readDate(QStringView text, const DateContext &context);
