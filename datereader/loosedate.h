#pragma once

// Dates as Qt writes them for a locale, and as people type them more loosely, in the Gregorian
// calendar or another one. Used by readDate (datereader.h), which says in which order the
// readings are tried.

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

// The order of day, month and year in numeric dates such as 12/11/2005.
enum class NumericOrder
{
    MonthDayYear,
    DayMonthYear,
    YearMonthDay
};

// The order of the two numbers around a month's name, as in "24 Dec 26" and "26. dec. 24.".
enum class NamedOrder
{
    DayMonthYear,
    YearMonthDay,
    Undecided, // the locale writes both: a text that both orders read as different days is none
};

// The locale's numeric dates, as Qt's short format writes them. A locale whose short dates
// name the month (the C locale's "d MMM yyyy") has no numeric form of its own: it gets month
// first, "MM/dd/yyyy".
QString numericDateFormat(const QLocale &locale);
// The order of day, month and year in numericDateFormat.
NumericOrder numericOrder(const QLocale &locale);

// The one day that the readings of a text that found one agree on, none where two disagree.
class AgreedDay
{
public:
    void add(const std::optional<QDate> &day)
    {
        m_split = m_split || (day && m_day && *day != *m_day);
        m_day = m_day ? m_day : day;
    }
    bool split() const { return m_split; }
    std::optional<QDate> day() const { return m_split ? std::nullopt : m_day; }

private:
    std::optional<QDate> m_day;
    bool m_split = false;
};

// Whether the day lies within a century of today: one further off is more likely a year counted
// in another calendar (Thai 2569 is 2026), or a number, than a trip.
inline bool withinACentury(QDate day, QDate today)
{
    return day >= today.addYears(-100) && day <= today.addYears(100);
}

// The latest year a date may have, as QLocale and ICU write years.
inline constexpr int kLatestYear = 9999;

// The year that ends in these two digits, from 50 years before today to 49 after.
int yearAroundToday(int lastTwoDigits, QDate today);

// What the loose reader reads a date with, in one calendar.
struct DateTerms
{
    // The names of one language: for each month (from 1) and weekday (from Monday), its forms,
    // the full name first.
    struct Names
    {
        QLocale::Language language;
        QList<QStringList> months;
        QList<QStringList> weekdays;
    };

    QLocale locale;         // its digits, and its words for the time of day
    QList<Names> languages; // the user's first, then English
    QStringList literals;   // words of the locale's own forms that only join the parts
    QStringList around;     // words that stand apart around a date: "года", "r.", "ngày"
    QList<char32_t> zeros;  // the zero of each kind of digit the locale writes, besides ASCII
    // Names compared as the language's alphabet has them, case and accents aside ("ΔΕΚΕΜΒΡΙΟΥ"):
    // ICU's collation, which takes a moment and some memory to make, and so is asked for only
    // once the plain reading has failed.
    bool foldLetters = false;
    NumericOrder numericOrder = NumericOrder::MonthDayYear;
    QDate today; // where set, ISO's basic form "20351205" is read only within a century of it
    // Asked only where two short numbers stand around a month's name: working it out takes
    // ICU's pattern generator, which a date in figures, read at every start, does without.
    std::function<NamedOrder()> namedOrder;
    // The words of the locale's times of day ("um", "Uhr", "à", "h"), asked only where a text
    // ends in what may be one.
    std::function<QStringList()> timeWords;
    // The day that a year as written (its digits), a month and a day name; none where there is
    // no such day.
    std::function<std::optional<QDate>(QStringView year, int month, int day)> dayOf;
};

// The month and weekday names of the locale's language, as Qt has them, each full and short,
// as written in a date and standing alone.
DateTerms::Names namesIn(const QLocale &locale);

// The Gregorian calendar with the locale's names, as Qt has them, and English ones; a
// two-digit year lies from 50 years before today to 49 after, and years run from 1 to 9999.
DateTerms gregorianTerms(const QLocale &locale, std::function<NamedOrder()> namedOrder,
                         QDate today);

// The locale's own forms, as Qt reads them: with its month and weekday names, its words and its
// digits, exactly in the locale's order (with `namedOnly`, only the forms that name the month).
// Qt reads a two-digit year as 19xx; it is placed around today like any other, and a weekday
// must then still fit.
std::optional<QDate> readQtForm(QStringView text, const QLocale &locale, QDate today,
                                bool namedOnly = false);

// Dates as people type them, looser than any locale writes them:
//   12/12/2005, 12.12.05, 24. 12. 2026, 12 12 2005, 2005-12-12   (day and month in the terms'
//   order) Dec 12, 2005; December 24th, 2026; 24 Dezember 2026; 1er janvier 2027; 24 de diciembre
//   de 2026 Thursday, December 24, 2026; Do., 24.12.2026; 24 Aralık 2026 Perşembe
//                                                    (a weekday must fit the date)
// with the names, words and digits of the terms' languages. A time of day after the date
// ("6:00 PM", ", 18:30", "T18:00:30.5+01:00") is checked and then ignored, and so is one final
// dot. The text is trimmed and in Unicode's composed form.
std::optional<QDate> readLooseDate(QStringView text, const DateTerms &terms);
