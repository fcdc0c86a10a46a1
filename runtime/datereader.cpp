#include "datereader.h"

#include <QRegularExpression>

#include <array>

namespace {

constexpr int kLatestYear = 9999;

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

struct Token
{
    enum Kind
    {
        Number,
        Word,
        Separator
    } kind;
    QStringView text;
};

// Splits a date into numbers, words and single separator characters; nullopt on any
// character that has no place in a date.
std::optional<QList<Token>> tokenize(QStringView text)
{
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        if (isAsciiDigit(text[i])) {
            while (i < text.size() && isAsciiDigit(text[i]))
                ++i;
            tokens.append({Token::Number, text.sliced(start, i - start)});
        } else if (text[i].isLetter()) {
            while (i < text.size() && text[i].isLetter())
                ++i;
            if (i < text.size() && text[i] == u'.') // abbreviations such as "Dez."
                ++i;
            tokens.append({Token::Word, text.sliced(start, i - start)});
        } else if (text[i].isSpace() || QStringView(u",/-.").contains(text[i])) {
            ++i;
            tokens.append({Token::Separator, text.sliced(start, 1)});
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

std::optional<int> smallNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    return digits.toInt();
}

std::optional<int> fullYear(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 4)
        return std::nullopt;
    const int year = digits.toInt();
    if (digits.size() <= 2)
        return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

QStringView withoutFinalDot(QStringView word)
{
    return word.endsWith(u'.') ? word.chopped(1) : word;
}

// Month names of the user's locale, full and short, and the English ones, which
// everybody's dates may use.
std::optional<int> monthFromName(QStringView word, const QLocale &locale)
{
    word = withoutFinalDot(word);
    for (const QLocale &names : {locale, QLocale::c()}) {
        for (int month = 1; month <= 12; ++month) {
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                for (const QString &name :
                     {names.monthName(month, format), names.standaloneMonthName(month, format)}) {
                    if (withoutFinalDot(name).compare(word, Qt::CaseInsensitive) == 0)
                        return month;
                }
            }
        }
    }
    return std::nullopt;
}

enum class NumericOrder
{
    MonthDayYear,
    DayMonthYear,
    YearMonthDay
};

// The order of the locale's own numeric dates. A locale whose short dates name the month
// (the C locale's "d MMM yyyy") has no numeric order of its own: it gets month first.
NumericOrder numericOrder(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    const qsizetype year = format.indexOf(u'y');
    if (month < 0 || format.indexOf(QStringLiteral("MMM")) >= 0)
        return NumericOrder::MonthDayYear;
    if (year >= 0 && year < month && year < day)
        return NumericOrder::YearMonthDay;
    if (day >= 0 && day < month)
        return NumericOrder::DayMonthYear;
    return NumericOrder::MonthDayYear;
}

std::optional<QDate> makeDate(std::optional<int> year, std::optional<int> month,
                              std::optional<int> day)
{
    if (!year || !month || !day || *year < 1 || *year > kLatestYear)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// 12/12/2005, 12.12.05, 2005-12-12: three numbers parted by one and the same character.
std::optional<QDate> numericDate(const QList<Token> &tokens, const QLocale &locale)
{
    if (tokens.size() != 5 || tokens[1].kind != Token::Separator || tokens[1].text != tokens[3].text
        || tokens[1].text.front().isSpace() || tokens[1].text == u",")
        return std::nullopt;
    const QStringView a = tokens[0].text, b = tokens[2].text, c = tokens[4].text;
    if (tokens[0].kind != Token::Number || tokens[2].kind != Token::Number
        || tokens[4].kind != Token::Number)
        return std::nullopt;
    if (a.size() > 2) // a year written in full comes first only in year-month-day order
        return makeDate(fullYear(a), smallNumber(b), smallNumber(c));
    switch (numericOrder(locale)) {
    case NumericOrder::MonthDayYear:
        return makeDate(fullYear(c), smallNumber(a), smallNumber(b));
    case NumericOrder::DayMonthYear:
        return makeDate(fullYear(c), smallNumber(b), smallNumber(a));
    case NumericOrder::YearMonthDay:
        return makeDate(fullYear(a), smallNumber(b), smallNumber(c));
    }
    return std::nullopt;
}

// Dec 12, 2005; 12 December 2005; 2005-Dec-12.
std::optional<QDate> namedMonthDate(const QList<Token> &tokens, const QLocale &locale)
{
    QList<Token> parts;
    for (const Token &token : tokens) {
        if (token.kind != Token::Separator)
            parts.append(token);
    }
    if (parts.size() != 3)
        return std::nullopt;
    if (parts[0].kind == Token::Word && parts[1].kind == Token::Number
        && parts[2].kind == Token::Number) {
        return makeDate(fullYear(parts[2].text), monthFromName(parts[0].text, locale),
                        smallNumber(parts[1].text));
    }
    if (parts[0].kind == Token::Number && parts[1].kind == Token::Word
        && parts[2].kind == Token::Number) {
        const auto month = monthFromName(parts[1].text, locale);
        if (parts[0].text.size() > 2)
            return makeDate(fullYear(parts[0].text), month, smallNumber(parts[2].text));
        return makeDate(fullYear(parts[2].text), month, smallNumber(parts[0].text));
    }
    return std::nullopt;
}

// Removes a valid time of day ("6:00 PM", "18:00:30", "6 pm") from the end of the text.
// Returns nullopt when the text ends in something that looks like a time but is not one.
std::optional<QStringView> withoutTimeOfDay(QStringView text, const QLocale &locale)
{
    static const QRegularExpression clockTime(
        QStringLiteral(R"((?:^|\s)(\d{1,2})(?::(\d{2})(?::(\d{2}))?)?\s*(\p{L}[\p{L}.]*)?$)"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = clockTime.match(text);
    if (!match.hasMatch() || (!match.hasCaptured(2) && !match.hasCaptured(4)))
        return text; // no time of day: "12 Dec 2005" ends in a plain number
    const int hour = match.capturedView(1).toInt();
    const int minute = match.hasCaptured(2) ? match.capturedView(2).toInt() : 0;
    const int second = match.hasCaptured(3) ? match.capturedView(3).toInt() : 0;
    if (match.hasCaptured(4)) {
        const QStringView suffix = match.capturedView(4);
        const auto is = [&](const QString &word) {
            return suffix.compare(word, Qt::CaseInsensitive) == 0;
        };
        const bool meridiem = is(QStringLiteral("am")) || is(QStringLiteral("pm"))
                              || is(QStringLiteral("a.m.")) || is(QStringLiteral("p.m."))
                              || is(locale.amText()) || is(locale.pmText());
        if (!meridiem) {
            if (!match.hasCaptured(2))
                return text; // "12 Dec" is a day and a month; only am/pm makes "6 pm" a time
            return std::nullopt;
        }
        if (hour > 12)
            return std::nullopt;
    } else if (hour > 23) {
        return std::nullopt;
    }
    if (minute > 59 || second > 59)
        return std::nullopt;
    return text.first(match.capturedStart(0)).trimmed();
}

} // namespace

std::optional<QDate> readDate(QStringView text, const QLocale &locale)
{
    const auto date = withoutTimeOfDay(text.trimmed(), locale);
    if (!date || date->isEmpty())
        return std::nullopt;
    const auto tokens = tokenize(*date);
    if (!tokens)
        return std::nullopt;
    if (auto numeric = numericDate(*tokens, locale))
        return numeric;
    return namedMonthDate(*tokens, locale);
}
