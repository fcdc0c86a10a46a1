#include "typedtext.h"

#include "datereader/icubridge.h"
#include "datereader/localecache.h"

#include <unicode/coll.h>
#include <unicode/rbnf.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <memory>

namespace {

// Making a collator takes ICU a moment, and the program compares words of one language or a few.
std::shared_ptr<const icu::Collator> collatorFor(const QLocale &locale)
{
    static LocaleCache<icu::Collator> kept(8);
    return kept.get(locale, {}, [&]() -> std::shared_ptr<const icu::Collator> {
        UErrorCode status = U_ZERO_ERROR;
        std::shared_ptr<icu::Collator> made(
            icu::Collator::createInstance(icuLocale(locale), status));
        if (U_FAILURE(status) || !made)
            return nullptr;
        made->setStrength(icu::Collator::PRIMARY);
        return made;
    });
}

// The value of a Han numeral, 〇 to 九 and 十, 百, 千; -1 for any other character.
int hanNumeral(char32_t c)
{
    UErrorCode status = U_ZERO_ERROR;
    if (uscript_getScript(UChar32(c), &status) != USCRIPT_HAN)
        return -1;
    const double value = u_getNumericValue(UChar32(c));
    return value == 10 || value == 100 || value == 1000
                   || (value >= 0 && value <= 9 && value == int(value))
               ? int(value)
               : -1;
}

// A run of Han numerals as a number: figure by figure where each is one ("二〇六三"), else as the
// language spells numbers out ("二十四"); -1 where ICU cannot read the run as a whole.
qint64 hanNumber(const QList<uint> &run, const QLocale &locale)
{
    if (std::all_of(run.begin(), run.end(), [](uint c) { return hanNumeral(c) < 10; })) {
        qint64 value = 0;
        for (const uint c : run)
            value = value * 10 + hanNumeral(c);
        return value;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale spelt(locale.language() == QLocale::Japanese ? "ja" : "zh");
    icu::RuleBasedNumberFormat numbers(icu::URBNF_SPELLOUT, spelt, status);
    const QString text =
        QString::fromUcs4(reinterpret_cast<const char32_t *>(run.data()), run.size());
    const icu::UnicodeString input = toIcu(text);
    icu::Formattable value;
    icu::ParsePosition position(0);
    numbers.parse(input, value, position);
    if (U_FAILURE(status) || position.getIndex() != input.length())
        return -1;
    return value.getInt64(status);
}

} // namespace

bool sameLetters(QStringView a, QStringView b, const QLocale &locale)
{
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    const std::shared_ptr<const icu::Collator> collator = collatorFor(locale);
    UErrorCode status = U_ZERO_ERROR;
    return collator && collator->compare(toIcu(a), toIcu(b), status) == UCOL_EQUAL;
}

bool startsWithLetters(QStringView text, QStringView start, const QLocale &locale)
{
    return start.size() <= text.size() && sameLetters(text.first(start.size()), start, locale);
}

QString withHanNumeralsAsFigures(const QString &text, const QLocale &locale)
{
    const QList<uint> points = text.toUcs4();
    if (std::none_of(points.begin(), points.end(), [](uint c) { return hanNumeral(c) >= 0; }))
        return text;
    QList<bool> weekday(points.size());
    // Not the narrow names, which are the numerals alone ("一").
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (int day = 1; day <= 7; ++day) {
            const QList<uint> name = locale.dayName(day, format).toUcs4();
            for (qsizetype at = 0; !name.isEmpty() && at + name.size() <= points.size(); ++at) {
                if (points.sliced(at, name.size()) == name)
                    std::fill(weekday.begin() + at, weekday.begin() + at + name.size(), true);
            }
        }
    }
    QString result;
    for (qsizetype at = 0; at < points.size();) {
        qsizetype end = at;
        while (end < points.size() && !weekday[end] && hanNumeral(points[end]) >= 0)
            ++end;
        const qint64 value = end > at ? hanNumber(points.sliced(at, end - at), locale) : -1;
        if (value >= 0) {
            result += QString::number(value);
            at = end;
        } else {
            result += QString::fromUcs4(reinterpret_cast<const char32_t *>(&points[at]), 1);
            ++at;
        }
    }
    return result;
}
