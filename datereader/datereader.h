#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// What reading a date depends on besides the text: the user's locale, whose sources (Qt's,
// ICU's and the C library's data) name the months and order the fields, and today, which places
// a two-digit year in the century around it.
struct DateContext
{
    QLocale locale;
    QDate today;
    // The C library's name of the same locale ("de_DE.UTF-8"), whose words are the ones the
    // user's desktop and terminal write; empty: the one `locale` stands for.
    QByteArray systemLocale = {};
};

// What a text says as a date.
struct DateReading
{
    enum Outcome
    {
        NotADate,
        Read,
        WrongWeekday, // a date beside a weekday that is not its own
    };

    Outcome outcome = NotADate;
    QDate day; // read: the day; a wrong weekday: the day the date names without it

    std::optional<QDate> date() const
    {
        return outcome == Read ? std::optional(day) : std::nullopt;
    }
};

// Reads a calendar date from text as people and programs write it in the user's locale, and returns
// it in the Gregorian calendar: "12/24/2026", "24.12.2026", "Dec 24, 2026", "jeudi 24 décembre 2026
// à 18h00", "2026年12月24日(木) 午後6時", "Thu Dec 24 18:00:00 UTC 2026", "24/12/2569" in Thai or
// Lao. What stands beside the day is taken away and the day kept: a time of day in any form the
// locale's sources write (and words no source knows beside it), a time zone, a weekday (which must
// fit the day), an ordinal's ending, the words that join the parts. Words are months, weekdays and
// eras where the locale's sources (or English, where those know the word as nothing else) name them
// so, or where every language that names a word names the same month and more than one unrelated
// language does, or the word is long enough to say which. Figures are read in the only order of
// year, month and day that makes a day, or where several do, in the one order the locale's own
// forms all write; a year has two figures or four (or the era's), and one of two figures stands
// where the locale's forms in figures all put it. No day lies more than a century from today in a
// calendar besides the Gregorian, nor in the Gregorian one where the locale's people count years in
// another calendar too. Anything else is no date: ambiguous, partial, contradictory or impossible
// text.
DateReading readDate(QStringView text, const DateContext &context);

// The locale's numeric dates, as Qt's short format writes them. A locale whose short dates
// name the month (the C locale's "d MMM yyyy") has no numeric form of its own: it gets month
// first, "MM/dd/yyyy".
QString numericDateFormat(const QLocale &locale);

// The day as the locale writes a date in full, in the calendar its people count years in by
// CLDR's choice: "Thursday, December 24, 2026", "วันพฤหัสบดีที่ 24 ธันวาคม พ.ศ. 2569".
QString writtenInFull(QDate day, const QLocale &locale);
