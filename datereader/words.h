#pragma once

// What the libraries hold of a locale's dates: the words (months, weekdays, eras, the parts of the
// day, the words that join the parts of a date or a time to it) and the orders of year, month and
// day in its own forms, as Qt, ICU (CLDR's data) and the C library have them.

#include "datereader/text.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

enum class Role : quint8
{
    Month,    // 1 to 12
    Weekday,  // 1 (Monday) to 7
    Era,      // the era's index in its calendar
    Meridiem, // a part of the day ("PM", "下午", "in the afternoon"): the hour is 1 to 12
    Marker,   // says which field the number right before it is ("年", "Uhr"): 'y', 'M', 'd', 'h',
              // 'm', 's'
    Joiner,   // joins the parts of a date or stands around one: "de", "г.", "ngày", "ที่"
    AtTime,   // joins a time of day to a date: "um", "à", "at"
};

struct Meaning
{
    Role role;
    int value = 0;
    friend bool operator==(const Meaning &, const Meaning &) = default;
};

// Words and the meanings the sources give them, compared as written (small letters aside), or
// where that finds none, without accents. A name of several words or with marks in it
// ("quinta-feira", "יום ה׳", "tháng 12") is a phrase.
class Words
{
public:
    void add(QStringView word, Meaning meaning);
    // The other's words; with `unknownOnly`, only those these do not know: the user's language
    // comes before English.
    void add(const Words &other, bool unknownOnly = false);
    QList<Meaning> meaningsOf(const Token &word) const;
    bool knows(const Token &word) const;
    // Each month's names once more with each of these beginnings and endings: "במאי", "abenduaren".
    void addAffixes(const QStringList &beginnings, const QStringList &endings);
    // The month or weekday that a word cut short of its end names ("Sept", "ফেব্রু", "Din"): one
    // only, from three letters on.
    std::optional<Meaning> cutShort(const Token &word) const;
    // The tokens with each phrase the words know made one word, and each run of letters that is
    // several known words without blanks between them ("星期日下午") split into them.
    QList<Token> joined(QList<Token> tokens) const;

private:
    QHash<QString, QList<Meaning>> m_words, m_loose; // by key and by loose key, phrases too
    QList<QList<Token>> m_phrases;                   // the longest first
};

// The order of year, month and day in a form, by their pattern letters: "dMy", "yMd", "Mdy".
using Order = QString;

// A form in figures by what parts its fields ("." and "." for "dd.MM.y", "/" and "-" for
// "dd/MM-y") and by its year's figures: 2, or 4 for a year written in full.
inline QString formKey(const QString &first, const QString &second, int yearFigures)
{
    return first + u'|' + second + u'|' + QString::number(yearFigures);
}

// What reading a date in one calendar with one locale's sources takes.
struct CalendarTerms
{
    Words words;
    // The orders of the locale's own forms with the month in figures, by what parts their fields
    // and how many figures their year has (formKey); of all those, with words between the
    // figures too ("%Y年%m月%d日"); and of those with the month named.
    QHash<QString, QSet<Order>> numericForms;
    QSet<Order> figureOrders, namedOrders;
    // What the locale's forms write right against a month's name: "ב" before it, "འི" after it.
    QStringList monthBeginnings, monthEndings;
    QHash<int, QList<std::pair<QString, QString>>> ordinals; // folded prefix and suffix of 1 to 31
    bool eraWritten = false;     // Japan's: a year is read only with its era
    QSet<QString> englishMonths; // the English names the locale's sources do not have
    // The day that an era (where one is written), a year as written, a month and a day name in
    // this calendar, in the Gregorian calendar; none where there is no such day.
    std::function<std::optional<QDate>(std::optional<int> era, const Token &year, int month,
                                       int day)>
        dayOf;
};

// The sources a reading asks, from the cheapest: Qt's and the C library's words, which a date in
// figures or a locale's common forms need; then ICU's too, with the locale's other calendars.
enum class Sources
{
    QtAndSystem,
    AllLibraries,
};

// The terms of the locale's Gregorian calendar, with English names beside its own, and of the
// other calendars its people count years in (ICU's: Thai Buddhist years, Persian years, ...; and
// the eras of the C library's locale: Lao Buddhist years), for the sources given. `system` is the
// C library's name of the locale. Made once for the last few locales.
struct LocaleTerms
{
    CalendarTerms gregorian;
    QList<CalendarTerms> yearCalendars;
    bool yearsInFiguresAlone = false; // a year calendar writes a year without its era
};
// Two-digit years lie around `today`.
std::shared_ptr<const LocaleTerms> termsOf(const QLocale &locale, const QByteArray &system,
                                           Sources sources, QDate today);

// The locales of other languages (and of the user's language elsewhere) whose month names, as Qt
// or the C library has them, hold the word, where all that hold it name the same month, and it says
// enough: a word of three letters or fewer that one language other than the user's alone has says
// too little.
QList<QLocale> localesNaming(const Token &word, const QLocale &user);

// The calendars besides the Gregorian that the locale's people write years in, as CLDR has them:
// the locale's own, and those it says are in common use beside it among the Republic of China's
// years, Japan's eras and Saudi Arabia's calendar.
QList<QByteArray> icuYearCalendars(const QLocale &locale);

// The C library's name of a locale that Qt names: "de_DE.UTF-8", "sr_RS.UTF-8@latin".
QByteArray systemLocaleName(const QLocale &locale);
