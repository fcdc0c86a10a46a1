#include "typing.h"

#include "datereader/datereader.h"
#include "datereader/words.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>

#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/numsys.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>

QString icuText(const icu::UnicodeString &pattern, const icu::Locale &where, QDate date)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(pattern, where, status);
    format.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString text;
    format.format((double(date.toJulianDay() - 2440588) + 0.5) * U_MILLIS_PER_DAY, text);
    return fromIcu(text);
}

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

Text codePoints(const QString &text)
{
    const QList<uint> points = text.toUcs4();
    return Text(points.begin(), points.end());
}

namespace {

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

} // namespace

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

NumericOrder numericOrder(const QLocale &locale)
{
    const QString format = numericDateFormat(locale);
    const qsizetype day = format.indexOf(u'd'), month = format.indexOf(u'M'),
                    year = format.indexOf(u'y');
    if (year >= 0 && year < month && year < day)
        return NumericOrder::YearMonthDay;
    return day >= 0 && day < month ? NumericOrder::DayMonthYear : NumericOrder::MonthDayYear;
}

namespace {

// The order of year, month and day of a pattern in ICU's letters or Qt's ("dMy"), and the marks
// between its fields, outside quotes.
std::pair<QString, QString> orderAndMarks(const QString &pattern)
{
    QString order, marks;
    bool quoted = false;
    for (const QChar c : pattern) {
        quoted = c == u'\'' ? !quoted : quoted;
        const QChar letter = c == u'L' ? QChar(u'M') : c == u'Y' || c == u'u' ? QChar(u'y') : c;
        if (!quoted && QStringView(u"yMd").contains(letter)) {
            if (!order.contains(letter))
                order += letter;
        } else if (order.size() > 0 && order.size() < 3 && !c.isSpace() && c != u'\'') {
            marks += c;
        }
    }
    return {order, marks};
}

// The same of a strftime format: "%d/%m-%Y" is "dMy" and "/-".
std::pair<QString, QString> orderAndMarksOf(const char *format)
{
    QString pattern;
    for (const char *c = format; *c; ++c) {
        if (*c != '%') {
            pattern += QLatin1Char(*c);
            continue;
        }
        while (c[1] && std::strchr("-_0^#EO", c[1]))
            ++c;
        ++c;
        pattern += *c == 'd' || *c == 'e'   ? u"d"
                   : *c == 'm'              ? u"M"
                   : *c == 'y' || *c == 'Y' ? u"y"
                                            : u"'?'";
    }
    return orderAndMarks(pattern);
}

} // namespace

bool orderDisputed(const QString &pattern, const QLocale &locale, const QString &typed)
{
    if (fieldOf(pattern, u"ML").size() >= 3)
        return false;
    const auto [order, patternMarks] = orderAndMarks(pattern);
    QString marks = patternMarks;
    if (!typed.isEmpty()) { // the marks as typed, between the figures
        marks.clear();
        for (qsizetype i = 0; i < typed.size(); ++i) {
            const bool between = i > 0 && typed[i - 1].isDigit() != typed[i].isDigit();
            if (!typed[i].isDigit() && !typed[i].isSpace() && !typed[i].isMark()
                && (between || !marks.isEmpty()))
                marks += typed[i];
        }
    }
    const auto qt = orderAndMarks(numericDateFormat(locale));
    QList<std::pair<QString, QString>> own{qt};
    if (const locale_t system =
            newlocale(LC_TIME_MASK, systemLocaleName(locale).constData(), locale_t(0))) {
        own << orderAndMarksOf(nl_langinfo_l(D_FMT, system));
        freelocale(system);
    }
    for (const auto style : {icu::DateFormat::kShort, icu::DateFormat::kMedium}) {
        const std::unique_ptr<icu::DateFormat> format(
            icu::DateFormat::createDateInstance(style, icuLocale(locale)));
        icu::UnicodeString written;
        if (const auto *simple = dynamic_cast<const icu::SimpleDateFormat *>(format.get()))
            own << orderAndMarks(fromIcu(simple->toPattern(written)));
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icuLocale(locale), status));
    for (const char *skeleton : {"yMd", "yMMdd"}) {
        if (U_SUCCESS(status))
            own << orderAndMarks(fromIcu(
                generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status)));
    }
    bool parted = false; // as one of the locale's own forms parts its figures
    for (const auto &[ownOrder, ownMarks] : own) {
        if (ownOrder.size() != 3)
            continue;
        parted = parted || ownMarks == marks;
        // Another form with these marks, or with the year in the same place, in another order.
        if (ownOrder != order
            && (ownMarks == marks || ownOrder.indexOf(u'y') == order.indexOf(u'y')))
            return true;
    }
    return !parted && qt.first != order;
}
