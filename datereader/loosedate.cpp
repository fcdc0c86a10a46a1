#include "loosedate.h"

#include "datereader/typedtext.h"

#include <QRegularExpression>

namespace {

// A name cut short still names a month or a weekday from this many letters on ("Sept").
constexpr qsizetype kShortestCut = 3;

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

struct Token
{
    enum Kind
    {
        Number,
        Word,
        Separator,
        // A sign with a place only inside a name: "سه‌شنبه", "יום ג׳".
        Other
    } kind;
    QStringView text;
    bool ordinal = false; // a number written as an ordinal: 24th, 1er, 1º
};

// How many UTF-16 units the letter (with the marks that follow it: "गु") at `i` takes; 0 when
// there is none. Letters outside the Basic Multilingual Plane take two.
qsizetype letterAt(QStringView text, qsizetype i)
{
    const auto codePointAt = [&](qsizetype at) -> std::pair<char32_t, qsizetype> {
        if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            return {QChar::surrogateToUcs4(text[at], text[at + 1]), 2};
        return {text[at].unicode(), 1};
    };
    auto [c, size] = codePointAt(i);
    if (!QChar::isLetter(c))
        return 0;
    for (qsizetype at = i + size; at < text.size();) {
        const auto [mark, width] = codePointAt(at);
        if (!QChar::isMark(mark))
            break;
        at += width;
        size += width;
    }
    return size;
}

// Splits a date into numbers, words (with the dot of an abbreviation such as "Dez."), single
// separator characters and single other characters.
QList<Token> tokenize(QStringView text)
{
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        if (isAsciiDigit(text[i])) {
            while (i < text.size() && isAsciiDigit(text[i]))
                ++i;
            tokens.append({Token::Number, text.sliced(start, i - start)});
        } else if (letterAt(text, i) > 0) {
            // An apostrophe between letters belongs to the word: "Ang’wen", "d’abril".
            const auto apostrophe = [&](qsizetype at) {
                return at + 1 < text.size() && (text[at] == u'\u2019' || text[at] == u'\'')
                       && letterAt(text, at + 1) > 0;
            };
            while (i < text.size()) {
                if (const qsizetype letter = letterAt(text, i))
                    i += letter;
                else if (apostrophe(i))
                    ++i;
                else
                    break;
            }
            if (i < text.size() && text[i] == u'.')
                ++i;
            tokens.append({Token::Word, text.sliced(start, i - start)});
        } else if (text[i].isSpace() || QStringView(u",/-.").contains(text[i])) {
            ++i;
            tokens.append({Token::Separator, text.sliced(start, 1)});
        } else {
            ++i;
            tokens.append({Token::Other, text.sliced(start, 1)});
        }
    }
    return tokens;
}

// The text with the locale's own digits as ASCII digits, the commas of other scripts as
// commas, and without the marks that only set the direction of right-to-left text
// ("٢٤\u200F/١٢\u200F/٢٠٢٦" is 24/12/2026).
QString withAsciiDigits(QStringView text, const DateTerms &terms)
{
    QList<char32_t> zeros = terms.zeros;
    zeros.prepend(terms.locale.zeroDigit().toUcs4().value(0, U'0'));
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const auto zero = std::find_if(zeros.cbegin(), zeros.cend(),
                                       [c](char32_t z) { return c >= z && c <= z + 9; });
        if (zero != zeros.cend())
            result += QChar(u'0' + (c - *zero));
        else if (c == 0x060C || c == 0x2E41 || c == 0x3001 || c == 0xFF0C
                 || c == 0x104A) // ، ⹁ 、 ， ၊
            result += u',';
        else if (c != 0x200E && c != 0x200F && c != 0x061C)
            result += QStringView(QChar::fromUcs4(c));
    }
    return result;
}

QStringView withoutFinalDot(QStringView word)
{
    return word.endsWith(u'.') ? word.chopped(1) : word;
}

// The same letters, in any case, and where the terms fold letters with or without accents.
bool sameLetters(QStringView a, QStringView b, const DateTerms &terms)
{
    return terms.foldLetters ? sameLetters(a, b, terms.locale)
                             : a.compare(b, Qt::CaseInsensitive) == 0;
}

bool startsWithLetters(QStringView text, QStringView start, const DateTerms &terms)
{
    return terms.foldLetters ? startsWithLetters(text, start, terms.locale)
                             : text.startsWith(start, Qt::CaseInsensitive);
}

// The same word, with or without its final dot.
bool sameWord(QStringView a, QStringView b, const DateTerms &terms)
{
    return sameLetters(withoutFinalDot(a), withoutFinalDot(b), terms);
}

// The words of dates in the user's language and in English, which everybody's dates may use.
class DateWords
{
public:
    explicit DateWords(const DateTerms &terms) : m_terms(terms)
    {
        for (const DateTerms::Names &names : terms.languages) {
            for (const QList<QStringList> *kind : {&names.months, &names.weekdays}) {
                for (const QStringList &forms : *kind)
                    m_spacedNames << forms;
            }
        }
        // Names that are several tokens: "quinta-feira", "سه‌شنبه", "ก.พ.".
        m_spacedNames.removeIf([](const QString &name) {
            return std::all_of(name.begin(), name.end() - (name.endsWith(u'.') ? 1 : 0),
                               [](QChar c) { return c.isLetter() || c.isMark(); });
        });
        std::sort(m_spacedNames.begin(), m_spacedNames.end(),
                  [](const QString &a, const QString &b) { return a.size() > b.size(); });
    }

    std::optional<int> month(QStringView word) const
    {
        return find(word, &DateTerms::Names::months);
    }
    std::optional<int> weekday(QStringView word) const
    {
        return find(word, &DateTerms::Names::weekdays);
    }

    // Words that only join the parts of a date: "the 24th of December", "den 24.",
    // "le 24 décembre", "24 de diciembre de 2026".
    // The locale's own literal words count too: "'de'", "'den'", "'г'." in its formats.
    bool joins(QStringView word) const
    {
        for (const DateTerms::Names &names : m_terms.languages) {
            for (const QString &joining : joiningWords(names.language)) {
                if (sameLetters(word, joining, m_terms))
                    return true;
            }
        }
        return std::any_of(
            m_terms.literals.begin(), m_terms.literals.end(),
            [&](const QString &literal) { return sameWord(word, literal, m_terms); });
    }

    // The words that stand around a date in everyday writing, apart from its numbers: "1996
    // года", "ngày 23". Not the start of a month's or weekday's name, which is read as one or
    // is a slip (Swedish "mån" is short for a month and for Monday, Japanese "日" is a day and
    // Sunday, German "M." a month and Montag), and a single letter only with its dot or at the
    // end, whose dot goes with the date's final dot ("r."): one letter alone elsewhere is too
    // likely a slip.
    bool standsAround(QStringView word, bool last) const
    {
        const QStringView bare = withoutFinalDot(word);
        if (bare.size() < 2 && !word.endsWith(u'.') && !last)
            return false;
        for (const DateTerms::Names &names : m_terms.languages) {
            for (const QList<QStringList> *kind : {&names.months, &names.weekdays}) {
                for (const QStringList &forms : *kind) {
                    if (std::any_of(forms.begin(), forms.end(), [&](const QString &name) {
                            return startsWithLetters(name, bare, m_terms);
                        }))
                        return false;
                }
            }
        }
        return std::any_of(m_terms.around.begin(), m_terms.around.end(),
                           [&](const QString &around) { return sameWord(word, around, m_terms); });
    }

    // Whether `suffix` is an ordinal ending in these languages and, if so, whether it fits
    // the number `n`: 1st, 2nd, 3rd, 11th, 24th; 1er; 1º.
    std::optional<bool> ordinalFits(int n, QStringView suffix) const
    {
        std::optional<bool> fits;
        for (const DateTerms::Names &names : m_terms.languages) {
            for (const auto &[ending, fitting] : ordinalEndings(names.language, n)) {
                if (sameLetters(suffix, ending, m_terms))
                    fits = fits.value_or(false) || fitting;
            }
        }
        return fits;
    }

    // The length of the longest month or weekday name that holds blanks or hyphens
    // ("quinta-feira", "Lapa le tomon", "tháng 12") and begins the text as a whole word; 0 when
    // none does. A name that ends in a digit takes no digit after it: "tháng 1" is not the
    // start of "tháng 13".
    qsizetype spacedNameAt(QStringView text) const
    {
        for (const QString &name : m_spacedNames) {
            const auto endsHere = [&](QChar last, QChar next) {
                return isAsciiDigit(last) ? !isAsciiDigit(next)
                                          : letterAt(text, name.size()) == 0 && !next.isMark();
            };
            const bool whole =
                name.size() == text.size()
                || (name.size() < text.size() && endsHere(name.back(), text[name.size()]));
            if (whole && startsWithLetters(text, name, m_terms))
                return name.size();
        }
        return 0;
    }

private:
    // Words that only join the parts of dates as people type them, which no locale's forms
    // hold, so that no library has them: "Donnerstag, den 24.", "le 24 décembre", "the 24th of
    // December".
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
    // both juin and juillet: it names neither). The user's language comes first.
    std::optional<int> find(QStringView word, QList<QStringList> DateTerms::Names::*kind) const
    {
        const QStringView cut = withoutFinalDot(word);
        // As written first, case aside; then without accents, where that leaves one name only
        // (Jola-Fonyi's "Sú" and "Su" are two months); then cut short.
        for (const DateTerms::Names &names : m_terms.languages) {
            const QList<QStringList> &all = names.*kind;
            for (int n = 1; n <= all.size(); ++n) {
                for (const QString &name : all[n - 1]) {
                    if (withoutFinalDot(name).compare(cut, Qt::CaseInsensitive) == 0)
                        return n;
                }
            }
        }
        std::optional<int> found, cutFrom;
        bool ambiguous = false, ambiguousCut = false;
        for (const DateTerms::Names &names : m_terms.languages) {
            const QList<QStringList> &all = names.*kind;
            for (int n = 1; n <= all.size(); ++n) {
                for (const QString &name : all[n - 1]) {
                    if (sameWord(name, word, m_terms)) {
                        ambiguous = ambiguous || (found && *found != n);
                        found = n;
                    }
                }
                const QString full = all[n - 1].value(0);
                if (cut.size() >= kShortestCut && startsWithLetters(full, cut, m_terms)) {
                    ambiguousCut = ambiguousCut || (cutFrom && *cutFrom != n);
                    cutFrom = n;
                }
            }
        }
        if (found)
            return ambiguous ? std::nullopt : found;
        return ambiguousCut ? std::nullopt : cutFrom;
    }

    const DateTerms &m_terms;
    QStringList m_spacedNames; // longest first
};

std::optional<int> smallNumber(const Token &token)
{
    if (token.kind != Token::Number || token.text.size() > 2)
        return std::nullopt;
    return token.text.toInt();
}

// The day of a year, month and day as the tokens write them.
std::optional<QDate> dayOf(const Token &year, std::optional<int> month, const Token &day,
                           const DateTerms &terms)
{
    const std::optional<int> dayNumber = smallNumber(day);
    if (year.kind != Token::Number || year.ordinal || !month || !dayNumber)
        return std::nullopt;
    return terms.dayOf(year.text, *month, *dayNumber);
}

// 12/12/2005, 12.12.05, 24. 12. 2026, 12 12 2005, 2005-12-12: three numbers parted by the same
// mark (blanks after it aside), or by blanks alone.
std::optional<QDate> numericDate(const QList<Token> &tokens, const DateTerms &terms)
{
    QList<Token> numbers;
    QStringList marks{QString()}; // before, between and after the numbers
    bool lineBreak = false;
    for (const Token &token : tokens) {
        if (token.kind != Token::Separator) {
            numbers.append(token);
            marks.append(QString());
        } else if (!token.text.front().isSpace()) {
            marks.last() += token.text;
        } else {
            lineBreak = lineBreak || token.text.front() == u'\n' || token.text.front() == u'\r';
        }
    }
    if (numbers.size() != 3 || marks != QStringList{QString(), marks[1], marks[1], QString()}
        || marks[1].size() > 1 || marks[1] == u"," || (marks[1].isEmpty() && lineBreak))
        return std::nullopt;
    const Token &a = numbers[0], &b = numbers[1], &c = numbers[2];
    if (a.kind != Token::Number || b.kind != Token::Number || c.kind != Token::Number || a.ordinal
        || b.ordinal)
        return std::nullopt;
    const auto number = [](const Token &token) { return smallNumber(token); };
    if (a.text.size() > 2) // a year written in full comes first only in year-month-day order
        return dayOf(a, number(b), c, terms);
    switch (terms.numericOrder) {
    case NumericOrder::MonthDayYear:
        return dayOf(c, number(a), b, terms);
    case NumericOrder::DayMonthYear:
        return dayOf(c, number(b), a, terms);
    case NumericOrder::YearMonthDay:
        // A year in full at the end, where the locale puts it first, leaves the order of day and
        // month open: only the same number twice reads the same either way ("12/12/2005").
        if (c.text.size() == 4)
            return a.text.toInt() == b.text.toInt() ? dayOf(c, number(a), b, terms) : std::nullopt;
        return dayOf(a, number(b), c, terms);
    }
    return std::nullopt;
}

// Dec 12, 2005; 24th December 2026; 2005-Dec-12; 26. dec. 24. where the year comes first.
std::optional<QDate> namedMonthDate(const QList<Token> &tokens, const DateTerms &terms,
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
        return dayOf(parts[2], words.month(parts[0].text), parts[1], terms);
    // The year in full, the day and the month's name: Latvian "2080. g. 29. janv.".
    if (parts[0].kind == Token::Number && parts[0].text.size() > 2 && parts[1].kind == Token::Number
        && parts[2].kind == Token::Word)
        return dayOf(parts[0], words.month(parts[2].text), parts[1], terms);
    if (parts[0].kind != Token::Number || parts[1].kind != Token::Word)
        return std::nullopt;
    const std::optional<int> month = words.month(parts[1].text);
    const Token &first = parts[0], &last = parts[2];
    // A year written in full says which number it is; two numbers of one or two figures are in
    // the locale's order, or the other one where only that reads them ("12 dec. 85").
    if (first.text.size() > 2)
        return dayOf(first, month, last, terms);
    const std::optional<QDate> dayFirst = dayOf(last, month, first, terms);
    if (last.text.size() > 2)
        return dayFirst;
    const std::optional<QDate> yearFirst = dayOf(first, month, last, terms);
    switch (terms.namedOrder()) {
    case NamedOrder::DayMonthYear:
        return dayFirst ? dayFirst : yearFirst;
    case NamedOrder::YearMonthDay:
        return yearFirst ? yearFirst : dayFirst;
    case NamedOrder::Undecided:
        break;
    }
    if (dayFirst && yearFirst && *dayFirst != *yearFirst)
        return std::nullopt;
    return dayFirst ? dayFirst : yearFirst;
}

// ISO 8601's basic form, "20351205", where no other order of the eight figures makes a day
// ("20121212" may as well be 20 December 1212), and within a century of today: eight figures
// far from it are more likely a number than a trip.
std::optional<QDate> basicDate(const Token &token, const DateTerms &terms)
{
    const QStringView figures = token.text;
    const auto day = [&](qsizetype year, qsizetype month, qsizetype day) {
        return terms.dayOf(figures.sliced(year, 4), figures.sliced(month, 2).toInt(),
                           figures.sliced(day, 2).toInt());
    };
    if (day(4, 2, 0) || day(4, 0, 2))
        return std::nullopt;
    const std::optional<QDate> found = day(0, 4, 6);
    if (found && terms.today.isValid() && !withinACentury(*found, terms.today))
        return std::nullopt;
    return found;
}

std::optional<QDate> dateOf(const QList<Token> &tokens, const DateTerms &terms,
                            const DateWords &words)
{
    if (tokens.size() == 1 && tokens[0].kind == Token::Number && tokens[0].text.size() == 8)
        return basicDate(tokens[0], terms);
    if (auto numeric = numericDate(tokens, terms))
        return numeric;
    return namedMonthDate(tokens, terms, words);
}

// The weekday named at the start (or end) of the date's parts, and the parts without it and
// the separators between it and the date.
std::pair<std::optional<int>, QList<Token>> withoutWeekday(QList<Token> parts, bool atEnd,
                                                           const DateWords &words)
{
    const Token &named = atEnd ? parts.back() : parts.front();
    // Only a word is compared with the names: a collator for a date in figures would cost its
    // memory at every start.
    const std::optional<int> weekday =
        named.kind == Token::Word ? words.weekday(named.text) : std::nullopt;
    if (!weekday)
        return {};
    if (atEnd) {
        do
            parts.removeLast();
        while (!parts.isEmpty() && parts.back().kind == Token::Separator);
    } else {
        do
            parts.removeFirst();
        while (!parts.isEmpty() && parts.front().kind == Token::Separator);
    }
    return {weekday, parts};
}

// Removes a valid time of day from the end of the text: "6:00 PM", "6 p. m.", ", 18:30",
// "T18:00:30.25Z", "T18:00+01:00". Returns nullopt when the text ends in something that
// looks like a time but is not one.
std::optional<QStringView> withoutClockTime(QStringView text, const QLocale &locale)
{
    static const QRegularExpression clockTime(
        QStringLiteral(
            R"((?:^|\s*,\s*|\s+|(?<=\d)[Tt])(\d{1,2})(?::(\d{2})(?::(\d{2})(?:[.,]\d+)?)?)?)"
            R"(\s*(?:(Z|[+-]\d{2}(?::?\d{2})?)|(\p{L}\.?(?:\s?\p{L}\.?)*))?$)"),
        QRegularExpression::UseUnicodePropertiesOption);
    // Matched on a copy: Qt 6.8 names the view's overload matchView, which Qt 6.4 lacks.
    const QRegularExpressionMatch match = clockTime.match(text.toString());
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

// The same, also where the time is written with the locale's own words, which the text is
// rewritten without into `rewritten`: "24.12.2026, 18:00 Uhr", "24 décembre 2026 à 18h00",
// "um 18 Uhr", "Dec 24, 2026 at 6:00 PM". The words are looked up only where a text may hold
// them, which a date in figures read at every start does not.
std::optional<QStringView> withoutTimeOfDay(QStringView text, const DateTerms &terms,
                                            QString &rewritten)
{
    std::optional<QStringView> date = withoutClockTime(text, terms.locale);
    static const QRegularExpression wordsAround(QStringLiteral(R"(\d\s*\p{L}+\.?(?:\s*\d{2})?$)"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    const bool timed = date && date->size() < text.size();
    if (!terms.timeWords
        || (timed ? date->isEmpty() || !date->back().isLetter()
                  : !wordsAround.match(text.toString()).hasMatch()))
        return date;
    const QStringList words = terms.timeWords();
    if (!timed) {
        rewritten = text.toString();
        const auto replace = [&](const char *pattern, const char *by) {
            for (const QString &word : words)
                rewritten.replace(QRegularExpression(QString::fromLatin1(pattern).arg(
                                                         QRegularExpression::escape(word)),
                                                     QRegularExpression::CaseInsensitiveOption),
                                  QString::fromLatin1(by));
        };
        replace(R"((\d{1,2})\s*%1\s*(\d{2})$)", "\\1:\\2"); // 18h00, 18 h 00
        replace(R"((\d{1,2})\s*%1\.?$)", "\\1:00");         // 18 Uhr, 18 h
        const std::optional<QStringView> found = withoutClockTime(rewritten, terms.locale);
        if (!found || found->size() == rewritten.size())
            return date;
        date = found;
    }
    // The word that joins the time to the date: "um", "à", "at".
    for (const QString &word : words) {
        if (date->endsWith(word, Qt::CaseInsensitive) && date->size() > word.size()
            && !date->at(date->size() - word.size() - 1).isLetter())
            return date->chopped(word.size()).trimmed();
    }
    return date;
}

} // namespace

int yearAroundToday(int lastTwoDigits, QDate today)
{
    const int earliest = today.year() - 50;
    const int candidate = earliest - earliest % 100 + lastTwoDigits;
    return candidate < earliest ? candidate + 100 : candidate;
}

QString numericDateFormat(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    return format.contains(QStringLiteral("MMM")) ? QStringLiteral("MM/dd/yyyy") : format;
}

NumericOrder numericOrder(const QLocale &locale)
{
    const QString format = numericDateFormat(locale);
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    const qsizetype year = format.indexOf(u'y');
    if (year >= 0 && year < month && year < day)
        return NumericOrder::YearMonthDay;
    if (day >= 0 && day < month)
        return NumericOrder::DayMonthYear;
    return NumericOrder::MonthDayYear;
}

namespace {

// The quoted words of the locale's date formats, with the dot that follows one ("'г'.").
QStringList literalWords(const QLocale &locale)
{
    QStringList words;
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QStringList parts = locale.dateFormat(format).split(u'\'');
        for (qsizetype i = 1; i < parts.size(); i += 2) {
            const bool dot = i + 1 < parts.size() && parts[i + 1].startsWith(u'.');
            if (!parts[i].trimmed().isEmpty())
                words.append(parts[i].trimmed() + (dot ? QStringLiteral(".") : QString()));
        }
    }
    return words;
}

} // namespace

DateTerms::Names namesIn(const QLocale &locale)
{
    DateTerms::Names names{locale.language(), {}, {}};
    for (int n = 1; n <= 12; ++n) {
        names.months.append({locale.monthName(n, QLocale::LongFormat),
                             locale.standaloneMonthName(n, QLocale::LongFormat),
                             locale.monthName(n, QLocale::ShortFormat),
                             locale.standaloneMonthName(n, QLocale::ShortFormat)});
    }
    for (int n = 1; n <= 7; ++n) {
        names.weekdays.append({locale.dayName(n, QLocale::LongFormat),
                               locale.standaloneDayName(n, QLocale::LongFormat),
                               locale.dayName(n, QLocale::ShortFormat),
                               locale.standaloneDayName(n, QLocale::ShortFormat)});
    }
    return names;
}

DateTerms gregorianTerms(const QLocale &locale, std::function<NamedOrder()> namedOrder, QDate today)
{
    return {
        .locale = locale,
        .languages = {namesIn(locale), namesIn(QLocale::c())},
        .literals = literalWords(locale),
        .numericOrder = numericOrder(locale),
        .today = today,
        .namedOrder = std::move(namedOrder),
        .dayOf = [today](QStringView digits, int month, int day) -> std::optional<QDate> {
            if (digits.size() > 4)
                return std::nullopt;
            const int year =
                digits.size() > 2 ? digits.toInt() : yearAroundToday(digits.toInt(), today);
            const QDate date(year, month, day);
            if (year < 1 || year > kLatestYear || !date.isValid())
                return std::nullopt;
            return date;
        },
    };
}

std::optional<QDate> readQtForm(QStringView text, const QLocale &locale, QDate today,
                                bool namedOnly)
{
    QStringList formats{locale.dateFormat(QLocale::LongFormat),
                        locale.dateFormat(QLocale::ShortFormat),
                        locale.dateFormat(QLocale::NarrowFormat)};
    formats.removeDuplicates(); // the narrow form is mostly the short one
    if (namedOnly)
        formats.removeIf([](const QString &format) { return !format.contains(u"MMM"); });
    const QString whole = text.toString();
    for (const QString &format : std::as_const(formats)) {
        QDate date = locale.toDate(whole, format);
        if (date.isValid() && format.contains(QStringLiteral("yy"))
            && !format.contains(QStringLiteral("yyyy"))) {
            date = QDate(yearAroundToday(date.year() % 100, today), date.month(), date.day());
            if (format.contains(QStringLiteral("ddd")) && date.isValid()
                && locale.toString(date, format).compare(text, Qt::CaseInsensitive) != 0)
                continue; // the weekday was 19xx's
        }
        if (date.isValid() && date.year() >= 1 && date.year() <= kLatestYear)
            return date;
    }
    return std::nullopt;
}

std::optional<QDate> readLooseDate(QStringView text, const DateTerms &terms)
{
    const QString ascii = withAsciiDigits(text, terms);
    QString withoutWords; // the text without the words of its time of day, which `date` may view
    auto date = withoutTimeOfDay(ascii, terms, withoutWords);
    if (!date)
        return std::nullopt;
    if (date->endsWith(u'.'))
        date = date->chopped(1).trimmed();
    const QList<Token> tokens = tokenize(*date);
    if (tokens.isEmpty())
        return std::nullopt;

    // An ordinal suffix joins its number; the words that only join the parts go.
    const DateWords words(terms);
    // Whether the token at `i` touches no number: "1996 года", not "2026年".
    const auto apart = [&](qsizetype i) {
        const auto number = [&](qsizetype at) {
            return at >= 0 && at < tokens.size() && tokens.at(at).kind == Token::Number;
        };
        return !number(i - 1) && !number(i + 1);
    };
    QList<Token> parts;
    bool joinedInFront = false;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        Token token = tokens.at(i);
        // A name that holds blanks or hyphens is one word.
        const QStringView rest(token.text.begin(), date->end());
        if (const qsizetype spaced = token.kind == Token::Word ? words.spacedNameAt(rest) : 0;
            spaced > token.text.size()) {
            token.text = QStringView(token.text.begin(), spaced);
            while (i + 1 < tokens.size() && tokens.at(i + 1).text.begin() < token.text.end())
                ++i;
        }
        const bool suffix = token.kind == Token::Word && !parts.isEmpty()
                            && parts.last().kind == Token::Number
                            && parts.last().text.end() == token.text.begin();
        if (const auto fits =
                suffix ? words.ordinalFits(parts.last().text.toInt(), token.text) : std::nullopt) {
            if (!*fits)
                return std::nullopt; // "24st"
            parts.last().ordinal = true;
        } else if (token.kind == Token::Word
                   && (words.joins(token.text)
                       || (words.standsAround(token.text, i + 1 == tokens.size()) && apart(i)))) {
            joinedInFront = joinedInFront || parts.isEmpty();
        } else if (!(joinedInFront && parts.isEmpty() && token.kind == Token::Separator)) {
            parts.append(token); // the blank after "le" or "am" in front goes with it
        }
    }
    if (parts.isEmpty() || std::any_of(parts.begin(), parts.end(), [](const Token &token) {
            return token.kind == Token::Other;
        }))
        return std::nullopt;

    // A weekday before or after the date must be the date's own: "Friday, December 24, 2026"
    // is a mistake. A word that may be a weekday or a month ("mar.") is a month where it must
    // be one.
    for (const bool atEnd : {false, true}) {
        if (const auto [weekday, rest] = withoutWeekday(parts, atEnd, words); weekday) {
            if (const auto found = dateOf(rest, terms, words))
                return found->dayOfWeek() == *weekday ? found : std::nullopt;
        }
    }
    return dateOf(parts, terms, words);
}
