#pragma once

// Qt's values as ICU takes them, and back: text, locales and days.

#include <QDate>
#include <QLocale>
#include <QString>

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utypes.h>

#include <cmath>

inline icu::UnicodeString toIcu(QStringView text)
{
    return {reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size())};
}

inline QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// The locale as ICU names it, in the given calendar ("buddhist") or the locale's own. Qt's C
// locale writes English, the month first: ICU's POSIX English.
inline icu::Locale icuLocale(const QLocale &locale, const char *calendar = nullptr)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale result =
        locale.language() == QLocale::C
            ? icu::Locale("en_US_POSIX")
            : icu::Locale::forLanguageTag(locale.bcp47Name().toStdString(), status);
    if (calendar)
        result.setKeywordValue("calendar", calendar, status);
    return result;
}

// ICU counts time in milliseconds from the start of 1970 (Julian day 2440588), in Greenwich.
inline constexpr qint64 kJulianDayOf1970 = 2440588;
inline UDate startOfDay(QDate day)
{
    return double(day.toJulianDay() - kJulianDayOf1970) * U_MILLIS_PER_DAY;
}
inline QDate dayAt(UDate time)
{
    return QDate::fromJulianDay(qint64(std::floor(time / U_MILLIS_PER_DAY)) + kJulianDayOf1970);
}
