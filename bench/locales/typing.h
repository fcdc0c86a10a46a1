#pragma once

// The dates the benchmark writes, as ICU writes them for a locale, and the ways people type them
// otherwise: shared by the measures of bench/locales and its labelled set.

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <string>
#include <utility>

#include "datereader/icubridge.h"

// The day as ICU writes it with `pattern` in `where`, at noon in Greenwich.
QString icuText(const icu::UnicodeString &pattern, const icu::Locale &where, QDate date);

// The locales ICU has whose language Qt knows too, each with Qt's locale for it.
QList<std::pair<icu::Locale, QLocale>> sharedLocales();

// The ways a typed date differs from the form the locale writes, each counted apart.
enum Kind
{
    Exact,
    SeparatorsSwapped,   // 06-12-2026 for 06/12/2026, and 06.12.2026, 06 12 2026
    BlankAfterSeparator, // 06/ 12/ 2026
    LeadingZerosDropped, // 6/12/2026
    BidiMarksRemoved,    // the marks that keep Arabic and Hebrew dates in order on screen
    DigitsMadeAscii,     // 6/12/2026 for ٦/١٢/٢٠٢٦
    DigitsMadeNative,    // ६/१२/२०२६ for 6/12/2026
    FullWidthDigits,     // as the input methods of Japanese, Chinese and Korean type them
    MonthInEnglish,      // 6 Dec 2026 for 6 dic 2026
    kKinds
};
inline const char *const kKindNames[kKinds] = {"exact",
                                               "separators swapped",
                                               "blank after separator",
                                               "leading zeros dropped",
                                               "bidi marks removed",
                                               "digits made ASCII",
                                               "digits made native",
                                               "full-width digits",
                                               "month in English"};

// Code points, so that a digit beyond the Basic Multilingual Plane (Adlam's) is one character.
using Text = std::u32string;

Text codePoints(const QString &text);

// What the locale and the day add to a form to type it in other ways.
struct Typing
{
    Text nativeDigits; // zero to nine, where the locale's native digits are others than ASCII
    bool fullWidth = false;
    QString month, englishMonth; // as the form names the month (if it does), and as English does
    QStringList ownMonths;       // every name of every month in the locale's language
};

// The exact form, and each other way of typing it, with its kind. A way that does not apply to
// the form, or that leaves it as it is, is left out.
QList<std::pair<Kind, QString>> typedForms(const QString &exact, const Typing &typing);

// The first field of the pattern in one of `letters`, outside its quoted text: "MMM" in
// "d MMM y" for "ML".
QString fieldOf(const QString &pattern, QStringView letters);

// The locale's native digits, zero to nine, where they are others than ASCII ones and written
// one figure each: none for Japanese, whose native numbers are words.
Text nativeDigits(const icu::Locale &where);

// The order of year, month and day in figures, as Qt's short format for the locale has it: the
// order the reader follows where several make a day. A locale whose short dates name the month
// (the C locale) writes the month first.
enum class NumericOrder
{
    MonthDayYear,
    DayMonthYear,
    YearMonthDay
};
NumericOrder numericOrder(const QLocale &locale);

// Whether a form in figures (a pattern of ICU's or Qt's, or a text typed from one with the
// pattern's order) may read otherwise by the locale's own forms than as written: where one of
// Qt's, ICU's or the C library's forms of the locale parts its figures with the same marks, or
// has the year in the same place, in another order (the C library's Georgian "%m/%d/%Y" beside
// CLDR's "dd.MM.y"), or where none has those marks and Qt's short form has another order. Such
// forms are counted apart: the locale's data sets disagree on them, and the reader reads them only
// where the day says which is which.
bool orderDisputed(const QString &pattern, const QLocale &locale, const QString &typed = {});
