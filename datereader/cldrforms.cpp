#include "cldrforms.h"

#include "datereader/icubridge.h"

#include "datereader/localecache.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/decimfmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/numberformatter.h>
#include <unicode/numsys.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Year, month and day, in figures and with the month's name, short and long, with and without
// the weekday: the forms people write a date in, as CLDR names them.
constexpr const char *kSkeletons[] = {"yMd", "yMMdd", "yMMMd", "yMMMMd", "yMMMEd", "yMMMMEEEEd"};

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
        else if (!fields.isEmpty() && fields.last().letter == c
                 && fields.last().at + fields.last().count == i)
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

// The order of year, month and day in a pattern, as three letters ("yMd").
QString lettersOf(const QList<Field> &fields)
{
    QString letters;
    for (const Field &field : fields) {
        const QChar letter = field.letter == u'L' ? QChar(u'M') : field.letter;
        if (QStringView(u"yMd").contains(letter) && !letters.contains(letter))
            letters += letter;
    }
    return letters;
}

// The order of year, month and day in a pattern in figures, if it is one of the three.
std::optional<NumericOrder> orderOf(const QList<Field> &fields)
{
    const QString letters = lettersOf(fields);
    if (letters == u"Mdy")
        return NumericOrder::MonthDayYear;
    if (letters == u"dMy")
        return NumericOrder::DayMonthYear;
    if (letters == u"yMd")
        return NumericOrder::YearMonthDay;
    return std::nullopt;
}

// Whether the month and the day in figures each have a word of their own after them, as in
// "y年M月d日" or "y년 M월 d일": then the text says which number is which, whatever the order.
bool fieldsNamed(const QString &pattern, const QList<Field> &fields)
{
    const auto named = [&](QChar letter) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (fields[i].letter != letter)
                continue;
            const qsizetype end = fields[i].at + fields[i].count;
            const qsizetype next = i + 1 < fields.size() ? fields[i + 1].at : pattern.size();
            const QStringView between = QStringView(pattern).sliced(end, next - end);
            return std::any_of(between.begin(), between.end(),
                               [](QChar c) { return c.isLetter(); });
        }
        return false;
    };
    return named(u'M') && named(u'd');
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

// The locale's patterns for the skeletons, in the calendar.
QStringList patternsOf(const icu::Locale &where)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(where, status));
    QStringList patterns;
    for (const char *skeleton : kSkeletons) {
        if (U_FAILURE(status))
            break;
        patterns << withPlainBlanks(
            fromIcu(generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status)));
    }
    return U_SUCCESS(status) ? patterns : QStringList();
}

// The pattern an ICU date format writes with, where it has one (a SimpleDateFormat).
QString patternOf(const icu::DateFormat *format)
{
    icu::UnicodeString pattern;
    const auto *simple = dynamic_cast<const icu::SimpleDateFormat *>(format);
    return simple ? withPlainBlanks(fromIcu(simple->toPattern(pattern))) : QString();
}

// The locale's own full and long dates, which name the era where its calendar writes one
// ("วันอังคารที่ 12 กันยายน พ.ศ. 2566") and which no skeleton asks for.
QStringList styledPatterns(const icu::Locale &where)
{
    QStringList patterns;
    for (const auto style : {icu::DateFormat::kFull, icu::DateFormat::kLong}) {
        const std::unique_ptr<icu::DateFormat> format(
            icu::DateFormat::createDateInstance(style, where));
        if (const QString pattern = patternOf(format.get()); !pattern.isEmpty())
            patterns << pattern;
    }
    return patterns;
}

// The locale's symbols with the month's names in English instead of its own: what people type
// when they name the month in English in a form of their own language ("1971년 Jan 1일").
icu::DateFormatSymbols *withEnglishMonths(const icu::DateFormatSymbols &own, const char *calendar)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols names(icu::Locale("en"), calendar, status);
    auto *symbols = new icu::DateFormatSymbols(own);
    using Symbols = icu::DateFormatSymbols;
    for (const auto context : {Symbols::FORMAT, Symbols::STANDALONE}) {
        for (const auto width : {Symbols::WIDE, Symbols::ABBREVIATED}) {
            int32_t count = 0;
            const icu::UnicodeString *months = names.getMonths(count, context, width);
            symbols->setMonths(months, count, context, width);
        }
    }
    return symbols;
}

// What one pattern made of the text.
enum class Reading
{
    Read,        // a day, in `day`
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
        const std::unique_ptr<icu::Calendar> kind(icu::Calendar::createInstance(where, status));
        if (U_FAILURE(status))
            return;
        // A calendar of one era, or the Republic of China's, may leave it out; ICU then takes the
        // current era of any calendar, which for Japan's would be a guess.
        const bool manyEras = kind->getMaximum(UCAL_ERA) > 1;
        const bool gregorian = qstrcmp(kind->getType(), "gregorian") == 0;
        const bool oneEra = !manyEras && !gregorian;
        QStringList patterns;
        for (const QString &pattern : patternsOf(where) + styledPatterns(where)) {
            const QList<Field> fields = fieldsOf(pattern);
            if ((namedOnly && !namesTheMonth(fields)) || orderDisputed(pattern, order))
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
        m_digits = digitZeros(locale, calendar);
        m_digits.append(U'0');
        // Two-digit years from 50 years before today's year on, as everywhere in the program.
        const UDate twoDigitYearStart = startOfDay(QDate(today.year() - 50, 1, 1));
        const bool japanese = qstrcmp(kind->getType(), "japanese") == 0;
        for (const QString &pattern : std::as_const(patterns)) {
            const bool named = namesTheMonth(fieldsOf(pattern));
            for (const bool english : {false, true}) {
                if (english && !named)
                    continue;
                auto format =
                    std::make_unique<icu::SimpleDateFormat>(toIcu(pattern), where, status);
                if (U_FAILURE(status))
                    return;
                // Gregorian to the first year, as QDate counts, not Julian before 1582.
                std::unique_ptr<icu::Calendar> days(format->getCalendar()->clone());
                if (auto *proleptic = dynamic_cast<icu::GregorianCalendar *>(days.get()))
                    proleptic->setGregorianChange(U_DATE_MIN, status);
                format->adoptCalendar(days.release()); // which makes the symbols afresh
                if (english)
                    format->adoptDateFormatSymbols(
                        withEnglishMonths(*format->getDateFormatSymbols(), kind->getType()));
                // Figures only: ICU's numbers would take "1e2" for 100.
                std::unique_ptr<icu::NumberFormat> figures(format->getNumberFormat()->clone());
                if (auto *decimal = dynamic_cast<icu::DecimalFormat *>(figures.get()))
                    decimal->setParseNoExponent(true);
                format->adoptNumberFormat(figures.release());
                if (japanese) // its first year of an era is 元年, which ICU reads in this numbering
                    format->adoptNumberFormat(icu::UnicodeString(u"y"),
                                              icu::NumberFormat::createInstance(
                                                  icu::Locale("ja@numbers=jpanyear"), status),
                                              status);
                format->setLenient(false);
                format->setTimeZone(*icu::TimeZone::getGMT());
                format->set2DigitYearStart(twoDigitYearStart, status);
                const QList<Field> fields = fieldsOf(pattern);
                const bool eraWritten =
                    manyEras && std::any_of(fields.begin(), fields.end(), [](const Field &field) {
                        return field.letter == u'G';
                    });
                m_forms.push_back({std::move(format), eraWritten});
            }
        }
    }

    std::optional<QDate> read(QStringView text) const
    {
        for (const char32_t c : text.toUcs4()) {
            if (QChar::isDigit(c) && !m_digits.contains(c - char32_t(QChar::digitValue(c))))
                return std::nullopt;
        }
        const icu::UnicodeString input = toIcu(text);
        AgreedDay found; // two forms, two days: none
        for (const Form &form : m_forms) {
            QDate day;
            const Reading reading = readWith(form, input, day);
            if (reading == Reading::Contradicted)
                return std::nullopt;
            if (reading == Reading::Read)
                found.add(day);
        }
        return found.day();
    }

private:
    struct Form
    {
        std::unique_ptr<icu::SimpleDateFormat> format;
        bool eraWritten; // the text must name the era
    };

    static Reading readWith(const Form &form, const icu::UnicodeString &input, QDate &day)
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
        day = dayAt(time);
        // ICU takes a year of one figure as written, where the program reads figures short of
        // three around today; a year before 100 is no trip either way.
        if (U_FAILURE(status) || day.year() < 100 || day.year() > kLatestYear)
            return Reading::None;
        return Reading::Read;
    }

    std::vector<Form> m_forms;
    QList<char32_t> m_digits; // the zero of each kind of digit the text may be written in
};

// Making a locale's forms takes ICU a few milliseconds, and the program reads its dates in one
// locale: the last few are kept.
std::shared_ptr<const Forms> formsFor(const QLocale &locale, const char *calendar,
                                      NumericOrder order, QDate today, bool namedOnly)
{
    static LocaleCache<Forms> kept(64);
    const QString more = QStringLiteral("%1 %2 %3 %4")
                             .arg(QLatin1String(calendar))
                             .arg(int(order))
                             .arg(today.year())
                             .arg(namedOnly);
    return kept.get(locale, more, [&] {
        return std::make_shared<const Forms>(locale, calendar, order, today, namedOnly);
    });
}

} // namespace

bool orderDisputed(const QString &pattern, NumericOrder order)
{
    const QList<Field> fields = fieldsOf(pattern);
    return !namesTheMonth(fields) && orderOf(fields) != order && !fieldsNamed(pattern, fields);
}

std::optional<QDate> readCldrForm(QStringView text, const QLocale &locale, const char *calendar,
                                  NumericOrder order, QDate today, bool namedOnly)
{
    return formsFor(locale, calendar, order, today, namedOnly)
        ->read(withPlainBlanks(text.toString()));
}

NamedOrder namedOrder(const QLocale &locale, const char *calendar)
{
    bool dayFirst = false, yearFirst = false;
    for (const QString &pattern : patternsOf(icuLocale(locale, calendar))) {
        const QList<Field> fields = fieldsOf(pattern);
        const QString letters = lettersOf(fields);
        if (namesTheMonth(fields)) {
            dayFirst = dayFirst || letters == u"dMy";
            yearFirst = yearFirst || letters == u"yMd";
        }
    }
    // Where the month's name comes first ("Dec 24, 2026"), numbers around it are the day and then
    // the year, as they are in the languages that write them so.
    return yearFirst && dayFirst ? NamedOrder::Undecided
           : yearFirst           ? NamedOrder::YearMonthDay
                                 : NamedOrder::DayMonthYear;
}

namespace {

// The words of ICU patterns besides their fields: what is quoted, and letters no field has.
QStringList literalsOf(const QStringList &patterns)
{
    QStringList words;
    for (const QString &pattern : patterns) {
        QString word;
        bool quoted = false;
        const auto end = [&] {
            if (!word.trimmed().isEmpty() && !words.contains(word.trimmed()))
                words.append(word.trimmed());
            word.clear();
        };
        for (const QChar c : pattern) {
            if (c == u'\'') {
                quoted = !quoted;
                if (!quoted)
                    end();
            } else if (quoted || (c.isLetter() && c.unicode() > 0x7f)) {
                word += c;
            } else {
                end();
            }
        }
        end();
    }
    return words;
}

} // namespace

QStringList patternWords(const QLocale &locale, const char *calendar)
{
    return literalsOf(patternsOf(icuLocale(locale, calendar)));
}

QStringList timeWords(const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icuLocale(locale), status));
    if (U_FAILURE(status))
        return {};
    QStringList patterns;
    // Between the date and the time of the locale's full form: "EEEE, d. MMMM y 'um' HH:mm".
    for (const auto dateStyle : {icu::DateFormat::kFull, icu::DateFormat::kLong}) {
        const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateTimeInstance(
            dateStyle, icu::DateFormat::kShort, icuLocale(locale)));
        const QString pattern = patternOf(format.get());
        const QList<Field> fields = fieldsOf(pattern);
        for (qsizetype i = 1; i < fields.size(); ++i) {
            if (QStringView(u"HhKk").contains(fields[i].letter)) {
                const qsizetype from = fields[i - 1].at + fields[i - 1].count;
                patterns << pattern.sliced(from, fields[i].at - from);
                break;
            }
        }
    }
    for (const char *skeleton : {"Hm", "H", "hm", "h"})
        patterns << withPlainBlanks(
            fromIcu(generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status)));
    QStringList words = literalsOf(patterns);
    // The meridiem's words are the loose reader's own; what stays is "um", "à", "Uhr", "h"...
    words.removeIf([&](const QString &word) {
        return word.compare(locale.amText(), Qt::CaseInsensitive) == 0
               || word.compare(locale.pmText(), Qt::CaseInsensitive) == 0;
    });
    return U_SUCCESS(status) ? words : QStringList();
}

QStringList wordsAroundDates(const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where = icuLocale(locale);
    QStringList words;
    const auto add = [&](const QString &said) {
        // What is left of "2 года" or "1,5 roku" without its number.
        QString word;
        for (const QChar c : said) {
            if (c.isLetter() || c.isMark() || (c == u'.' && !word.isEmpty()))
                word += c;
        }
        if (!word.isEmpty() && !words.contains(word))
            words.append(word);
    };
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(where, status));
    for (const auto field : {UDATPG_YEAR_FIELD, UDATPG_MONTH_FIELD, UDATPG_DAY_FIELD}) {
        for (const auto width : {UDATPG_WIDE, UDATPG_ABBREVIATED, UDATPG_NARROW}) {
            if (U_SUCCESS(status))
                add(fromIcu(generator->getFieldDisplayName(field, width)));
        }
    }
    for (const icu::MeasureUnit &unit :
         {icu::MeasureUnit::getYear(), icu::MeasureUnit::getMonth(), icu::MeasureUnit::getDay()}) {
        for (const auto width : {UNUM_UNIT_WIDTH_FULL_NAME, UNUM_UNIT_WIDTH_SHORT}) {
            const auto format =
                icu::number::NumberFormatter::withLocale(where).unit(unit).unitWidth(width);
            for (const double n : {1.0, 2.0, 5.0, 1.5}) {
                UErrorCode formatted = U_ZERO_ERROR;
                const icu::UnicodeString said =
                    format.formatDouble(n, formatted).toString(formatted);
                if (U_SUCCESS(formatted))
                    add(fromIcu(said));
            }
        }
    }
    return words;
}

std::optional<NumericOrder> numericOrderIn(const QLocale &locale, const char *calendar)
{
    const QStringList patterns = patternsOf(icuLocale(locale, calendar));
    return patterns.isEmpty() ? std::nullopt : orderOf(fieldsOf(patterns.first()));
}

QList<char32_t> digitZeros(const QLocale &locale, const char *calendar)
{
    // ICU reads the digits of every script; the program takes ASCII ones, the locale's own as
    // Qt and ICU have them, its native ones ("٠١٢" where "012" is the default), and those its
    // month names hold (Tibetan "ཟླ་༡").
    QList<char32_t> zeros{locale.zeroDigit().toUcs4().value(0, U'0')};
    UErrorCode status = U_ZERO_ERROR;
    for (const char *numbers : {"default", "native"}) {
        icu::Locale digits = icuLocale(locale, calendar);
        digits.setKeywordValue("numbers", numbers, status);
        const std::unique_ptr<icu::NumberingSystem> system(
            icu::NumberingSystem::createInstance(digits, status));
        if (U_SUCCESS(status) && !system->isAlgorithmic())
            zeros.append(system->getDescription().char32At(0));
    }
    for (int month = 1; month <= 12; ++month) {
        for (const char32_t c : locale.monthName(month, QLocale::ShortFormat).toUcs4()) {
            if (QChar::isDigit(c))
                zeros.append(c - char32_t(QChar::digitValue(c)));
        }
    }
    std::sort(zeros.begin(), zeros.end());
    zeros.erase(std::unique(zeros.begin(), zeros.end()), zeros.end());
    return zeros;
}

namespace {

// The calendars besides the Gregorian that the locale's people write years in, as CLDR and ICU
// have them: the locale's own, and those written beside the Gregorian where CLDR says they are
// in use: the Republic of China's years, Japan's eras, and Saudi Arabia's calendar (its own in
// CLDR up to version 43).
QList<QByteArray> calendarsOfYears(const QLocale &locale)
{
    static const QList<QByteArray> kWrittenBeside{"roc", "japanese", "islamic-umalqura"};
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where = icuLocale(locale);
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
    return calendars;
}

} // namespace

QList<QByteArray> yearCalendars(const QLocale &locale)
{
    static LocaleCache<QList<QByteArray>> known(16);
    return *known.get(locale, {}, [&] {
        return std::make_shared<const QList<QByteArray>>(calendarsOfYears(locale));
    });
}

QString writtenInFull(QDate day, const QLocale &locale)
{
    const std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kFull, icuLocale(locale)));
    if (!format)
        return locale.toString(day, QLocale::LongFormat);
    format->setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString text;
    format->format(startOfDay(day), text);
    return fromIcu(text);
}
