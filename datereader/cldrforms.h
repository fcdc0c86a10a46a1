#pragma once

// The dates a locale writes by CLDR's data, read through ICU, in the Gregorian calendar or in
// another one. Qt knows only a locale's short, long and narrow formats, and the Gregorian and
// Jalali calendars; ICU's pattern generator gives each locale's own forms for any choice of
// fields, with and without the weekday, in any calendar ICU has.

#include "datereader/loosedate.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// Reads `text` as one of the locale's common forms of a date in `calendar` ("gregorian",
// "buddhist", ...): the year, month and day in figures or with the month's name, with or
// without the weekday, which must then fit. Returns the day in the Gregorian calendar, or no
// value when no form reads the whole text, when two read it as different days, or when the
// weekday is another day's. A form in figures whose order differs from `order` is left out:
// there CLDR and Qt disagree on the locale's order, and Qt's is the one the program shows, unless
// a word after each of the month and the day says which is which ("y年M月d日"). With
// `namedOnly`, only the forms that name the month are tried. Two-digit years lie from 50 years
// before today to 49 after, as everywhere in the program.
std::optional<QDate> readCldrForm(QStringView text, const QLocale &locale, const char *calendar,
                                  NumericOrder order, QDate today, bool namedOnly = false);

// Whether an ICU date pattern writes the month in figures in another order than `order`, with
// nothing but marks between them: where CLDR and Qt disagree on a locale's order, and
// readCldrForm leaves the form out.
bool orderDisputed(const QString &pattern, NumericOrder order);

// The order of the two numbers around a month's name in the locale's forms in `calendar` that
// name the month.
NamedOrder namedOrder(const QLocale &locale, const char *calendar);

// The order of year, month and day in the locale's dates in figures in `calendar`, as CLDR has it.
std::optional<NumericOrder> numericOrderIn(const QLocale &locale, const char *calendar);

// The words of the locale's forms in `calendar` besides its fields: "年", "de", "г.".
QStringList patternWords(const QLocale &locale, const char *calendar);

// The words of the locale's times of day and of a date with one, as CLDR writes them: "um" and
// "Uhr" in German, "à" and "h" in French, "at" in English.
QStringList timeWords(const QLocale &locale);

// The words for a year, a month and a day in the locale's language, as CLDR names the fields of a
// date and counts them ("rok", "r.", "года", "ngày", "năm"): people write them around a date.
QStringList wordsAroundDates(const QLocale &locale);

// The zero of each kind of digit, besides ASCII, that the locale writes dates in, in `calendar`.
QList<char32_t> digitZeros(const QLocale &locale, const char *calendar);

// The calendars besides the Gregorian in which the locale's people write years: CLDR's own
// calendar for the locale where that is not the Gregorian (Thai Buddhist years, Persian years),
// and where CLDR says they are in common use, the Republic of China's years, Japan's eras and
// Saudi Arabia's Umm al-Qura calendar.
QList<QByteArray> yearCalendars(const QLocale &locale);

// The day as the locale writes a date in full, in the calendar its people count years in by
// CLDR's choice: "Thursday, December 24, 2026", "วันพฤหัสบดีที่ 24 ธันวาคม พ.ศ. 2569".
QString writtenInFull(QDate day, const QLocale &locale);
