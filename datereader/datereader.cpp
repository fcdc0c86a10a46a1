#include "datereader.h"

#include "datereader/cldrforms.h"
#include "datereader/loosedate.h"

#include <QHash>

#include <algorithm>

namespace {

// A day further from today than this is more likely a year counted in another calendar than a
// trip: Thai 2569 is 2026.
bool withinACentury(QDate day, QDate today)
{
    return day >= today.addYears(-100) && day <= today.addYears(100);
}

// A Gregorian date as the locale writes it: first as Qt writes it and as people type it, which
// is how the program has always read dates, then in CLDR's other common forms.
std::optional<QDate> readGregorian(QStringView text, const QLocale &locale, NumericOrder order,
                                   QDate today)
{
    if (const auto date = readQtForm(text, locale, today))
        return date;
    if (const auto date = readLooseDate(text, locale, order, today))
        return date;
    return readCldrForm(text, locale, "gregorian", order, today);
}

// The day the text names in the calendars the locale's people count years in, if they agree.
std::optional<QDate> readCountedYears(QStringView text, const QLocale &locale, NumericOrder order,
                                      QDate today)
{
    std::optional<QDate> found;
    for (const QByteArray &calendar : yearCalendars(locale)) {
        const auto day = readCldrForm(text, locale, calendar.constData(), order, today);
        if (day && found && *day != *found)
            return std::nullopt;
        found = day ? day : found;
    }
    return found;
}

// Which languages each word of a month's name belongs to: one locale for each language and
// script Qt knows that has the word among its names. A date names its month; a weekday alone, or
// a word of one or two letters ("de", "Ma"), says too little of the language to try it.
class NameIndex
{
public:
    static const NameIndex &instance()
    {
        static const NameIndex index;
        return index;
    }

    // The locales of other languages than the user's, one for each language and script, whose
    // month names hold a word of the text that is no month's or weekday's name in the user's
    // language or in English, which the user's reading knows already.
    QList<QLocale> localesNamedIn(QStringView text, const QLocale &user) const
    {
        const QStringList known = wordsOf(namesOf(user, true) + u' ' + namesOf(QLocale::c(), true));
        QList<QLocale> found;
        for (const QString &word : wordsOf(text)) {
            if (known.contains(word))
                continue;
            for (const QLocale &locale : m_locales.value(word)) {
                const auto same = [&](const QLocale &other) {
                    return languageKey(other) == languageKey(locale);
                };
                if (!same(user) && std::none_of(found.begin(), found.end(), same))
                    found.append(locale);
            }
        }
        return found;
    }

    static int languageKey(const QLocale &locale)
    {
        return int(locale.language()) * 1000 + int(locale.script());
    }

private:
    NameIndex()
    {
        const QList<QLocale> all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                            QLocale::AnyTerritory);
        for (const QLocale &locale : all) {
            for (const QString &word : wordsOf(namesOf(locale, false))) {
                QList<QLocale> &locales = m_locales[word];
                if (std::none_of(locales.begin(), locales.end(), [&](const QLocale &known) {
                        return languageKey(known) == languageKey(locale);
                    }))
                    locales.append(locale);
            }
        }
    }

    // The locale's month names, and with `weekdays` its weekday names, parted by blanks.
    static QString namesOf(const QLocale &locale, bool weekdays)
    {
        QStringList names;
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (int n = 1; n <= 12; ++n)
                names << locale.monthName(n, format) << locale.standaloneMonthName(n, format);
            for (int n = 1; weekdays && n <= 7; ++n)
                names << locale.dayName(n, format) << locale.standaloneDayName(n, format);
        }
        return names.join(u' ');
    }

    // The words of a text, folded: runs of three or more letters, with their marks.
    static QStringList wordsOf(QStringView text)
    {
        QStringList words;
        QString word;
        const auto end = [&] {
            if (word.size() >= 3)
                words.append(word.toCaseFolded());
            word.clear();
        };
        for (const QChar c : text) {
            if (c.isLetter() || (c.isMark() && !word.isEmpty()))
                word += c;
            else
                end();
        }
        end();
        return words;
    }

    QHash<QString, QList<QLocale>> m_locales;
};

// A date whose month is named in another language than the user's, in one of that language's
// own forms that name the month (as Qt and CLDR write them; the looser reading is for the user's
// own language): a date saved under one language still counts under another. Where the text
// names the month in several languages, they must agree.
std::optional<QDate> readInOtherLanguages(QStringView text, const QLocale &locale,
                                          NumericOrder order, QDate today)
{
    std::optional<QDate> found;
    for (const QLocale &other : NameIndex::instance().localesNamedIn(text, locale)) {
        auto day = readQtForm(text, other, today, true);
        if (!day)
            day = readCldrForm(text, other, "gregorian", order, today, true);
        if (day && found && *day != *found)
            return std::nullopt;
        found = day ? day : found;
    }
    return found;
}

} // namespace

std::optional<QDate> readDate(QStringView text, const DateContext &context)
{
    const QString normal = text.trimmed().toString().normalized(QString::NormalizationForm_C);
    if (normal.isEmpty())
        return std::nullopt;
    const QLocale &locale = context.locale;
    const NumericOrder order = numericOrder(locale);
    const std::optional<QDate> gregorian = readGregorian(normal, locale, order, context.today);
    if (gregorian && withinACentury(*gregorian, context.today))
        return gregorian;
    // Only what would be far from today, or no date at all, is read in another calendar.
    if (const auto counted = readCountedYears(normal, locale, order, context.today);
        counted && (!gregorian || withinACentury(*counted, context.today)))
        return counted;
    if (gregorian)
        return gregorian;
    return readInOtherLanguages(normal, locale, order, context.today);
}
