#include "othercalendars.h"

#include "datereader/cldrforms.h"
#include "datereader/icubridge.h"
#include "datereader/loosedate.h"

#include "datereader/localecache.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <memory>

namespace {

using Symbols = icu::DateFormatSymbols;

// The names of one language in one calendar, as ICU has them: for each month and weekday its
// full and short names, as written in a date and standing alone, the full one first.
DateTerms::Names namesIn(const Symbols &symbols, QLocale::Language language)
{
    DateTerms::Names names{language, {}, QList<QStringList>(7)};
    for (const auto width : {Symbols::WIDE, Symbols::ABBREVIATED}) {
        for (const auto context : {Symbols::FORMAT, Symbols::STANDALONE}) {
            int32_t count = 0;
            const icu::UnicodeString *months = symbols.getMonths(count, context, width);
            names.months.resize(std::max<qsizetype>(names.months.size(), count));
            for (int n = 0; n < count; ++n)
                names.months[n].append(fromIcu(months[n]));
            // ICU's weekdays run from Sunday, at 1; the loose reader's from Monday, at 0.
            const icu::UnicodeString *weekdays = symbols.getWeekdays(count, context, width);
            for (int n = 1; n < count && n <= 7; ++n)
                names.weekdays[(n + 5) % 7].append(fromIcu(weekdays[n]));
        }
    }
    return names;
}

// What reading in one calendar of one locale takes, made once.
struct CalendarTerms
{
    DateTerms terms;                     // all but the day a year, month and day make
    QList<std::pair<QString, int>> eras; // every name of every era, the longest first
    bool manyEras = false;               // Japan's: the era must be written
    int currentEra = 0;                  // where none is written
    std::unique_ptr<icu::Calendar> calendar;
};

std::unique_ptr<CalendarTerms> termsFor(const QLocale &locale, const char *calendar)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where = icuLocale(locale, calendar);
    const Symbols own(where, calendar, status), inEnglish(icu::Locale("en"), calendar, status);
    auto made = std::make_unique<CalendarTerms>();
    made->calendar.reset(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), where, status));
    if (U_FAILURE(status))
        return nullptr;
    made->calendar->setLenient(false); // a day that does not exist in the calendar is none
    made->manyEras = made->calendar->getMaximum(UCAL_ERA) > 1;
    made->currentEra = made->calendar->get(UCAL_ERA, status);
    made->terms = {
        .locale = locale,
        .languages = {namesIn(own, locale.language()), namesIn(inEnglish, QLocale::C)},
        .literals = patternWords(locale, calendar),
        .around = wordsAroundDates(locale),
        .zeros = digitZeros(locale, calendar),
        .numericOrder = numericOrderIn(locale, calendar).value_or(NumericOrder::DayMonthYear),
        .namedOrder = [order = namedOrder(locale, calendar)] { return order; },
    };
    for (const Symbols *symbols : {&own, &inEnglish}) {
        for (const auto get : {&Symbols::getEras, &Symbols::getEraNames, &Symbols::getNarrowEras}) {
            int32_t count = 0;
            const icu::UnicodeString *eras = (symbols->*get)(count);
            for (int era = 0; era < count; ++era) {
                if (!eras[era].isEmpty())
                    made->eras.append({fromIcu(eras[era]), era});
            }
        }
    }
    std::sort(made->eras.begin(), made->eras.end(),
              [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    return made;
}

std::shared_ptr<const CalendarTerms> cachedTerms(const QLocale &locale, const char *calendar)
{
    static LocaleCache<CalendarTerms> kept(16);
    return kept.get(locale, QLatin1String(calendar), [&] {
        return std::shared_ptr<const CalendarTerms>(termsFor(locale, calendar));
    });
}

} // namespace

std::optional<QDate> readInCalendar(QStringView text, const QLocale &locale, const char *calendar)
{
    const std::shared_ptr<const CalendarTerms> made = cachedTerms(locale, calendar);
    if (!made)
        return std::nullopt;
    // The era, where it is named: "พ.ศ.", "民國", "AP", "هـ", "令和", "R".
    QString rest = text.toString();
    std::optional<int> era;
    for (const auto &[name, index] : made->eras) {
        if (const qsizetype at = rest.indexOf(name, 0, Qt::CaseInsensitive); at >= 0) {
            rest.remove(at, name.size());
            era = index;
            break;
        }
    }
    if (made->manyEras && !era)
        return std::nullopt;
    DateTerms terms = made->terms;
    terms.dayOf = [made, era](QStringView digits, int month, int day) -> std::optional<QDate> {
        if (digits.size() < 3 && !era)
            return std::nullopt;
        const std::unique_ptr<icu::Calendar> days(made->calendar->clone());
        days->clear();
        days->set(UCAL_ERA, era.value_or(made->currentEra));
        days->set(UCAL_YEAR, digits.toInt());
        days->set(UCAL_MONTH, month - 1);
        days->set(UCAL_DATE, day);
        UErrorCode status = U_ZERO_ERROR;
        const UDate time = days->getTime(status); // not lenient: checks that the day exists
        if (U_FAILURE(status))
            return std::nullopt;
        const QDate date = dayAt(time);
        if (date.year() < 100 || date.year() > kLatestYear)
            return std::nullopt;
        return date;
    };
    if (const auto date = readLooseDate(rest.trimmed(), terms))
        return date;
    terms.foldLetters = true;
    return readLooseDate(rest.trimmed(), terms);
}

bool writesYearsAlone(const QLocale &locale)
{
    const QList<QByteArray> calendars = yearCalendars(locale);
    return std::any_of(calendars.begin(), calendars.end(), [&](const QByteArray &calendar) {
        const std::shared_ptr<const CalendarTerms> made = cachedTerms(locale, calendar.constData());
        return made && !made->manyEras;
    });
}
