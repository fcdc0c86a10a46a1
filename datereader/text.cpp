#include "text.h"

#include "datereader/icubridge.h"

#include <unicode/rbnf.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <memory>

namespace {

// The value of a Han numeral, 〇 to 九 and 十, 百, 千; -1 for any other character.
int hanNumeral(char32_t c)
{
    UErrorCode status = U_ZERO_ERROR;
    if (uscript_getScript(UChar32(c), &status) != USCRIPT_HAN)
        return -1;
    const double value = u_getNumericValue(UChar32(c));
    const bool digit = value >= 0 && value <= 9 && value == int(value);
    return digit || value == 10 || value == 100 || value == 1000 ? int(value) : -1;
}

// A run of Han numerals as a number: figure by figure where each is one ("二〇六三"), else as the
// language spells numbers out ("二十四"), which ICU reads; -1 where it cannot.
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
    const icu::RuleBasedNumberFormat numbers(icu::URBNF_SPELLOUT, spelt, status);
    const icu::UnicodeString input =
        toIcu(QString::fromUcs4(reinterpret_cast<const char32_t *>(run.data()), run.size()));
    icu::Formattable value;
    icu::ParsePosition position(0);
    numbers.parse(input, value, position);
    if (U_FAILURE(status) || position.getIndex() != input.length())
        return -1;
    return value.getInt64(status);
}

// The text with each number in Han numerals as ASCII figures: "二〇六三年四月九日" is
// "2063年4月9日". A weekday's name in the locale's language keeps its numeral ("星期一").
QString withHanNumeralsAsFigures(const QString &text, const QLocale &locale)
{
    const QList<uint> points = text.toUcs4();
    QList<bool> named(points.size());
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (int day = 1; day <= 7; ++day) {
            const QList<uint> name = locale.dayName(day, format).toUcs4();
            for (qsizetype at = 0; !name.isEmpty() && at + name.size() <= points.size(); ++at) {
                if (points.sliced(at, name.size()) == name)
                    std::fill(named.begin() + at, named.begin() + at + name.size(), true);
            }
        }
    }
    QString result;
    for (qsizetype at = 0; at < points.size();) {
        qsizetype end = at;
        while (end < points.size() && !named[end] && hanNumeral(points[end]) >= 0)
            ++end;
        const qint64 value = end > at ? hanNumber(points.sliced(at, end - at), locale) : -1;
        if (value >= 0)
            result += QString::number(value);
        else
            end = at + 1,
            result += QString::fromUcs4(reinterpret_cast<const char32_t *>(&points[at]), 1);
        at = end;
    }
    return result;
}

// The marks that only set the direction of right-to-left text: "٢٤\u200F/١٢\u200F/٢٠٢٦".
bool setsDirection(char32_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

bool inWord(char32_t c)
{
    // The joiners that shape Persian and Indic words belong to them: "سه‌شنبه"; so does the
    // separator before a Mongolian word's last vowel: "ᠰᠠᠷ᠎ᠠ".
    return QChar::isLetter(c) || QChar::isMark(c) || c == 0x200C || c == 0x200D || c == 0x180E;
}

bool isApostrophe(char32_t c) { return c == u'\'' || c == 0x2019 || c == 0x02BC; }

} // namespace

QStringList typedForms(QStringView text, const QLocale &locale)
{
    QStringList forms{text.trimmed().toString().normalized(QString::NormalizationForm_C)};
    forms << forms.front().normalized(QString::NormalizationForm_KC);
    const QList<uint> points = forms.back().toUcs4();
    if (std::any_of(points.begin(), points.end(), [](uint c) { return hanNumeral(c) >= 0; }))
        forms << withHanNumeralsAsFigures(forms.back(), locale);
    forms.removeDuplicates();
    return forms;
}

QList<Token> tokenize(QStringView text)
{
    // The code points, and where each begins in the text (one past the end last).
    QList<uint> c = text.toUcs4();
    QList<qsizetype> at{0};
    for (const uint point : c)
        at.append(at.back() + (QChar::requiresSurrogates(point) ? 2 : 1));
    c.append(0);
    const auto digit = [&](qsizetype i) {
        return QChar::category(c[i]) == QChar::Number_DecimalDigit;
    };
    QList<Token> tokens;
    bool blank = false;
    for (qsizetype i = 0; i + 1 < c.size();) {
        Token token;
        token.blankBefore = blank;
        const bool space = QChar::isSpace(c[i]) || c[i] == 0x200B; // and the zero-width one
        if (space || setsDirection(c[i])) {
            blank = blank || space;
            ++i;
            continue;
        }
        blank = false;
        const qsizetype begin = i;
        if (digit(i)) {
            const uint zero = c[i] - QChar::digitValue(c[i]);
            token.kind = Token::Number;
            for (; digit(i); ++i) {
                if (c[i] - QChar::digitValue(c[i]) != zero)
                    return {}; // figures of two scripts in one number
                token.text += QChar(u'0' + QChar::digitValue(c[i]));
            }
            token.digits = token.text.size();
            token.value = token.digits > 9 ? -1 : token.text.toInt();
        } else if (inWord(c[i])) {
            token.kind = Token::Word;
            while (inWord(c[i]) || ((isApostrophe(c[i]) || c[i] == u'.') && inWord(c[i + 1])))
                ++i;
            i += c[i] == u'.'; // the dot of an abbreviation
            token.text = text.sliced(at[begin], at[i] - at[begin]).toString();
        } else {
            token.text = QString::fromUcs4(reinterpret_cast<const char32_t *>(&c[i++]), 1);
        }
        token.key = token.kind == Token::Word ? wordKey(token.text) : token.text;
        token.loose = token.kind == Token::Word ? looseKey(token.text) : token.text;
        token.begin = at[begin];
        token.end = at[i];
        tokens.append(token);
    }
    return tokens;
}

QString wordKey(QStringView word)
{
    return (word.endsWith(u'.') ? word.chopped(1) : word).toString().toCaseFolded();
}

QString looseKey(QStringView word)
{
    // Folded again once decomposed: Turkish "İ" has no simple folding of its own, but its "I"
    // has ("EKİM" is "ekim").
    const QString decomposed =
        wordKey(word).normalized(QString::NormalizationForm_D).toCaseFolded();
    QString folded;
    bool accented = false; // the letter before is one whose accents are set aside
    for (const QChar c : decomposed) {
        if ((c.isMark() && accented) || c == QChar(0x200C) || c == QChar(0x200D)
            || c == QChar(0x0640) || (c >= QChar(0x180B) && c <= QChar(0x180F)))
            continue; // accents, the joiners people type or leave out ("یک‌شنبه"), the
                      // Arabic stretch, Mongolian's vowel separator and variation selectors
        const QChar::Script script = c.script();
        accented = c.isLetter()
                   && (script == QChar::Script_Latin || script == QChar::Script_Greek
                       || script == QChar::Script_Cyrillic);
        folded += c == u'ı' ? QChar(u'i') : c;
    }
    return folded.normalized(QString::NormalizationForm_C);
}
