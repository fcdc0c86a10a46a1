#include "datereader.h"

#include <QRegularExpression>

namespace {

constexpr int kLatestYear = 9999;
// A name cut short still names a month or a weekday from this many letters on ("Sept").
constexpr qsizetype kShortestCut = 3;

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
    bool ordinal = false; // a number written as an ordinal: 24th, 1er, 1º
};

// Splits a date into numbers, words (with the dot of an abbreviation such as "Dez.") and
// single separator characters; nullopt on any character that has no place in a date.
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
            if (i < text.size() && text[i] == u'.')
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

QStringView withoutFinalDot(QStringView word)
{
    return word.endsWith(u'.') ? word.chopped(1) : word;
}

bool sameWord(QStringView a, QStringView b)
{
    return withoutFinalDot(a).compare(withoutFinalDot(b), Qt::CaseInsensitive) == 0;
}

// The words of dates in the user's language and in English, which everybody's dates may use.
class DateWords
{
public:
    explicit DateWords(const QLocale &locale) : m_languages{locale, QLocale::c()} {}

    std::optional<int> month(QStringView word) const
    {
        return find(word, 12, [](const QLocale &names, int month, QLocale::FormatType format) {
            return QStringList{names.monthName(month, format),
                               names.standaloneMonthName(month, format)};
        });
    }

    std::optional<int> weekday(QStringView word) const
    {
        return find(word, 7, [](const QLocale &names, int day, QLocale::FormatType format) {
            return QStringList{names.dayName(day, format), names.standaloneDayName(day, format)};
        });
    }

    // Words that only join the parts of a date: "the 24th of December", "den 24.",
    // "le 24 décembre", "24 de diciembre de 2026".
    bool joins(QStringView word) const
    {
        for (const QLocale &names : m_languages) {
            for (const QString &joining : joiningWords(names.language())) {
                if (word.compare(joining, Qt::CaseInsensitive) == 0)
                    return true;
            }
        }
        return false;
    }

    // Whether `suffix` is an ordinal ending in these languages and, if so, whether it fits
    // the number `n`: 1st, 2nd, 3rd, 11th, 24th; 1er; 1º.
    std::optional<bool> ordinalFits(int n, QStringView suffix) const
    {
        std::optional<bool> fits;
        for (const QLocale &names : m_languages) {
            for (const auto &[ending, fitting] : ordinalEndings(names.language(), n)) {
                if (suffix.compare(ending, Qt::CaseInsensitive) == 0)
                    fits = fits.value_or(false) || fitting;
            }
        }
        return fits;
    }

private:
    static QStringList joiningWords(QLocale::Language language)
    {
        switch (language) {
        case QLocale::German:
            return {QStringLiteral("den"), QStringLiteral("am")};
        case QLocale::French:
            return {QStringLiteral("le")};
        case QLocale::Spanish:
            return {QStringLiteral("de"), QStringLiteral("del")};
        default:
            return {QStringLiteral("the"), QStringLiteral("of")};
        }
    }

    static QList<std::pair<QString, bool>> ordinalEndings(QLocale::Language language, int n)
    {
        switch (language) {
        case QLocale::German:
            return {}; // "24." is written with a dot, which parts the date anyway
        case QLocale::French:
            return {{QStringLiteral("er"), n == 1}};
        case QLocale::Spanish:
            return {{QStringLiteral("º"), n == 1}};
        default: {
            const int last = n % 100 >= 11 && n % 100 <= 13 ? 0 : n % 10;
            return {{QStringLiteral("st"), last == 1},
                    {QStringLiteral("nd"), last == 2},
                    {QStringLiteral("rd"), last == 3},
                    {QStringLiteral("th"), last == 0 || last > 3}};
        }
        }
    }

    // The number (from 1) of the name that `word` is: a full or short name, with or without
    // its final dot, or else one full name cut short after at least three letters ("jui" cuts
    // both juin and juillet: it names neither).
    template <typename Names>
    std::optional<int> find(QStringView word, int count, Names names) const
    {
        const QStringView cut = withoutFinalDot(word);
        std::optional<int> cutFrom;
        bool ambiguous = false;
        for (const QLocale &language : m_languages) {
            for (int n = 1; n <= count; ++n) {
                for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                    for (const QString &name : names(language, n, format)) {
                        if (sameWord(name, word))
                            return n;
                    }
                }
                const QString full = names(language, n, QLocale::LongFormat).first();
                if (cut.size() >= kShortestCut && full.startsWith(cut, Qt::CaseInsensitive)) {
                    ambiguous = ambiguous || (cutFrom && *cutFrom != n);
                    cutFrom = n;
                }
            }
        }
        return ambiguous ? std::nullopt : cutFrom;
    }

    QLocale m_languages[2];
};

std::optional<int> smallNumber(const Token &token)
{
    if (token.kind != Token::Number || token.text.size() > 2)
        return std::nullopt;
    return token.text.toInt();
}

// A year as written: in full, or as its last two digits, which name the year in the century
// from 50 years before today.
std::optional<int> fullYear(const Token &token, QDate today)
{
    if (token.kind != Token::Number || token.ordinal || token.text.size() > 4)
        return std::nullopt;
    const int year = token.text.toInt();
    if (token.text.size() > 2)
        return year;
    const int earliest = today.year() - 50;
    const int candidate = earliest - earliest % 100 + year;
    return candidate < earliest ? candidate + 100 : candidate;
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

// 12/12/2005, 12.12.05, 24. 12. 2026, 2005-12-12: three numbers parted by the same mark
// (blanks after it aside).
std::optional<QDate> numericDate(const QList<Token> &tokens, const DateContext &context)
{
    QList<Token> numbers;
    QStringList marks{QString()}; // before, between and after the numbers
    for (const Token &token : tokens) {
        if (token.kind != Token::Separator) {
            numbers.append(token);
            marks.append(QString());
        } else if (!token.text.front().isSpace()) {
            marks.last() += token.text;
        }
    }
    if (numbers.size() != 3 || marks != QStringList{QString(), marks[1], marks[1], QString()}
        || marks[1].size() != 1 || marks[1] == u",")
        return std::nullopt;
    const Token &a = numbers[0], &b = numbers[1], &c = numbers[2];
    if (a.kind != Token::Number || b.kind != Token::Number || c.kind != Token::Number || a.ordinal
        || b.ordinal)
        return std::nullopt;
    if (a.text.size() > 2) // a year written in full comes first only in year-month-day order
        return makeDate(fullYear(a, context.today), smallNumber(b), smallNumber(c));
    switch (numericOrder(context.locale)) {
    case NumericOrder::MonthDayYear:
        return makeDate(fullYear(c, context.today), smallNumber(a), smallNumber(b));
    case NumericOrder::DayMonthYear:
        return makeDate(fullYear(c, context.today), smallNumber(b), smallNumber(a));
    case NumericOrder::YearMonthDay:
        return makeDate(fullYear(a, context.today), smallNumber(b), smallNumber(c));
    }
    return std::nullopt;
}

// Dec 12, 2005; 24th December 2026; 2005-Dec-12.
std::optional<QDate> namedMonthDate(const QList<Token> &tokens, const DateContext &context,
                                    const DateWords &words)
{
    QList<Token> parts;
    for (const Token &token : tokens) {
        if (token.kind != Token::Separator)
            parts.append(token);
    }
    if (parts.size() != 3)
        return std::nullopt;
    if (parts[0].kind == Token::Word && parts[1].kind == Token::Number)
        return makeDate(fullYear(parts[2], context.today), words.month(parts[0].text),
                        smallNumber(parts[1]));
    if (parts[0].kind == Token::Number && parts[1].kind == Token::Word) {
        const auto month = words.month(parts[1].text);
        if (parts[0].text.size() > 2)
            return makeDate(fullYear(parts[0], context.today), month, smallNumber(parts[2]));
        return makeDate(fullYear(parts[2], context.today), month, smallNumber(parts[0]));
    }
    return std::nullopt;
}

std::optional<QDate> dateOf(const QList<Token> &tokens, const DateContext &context,
                            const DateWords &words)
{
    if (auto numeric = numericDate(tokens, context))
        return numeric;
    return namedMonthDate(tokens, context, words);
}

// Removes a valid time of day from the end of the text: "6:00 PM", "6 p. m.", ", 18:30",
// "T18:00:30.25Z", "T18:00+01:00". Returns nullopt when the text ends in something that
// looks like a time but is not one.
std::optional<QStringView> withoutTimeOfDay(QStringView text, const QLocale &locale)
{
    static const QRegularExpression clockTime(
        QStringLiteral(
            R"((?:^|\s*,\s*|\s+|(?<=\d)[Tt])(\d{1,2})(?::(\d{2})(?::(\d{2})(?:[.,]\d+)?)?)?)"
            R"(\s*(?:(Z|[+-]\d{2}(?::?\d{2})?)|(\p{L}\.?(?:\s?\p{L}\.?)*))?$)"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = clockTime.match(text);
    const bool minutes = match.hasCaptured(2), zone = match.hasCaptured(4),
               suffix = match.hasCaptured(5);
    if (!match.hasMatch() || (!minutes && !suffix))
        return text; // no time of day: "12 Dec 2005" ends in a plain number
    const int hour = match.capturedView(1).toInt();
    const int minute = minutes ? match.capturedView(2).toInt() : 0;
    const int second = match.hasCaptured(3) ? match.capturedView(3).toInt() : 0;
    if (suffix) {
        const auto blankless = [](QStringView word) { return word.toString().remove(u' '); };
        const QString said = blankless(match.capturedView(5));
        bool meridiem = false;
        for (const QString &word :
             {QStringLiteral("am"), QStringLiteral("pm"), QStringLiteral("a.m."),
              QStringLiteral("p.m."), blankless(locale.amText()), blankless(locale.pmText())})
            meridiem = meridiem || said.compare(word, Qt::CaseInsensitive) == 0;
        if (!meridiem)
            return minutes ? std::nullopt : std::optional(text); // "12 Dec": a day and a month
        if (hour > 12)
            return std::nullopt;
    }
    if (zone && (!minutes || match.capturedView(4).mid(1, 2).toInt() > 14))
        return std::nullopt;
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return text.first(match.capturedStart(0)).trimmed();
}

} // namespace

std::optional<QDate> readDate(QStringView text, const DateContext &context)
{
    const QString normal = text.trimmed().toString().normalized(QString::NormalizationForm_C);
    auto date = withoutTimeOfDay(normal, context.locale);
    if (!date)
        return std::nullopt;
    if (date->endsWith(u'.'))
        date = date->chopped(1).trimmed();
    auto tokens = tokenize(*date);
    if (!tokens || tokens->isEmpty())
        return std::nullopt;

    // An ordinal suffix joins its number; the words that only join the parts go.
    const DateWords words(context.locale);
    QList<Token> parts;
    for (const Token &token : std::as_const(*tokens)) {
        const bool suffix = token.kind == Token::Word && !parts.isEmpty()
                            && parts.last().kind == Token::Number
                            && parts.last().text.end() == token.text.begin();
        if (const auto fits =
                suffix ? words.ordinalFits(parts.last().text.toInt(), token.text) : std::nullopt) {
            if (!*fits)
                return std::nullopt; // "24st"
            parts.last().ordinal = true;
        } else if (token.kind != Token::Word || !words.joins(token.text)) {
            parts.append(token);
        }
    }
    if (parts.isEmpty())
        return std::nullopt;

    // A weekday in front must be the date's own: "Friday, December 24, 2026" is a mistake.
    // A word that may be a weekday or a month ("mar.") is a month where it must be one.
    if (parts.front().kind == Token::Word) {
        if (const auto weekday = words.weekday(parts.front().text)) {
            QList<Token> rest = parts.sliced(1);
            while (!rest.isEmpty() && rest.front().kind == Token::Separator)
                rest.removeFirst();
            if (const auto found = dateOf(rest, context, words))
                return found->dayOfWeek() == *weekday ? found : std::nullopt;
        }
    }
    return dateOf(parts, context, words);
}
