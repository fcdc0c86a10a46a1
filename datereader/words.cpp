#include "words.h"

#include "datereader/icubridge.h"
#include "datereader/localecache.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/measunit.h>
#include <unicode/numberformatter.h>
#include <unicode/rbnf.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <langinfo.h>
#include <locale.h>
#include <time.h>

#include <algorithm>
#include <cstring>

namespace {

// A phrase's key, loose or as written: its words' keys, parted as they are.
QString phraseKey(const QList<Token> &tokens, QString Token::*key = &Token::key)
{
    QString joined;
    for (const Token &token : tokens)
        joined +=
            (token.blankBefore && !joined.isEmpty() ? QStringLiteral(" ") : QString()) + token.*key;
    return joined;
}

void addMeaning(QList<Meaning> &meanings, Meaning meaning)
{
    if (!meanings.contains(meaning))
        meanings.append(meaning);
}

bool writtenUnparted(QChar letter)
{
    switch (letter.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Myanmar:
    case QChar::Script_Tibetan:
        return true;
    default:
        return false;
    }
}

} // namespace

void Words::add(QStringView word, Meaning meaning)
{
    const QList<Token> tokens = tokenize(word);
    if (std::none_of(tokens.begin(), tokens.end(),
                     [](const Token &token) { return token.kind == Token::Word; }))
        return;
    if (tokens.size() > 1 && !m_loose.contains(phraseKey(tokens, &Token::loose)))
        m_phrases.insert(std::upper_bound(m_phrases.begin(), m_phrases.end(), tokens.size(),
                                          [](qsizetype size, const QList<Token> &phrase) {
                                              return size > phrase.size();
                                          }),
                         tokens);
    addMeaning(m_words[phraseKey(tokens)], meaning);
    addMeaning(m_loose[phraseKey(tokens, &Token::loose)], meaning);
}

void Words::add(const Words &other, bool unknownOnly)
{
    for (const QList<Token> &phrase : other.m_phrases) {
        const QList<Meaning> meanings = other.m_words.value(phraseKey(phrase));
        if (!unknownOnly || !m_loose.contains(phraseKey(phrase, &Token::loose))) {
            QString text;
            for (const Token &token : phrase)
                text += (token.blankBefore ? QStringLiteral(" ") : QString()) + token.text;
            for (const Meaning &meaning : meanings)
                add(text, meaning);
        }
    }
    for (const auto &[table, from] :
         {std::pair(&m_words, &other.m_words), std::pair(&m_loose, &other.m_loose)}) {
        for (auto it = from->begin(); it != from->end(); ++it) {
            if (unknownOnly && (m_words.contains(it.key()) || m_loose.contains(it.key())))
                continue;
            for (const Meaning &meaning : it.value())
                addMeaning((*table)[it.key()], meaning);
        }
    }
}

void Words::addAffixes(const QStringList &beginnings, const QStringList &endings)
{
    const QHash<QString, QList<Meaning>> words = m_words;
    for (auto it = words.begin(); it != words.end(); ++it) {
        for (const Meaning &meaning : it.value()) {
            if (meaning.role != Role::Month)
                continue;
            for (const QString &beginning : beginnings)
                add(beginning + it.key(), meaning);
            for (const QString &ending : endings)
                add(it.key() + ending, meaning);
        }
    }
}

QList<Meaning> Words::meaningsOf(const Token &word) const
{
    const auto exact = m_words.constFind(word.key);
    return exact != m_words.constEnd() ? *exact : m_loose.value(word.loose);
}

bool Words::knows(const Token &word) const
{
    return m_words.contains(word.key) || m_loose.contains(word.loose);
}

std::optional<Meaning> Words::cutShort(const Token &word) const
{
    if (word.loose.size() < 3)
        return std::nullopt;
    std::optional<Meaning> named;
    for (auto it = m_loose.begin(); it != m_loose.end(); ++it) {
        if (!it.key().startsWith(word.loose))
            continue;
        for (const Meaning &meaning : it.value()) {
            if (meaning.role != Role::Month && meaning.role != Role::Weekday)
                continue;
            if (named && *named != meaning)
                return std::nullopt;
            named = meaning;
        }
    }
    return named;
}

QList<Token> Words::joined(QList<Token> tokens) const
{
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        for (const QList<Token> &phrase : m_phrases) {
            // Numbers in a phrase by their value: "thg 8" is "Thg 08".
            const bool here =
                i + phrase.size() <= tokens.size()
                && std::equal(phrase.begin(), phrase.end(), tokens.begin() + i,
                              [](const Token &a, const Token &b) {
                                  return a.kind == b.kind
                                         && (a.kind == Token::Number ? a.value == b.value
                                                                     : a.loose == b.loose);
                              });
            if (!here)
                continue;
            Token &first = tokens[i];
            first.kind = Token::Word;
            first.key = phraseKey(phrase);
            first.loose = phraseKey(phrase, &Token::loose);
            first.end = tokens[i + phrase.size() - 1].end;
            tokens.remove(i + 1, phrase.size() - 1);
            break;
        }
    }
    // A run of letters that is several known words: in the scripts that write no blanks between
    // words ("星期日下午", "วันพฤหัสบดีที่"), and elsewhere where each has two letters or more
    // ("сар" and "ын"; not the weekdays "K", "E", "L" of Estonian in "kell").
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token run = tokens[i];
        if (run.kind != Token::Word || knows(run) || cutShort(run))
            continue;
        const qsizetype shortest = writtenUnparted(run.text.front()) ? 1 : 2;
        QList<Token> parts;
        for (qsizetype from = 0; from < run.text.size();) {
            qsizetype to = run.text.size();
            while (to - from >= shortest
                   && !m_loose.contains(looseKey(QStringView(run.text).sliced(from, to - from))))
                --to;
            if (to - from < shortest)
                break;
            Token part = run;
            part.text = run.text.sliced(from, to - from);
            part.key = wordKey(part.text);
            part.loose = looseKey(part.text);
            part.blankBefore = from == 0 && run.blankBefore;
            part.begin = run.begin + from;
            part.end = run.begin + to;
            parts.append(part);
            from = to;
        }
        if (parts.size() > 1 && parts.back().end == run.end) {
            tokens.remove(i);
            for (const Token &part : std::as_const(parts))
                tokens.insert(i++, part);
            --i;
        }
    }
    return tokens;
}

namespace {

// ---- Forms: the patterns of Qt, ICU and the C library, in ICU's letters -------------------------

struct Field
{
    QChar letter;
    qsizetype count = 0;
};

// A pattern's fields in order, with the literal text before each and after the last.
struct Pattern
{
    QList<Field> fields;
    QStringList literals; // literals[i] stands before fields[i]
};

Pattern parsed(QStringView pattern)
{
    Pattern result{{}, {QString()}};
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'')
                result.literals.back() += pattern[++i];
            else
                quoted = !quoted;
        } else if (quoted || !(c.isLetter() && c.unicode() < 0x80)) {
            result.literals.back() += c;
        } else if (!result.fields.isEmpty() && result.fields.back().letter == c
                   && result.literals.back().isEmpty()) {
            ++result.fields.back().count;
        } else {
            result.fields.append({c, 1});
            result.literals.append(QString());
        }
    }
    return result;
}

bool isTimeField(QChar letter) { return QStringView(u"HhKkmsSaBbzZvVOXx").contains(letter); }

// What one pattern says: the order of its year, month and day, its words that mark a number
// ("年", "Uhr"), that join its parts ("de", "г."), and that join its time to its date ("um").
void learn(CalendarTerms &terms, QStringView text, bool own)
{
    const Pattern pattern = parsed(text);
    Order order;
    bool named = false;
    qsizetype firstTime = -1;
    for (qsizetype i = 0; i < pattern.fields.size(); ++i) {
        const Field &field = pattern.fields[i];
        const QChar letter = field.letter == u'L' ? QChar(u'M') : field.letter;
        if (QStringView(u"yMd").contains(letter) && !order.contains(letter))
            order += letter;
        named = named || (letter == u'M' && field.count >= 3);
        if (firstTime < 0 && isTimeField(letter))
            firstTime = i;
    }
    // The order of a form in figures counts for figures parted by marks (those that set the
    // direction of text aside, as a reading sets them aside), and by words that only join them
    // (Old Prussian's "dd.MM 'st'. y"); where a word right after a number says which number it
    // is ("%Y年%m月%d日"), the form is another.
    QStringList marks;
    bool parted = true; // the year, month and day one after another, with marks between them
    for (qsizetype i = 1; i < pattern.fields.size(); ++i) {
        if (!QStringView(u"yMLd").contains(pattern.fields[i - 1].letter)
            || !QStringView(u"yMLd").contains(pattern.fields[i].letter))
            continue;
        QString between;
        for (const Token &token : tokenize(pattern.literals[i])) {
            if (token.kind == Token::Mark)
                between += token.text;
            else
                parted = parted && token.kind == Token::Word && token.begin > 0;
        }
        marks << between;
    }
    if (own && order.size() == 3)
        (named ? terms.namedOrders : terms.figureOrders).insert(order);
    const auto year = std::find_if(pattern.fields.begin(), pattern.fields.end(),
                                   [](const Field &field) { return field.letter == u'y'; });
    if (own && order.size() == 3 && !named && parted && marks.size() == 2)
        terms.numericForms[formKey(marks[0], marks[1], year->count == 2 ? 2 : 4)].insert(order);
    for (qsizetype i = 0; i < pattern.literals.size(); ++i) {
        const QList<Token> words = tokenize(pattern.literals[i]);
        const Field *before = i > 0 ? &pattern.fields[i - 1] : nullptr;
        for (const Token &word : words) {
            if (word.kind != Token::Word)
                continue;
            // A word right after a number says which field it is: with no blank between them
            // for a date's ("年"), also after a blank for a time's ("18 Uhr", "18 h 00").
            const QChar letter = before ? before->letter : QChar();
            const bool time = QStringView(u"HhKkms").contains(letter);
            const bool marks = &word == &words.front() && before && (word.begin == 0 || time)
                               && (time || QStringView(u"yMd").contains(letter))
                               && !(letter == u'M' && before->count >= 3);
            // What stands right against a month's name: "ב" in Hebrew's "d בMMMM y", "འི" after it.
            const Field *after = i < pattern.fields.size() ? &pattern.fields[i] : nullptr;
            if (letter == u'M' && before->count >= 3 && word.begin == 0 && &word == &words.front()
                && !terms.monthEndings.contains(word.text))
                terms.monthEndings.append(word.text);
            if (after && after->letter == u'M' && after->count >= 3 && &word == &words.back()
                && word.end == pattern.literals[i].size()
                && !terms.monthBeginnings.contains(word.text))
                terms.monthBeginnings.append(word.text);
            if (marks)
                terms.words.add(word.text, {Role::Marker, QStringView(u"HhKk").contains(letter)
                                                              ? 'h'
                                                              : char(letter.unicode())});
            else
                terms.words.add(word.text, {i == firstTime && i > 0 ? Role::AtTime : Role::Joiner});
        }
    }
}

// Qt's format letters in ICU's: "dddd" is the weekday, "AP" the part of the day, "t" the zone.
QString fromQtFormat(const QString &format)
{
    QString pattern;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (!quoted && i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c == u'\'')
            pattern += c;
        else if (c == u'd' && run >= 3)
            pattern += QString(run, u'E');
        else if (c == u'A' || c == u'a' || (c == u'P' || c == u'p'))
            pattern += c.toLower() == u'p' ? QString() : QStringLiteral("a");
        else if (c == u't')
            pattern += u'z';
        else
            pattern += QString(run, c);
        i += quoted || c == u'\'' ? 1 : run;
    }
    return pattern;
}

// A strftime format of the C library's locale in ICU's letters.
QString fromStrftime(const char *format, locale_t system, int depth = 0)
{
    const auto expanded = [&](nl_item item) {
        return depth < 3 ? fromStrftime(nl_langinfo_l(item, system), system, depth + 1) : QString();
    };
    QString pattern;
    for (const char *c = format; *c; ++c) {
        if (*c != '%') {
            const qsizetype from = c - format;
            while (c[1] && c[1] != '%')
                ++c;
            pattern += QStringLiteral("'")
                       + QString::fromUtf8(format + from, c - format - from + 1)
                             .replace(u'\'', QStringLiteral("''"))
                       + QStringLiteral("'");
            continue;
        }
        while (c[1] && std::strchr("-_0^#", c[1]))
            ++c; // flags
        const bool era = c[1] == 'E';
        if (c[1] == 'E' || c[1] == 'O')
            ++c;
        const char conversion = *++c;
        if (conversion == '\0')
            return pattern;
        // The conversions that stand for other formats of the locale.
        const std::optional<nl_item> standsFor = [&]() -> std::optional<nl_item> {
            switch (conversion) {
            case 'x':
                return era ? ERA_D_FMT : D_FMT;
            case 'X':
                return T_FMT;
            case 'c':
                return era ? ERA_D_T_FMT : D_T_FMT;
            case 'r':
                return T_FMT_AMPM;
            default:
                return std::nullopt;
            }
        }();
        if (standsFor) {
            pattern += expanded(*standsFor);
        } else if (era && (conversion == 'y' || conversion == 'C')) {
            pattern += conversion == 'y' ? u"y" : u"G"; // the year in the era, the era's name
        } else {
            // The rest, each as one field or a few; numbers no date is read by (the day of the
            // year, the week, ...) as nothing.
            static const QHash<char, QStringView> kLetters = {
                {'a', u"EEE"},      {'A', u"EEEE"},    {'b', u"MMM"},      {'h', u"MMM"},
                {'B', u"MMMM"},     {'d', u"dd"},      {'e', u"d"},        {'m', u"MM"},
                {'y', u"yy"},       {'Y', u"y"},       {'H', u"H"},        {'k', u"H"},
                {'I', u"h"},        {'l', u"h"},       {'M', u"mm"},       {'S', u"ss"},
                {'p', u"a"},        {'P', u"a"},       {'Z', u"z"},        {'z', u"z"},
                {'D', u"MM/dd/yy"}, {'F', u"y-MM-dd"}, {'T', u"HH:mm:ss"}, {'R', u"HH:mm"},
                {'n', u" "},        {'t', u" "},       {'%', u"'%'"}};
            pattern += kLetters.value(conversion);
        }
    }
    return pattern;
}

// ---- The sources ----------------------------------------------------------------------------

void addMonthsAndWeekdays(Words &words, const QLocale &locale)
{
    for (int n = 1; n <= 12; ++n) {
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            words.add(locale.monthName(n, format), {Role::Month, n});
            words.add(locale.standaloneMonthName(n, format), {Role::Month, n});
        }
    }
    for (int n = 1; n <= 7; ++n) {
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            words.add(locale.dayName(n, format), {Role::Weekday, n});
            words.add(locale.standaloneDayName(n, format), {Role::Weekday, n});
        }
    }
}

// Qt's words and forms of the locale.
void addQt(CalendarTerms &terms, const QLocale &locale)
{
    addMonthsAndWeekdays(terms.words, locale);
    terms.words.add(locale.amText(), {Role::Meridiem});
    terms.words.add(locale.pmText(), {Role::Meridiem});
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        learn(terms, fromQtFormat(locale.dateFormat(format)), true);
        learn(terms, fromQtFormat(locale.dateTimeFormat(format)), true);
    }
}

// Each of the C library's names of the months of the locale, in full and cut short, as a date
// writes them and as they stand alone, with the month (1 to 12).
template <typename Name> void forEachSystemMonthName(locale_t system, const Name &name)
{
    for (int n = 0; n < 12; ++n) {
        for (const nl_item item : {MON_1, ABMON_1, ALTMON_1, _NL_ABALTMON_1})
            name(QString::fromUtf8(nl_langinfo_l(item + n, system)), n + 1);
    }
}

// The C library's words and forms of the locale: what the user's desktop and terminal write.
void addSystem(CalendarTerms &terms, locale_t system)
{
    const auto said = [&](nl_item item) { return QString::fromUtf8(nl_langinfo_l(item, system)); };
    forEachSystemMonthName(system, [&](const QString &name, int month) {
        terms.words.add(name, {Role::Month, month});
    });
    for (int n = 0; n < 7; ++n) { // from Sunday
        for (const nl_item item : {DAY_1, ABDAY_1})
            terms.words.add(said(item + n), {Role::Weekday, n == 0 ? 7 : n});
    }
    terms.words.add(said(AM_STR), {Role::Meridiem});
    terms.words.add(said(PM_STR), {Role::Meridiem});
    for (const nl_item item : {D_FMT, D_T_FMT, _DATE_FMT, T_FMT_AMPM})
        learn(terms, fromStrftime(nl_langinfo_l(item, system), system), true);
}

// Ordinals, as a language writes the days of a month with them: "1st", "1er", "第1", "1-ви",
// "13:e", and the endings without the dot some write before them ("1.º" as "1º").
void addOrdinals(CalendarTerms &terms, const icu::Locale &where)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::RuleBasedNumberFormat ordinal(icu::URBNF_ORDINAL, where, status);
    for (int n = 1; n <= 31 && U_SUCCESS(status); ++n) {
        icu::UnicodeString said;
        const QString written = fromIcu(ordinal.format(n, said));
        const QString figures = QString::number(n);
        const qsizetype at = written.indexOf(figures);
        if (at < 0)
            continue;
        const QString start = looseKey(written.first(at).trimmed());
        QString ending = looseKey(written.sliced(at + figures.size()).trimmed());
        terms.ordinals[n].append({start, ending});
        while (!ending.isEmpty() && ending.front().isPunct())
            ending.remove(0, 1);
        terms.ordinals[n].append({start, ending});
    }
}

// ICU's patterns for the locale in one calendar: its styles, and the common forms that CLDR
// has for a choice of fields.
QStringList icuPatterns(const icu::Locale &where)
{
    QStringList patterns;
    const auto add = [&](icu::DateFormat *made) {
        const std::unique_ptr<icu::DateFormat> format(made);
        icu::UnicodeString pattern;
        if (const auto *simple = dynamic_cast<const icu::SimpleDateFormat *>(format.get()))
            patterns << fromIcu(simple->toPattern(pattern));
    };
    using icu::DateFormat;
    for (const auto style :
         {DateFormat::kFull, DateFormat::kLong, DateFormat::kMedium, DateFormat::kShort}) {
        add(DateFormat::createDateInstance(style, where));
        add(DateFormat::createDateTimeInstance(style, DateFormat::kShort, where));
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(where, status));
    for (const char *skeleton : {"yMd", "yMMdd", "yMMMd", "yMMMMd", "yMMMEd", "yMMMMEEEEd",
                                 "GyMMMd", "Hm", "Hms", "hm", "hms", "H", "h", "Bhm"}) {
        if (U_SUCCESS(status))
            patterns << fromIcu(
                generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status));
    }
    return patterns;
}

// ICU's words of the locale in the calendar: names of months, weekdays and eras as the calendar
// has them, in the locale's language and (for the names of another calendar) in English, the
// parts of the day, ordinals, and the words for a year, a month and a day people write around a
// date ("rok", "года", "ngày").
void addIcu(CalendarTerms &terms, const QLocale &locale, const char *calendar)
{
    using Symbols = icu::DateFormatSymbols;
    const icu::Locale where = icuLocale(locale, calendar);
    UErrorCode status = U_ZERO_ERROR;
    const Symbols own(where, calendar, status), english(icu::Locale("en"), calendar, status);
    // Where ICU has no data of the language, it answers with its default locale's, English's
    // forms ("M/d/y") for Occitan or Walloon: those are no words or forms of this locale.
    if (qstrcmp(own.getLocale(ULOC_VALID_LOCALE, status).getLanguage(), where.getLanguage()) != 0)
        return;
    const bool gregorian = qstrcmp(calendar, "gregorian") == 0;
    for (const Symbols *symbols : {&own, &english}) {
        if (gregorian && symbols == &english)
            break; // Qt's C locale has them
        int32_t count = 0;
        for (const auto context : {Symbols::FORMAT, Symbols::STANDALONE}) {
            for (const auto width : {Symbols::WIDE, Symbols::ABBREVIATED}) {
                const icu::UnicodeString *names = symbols->getMonths(count, context, width);
                for (int n = 0; n < count && n < 12; ++n)
                    terms.words.add(fromIcu(names[n]), {Role::Month, n + 1});
            }
            for (const auto width : {Symbols::WIDE, Symbols::ABBREVIATED, Symbols::SHORT}) {
                const icu::UnicodeString *names = symbols->getWeekdays(count, context, width);
                for (int n = 1; n < count && n <= 7; ++n) // from Sunday, at 1
                    terms.words.add(fromIcu(names[n]), {Role::Weekday, n == 1 ? 7 : n - 1});
            }
        }
        for (const auto eras :
             {&Symbols::getEras, &Symbols::getEraNames, &Symbols::getNarrowEras}) {
            const icu::UnicodeString *names = (symbols->*eras)(count);
            // A Gregorian era of one letter says too little ("A"); Japan's says which ("R").
            for (int n = 0; n < count; ++n) {
                if (!gregorian || names[n].length() > 1)
                    terms.words.add(fromIcu(names[n]), {Role::Era, n});
            }
        }
    }
    // The parts of the day, as each of ICU's forms of them names the hours.
    for (const char *form : {"a", "b", "B", "BBBB"}) {
        icu::SimpleDateFormat parts(icu::UnicodeString(form, -1, US_INV), where, status);
        parts.setTimeZone(*icu::TimeZone::getGMT());
        for (int hour = 0; hour < 24 && U_SUCCESS(status); ++hour) {
            icu::UnicodeString said;
            terms.words.add(fromIcu(parts.format(hour * 3600000.0, said)), {Role::Meridiem});
        }
    }
    for (const QString &pattern : icuPatterns(where))
        learn(terms, pattern, true);
    addOrdinals(terms, where);
    // A year, a month and a day as CLDR names the fields and counts them: "2 года" is "года".
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(where, status));
    for (const auto field : {UDATPG_YEAR_FIELD, UDATPG_MONTH_FIELD, UDATPG_DAY_FIELD}) {
        for (const auto width : {UDATPG_WIDE, UDATPG_ABBREVIATED, UDATPG_NARROW}) {
            if (U_SUCCESS(status))
                terms.words.add(fromIcu(generator->getFieldDisplayName(field, width)),
                                {Role::Joiner});
        }
    }
    for (const icu::MeasureUnit &unit :
         {icu::MeasureUnit::getYear(), icu::MeasureUnit::getMonth(), icu::MeasureUnit::getDay()}) {
        for (const auto width : {UNUM_UNIT_WIDTH_FULL_NAME, UNUM_UNIT_WIDTH_SHORT}) {
            const auto format =
                icu::number::NumberFormatter::withLocale(where).unit(unit).unitWidth(width);
            for (const double n : {1.0, 2.0, 5.0, 1.5}) {
                UErrorCode formatted = U_ZERO_ERROR;
                const QString said = fromIcu(format.formatDouble(n, formatted).toString(formatted));
                for (const Token &word : tokenize(said)) {
                    if (U_SUCCESS(formatted) && word.kind == Token::Word)
                        terms.words.add(word.text, {Role::Joiner});
                }
            }
        }
    }
}

// ---- The calendars ------------------------------------------------------------------------------

// The year of a Gregorian date: four figures, or two for the year ending in them from 50 years
// before today to 49 after. One figure or three say too little.
std::optional<int> gregorianYear(const Token &year, QDate today)
{
    if (year.digits == 4)
        return year.value;
    if (year.digits != 2)
        return std::nullopt;
    const int earliest = today.year() - 50;
    const int candidate = earliest - earliest % 100 + year.value;
    return candidate < earliest ? candidate + 100 : candidate;
}

CalendarTerms gregorianTerms(QDate today)
{
    CalendarTerms terms;
    terms.dayOf = [today](std::optional<int> era, const Token &written, int month, int day) {
        const std::optional<int> year = gregorianYear(written, today);
        const QDate date = year && era.value_or(1) == 1 ? QDate(*year, month, day) : QDate();
        return date.isValid() && *year >= 1 ? std::optional(date) : std::nullopt;
    };
    return terms;
}

// A calendar of ICU's: its years as written, from three figures on or after the era's name.
CalendarTerms icuCalendarTerms(const QLocale &locale, const char *calendar)
{
    CalendarTerms terms;
    addIcu(terms, locale, calendar);
    terms.words.addAffixes(terms.monthBeginnings, terms.monthEndings);
    UErrorCode status = U_ZERO_ERROR;
    std::shared_ptr<icu::Calendar> days(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icuLocale(locale, calendar), status));
    if (U_FAILURE(status))
        return {};
    days->setLenient(false); // a day that does not exist in the calendar is none
    terms.eraWritten = days->getMaximum(UCAL_ERA) > 1;
    const int current = days->get(UCAL_ERA, status);
    terms.dayOf = [days, current, eraWritten = terms.eraWritten](std::optional<int> era,
                                                                 const Token &year, int month,
                                                                 int day) -> std::optional<QDate> {
        if ((year.digits < 3 || eraWritten) && !era)
            return std::nullopt;
        const std::unique_ptr<icu::Calendar> in(days->clone());
        in->clear();
        in->set(UCAL_ERA, era.value_or(current));
        in->set(UCAL_YEAR, year.value);
        in->set(UCAL_MONTH, month - 1);
        in->set(UCAL_DATE, day);
        UErrorCode status = U_ZERO_ERROR;
        const QDate date = dayAt(in->getTime(status));
        return U_SUCCESS(status) && year.value > 0 ? std::optional(date) : std::nullopt;
    };
    return terms;
}

// The era the C library's locale counts years in beside the Gregorian ones, where it has one:
// the Gregorian months, with years counted from another start (Thai and Lao Buddhist years, the
// Republic of China's), as strftime writes this year in it.
std::optional<CalendarTerms> systemEraTerms(locale_t system, const CalendarTerms &gregorian,
                                            QDate today)
{
    if (!*nl_langinfo_l(ERA, system))
        return std::nullopt;
    // This year in the era, and its name; and the name sixty years ago, which is another where
    // the eras change with the reign (Japan's, which ICU's calendar has).
    const auto said = [&](const char *format, int yearsAgo) {
        struct tm then = {};
        then.tm_year = today.year() - yearsAgo - 1900;
        then.tm_mon = 5;
        then.tm_mday = 15;
        char written[64] = {};
        return strftime_l(written, sizeof written, format, &then, system) ? QByteArray(written)
                                                                          : QByteArray();
    };
    const QByteArray name = said("%EC", 0);
    const int offset = said("%Ey", 0).toInt() - today.year();
    if (name.isEmpty() || name != said("%EC", 60) || offset == 0)
        return std::nullopt;
    CalendarTerms terms;
    terms.words = gregorian.words;
    terms.words.add(QString::fromUtf8(name), {Role::Era, 0});
    terms.numericForms = gregorian.numericForms;
    terms.namedOrders = gregorian.namedOrders;
    terms.figureOrders = gregorian.figureOrders;
    terms.dayOf = [offset](std::optional<int> era, const Token &year, int month, int day) {
        const QDate date =
            year.digits >= 3 || era ? QDate(year.value - offset, month, day) : QDate();
        return date.isValid() ? std::optional(date) : std::nullopt;
    };
    return terms;
}

} // namespace

QList<QByteArray> icuYearCalendars(const QLocale &locale)
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

namespace {

struct SystemLocale
{
    explicit SystemLocale(const QByteArray &name)
        : handle(newlocale(LC_TIME_MASK, name.constData(), locale_t(0)))
    {
    }
    ~SystemLocale()
    {
        if (handle)
            freelocale(handle);
    }
    locale_t handle;
};

LocaleTerms makeTerms(const QLocale &locale, const QByteArray &system, Sources sources, QDate today)
{
    LocaleTerms made;
    CalendarTerms &gregorian = made.gregorian = gregorianTerms(today);
    addQt(gregorian, locale);
    const SystemLocale own(system.isEmpty() ? systemLocaleName(locale) : system);
    if (own.handle)
        addSystem(gregorian, own.handle);
    if (sources == Sources::AllLibraries)
        addIcu(gregorian, locale, "gregorian");
    gregorian.words.addAffixes(gregorian.monthBeginnings, gregorian.monthEndings);
    // English, which everybody's dates use, where the user's language does not name a word
    // otherwise (Basaa's "may" is November).
    CalendarTerms english;
    addMonthsAndWeekdays(english.words, QLocale::c());
    for (int n = 1; n <= 12; ++n) {
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            const Token name = tokenize(QLocale::c().monthName(n, format)).value(0);
            if (!gregorian.words.knows(name))
                gregorian.englishMonths.insert(name.loose);
        }
    }
    gregorian.words.add(english.words, true);
    // "AM" and "PM" too, which every locale reads (in Nheengatu "pm" is also July).
    gregorian.words.add(QLocale::c().amText(), {Role::Meridiem});
    gregorian.words.add(QLocale::c().pmText(), {Role::Meridiem});
    if (sources == Sources::AllLibraries)
        addOrdinals(gregorian, icu::Locale("en"));
    if (own.handle) {
        if (auto era = systemEraTerms(own.handle, gregorian, today)) {
            made.yearCalendars.append(std::move(*era));
            made.yearsInFiguresAlone = true;
        }
    }
    if (sources == Sources::AllLibraries) {
        for (const QByteArray &calendar : icuYearCalendars(locale)) {
            made.yearCalendars.append(icuCalendarTerms(locale, calendar.constData()));
            made.yearsInFiguresAlone =
                made.yearsInFiguresAlone || !made.yearCalendars.back().eraWritten;
        }
    }
    return made;
}

} // namespace

std::shared_ptr<const LocaleTerms> termsOf(const QLocale &locale, const QByteArray &system,
                                           Sources sources, QDate today)
{
    static LocaleCache<LocaleTerms> kept(8);
    const QString more = QLatin1String(system) + u' ' + QString::number(int(sources)) + u' '
                         + QString::number(today.year());
    return kept.get(locale, more, [&] {
        return std::make_shared<const LocaleTerms>(makeTerms(locale, system, sources, today));
    });
}

QList<QLocale> localesNaming(const Token &word, const QLocale &user)
{
    // Which locales name which month by a word, as Qt or the C library has the locale's names
    // (the C library keeps some that Qt's data has dropped: Xhosa's "Kwi" is March).
    static const QHash<QString, QList<std::pair<QLocale, int>>> index = [] {
        QHash<QString, QList<std::pair<QLocale, int>>> made;
        QSet<QString> seen;
        for (const QLocale &locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const auto name = [&](const QString &written, int month) {
                for (const Token &token : tokenize(written)) {
                    const QString key = token.loose + u' ' + locale.name();
                    if (token.kind == Token::Word && !seen.contains(key)) {
                        seen.insert(key);
                        made[token.loose].append({locale, month});
                    }
                }
            };
            for (int n = 1; n <= 12; ++n) {
                for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                    name(locale.monthName(n, format), n);
                    name(locale.standaloneMonthName(n, format), n);
                }
            }
            if (const SystemLocale system(systemLocaleName(locale)); system.handle)
                forEachSystemMonthName(system.handle, name);
        }
        return made;
    }();
    QList<QLocale> locales;
    QSet<int> months, others;
    bool related = false; // the user's language, written elsewhere, has it
    for (const auto &[locale, month] : index.value(word.loose)) {
        months.insert(month);
        if (locale.language() != user.language())
            others.insert(int(locale.language()));
        else
            related = true;
        if (locale != user)
            locales.append(locale);
    }
    if (months.size() != 1 || (word.loose.size() <= 3 && others.size() == 1 && !related))
        return {};
    return locales;
}

QByteArray systemLocaleName(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return "C.UTF-8";
    QByteArray name = QLocale::languageToCode(locale.language()).toLatin1() + '_'
                      + QLocale::territoryToCode(locale.territory()).toLatin1() + ".UTF-8";
    switch (locale.script()) {
    case QLocale::LatinScript:
        return locale.language() == QLocale::Serbian ? name + "@latin" : name;
    case QLocale::CyrillicScript:
        return locale.language() == QLocale::Uzbek ? name + "@cyrillic" : name;
    case QLocale::DevanagariScript:
        return name + (locale.language() == QLocale::Kashmiri ? "@devanagari" : "");
    default:
        return name;
    }
}
