// How many of the dates each locale writes the date reader reads back, as the date they name:
//  - Qt's short and long forms of a spread of dates from 1980 to 2070, in every locale Qt
//    knows, and the prompt's example date;
//  - the three forms every locale must read (12/12/2005, Dec 12, 2005, 12/12/2005 6:00 PM);
//  - CLDR's common forms, as ICU's pattern generator gives them for six skeletons, of a spread
//    of dates from 1977 to 2074, in every locale ICU and Qt both know: in the Gregorian calendar,
//    and in the locale's own calendar where that is another one. A form in figures whose order
//    of day, month and year differs from Qt's short format for the locale is disputed between
//    CLDR and Qt; it is counted apart, and never read against Qt's order;
//  - the same locales' dates as people type them: CLDR's forms of a date in figures and with
//    the month's name, of a spread of dates from 1971 to 2100, in the Gregorian calendar and in
//    each calendar the locale's people count years in, as written and as typed more loosely
//    (other separators, no leading zeros, ASCII or native digits, the month in English, ...).
// Prints the shares read back, the wrong dates, and every listed locale that does not read all
// of its forms; with -v, every form not read back. With --typed-only, only the typed forms.

#include "datereader/cldrforms.h"
#include "datereader/datereader.h"
#include "datereader/loosedate.h"
#include "tripdate/tripdateentry.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/numsys.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <array>
#include <memory>
#include <string>

namespace {

const QDate kToday(2026, 12, 6);
QTextStream out(stdout);
bool verbose = false;

struct Tally
{
    qint64 forms = 0, read = 0, wrong = 0, disputed = 0;

    // Reads `text`, which names `date`, and says whether it read back.
    bool count(const QString &text, const QLocale &locale, QDate date, const char *what,
               const char *calendar = nullptr)
    {
        const std::optional<QDate> found = readDate(text, {locale, kToday});
        ++forms;
        read += found == date;
        wrong += found && *found != date;
        if (verbose && found != date) {
            out << what << "\t" << locale.name() << "\t";
            if (calendar)
                out << calendar << "\t";
            out << text << "\t" << (found ? found->toString(Qt::ISODate) : QStringLiteral("-"))
                << "\n";
        }
        return found == date;
    }

    Tally &operator+=(const Tally &other)
    {
        forms += other.forms;
        read += other.read;
        wrong += other.wrong;
        disputed += other.disputed;
        return *this;
    }

    void print(const char *what) const
    {
        out << what << ": " << read << " of " << forms << " ("
            << QString::number(100.0 * double(read) / double(std::max<qint64>(forms, 1)), 'f', 2)
            << " %), wrong dates: " << wrong;
        if (disputed)
            out << ", disputed and not counted: " << disputed;
        out << "\n";
    }
};

icu::UnicodeString toIcu(const QString &text)
{
    return {reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size())};
}

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// The day as ICU writes it with `pattern` in `where`, at noon in Greenwich.
QString icuText(const icu::UnicodeString &pattern, const icu::Locale &where, QDate date)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(pattern, where, status);
    format.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString text;
    format.format((double(date.toJulianDay() - 2440588) + 0.5) * U_MILLIS_PER_DAY, text);
    return fromIcu(text);
}

// The locales ICU has whose language Qt knows too, each with Qt's locale for it.
QList<std::pair<icu::Locale, QLocale>> sharedLocales()
{
    int32_t available = 0;
    const icu::Locale *icuLocales = icu::Locale::getAvailableLocales(available);
    QList<std::pair<icu::Locale, QLocale>> shared;
    for (int32_t i = 0; i < available; ++i) {
        const icu::Locale &where = icuLocales[i];
        const QLocale locale(QString::fromLatin1(where.getName()));
        if (locale.language() != QLocale::C
            && QLocale::languageToCode(locale.language()) == QLatin1String(where.getLanguage()))
            shared.append({where, locale});
    }
    return shared;
}

// Qt's own forms, and the three forms every locale reads.
void measureQtForms()
{
    const QList<QLocale> qtLocales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    Tally qt, examples, required;
    for (const QLocale &locale : qtLocales) {
        for (QDate date(1980, 1, 3); date.year() <= 2070; date = date.addDays(97)) {
            for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat})
                qt.count(locale.toString(date, format), locale, date, "qt");
        }
        const QDate dec12(2005, 12, 12);
        examples.count(TripDatePrompt::exampleDate(locale), locale, dec12, "example");
        for (const char *text : {"12/12/2005", "Dec 12, 2005", "12/12/2005 6:00 PM"})
            required.count(QString::fromLatin1(text), locale, dec12, "required");
    }
    out << "Qt locales: " << qtLocales.size() << "\n";
    qt.print("Qt's forms read back");
    examples.print("prompt examples read back");
    required.print("the three forms every locale reads");
}

// CLDR's common forms, through ICU.
void measureCldrForms()
{
    const QStringList watched =
        QStringLiteral(
            "en_US en_GB de_DE fr_FR es_ES it_IT pt_BR pt_PT nl_NL pl_PL sv_SE cs_CZ hu_HU ro_RO "
            "el_GR ru_RU uk_UA tr_TR he_IL ar_EG fa_IR hi_IN bn_BD ja_JP zh_CN zh_TW ko_KR vi_VN "
            "th_TH id_ID ms_MY lt_LT lv_LV kk_KZ")
            .split(u' ');
    const char *skeletons[] = {"yMd", "yMMdd", "yMMMd", "yMMMMd", "yMMMEd", "yMMMMEEEEd"};
    QList<QDate> dates;
    for (int k = 0; k < 20; ++k)
        dates << QDate(1977 + 5 * k, 1 + 5 * k % 12, 1 + 7 * k % 28);
    int32_t available = 0;
    icu::Locale::getAvailableLocales(available);
    const auto shared = sharedLocales();
    Tally gregorian, own;
    QHash<QString, std::pair<qint64, qint64>> watchedForms; // read, of
    int ownCalendars = 0;
    for (const auto &[where, locale] : shared) {
        UErrorCode status = U_ZERO_ERROR;
        const std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(where, status));
        const bool ownCalendar = qstrcmp(calendar->getType(), "gregorian") != 0;
        ownCalendars += ownCalendar;
        for (const bool inOwn : {false, true}) {
            if (inOwn && !ownCalendar)
                continue;
            icu::Locale in = where;
            in.setKeywordValue("calendar", inOwn ? calendar->getType() : "gregorian", status);
            const std::unique_ptr<icu::DateTimePatternGenerator> generator(
                icu::DateTimePatternGenerator::createInstance(in, status));
            Tally &tally = inOwn ? own : gregorian;
            for (const char *skeleton : skeletons) {
                const icu::UnicodeString pattern =
                    generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status);
                const QString shown = fromIcu(pattern);
                const bool disputed = orderDisputed(shown, numericOrder(locale));
                for (const QDate date : dates) {
                    const QString text = icuText(pattern, in, date);
                    if (disputed) {
                        ++tally.disputed;
                        continue;
                    }
                    const bool read = tally.count(text, locale, date, inOwn ? "own" : "gregorian");
                    if (!inOwn && watched.contains(locale.name())
                        && QLocale(locale.name()) == locale) {
                        watchedForms[locale.name()].first += read;
                        ++watchedForms[locale.name()].second;
                    }
                }
            }
        }
    }
    out << "ICU locales that Qt knows: " << shared.size() << " of " << available << " ("
        << ownCalendars << " in a calendar of their own)\n";
    gregorian.print("CLDR's Gregorian forms read back");
    own.print("CLDR's forms in the locale's own calendar read back");
    int whole = 0;
    for (const QString &name : watched) {
        const auto [read, of] = watchedForms.value(name);
        whole += read == of && of > 0;
        if (read != of || of == 0)
            out << "incomplete: " << name << " " << read << "/" << of << "\n";
    }
    out << "listed locales reading all their CLDR forms: " << whole << " of " << watched.size()
        << "\n";
}

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
const char *const kKindNames[kKinds] = {"exact",
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

Text codePoints(const QString &text)
{
    const QList<uint> points = text.toUcs4();
    return Text(points.begin(), points.end());
}

bool isDigit(char32_t c) { return QChar::isDigit(c); }
bool isBidiMark(char32_t c) { return c == 0x200E || c == 0x200F || c == 0x061C; }
bool isSeparator(char32_t c) { return c == U'/' || c == U'-' || c == U'.'; }

// The text with each stretch between two numbers that holds nothing but one separator among
// `/`, `-` and `.`, blanks and bidi marks, rewritten by `rewrite(stretch, separator)`. A stretch
// of blanks alone has a blank for its separator.
template <typename Rewrite> Text rewriteSeparators(const Text &text, Rewrite rewrite)
{
    Text result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        std::size_t end = i + 1;
        while (isDigit(text[i]) && end < text.size()
               && (isSeparator(text[end]) || QChar::isSpace(text[end]) || isBidiMark(text[end])))
            ++end;
        if (end == i + 1 || end == text.size() || !isDigit(text[end]))
            continue;
        const Text stretch = text.substr(i + 1, end - i - 1);
        char32_t separator = 0;
        int separators = 0;
        for (const char32_t c : stretch) {
            if (isSeparator(c)) {
                separator = c;
                ++separators;
            } else if (QChar::isSpace(c) && separators == 0) {
                separator = U' ';
            }
        }
        if (separator == 0 || separators > 1)
            continue;
        result += rewrite(stretch, separator);
        i = end - 1;
    }
    return result;
}

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
QList<std::pair<Kind, QString>> typedForms(const QString &exact, const Typing &typing)
{
    QList<std::pair<Kind, QString>> forms{{Exact, exact}};
    const Text text = codePoints(exact);
    const auto add = [&](Kind kind, const Text &typed) {
        const QString form = QString::fromUcs4(typed.data(), qsizetype(typed.size()));
        if (form != exact)
            forms.append({kind, form});
    };
    // Separators part the numbers of a form with the month in figures; where the month is named,
    // a figure in its name ("ŋ12", "12월") is no number of the date's own.
    if (typing.month.isEmpty()) {
        // A form that parts its numbers with one separator throughout gets each other one
        // instead, the bidi marks around it kept; one that mixes them ("01/01 1971") has none.
        Text separators;
        rewriteSeparators(text, [&](const Text &stretch, char32_t separator) {
            if (separators.find(separator) == Text::npos)
                separators += separator;
            return stretch;
        });
        for (const char32_t to : Text(U"/-. ")) {
            if (separators.size() != 1 || to == separators[0])
                continue;
            add(SeparatorsSwapped, rewriteSeparators(text, [&](const Text &stretch, char32_t) {
                    Text swapped;
                    for (const char32_t c : stretch) {
                        if (isBidiMark(c))
                            swapped += c;
                        else if (swapped.find(to) == Text::npos)
                            swapped += to;
                    }
                    return swapped;
                }));
        }
        add(BlankAfterSeparator, rewriteSeparators(text, [](const Text &stretch, char32_t) {
                Text spaced;
                for (std::size_t i = 0; i < stretch.size(); ++i) {
                    spaced += stretch[i];
                    if (isSeparator(stretch[i])
                        && (i + 1 == stretch.size() || !QChar::isSpace(stretch[i + 1])))
                        spaced += U' ';
                }
                return spaced;
            }));
    }
    Text unpadded, unmarked, ascii, native, wide;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const auto digitAt = [&](std::size_t at) { return at < text.size() && isDigit(text[at]); };
        // Only a number of two figures loses its zero: a day or a month. A year has more, or is
        // one of two figures, which are left out.
        const bool leadingZero = QChar::digitValue(c) == 0 && (i == 0 || !isDigit(text[i - 1]))
                                 && digitAt(i + 1) && !digitAt(i + 2);
        if (!leadingZero)
            unpadded += c;
        if (!isBidiMark(c))
            unmarked += c;
        ascii += isDigit(c) ? char32_t(U'0' + QChar::digitValue(c)) : c;
        const bool asciiDigit = c >= U'0' && c <= U'9';
        native += asciiDigit && !typing.nativeDigits.empty() ? typing.nativeDigits[c - U'0'] : c;
        wide += asciiDigit ? char32_t(0xFF10 + (c - U'0')) : c == U'/' ? char32_t(0xFF0F) : c;
    }
    add(LeadingZerosDropped, unpadded);
    add(BidiMarksRemoved, unmarked);
    add(DigitsMadeAscii, ascii);
    add(DigitsMadeNative, native);
    if (typing.fullWidth)
        add(FullWidthDigits, wide);
    // Where the locale's name is English's already ("Dec", "dec"), there is nothing to swap;
    // where English's is the locale's name of another month (Basaa's "may" is November), the
    // user's language rightly comes first, and the text means that month.
    if (!typing.month.isEmpty()
        && typing.month.compare(typing.englishMonth, Qt::CaseInsensitive) != 0
        && !typing.ownMonths.contains(typing.englishMonth, Qt::CaseInsensitive)
        && exact.contains(typing.month))
        forms.append({MonthInEnglish, QString(exact).replace(typing.month, typing.englishMonth)});
    return forms;
}

// The first field of the pattern in one of `letters`, outside its quoted text: "MMM" in
// "d MMM y" for "ML".
QString fieldOf(const QString &pattern, QStringView letters)
{
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'\'')
            quoted = !quoted;
        else if (!quoted && letters.contains(pattern[i])) {
            qsizetype end = i;
            while (end < pattern.size() && pattern[end] == pattern[i])
                ++end;
            return pattern.mid(i, end - i);
        }
    }
    return {};
}

// The locale's native digits, zero to nine, where they are others than ASCII ones and written
// one figure each: none for Japanese, whose native numbers are words.
Text nativeDigits(const icu::Locale &where)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale native = where;
    native.setKeywordValue("numbers", "native", status);
    const std::unique_ptr<icu::NumberingSystem> system(
        icu::NumberingSystem::createInstance(native, status));
    if (U_FAILURE(status) || system->isAlgorithmic() || qstrcmp(system->getName(), "latn") == 0)
        return {};
    const Text digits = codePoints(fromIcu(system->getDescription()));
    return digits.size() == 10 ? digits : Text();
}

// CLDR's forms of a date in figures and with the month's name, as written and as typed.
void measureTypedForms()
{
    const char *skeletons[] = {"yMd", "yMMdd", "yMMMd", "yMMMMd"};
    // Days before and after the 12th, months before and from October: leading zeros, and which
    // of day and month comes first, both show.
    QList<QDate> dates;
    for (int k = 0; k < 24; ++k)
        dates << QDate(1971 + k * 129 / 23, 1 + 5 * k % 12, 1 + 11 * k % 28);
    const auto shared = sharedLocales();
    std::array<std::array<Tally, 2>, kKinds> tallies; // by kind, then Gregorian or not
    int calendars = 0;
    for (const auto &[where, locale] : shared) {
        const NumericOrder order = numericOrder(locale);
        Typing typing;
        typing.nativeDigits = nativeDigits(where);
        typing.fullWidth = QByteArrayList{"ja", "zh", "ko"}.contains(where.getLanguage());
        const QList<QByteArray> own = yearCalendars(locale);
        calendars += own.size();
        for (const QByteArray &calendar : QList<QByteArray>{"gregorian"} + own) {
            UErrorCode status = U_ZERO_ERROR;
            icu::Locale in = where, english("en");
            in.setKeywordValue("calendar", calendar.constData(), status);
            english.setKeywordValue("calendar", calendar.constData(), status);
            const std::unique_ptr<icu::DateTimePatternGenerator> generator(
                icu::DateTimePatternGenerator::createInstance(in, status));
            const icu::DateFormatSymbols symbols(where, calendar.constData(), status);
            typing.ownMonths.clear();
            for (const auto context :
                 {icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::STANDALONE}) {
                for (const auto width :
                     {icu::DateFormatSymbols::WIDE, icu::DateFormatSymbols::ABBREVIATED}) {
                    int32_t count = 0;
                    const icu::UnicodeString *names = symbols.getMonths(count, context, width);
                    for (int32_t n = 0; n < count; ++n)
                        typing.ownMonths << fromIcu(names[n]);
                }
            }
            QStringList patterns;
            for (const char *skeleton : skeletons) {
                patterns << fromIcu(
                    generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status));
            }
            patterns.removeDuplicates();
            for (const QString &pattern : std::as_const(patterns)) {
                // A year of two figures leaves the century to the reader, who places it around
                // today; these forms are the dates written out in full.
                if (fieldOf(pattern, u"yYu").size() == 2)
                    continue;
                const bool disputed = orderDisputed(pattern, order);
                const QString month = fieldOf(pattern, u"ML");
                for (const QDate date : dates) {
                    const bool named = month.size() >= 3;
                    typing.month = named ? icuText(toIcu(month), in, date) : QString();
                    typing.englishMonth = named ? icuText(toIcu(month), english, date) : QString();
                    const QString exact = icuText(toIcu(pattern), in, date);
                    for (const auto &[kind, text] : typedForms(exact, typing)) {
                        Tally &tally = tallies[kind][calendar != "gregorian"];
                        if (disputed)
                            ++tally.disputed;
                        else
                            tally.count(text, locale, date, kKindNames[kind], calendar.constData());
                    }
                }
            }
        }
    }
    out << "typed forms, ICU locales that Qt knows: " << shared.size() << ", with " << calendars
        << " calendars they count years in besides the Gregorian\n";
    Tally overall, gregorian, ownCalendars;
    for (int kind = 0; kind < kKinds; ++kind) {
        const Tally &inGregorian = tallies[kind][0], &inOwn = tallies[kind][1];
        Tally both = inGregorian;
        both += inOwn;
        both.print(("typed " + QByteArray(kKindNames[kind])).constData());
        overall += both;
        gregorian += inGregorian;
        ownCalendars += inOwn;
    }
    overall.print("typed forms overall");
    gregorian.print("typed forms in the Gregorian calendar");
    ownCalendars.print("typed forms in the calendars the locales count years in");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    verbose = app.arguments().contains(QStringLiteral("-v"));
    if (!app.arguments().contains(QStringLiteral("--typed-only"))) {
        measureQtForms();
        measureCldrForms();
    }
    measureTypedForms();
    return 0;
}
