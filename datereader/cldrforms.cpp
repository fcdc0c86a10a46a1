#include "cldrforms.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <unicode/calendar.h>
#include <unicode/decimfmt.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/numsys.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <memory>
#include <variant>
#include <vector>

namespace {

// Year, month and day, in figures and with the month's name, short and long, with and without
// the weekday: the forms people write a date in, as CLDR names them.
constexpr const char *kSkeletons[] = {"yMd", "yMMdd", "yMMMd", "yMMMMd", "yMMMEd", "yMMMMEEEEd"};
constexpr qint64 kJulianDayOf1970 = 2440588; // where ICU's time begins
constexpr int kLatestYear = 9999;

icu::UnicodeString toIcu(QStringView text)
{
    return {reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size())};
}

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// Blanks of every width as plain ones: CLDR parts "2026 ж. 24" with a no-break space, and people
// type a plain one.
QString withPlainBlanks(QString text)
{
    for (QChar &c : text) {
        if (c.isSpace())
            c = u' ';
    }
    return text;
}

icu::Locale icuLocale(const QLocale &locale, const char *calendar)
{
    UErrorCode status = U_ZERO_ERROR;
    // Qt's C locale writes English, the month first: ICU's POSIX English.
    icu::Locale result = locale.language() == QLocale::C
                             ? icu::Locale("en_US_POSIX")
                             : icu::Locale::forLanguageTag(locale.bcp47Name().toStdString(), status);
    if (calendar)
        result.setKeywordValue("calendar", calendar, status);
    return result;
}

UDate startOfDay(QDate day) { return double(day.toJulianDay() - kJulianDayOf1970) * U_MILLIS_PER_DAY; }

// One pattern's fields, in order, outside its quoted literals: "d. MMMM y" is d, M, y.
struct Field
{
    QChar letter;
    qsizetype count = 0;
    qsizetype at = 0; // where it begins in the pattern
};

QList<Field> fieldsOf(const QString &pattern)
{
    QList<Field> fields;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\'')
            quoted = !quoted;
        else if (quoted || !c.isLetter() || c.unicode() > 0x7f)
            continue;
        else if (!fields.isEmpty() && fields.last().letter == c && fields.last().at + fields.last().count == i)
            ++fields.last().count;
        else
            fields.append({c, 1, i});
    }
    return fields;
}

bool namesTheMonth(const QList<Field> &fields)
{
    return std::any_of(fields.begin(), fields.end(), [](const Field &field) {
        return (field.letter == u'M' || field.letter == u'L') && field.count >= 3;
    });
}

// The order of year, month and day in a pattern in figures, if it is one of the three.
std::optional<NumericOrder> orderOf(const QList<Field> &fields)
{
    QString letters;
    for (const Field &field : fields) {
        const QChar letter = field.letter == u'L' ? QChar(u'M') : field.letter;
        if (QStringView(u"yMd").contains(letter) && !letters.contains(letter))
            letters += letter;
    }
    if (letters == u"Mdy")
        return NumericOrder::MonthDayYear;
    if (letters == u"dMy")
        return NumericOrder::DayMonthYear;
    if (letters == u"yMd")
        return NumericOrder::YearMonthDay;
    return std::nullopt;
}

// The pattern without its era and the blank that parts it from the rest: the Republic of
// China's years are written with "民國" or without it, and one era is all a calendar such as
// the Buddhist or the Persian one has.
QString withoutEra(const QString &pattern, const Field &era)
{
    QString result = pattern;
    result.remove(era.at, era.count);
    if (era.at < result.size() && era.at == 0 && result[0].isSpace())
        result.remove(0, 1);
    else if (era.at > 0 && result[era.at - 1].isSpace())
        result.remove(era.at - 1, 1);
    return result.trimmed();
}

// The pattern with its year of one or two letters as three.
QString yearsAsWritten(const QString &pattern, const QList<Field> &fields)
{
    QString result = pattern;
    for (auto field = fields.rbegin(); field != fields.rend(); ++field) {
        if (field->letter == u'y' && field->count < 3)
            result.replace(field->at, field->count, QStringLiteral("yyy"));
    }
    return result;
}

// What one pattern made of the text.
enum class Reading
{
    None,        // the pattern does not fit the whole text
    Contradicted // it does, but the weekday is not the day's
};

// The locale's forms in one calendar, ready to read with.
class Forms
{
public:
    Forms(const QLocale &locale, const char *calendar, NumericOrder order, QDate today,
          bool namedOnly)
    {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale where = icuLocale(locale, calendar);
        const std::unique_ptr<icu::DateTimePatternGenerator> generator(
            icu::DateTimePatternGenerator::createInstance(where, status));
        const std::unique_ptr<icu::Calendar> kind(icu::Calendar::createInstance(where, status));
        if (U_FAILURE(status))
            return;
        // A calendar of one era, or the Republic of China's, may leave it out; ICU then takes the
        // current era of any calendar, which for Japan's would be a guess.
        const bool manyEras = kind->getMaximum(UCAL_ERA) > 1;
        const bool gregorian = qstrcmp(kind->getType(), "gregorian") == 0;
        const bool oneEra = !manyEras && !gregorian;
        QStringList patterns;
        for (const char *skeleton : kSkeletons) {
            const QString pattern = withPlainBlanks(
                fromIcu(generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status)));
            const QList<Field> fields = fieldsOf(pattern);
            if (U_FAILURE(status) || (namedOnly && !namesTheMonth(fields))
                || orderDisputed(pattern, order))
                continue;
            // In the Gregorian calendar a two-digit year lies around today; in the others a
            // year is as written ("平成30年" is 2018): three letters make ICU take it so.
            const QString literal = gregorian ? pattern : yearsAsWritten(pattern, fields);
            patterns << literal;
            for (const Field &field : fieldsOf(literal)) {
                if (field.letter == u'G' && oneEra)
                    patterns << withoutEra(literal, field);
            }
        }
        patterns.removeDuplicates();
        // ICU reads the digits of every script; the program takes ASCII ones, the locale's own
        // as Qt and ICU have them, its native ones ("٠١٢" where "012" is the default), and those
        // its month names hold (Tibetan "ཟླ་༡").
        m_digits = {U'0', locale.zeroDigit().toUcs4().value(0, U'0')};
        for (const char *numbers : {"default", "native"}) {
            icu::Locale digits = where;
            digits.setKeywordValue("numbers", numbers, status);
            const std::unique_ptr<icu::NumberingSystem> system(
                icu::NumberingSystem::createInstance(digits, status));
            if (U_SUCCESS(status) && !system->isAlgorithmic())
                m_digits.insert(system->getDescription().char32At(0));
        }
        for (int month = 1; month <= 12; ++month) {
            for (const char32_t c : locale.monthName(month, QLocale::ShortFormat).toUcs4()) {
                if (QChar::isDigit(c))
                    m_digits.insert(c - char32_t(QChar::digitValue(c)));
            }
        }
        // Two-digit years from 50 years before today's year on, as everywhere in the program.
        const UDate twoDigitYearStart = startOfDay(QDate(today.year() - 50, 1, 1));
        for (const QString &pattern : std::as_const(patterns)) {
            auto format = std::make_unique<icu::SimpleDateFormat>(toIcu(pattern), where, status);
            if (U_FAILURE(status))
                return;
            // Gregorian to the first year, as QDate counts, not Julian before 1582.
            std::unique_ptr<icu::Calendar> days(format->getCalendar()->clone());
            if (auto *proleptic = dynamic_cast<icu::GregorianCalendar *>(days.get()))
                proleptic->setGregorianChange(U_DATE_MIN, status);
            format->adoptCalendar(days.release());
            // Figures only: ICU's numbers would take "1e2" for 100.
            std::unique_ptr<icu::NumberFormat> figures(format->getNumberFormat()->clone());
            if (auto *decimal = dynamic_cast<icu::DecimalFormat *>(figures.get()))
                decimal->setParseNoExponent(true);
            format->adoptNumberFormat(figures.release());
            format->setLenient(false);
            format->setTimeZone(*icu::TimeZone::getGMT());
            format->set2DigitYearStart(twoDigitYearStart, status);
            const QList<Field> fields = fieldsOf(pattern);
            const bool eraWritten = manyEras && std::any_of(fields.begin(), fields.end(), [](const Field &field) {
                return field.letter == u'G';
            });
            m_forms.push_back({std::move(format), eraWritten});
        }
    }

    std::optional<QDate> read(QStringView text) const
    {
        for (const char32_t c : text.toUcs4()) {
            if (QChar::isDigit(c) && !m_digits.contains(c - char32_t(QChar::digitValue(c))))
                return std::nullopt;
        }
        const icu::UnicodeString input = toIcu(text);
        std::optional<QDate> found;
        for (const Form &form : m_forms) {
            const std::variant<Reading, QDate> reading = readWith(form, input);
            if (std::holds_alternative<QDate>(reading)) {
                const QDate day = std::get<QDate>(reading);
                if (found && *found != day)
                    return std::nullopt; // two forms, two days
                found = day;
            } else if (std::get<Reading>(reading) == Reading::Contradicted) {
                return std::nullopt;
            }
        }
        return found;
    }

private:
    struct Form
    {
        std::unique_ptr<icu::SimpleDateFormat> format;
        bool eraWritten; // the text must name the era
    };

    static std::variant<Reading, QDate> readWith(const Form &form, const icu::UnicodeString &input)
    {
        const std::unique_ptr<icu::Calendar> calendar(form.format->getCalendar()->clone());
        calendar->clear();
        icu::ParsePosition position(0);
        form.format->parse(input, *calendar, position);
        if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()
            || (form.eraWritten && !calendar->isSet(UCAL_ERA)))
            return Reading::None;
        UErrorCode status = U_ZERO_ERROR;
        // ICU settles a date by its year, month and day and pays no heed to a weekday beside
        // them; the weekday as written is the one a copy without the day of the month settles on.
        int weekday = 0;
        if (calendar->isSet(UCAL_DAY_OF_WEEK)) {
            const std::unique_ptr<icu::Calendar> written(calendar->clone());
            written->clear(UCAL_DATE);
            weekday = written->get(UCAL_DAY_OF_WEEK, status);
        }
        const UDate time = calendar->getTime(status); // checks each field's range
        if (U_FAILURE(status))
            return Reading::None;
        if (weekday != 0 && calendar->get(UCAL_DAY_OF_WEEK, status) != weekday)
            return Reading::Contradicted;
        const QDate day =
            QDate::fromJulianDay(qint64(std::floor(time / U_MILLIS_PER_DAY)) + kJulianDayOf1970);
        // ICU takes a year of one figure as written, where the program reads figures short of
        // three around today; a year before 100 is no trip either way.
        if (U_FAILURE(status) || day.year() < 100 || day.year() > kLatestYear)
            return Reading::None;
        return day;
    }

    std::vector<Form> m_forms;
    QSet<char32_t> m_digits; // the zero of each kind of digit the text may be written in
};

// Making a locale's forms takes ICU a few milliseconds, and the program reads its dates in one
// locale: the last few are kept.
const Forms &formsFor(const QLocale &locale, const char *calendar, NumericOrder order, QDate today,
                      bool namedOnly)
{
    constexpr std::size_t kKept = 64;
    const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(locale.name(), locale.bcp47Name(), QLatin1String(calendar))
                            .arg(int(order))
                            .arg(today.year())
                            .arg(namedOnly);
    static std::list<std::pair<QString, Forms>> kept; // the latest first
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (it->first == key) {
            kept.splice(kept.begin(), kept, it);
            return kept.front().second;
        }
    }
    if (kept.size() == kKept)
        kept.pop_back();
    kept.emplace_front(std::piecewise_construct, std::forward_as_tuple(key),
                       std::forward_as_tuple(locale, calendar, order, today, namedOnly));
    return kept.front().second;
}

} // namespace

bool orderDisputed(const QString &pattern, NumericOrder order)
{
    const QList<Field> fields = fieldsOf(pattern);
    return !namesTheMonth(fields) && orderOf(fields) != order;
}

std::optional<QDate> readCldrForm(QStringView text, const QLocale &locale, const char *calendar,
                                  NumericOrder order, QDate today, bool namedOnly)
{
    return formsFor(locale, calendar, order, today, namedOnly).read(withPlainBlanks(text.toString()));
}

QList<QByteArray> yearCalendars(const QLocale &locale)
{
    // Written beside the Gregorian where CLDR says they are in use: the Republic of China's
    // years, Japan's eras, and Saudi Arabia's calendar (its own in CLDR up to version 43).
    static const QList<QByteArray> kWrittenBeside{"roc", "japanese", "islamic-umalqura"};
    static QHash<QString, QList<QByteArray>> known;
    const QString key = locale.name() + u' ' + locale.bcp47Name();
    if (const auto it = known.constFind(key); it != known.cend())
        return *it;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where = icuLocale(locale, nullptr);
    QList<QByteArray> calendars;
    const std::unique_ptr<icu::Calendar> own(icu::Calendar::createInstance(where, status));
    if (U_SUCCESS(status) && qstrcmp(own->getType(), "gregorian") != 0)
        calendars << own->getType();
    const std::unique_ptr<icu::StringEnumeration> used(
        icu::Calendar::getKeywordValuesForLocale("calendar", where, true, status));
    for (const char *name = used ? used->next(nullptr, status) : nullptr; U_SUCCESS(status) && name;
         name = used->next(nullptr, status)) {
        if (kWrittenBeside.contains(QByteArray(name)) && !calendars.contains(name))
            calendars << name;
    }
    known.insert(key, calendars);
    return calendars;
}
