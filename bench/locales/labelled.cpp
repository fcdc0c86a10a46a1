#include "labelled.h"

#include "datereader/datereader.h"
#include "datereader/words.h"
#include "typing.h"

#include <QFile>
#include <QRandomGenerator>

#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/numfmt.h>
#include <unicode/numsys.h>
#include <unicode/rbnf.h>
#include <unicode/smpdtfmt.h>

#include <memory>

namespace {

using namespace Qt::StringLiterals;

// Languages of every script and kind of calendar, the locales that the reader once read wrong
// dates in among them.
const char *const kLocales[] = {
    "en_US", "en_GB", "de_DE", "fr_FR",  "es_ES", "it_IT", "pt_BR", "pt_PT", "nl_NL", "pl_PL",
    "sv_SE", "cs_CZ", "hu_HU", "ro_RO",  "el_GR", "ru_RU", "uk_UA", "tr_TR", "he_IL", "ar_EG",
    "ar_SA", "fa_IR", "ps_AF", "ckb_IR", "hi_IN", "bn_BD", "ja_JP", "zh_CN", "zh_TW", "ko_KR",
    "vi_VN", "th_TH", "id_ID", "ms_MY",  "lt_LT", "lv_LV", "kk_KZ", "da_DK", "nb_NO", "fi_FI",
    "sk_SK", "sl_SI", "hr_HR", "sr_RS",  "bg_BG", "et_EE", "ca_ES", "eu_ES", "gl_ES", "hy_AM",
    "ka_GE", "az_AZ", "uz_UZ", "mn_MN",  "ta_IN", "te_IN", "mr_IN", "ur_PK", "sw_KE", "am_ET",
    "km_KH", "lo_LA", "my_MM", "de_CH"};

// The groups of the set, each a way the reader once went wrong or failed, or what it must hold.
const char *const kWrongDates = "far or impossible days";
const char *const kPeerForms = "forms a peer read first";
const char *const kFirstForms = "forms no reader read";
const char *const kOwnCalendar = "own calendar, typed";
const char *const kGregorian = "Gregorian, typed";
const char *const kNonDates = "no date";

const QDate kToday(2026, 12, 6);
// A year that lies more than a century from today both as a Gregorian year and as one of the
// other calendars (Buddhist 2700 is 2157).
constexpr int kFarYear = 2700;

const char *orderName(NumericOrder order)
{
    switch (order) {
    case NumericOrder::MonthDayYear:
        return "MDY";
    case NumericOrder::DayMonthYear:
        return "DMY";
    case NumericOrder::YearMonthDay:
        return "YMD";
    }
    return "";
}

// The locale's patterns in one calendar: CLDR's skeletons, then its full and long date formats.
struct Patterns
{
    QString numeric, numericPadded, shortName, longName, shortWeekday, longWeekday, full, long_;
    QString twoDigitYear; // the year of two figures, which the reader places around today
};

Patterns patternsIn(const icu::Locale &in)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(in, status));
    const auto best = [&](const char *skeleton) {
        return fromIcu(generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status));
    };
    const auto styled = [&](icu::DateFormat::EStyle style) {
        const std::unique_ptr<icu::DateFormat> format(
            icu::DateFormat::createDateInstance(style, in));
        icu::UnicodeString pattern;
        if (auto *simple = dynamic_cast<icu::SimpleDateFormat *>(format.get()))
            simple->toPattern(pattern);
        return fromIcu(pattern);
    };
    return {best("yMd"),
            best("yMMdd"),
            best("yMMMd"),
            best("yMMMMd"),
            best("yMMMEd"),
            best("yMMMMEEEEd"),
            styled(icu::DateFormat::kFull),
            styled(icu::DateFormat::kLong),
            best("yyMd")};
}

// The digits ICU writes numbers in for the locale: zero to nine.
QString digitsOf(const icu::Locale &in)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberingSystem> system(
        icu::NumberingSystem::createInstance(in, status));
    if (U_FAILURE(status) || system->isAlgorithmic())
        return QStringLiteral("0123456789");
    return fromIcu(system->getDescription());
}

// The pattern with its year, month and day as these numbers, which need make no day: "2026/4/31".
// Empty where the pattern has other fields.
QString withNumbers(const QString &pattern, int year, int month, int day, const QString &digits)
{
    const QList<uint> zeroToNine = digits.toUcs4();
    const auto figures = [&](int n, qsizetype width) {
        QString plain = QString::number(n).rightJustified(width, u'0');
        QString result;
        for (const QChar c : plain)
            result += QString::fromUcs4(
                reinterpret_cast<const char32_t *>(&zeroToNine[c.unicode() - u'0']), 1);
        return result;
    };
    QString text;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'')
                text += pattern[++i];
            else
                quoted = !quoted;
            continue;
        }
        if (quoted || !c.isLetter() || c.unicode() > 0x7f) {
            text += c;
            continue;
        }
        qsizetype count = 1;
        while (i + count < pattern.size() && pattern[i + count] == c)
            ++count;
        i += count - 1;
        if (c == u'y')
            text += count == 2 ? figures(year % 100, 2) : figures(year, 1);
        else if (c == u'M' || c == u'L')
            text += figures(month, count);
        else if (c == u'd')
            text += figures(day, count);
        else
            return {};
    }
    return text;
}

class Writer
{
public:
    Writer(quint32 draw, QTextStream &out) : m_random(draw), m_out(out) {}

    void writeLocale(const char *name)
    {
        const icu::Locale where(name);
        m_locale = QLocale(QString::fromLatin1(name));
        m_order = numericOrder(m_locale);
        const QList<QByteArray> own = icuYearCalendars(m_locale);
        m_ownCalendar = own.value(0, "gregorian");
        for (const QByteArray &calendar : QList<QByteArray>{"gregorian"} + own) {
            m_calendar = calendar;
            m_in = where;
            UErrorCode status = U_ZERO_ERROR;
            m_in.setKeywordValue("calendar", calendar.constData(), status);
            m_patterns = patternsIn(m_in);
            writeTyped(calendar == "gregorian" ? kGregorian : kOwnCalendar);
            writeLooserForms(calendar == "gregorian");
        }
        writeWrongDates(std::any_of(own.begin(), own.end(), [](const QByteArray &calendar) {
            return calendar != "japanese";
        }));
        writeNonDates();
    }

private:
    void write(const char *group, const QString &text, std::optional<QDate> meant)
    {
        if (text.isEmpty() || text.contains(u'\t') || text.contains(u'\n'))
            return;
        m_out << group << '\t' << m_locale.name() << '\t' << orderName(m_order) << '\t'
              << m_calendar << '\t' << text << '\t'
              << (meant ? meant->toString(Qt::ISODate) : QStringLiteral("-")) << '\n';
    }

    // A day within a century of today, as people write trip dates.
    QDate someDay()
    {
        return QDate(1971, 1, 1)
            .addDays(m_random.bounded(QDate(1971, 1, 1).daysTo(QDate(2100, 1, 1))));
    }

    bool usable(const QString &pattern) const
    {
        return !pattern.isEmpty() && fieldOf(pattern, u"y").size() != 2
               && !orderDisputed(pattern, m_locale);
    }

    QString inEnglish(const QString &pattern, QDate day) const
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale english("en");
        english.setKeywordValue("calendar", m_calendar.constData(), status);
        return icuText(toIcu(pattern), english, day);
    }

    // The forms of a date in figures and with the month's name, as written and as typed.
    void writeTyped(const char *group)
    {
        Typing typing;
        typing.nativeDigits = nativeDigits(m_in);
        typing.fullWidth = QByteArrayList{"ja", "zh", "ko"}.contains(m_in.getLanguage());
        const bool gregorian = qstrcmp(group, kGregorian) == 0;
        QStringList patterns{m_patterns.numeric, m_patterns.numericPadded, m_patterns.shortName,
                             m_patterns.longName};
        if (gregorian)
            patterns << m_patterns.twoDigitYear;
        // As many dates in the other calendars, which fewer locales have, as in the Gregorian.
        for (int k = 0; k < (gregorian ? 30 : 96); ++k) {
            const QString &pattern = patterns[k % patterns.size()];
            // A year of two figures names one from 50 years before today to 49 after.
            const bool twoDigits = fieldOf(pattern, u"y").size() == 2;
            if (twoDigits ? orderDisputed(pattern, m_locale) : !usable(pattern))
                continue;
            const QDate day =
                twoDigits ? QDate(kToday.year() - 49, 1, 1).addDays(m_random.bounded(98 * 365))
                          : someDay();
            const QString month = fieldOf(pattern, u"ML");
            const bool named = month.size() >= 3;
            typing.month = named ? icuText(toIcu(month), m_in, day) : QString();
            typing.englishMonth = named ? inEnglish(month, day) : QString();
            typing.ownMonths = {typing.month};
            for (const auto &[kind, text] : typedForms(icuText(toIcu(pattern), m_in, day), typing))
                write(group, text, day);
        }
    }

    // What people add to the locale's forms, or leave out of them, as they type.
    void writeLooserForms(bool gregorian)
    {
        const QString language = QString::fromLatin1(m_in.getLanguage());
        const bool ownOnly = QStringList{u"th"_s, u"ckb"_s, u"ps"_s, u"fa"_s}.contains(language);
        for (int k = 0; k < 10; ++k) {
            const QDate day = someDay();
            const auto text = [&](const QString &pattern) {
                return usable(pattern) ? icuText(toIcu(pattern), m_in, day) : QString();
            };
            const QString named = text(k % 2 ? m_patterns.longName : m_patterns.shortName);
            const QString figures = text(m_patterns.numeric);
            const QString weekday = icuText(toIcu(QStringLiteral("EEEE")), m_in, day);
            // A final dot: read by a peer in most languages, by none in these.
            const char *dotted = !gregorian && ownOnly ? kFirstForms
                                 : language == u"ko"   ? kFirstForms
                                                       : kPeerForms;
            for (const QString &form : {named, figures}) {
                if (!form.isEmpty() && !form.endsWith(u'.'))
                    write(dotted, form + u'.', day);
            }
            // Blanks doubled, inside a weekday's name too ("Th  7", "יום  א׳").
            if (const QString withWeekday = text(m_patterns.shortWeekday);
                withWeekday.contains(u' '))
                write(kPeerForms, QString(withWeekday).replace(u' ', QStringLiteral("  ")), day);
            // A weekday before a date in figures, and after it.
            if (!figures.isEmpty()) {
                write(kPeerForms,
                      weekday + (k % 2 ? QStringLiteral(", ") : QStringLiteral(" ")) + figures,
                      day);
                if (QStringList{u"fa"_s, u"ckb"_s, u"ps"_s, u"ar"_s}.contains(language))
                    write(kFirstForms, figures + u' ' + weekday, day);
            }
            // Capitals, and Greek without its accents.
            const QString upper = m_locale.toUpper(named);
            if (!named.isEmpty() && upper != named)
                write(language == u"lv" ? kFirstForms : kPeerForms, upper, day);
            if (language == u"el") {
                QString bare = named.normalized(QString::NormalizationForm_D);
                bare.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
                write(kPeerForms, bare.normalized(QString::NormalizationForm_C), day);
                write(kPeerForms, m_locale.toUpper(bare).normalized(QString::NormalizationForm_C),
                      day);
            }
            // The abbreviation's dot added where the locale writes none.
            const QString shortMonth =
                icuText(toIcu(fieldOf(m_patterns.shortName, u"ML")), m_in, day);
            const QString shortNamed = text(m_patterns.shortName);
            const qsizetype at = shortNamed.indexOf(shortMonth);
            const qsizetype after = at + shortMonth.size();
            const bool word = std::all_of(shortMonth.begin(), shortMonth.end(),
                                          [](QChar c) { return c.isLetter() || c.isMark(); });
            if (!shortNamed.isEmpty() && shortMonth.size() > 1 && word && at >= 0
                && (at == 0 || shortNamed[at - 1] == u' ')
                && (after == shortNamed.size() || shortNamed[after] == u' '
                    || shortNamed[after] == u','))
                write(kPeerForms, QString(shortNamed).insert(after, u'.'), day);
            // The locale's full and long forms, with an era where the calendar writes one; in
            // Thai, the Gregorian one names its era too (ค.ศ.).
            const bool thaiGregorian = gregorian && language == u"th";
            for (const QString &form : {text(m_patterns.full), text(m_patterns.long_)})
                write(thaiGregorian ? kFirstForms : kPeerForms, form, day);
            // The month named in English inside the locale's own forms.
            if (QStringList{u"th"_s, u"ps"_s, u"lv"_s, u"ko"_s, u"fa"_s}.contains(language)) {
                const QString pattern = m_patterns.full;
                const QString month = fieldOf(pattern, u"ML");
                const QString own = icuText(toIcu(month), m_in, day);
                const QString english = inEnglish(month, day);
                const QString form = text(pattern);
                if (month.size() >= 3 && form.contains(own) && own != english)
                    write(kFirstForms, QString(form).replace(own, english), day);
            }
            if (gregorian)
                writeEverydayWords(language, day);
        }
    }

    // The words that stand around a date in everyday writing, Han numerals, ISO's basic form.
    void writeEverydayWords(const QString &language, QDate day)
    {
        const auto text = [&](const char *pattern) {
            return icuText(toIcu(QString::fromUtf8(pattern)), m_in, day);
        };
        if (language == u"pl") {
            write(kPeerForms, text("d MMMM y 'r.'"), day);
            write(kPeerForms, text("dd.MM.y 'r.'"), day);
        } else if (language == u"ru") {
            write(kPeerForms, text("d MMMM y 'года'"), day);
        } else if (language == u"uk") {
            write(kPeerForms, text("d MMMM y 'року'"), day);
        } else if (language == u"vi") {
            write(kPeerForms, text("'ngày' d 'tháng' M 'năm' y"), day);
        } else if (language == u"lv") {
            write(kPeerForms, text("y. 'g'. d MMM"), day);
        } else if (language == u"zh" || language == u"ja") {
            UErrorCode status = U_ZERO_ERROR;
            icu::RuleBasedNumberFormat spelt(icu::URBNF_SPELLOUT, icu::Locale("zh"), status);
            const std::unique_ptr<icu::NumberFormat> digits(
                icu::NumberFormat::createInstance(icu::Locale("zh@numbers=hanidec"), status));
            digits->setGroupingUsed(false);
            icu::UnicodeString year, month, date;
            digits->format(day.year(), year);
            spelt.format(day.month(), month);
            spelt.format(day.day(), date);
            write(language == u"zh" ? kPeerForms : kFirstForms,
                  fromIcu(year) + u'年' + fromIcu(month) + u'月' + fromIcu(date) + u'日', day);
        }
        // Year, month and day in eight figures, where no other order of them makes a day.
        const QString basic = day.toString(QStringLiteral("yyyyMMdd"));
        const auto other = [&](int dayAt, int monthAt) {
            return QDate(basic.mid(4).toInt(), basic.mid(monthAt, 2).toInt(),
                         basic.mid(dayAt, 2).toInt());
        };
        if (!other(0, 2).isValid() && !other(2, 0).isValid())
            write(kPeerForms, basic, day);
    }

    // Days that no calendar has, or that lie far from today, and dates whose Gregorian year was
    // read in another calendar: a Gregorian year in the locale's digits, a final dot.
    void writeWrongDates(bool yearsAlone)
    {
        if (!yearsAlone)
            return;
        const char *own = m_ownCalendar.constData();
        icu::Locale gregorian = m_in, inOwn = m_in;
        UErrorCode status = U_ZERO_ERROR;
        gregorian.setKeywordValue("calendar", "gregorian", status);
        inOwn.setKeywordValue("calendar", own, status);
        const Patterns inGregorian = patternsIn(gregorian);
        const QString numeric = inGregorian.numeric;
        const QString digits = digitsOf(gregorian);
        m_calendar = "gregorian";
        for (int k = 0; k < 8; ++k) {
            // An impossible Gregorian day, with a Gregorian year.
            const int year = 1971 + m_random.bounded(129);
            const int month = QList<int>{2, 4, 6, 9, 11}[k % 5];
            const int day = month == 2 ? (QDate::isLeapYear(year) ? 30 : 29) : 31;
            write(kWrongDates, withNumbers(numeric, year, month, day, digits), std::nullopt);
            write(kWrongDates, withNumbers(numeric, year, month, day, QStringLiteral("0123456789")),
                  std::nullopt);
            // A Gregorian year far from today, and one in the locale's other digits.
            write(kWrongDates,
                  withNumbers(numeric, kFarYear + m_random.bounded(700), 1 + k, 10 + k, digits),
                  std::nullopt);
            const QDate near = someDay();
            const Text native = nativeDigits(gregorian);
            if (!native.empty() && usable(numeric)) {
                QString text = withNumbers(numeric, near.year(), near.month(), near.day(),
                                           QString::fromUcs4(native.data(), 10));
                write(kWrongDates, text, near);
                write(kWrongDates, QString(text).replace(u'/', u'.'), near);
            }
            // A Gregorian year with a final dot after a form that names it in words of its own.
            const QString named = icuText(toIcu(inGregorian.longName), gregorian, near);
            if (named.contains(u'年'))
                write(kWrongDates, named + u'.', near);
            if (const QString full = icuText(toIcu(inGregorian.longWeekday), gregorian, near);
                full.contains(u'年'))
                write(kWrongDates, full + u'.', near);
        }
        // A day the locale's own calendar does not have, and one far off in it.
        m_calendar = own;
        const Patterns ownPatterns = patternsIn(inOwn);
        std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(inOwn, status));
        for (int k = 0; k < 6; ++k) {
            calendar->setTime(startOfDayNoon(someDay()), status);
            const int year = calendar->get(UCAL_YEAR, status);
            const int month = calendar->get(UCAL_MONTH, status);
            const int last = calendar->getActualMaximum(UCAL_DATE, status);
            if (last < 31)
                write(kWrongDates,
                      withNumbers(ownPatterns.numeric, year, month + 1, last + 1, digitsOf(inOwn)),
                      std::nullopt);
            write(kWrongDates,
                  withNumbers(ownPatterns.numeric, kFarYear + m_random.bounded(700), 1 + month,
                              1 + k, digitsOf(inOwn)),
                  std::nullopt);
        }
    }

    static UDate startOfDayNoon(QDate day)
    {
        return (double(day.toJulianDay() - 2440588) + 0.5) * U_MILLIS_PER_DAY;
    }

    // Partial dates, impossible days, numbers and words, which must stay no date.
    void writeNonDates()
    {
        m_calendar = "gregorian";
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale in = icu::Locale(m_locale.name().toLatin1().constData());
        in.setKeywordValue("calendar", "gregorian", status);
        const std::unique_ptr<icu::DateTimePatternGenerator> generator(
            icu::DateTimePatternGenerator::createInstance(in, status));
        for (int k = 0; k < 4; ++k) {
            const QDate day = someDay();
            for (const char *skeleton : {"yMMM", "MMMd", "yM", "MMMMEEEEd", "MMMM"}) {
                const icu::UnicodeString pattern =
                    generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status);
                write(kNonDates, icuText(pattern, in, day), std::nullopt);
            }
            const QString numeric =
                fromIcu(generator->getBestPattern(icu::UnicodeString("yMd", -1, US_INV), status));
            const int year = day.year();
            write(kNonDates, withNumbers(numeric, year, 13 + k, 32 + k, digitsOf(in)),
                  std::nullopt);
            write(kNonDates, withNumbers(numeric, year, 1 + k, 32 + k, digitsOf(in)), std::nullopt);
            write(kNonDates, withNumbers(numeric, year, 4, 31, digitsOf(in)), std::nullopt);
            write(kNonDates, m_locale.dayName(1 + k), std::nullopt);
            write(kNonDates, QString::number(m_random.bounded(100000)), std::nullopt);
            write(kNonDates, m_locale.toString(QTime(1 + 5 * k, 30), QLocale::ShortFormat),
                  std::nullopt);
        }
    }

    QRandomGenerator m_random;
    QTextStream &m_out;
    QLocale m_locale;
    NumericOrder m_order = NumericOrder::MonthDayYear;
    QByteArray m_calendar, m_ownCalendar;
    icu::Locale m_in;
    Patterns m_patterns;
};

} // namespace

void writeLabelledSet(quint32 draw, QTextStream &out)
{
    Writer writer(draw, out);
    for (const char *locale : kLocales)
        writer.writeLocale(locale);
}

bool readLabelledSet(const QString &path, QTextStream &out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
        if (fields.size() < 6)
            continue;
        const QByteArray system = systemLocaleName(QLocale(fields[1]));
        const std::optional<QDate> read =
            readDate(fields[4], {QLocale(fields[1]), kToday, system}).date();
        out << (read ? read->toString(Qt::ISODate) : QStringLiteral("-")) << '\n';
    }
    return true;
}
