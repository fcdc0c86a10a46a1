#include "datereader.h"

#include "datereader/icubridge.h"
#include "datereader/localecache.h"
#include "datereader/text.h"
#include "datereader/words.h"

#include <unicode/datefmt.h>
#include <unicode/timezone.h>
#include <unicode/tzfmt.h>

#include <algorithm>
#include <climits>
#include <functional>

// The steps of reading, in order; each takes what the one before it leaves:
//  1. typed forms    the text as typed, then the plain forms of what input methods type (text.h)
//  2. split          numbers, words and marks (text.h)
//  3. name           each word's meanings in the locale's sources: Qt's and the C library's words
//                    first, then ICU's too; the phrases joined (words.h)
//  4. company        what stands beside the day taken away: a time of day, a zone, a weekday,
//                    an ordinal's ending, the words that join the parts (timeSpans, itemsOf)
//  5. fields         the year, month and day, in the orders the locale's sources write (datesOf)
//  6. agree          one day from every way of reading the text, or none (Agreement)
//  7. calendar       the calendar the locale counts years in, and the century around today
//                    (readInLocale); then the month named in another language (readDate)

namespace {

// Whether the day lies within a century of today: one further off is more likely a year counted
// in another calendar (Thai 2569 is 2026), or a number, than a trip.
bool withinACentury(QDate day, QDate today)
{
    return day >= today.addYears(-100) && day <= today.addYears(100);
}

// ---- 6. Agree: the one rule for every choice the reader makes
// ------------------------------------

// The one day that the readings which found one name, none where two differ; a weekday that does
// not fit counts only where no reading found a day.
class Agreement
{
public:
    void add(const DateReading &reading)
    {
        if (reading.outcome == DateReading::Read) {
            m_split = m_split || (m_day && *m_day != reading.day);
            m_day = reading.day;
        } else if (reading.outcome == DateReading::WrongWeekday && !m_wrong) {
            m_wrong = reading.day;
        }
    }
    DateReading reading() const
    {
        if (m_day)
            return m_split ? DateReading{} : DateReading{DateReading::Read, *m_day};
        return m_wrong ? DateReading{DateReading::WrongWeekday, *m_wrong} : DateReading{};
    }

private:
    std::optional<QDate> m_day, m_wrong;
    bool m_split = false;
};

// ---- 4. Company: what stands beside the day ----------------------------------------------------

// A reading of one text in one calendar.
class Reading
{
public:
    Reading(QStringView text, const QList<Token> &tokens, const CalendarTerms &terms,
            const QLocale &locale, bool allSources)
        : m_text(text), m_tokens(terms.words.joined(tokens)), m_terms(terms), m_locale(locale),
          m_allSources(allSources), m_ordinal(m_tokens.size())
    {
        findOrdinals();
    }

    DateReading read() const
    {
        Agreement found;
        found.add(readBeside({0, 0}));
        for (const auto &span : timeSpans())
            found.add(readBeside(span));
        return found.reading();
    }

private:
    using Span = std::pair<qsizetype, qsizetype>; // from, to (not included)

    const Token *at(qsizetype i) const
    {
        return i >= 0 && i < m_tokens.size() ? &m_tokens[i] : nullptr;
    }
    bool number(qsizetype i, qsizetype most, int largest) const
    {
        const Token *token = at(i);
        return token && token->kind == Token::Number && token->digits <= most
               && token->value <= largest;
    }
    bool has(qsizetype i, Role role, int value = -1) const
    {
        const Token *token = at(i);
        if (!token || token->kind != Token::Word)
            return false;
        const QList<Meaning> meanings = m_terms.words.meaningsOf(*token);
        return std::any_of(meanings.begin(), meanings.end(), [&](const Meaning &meaning) {
            return meaning.role == role && (value < 0 || meaning.value == value);
        });
    }
    bool unknown(qsizetype i) const
    {
        const Token *token = at(i);
        return token && token->kind == Token::Word && !m_terms.words.knows(*token)
               && !m_terms.words.cutShort(*token);
    }
    bool attached(qsizetype i) const { return at(i) && !at(i)->blankBefore; }
    bool punctuation(qsizetype i) const
    {
        const QChar::Category kind = at(i) && at(i)->kind == Token::Mark
                                         ? at(i)->text.front().category()
                                         : QChar::Other_NotAssigned;
        return kind >= QChar::Punctuation_Connector && kind <= QChar::Punctuation_Other;
    }

    // A clock time from token `i` on, as people write one: "15:25", "15:25:50.125", "16.24",
    // "18 Uhr", "18h00", "15時25分50秒", "6 pm". Where it ends, or none.
    std::optional<qsizetype> clockAt(qsizetype i) const
    {
        // Not the end of another: "22:50" is part of "11:22:50".
        if (!number(i, 2, 24)
            || (at(i - 1) && at(i - 1)->kind == Token::Mark && number(i - 2, 2, 60) && attached(i)
                && attached(i - 1)))
            return std::nullopt;
        for (const QChar mark : {u':', u'.'}) {
            if (at(i + 1) && at(i + 1)->isMark(mark) && number(i + 2, 2, 59)
                && at(i + 2)->digits == 2) {
                qsizetype end = i + 3;
                if (at(end) && at(end)->isMark(mark) && number(end + 1, 2, 60)
                    && at(end + 1)->digits == 2)
                    end += 2;
                if (mark == u':' && at(end) && (at(end)->isMark(u'.') || at(end)->isMark(u','))
                    && attached(end) && attached(end + 1) && number(end + 1, 9, 999999999))
                    end += 2;
                return end;
            }
        }
        if (has(i + 1, Role::Marker, 'h')) {
            qsizetype end = i + 2;
            if (number(end, 2, 59) && has(end + 1, Role::Marker, 'm')) {
                end += 2;
                if (number(end, 2, 60))
                    end += has(end + 1, Role::Marker, 's') ? 2 : 1;
            } else if (number(end, 2, 59)) {
                ++end;
            }
            return end;
        }
        if (has(i + 1, Role::Meridiem) && at(i)->value <= 12)
            return i + 2;
        return std::nullopt;
    }

    // Where a time zone that ICU knows ends, if one begins at token `i`: "UTC", "GMT+01:00",
    // "+0100", "Z", "CET", "Mitteleuropäische Normalzeit".
    std::optional<qsizetype> zoneAt(qsizetype i, bool afterTime) const
    {
        // A zone begins with its name; with a sign ("+0100") only right after a time of day,
        // where it cannot be the figures of a date ("-02" of "2010-02-14").
        if (!m_allSources || !at(i)
            || (at(i)->kind != Token::Word && !(afterTime && at(i)->kind == Token::Mark))
            || has(i, Role::Month) || has(i, Role::Weekday))
            return std::nullopt;
        static LocaleCache<icu::TimeZoneFormat> formats(4);
        const auto format = formats.get(m_locale, {}, [&] {
            UErrorCode status = U_ZERO_ERROR;
            return std::shared_ptr<const icu::TimeZoneFormat>(
                icu::TimeZoneFormat::createInstance(icuLocale(m_locale), status));
        });
        if (!format)
            return std::nullopt;
        const icu::UnicodeString text = toIcu(m_text);
        icu::ParsePosition position(int32_t(at(i)->begin));
        UTimeZoneFormatTimeType type;
        const std::unique_ptr<icu::TimeZone> zone(format->parse(
            UTZFMT_STYLE_SPECIFIC_SHORT, text, position, UTZFMT_PARSE_OPTION_ALL_STYLES, &type));
        if (!zone)
            return std::nullopt;
        qsizetype end = i;
        while (at(end) && at(end)->end <= position.getIndex())
            ++end;
        return end > i && (!at(end) || at(end)->begin >= position.getIndex()) ? std::optional(end)
                                                                              : std::nullopt;
    }

    // Where a time of day may stand, with its company: the words of the part of the day, before
    // or after it ("下午3点25分", "오후 3:25", "3:25:50 pm"), a zone after it, and the words that
    // join it to the date ("um", "kl.", "pukul", "T"). A word no source knows belongs to the time
    // of day it stands beside, never to the date.
    QList<Span> timeSpans() const
    {
        QList<Span> spans;
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            std::optional<qsizetype> end = clockAt(i);
            qsizetype from = i;
            // A part of the day, then an hour of 1 to 12 and whatever words count its minutes.
            if (!end && has(i, Role::Meridiem) && number(i + 1, 2, 12)) {
                end = i + 2;
                while (number(*end, 2, 60) || unknown(*end) || has(*end, Role::Marker)
                       || (at(*end) && (at(*end)->isMark(u':') || at(*end)->isMark(u'.'))))
                    ++*end;
            }
            if (!end)
                continue;
            const int hour = at(i)->kind == Token::Number ? at(i)->value : at(i + 1)->value;
            // A colon here parts no figures of the time ("बिहिबार: ००:०४"); a word marks its hour
            // or minutes ("00:04 ч.").
            const auto company = [&](qsizetype j, bool after) {
                if (has(j, Role::Meridiem))
                    return hour <= 12;
                const bool colon = at(j) && at(j)->isMark(u':');
                return (punctuation(j) && !(colon && number(after ? j + 1 : j - 1, 99, INT_MAX)))
                       || unknown(j) || has(j, Role::AtTime) || has(j, Role::Joiner)
                       || (after && has(j, Role::Marker));
            };
            // A zone that ends right where the time of day begins ("GMT+00:00 上午 12:04").
            const auto zoneBefore = [&](qsizetype to) -> std::optional<qsizetype> {
                for (qsizetype j = std::max<qsizetype>(0, to - 6); j < to; ++j) {
                    if (zoneAt(j, false) == to)
                        return j;
                }
                return std::nullopt;
            };
            bool meridiem = has(i, Role::Meridiem);
            for (;;) {
                if (const auto zone = from > 0 ? zoneBefore(from) : std::nullopt)
                    from = *zone;
                else if (from > 0 && company(from - 1, false))
                    meridiem = has(--from, Role::Meridiem) || meridiem;
                else
                    break;
            }
            for (;;) {
                if (const auto zone = zoneAt(*end, true))
                    end = zone;
                else if (company(*end, true))
                    meridiem = has((*end)++, Role::Meridiem) || meridiem;
                else
                    break;
            }
            if (!meridiem || hour <= 12)
                spans.append({from, *end});
        }
        return spans;
    }

    // ---- 5. Fields: year, month and day -----------------------------------------------------

    struct Item
    {
        const Token *token;
        std::optional<int> month; // a month's name
        QChar field;              // 'y', 'M' or 'd' where a word after the number says so
        bool ordinal = false;     // a day
        QString marksBefore;      // what parts it from the item before it
    };

    // What the tokens outside `time` say of the date, with one choice of meaning for each word.
    DateReading readBeside(Span time) const
    {
        // The words whose meanings leave a choice, and the choices: each is tried.
        QList<qsizetype> choices;
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if ((i < time.first || i >= time.second) && !m_ordinal[i] && meaningsAt(i).size() > 1)
                choices.append(i);
        }
        Agreement found;
        QList<qsizetype> chosen(choices.size(), 0);
        for (int tried = 0; tried < 64; ++tried) {
            found.add(readWith(time, choices, chosen));
            qsizetype next = 0;
            while (next < choices.size() && ++chosen[next] == meaningsAt(choices[next]).size())
                chosen[next++] = 0;
            if (next == choices.size())
                break;
        }
        return found.reading();
    }

    // A word's meanings that count for the date, one of each kind; a word that two sources name
    // as different months (or weekdays) is neither. A word cut short may name a month or weekday.
    QList<Meaning> meaningsAt(qsizetype i) const
    {
        const Token &token = m_tokens[i];
        if (token.kind != Token::Word)
            return {};
        QList<Meaning> meanings;
        for (const Meaning &meaning : m_terms.words.meaningsOf(token)) {
            const auto same = [&](const Meaning &other) { return other.role == meaning.role; };
            const auto known = std::find_if(meanings.begin(), meanings.end(), same);
            if (known == meanings.end())
                meanings.append(meaning);
            else if (known->value != meaning.value && meaning.role != Role::Marker)
                known->value = 0; // split: names no month or weekday
        }
        if (const auto named = meanings.isEmpty() ? m_terms.words.cutShort(token) : std::nullopt)
            meanings.append(*named);
        return meanings;
    }

    DateReading readWith(Span time, const QList<qsizetype> &choices,
                         const QList<qsizetype> &chosen) const
    {
        QList<Item> items;
        QList<int> weekdays;
        std::optional<int> era;
        QString marks; // since the last item
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (i >= time.first && i < time.second) {
                marks += u' ';
                continue;
            }
            const Token &token = m_tokens[i];
            if (m_ordinal[i] && token.kind != Token::Number)
                continue; // an ordinal's affix
            if (token.kind == Token::Mark) {
                const QChar::Category kind = token.text.front().category();
                if (token.isMark(u':') || kind < QChar::Punctuation_Connector
                    || kind > QChar::Punctuation_Other)
                    return {}; // a sign that is no part of a date: "+", "%", a lone colon
                marks += token.text;
                continue;
            }
            if (token.kind == Token::Number) {
                items.append({&token, {}, {}, m_ordinal[i], marks});
                marks.clear();
                continue;
            }
            const QList<Meaning> meanings = meaningsAt(i);
            const qsizetype choice = choices.indexOf(i);
            if (meanings.isEmpty())
                return {}; // a word no source knows, beside the date
            const Meaning meaning = meanings[choice < 0 ? 0 : chosen[choice]];
            switch (meaning.role) {
            case Role::Month:
                if (meaning.value == 0)
                    return {};
                items.append({&token, meaning.value, {}, false, marks});
                marks.clear();
                break;
            case Role::Weekday:
                if (meaning.value != 0) // one the sources dispute cannot be checked
                    weekdays.append(meaning.value);
                break;
            case Role::Era:
                if (era && *era != meaning.value)
                    return {};
                era = meaning.value;
                break;
            case Role::Marker:
                // Right after a number it says which field that is; elsewhere it joins.
                if (!items.isEmpty() && !token.blankBefore && items.back().token == at(i - 1)
                    && QStringView(u"yMd").contains(QChar(meaning.value))) {
                    items.back().field = QChar(meaning.value);
                    if (meaning.value == 'M' && items.back().token->value <= 12)
                        items.back().month = items.back().token->value;
                }
                break;
            case Role::Meridiem:
                return {}; // a part of the day beside no time of day, or one it does not fit
            default:       // words that join the parts
                break;
            }
        }
        const std::optional<QDate> day = dateOf(items, era);
        if (!day)
            return {};
        const bool fits = std::all_of(weekdays.begin(), weekdays.end(),
                                      [&](int weekday) { return weekday == day->dayOfWeek(); });
        return {fits ? DateReading::Read : DateReading::WrongWeekday, *day};
    }

    // The day the items name: each way of taking them as a year, a month and a day that the
    // words after the numbers allow, in an order some locale writes; where those ways name
    // different days, the one in the order the locale's own forms all write.
    std::optional<QDate> dateOf(const QList<Item> &items, std::optional<int> era) const
    {
        if (items.size() == 1 && items[0].token->digits == 8 && !items[0].month)
            return basicForm(*items[0].token);
        if (items.size() != 3)
            return std::nullopt;
        const bool named = std::any_of(items.begin(), items.end(), [](const Item &item) {
            return item.month && item.token->kind == Token::Word;
        });
        const bool marked = std::count_if(items.begin(), items.end(),
                                          [](const Item &item) { return !item.field.isNull(); })
                            >= 2;
        // Figures alone: parted alike ("24.12.2026", "24 12 2026") by such marks, or as one of
        // the locale's own forms parts them (Faroese "21/12-2044").
        const QString first = QString(items[1].marksBefore).remove(u' ');
        const QString second = QString(items[2].marksBefore).remove(u' ');
        const auto formsOf = [&](int width) {
            return m_terms.numericForms.value(formKey(first, second, width));
        };
        // The locale's forms in figures whose year has that many figures, however parted.
        const auto formsWithYearOf = [&](int width) {
            QSet<Order> forms;
            for (auto it = m_terms.numericForms.begin(); it != m_terms.numericForms.end(); ++it) {
                if (it.key().endsWith(u'|' + QString::number(width)))
                    forms.unite(it.value());
            }
            return forms;
        };
        const bool parted = !formsOf(2).isEmpty() || !formsOf(4).isEmpty();
        const bool alike =
            first == second
            && (first.isEmpty()
                || (first.size() == 1 && QStringView(u"/-.").contains(first.front())));
        if (!named && !marked && !alike && !parted)
            return std::nullopt;
        // The ways of taking the items as a year, a month and a day that make a day.
        struct Way
        {
            QDate day;
            Order order;
            int width;     // of the year: 2, or 4 for one written in full
            bool credible; // in an order the locale writes, or the year in full in a common one
        };
        // A month named in English, where the locale names it otherwise, is read in English's
        // orders too ("21 Jan 20" under ja_JP may be day first).
        const bool english = std::any_of(items.begin(), items.end(), [&](const Item &item) {
            return item.token->kind == Token::Word
                   && m_terms.englishMonths.contains(item.token->loose);
        });
        const QSet<Order> namedOrders =
            m_terms.namedOrders
            + (english ? QSet<Order>{QStringLiteral("dMy"), QStringLiteral("Mdy")} : QSet<Order>());
        QSet<Order> written = named ? namedOrders : QSet<Order>();
        for (const QSet<Order> &orders : m_terms.numericForms)
            written.unite(named ? QSet<Order>() : orders);
        QList<Way> ways;
        QString roles = QStringLiteral("Mdy");
        do {
            if (const std::optional<QDate> day = dayIn(items, roles, era)) {
                const int width = items[roles.indexOf(u'y')].token->digits > 2 || era ? 4 : 2;
                const bool common = roles == u"yMd" || roles == u"dMy" || roles == u"Mdy";
                ways.append({*day, roles, width,
                             written.contains(roles) || marked || (common && width == 4)});
            }
        } while (std::next_permutation(roles.begin(), roles.end()));
        const auto oneDay = [](const QList<Way> &some) {
            return !some.isEmpty() && std::all_of(some.begin(), some.end(), [&](const Way &way) {
                return way.day == some[0].day;
            });
        };
        if (ways.isEmpty() || oneDay(ways)) {
            const bool credible =
                std::any_of(ways.begin(), ways.end(), [](const Way &way) { return way.credible; });
            return credible ? std::optional(ways[0].day)
                            : std::nullopt; // "30/3/3" is no 3 March 2030
        }
        // Which of several days the locale means is for all its sources to say, ICU's forms with
        // them, which a reading that needs no choice does without ("1977-05-03" is the fifth of
        // March in Kyrgyz, and "2/11/1987" the eleventh of February in Maltese, as ICU alone
        // writes them).
        if (!m_allSources)
            return std::nullopt;
        // Where the ways differ, the locale decides in two steps. First the year's place. A year
        // of two figures goes where the locale's forms in figures with such a year write it, or
        // where it has none, where all its forms in figures do, and they must agree ("24.12.26" is
        // Qt's Austrian "dd.MM.yy", though the C library's writes "%Y-%m-%d"; Central Kurdish
        // writes "y-MM-dd" and "d/M/y", and Hong Kong "d/M/y" and "y年M月d日", so "27-1-05" and
        // "10-02-14" are no day). A year in full, where the ways differ on its place, goes where
        // the forms that could have written the text put it: those parted as it is with as long
        // a year, or parted as it is, or with as long a year. Then day and month, by all its
        // forms with the year in that place, which must agree (Qt's Georgian "dd.MM.yy" beside
        // the C library's "%m/%d/%Y": "11/02/1987" is none).
        const auto yearPlace = [](const Order &order) { return order.indexOf(u'y'); };
        const auto agreed = [&](const QSet<Order> &forms,
                                const auto &same) -> std::optional<Order> {
            std::optional<Order> order;
            for (const Order &form : forms) {
                const bool makesADay = std::any_of(
                    ways.begin(), ways.end(), [&](const Way &way) { return way.order == form; });
                if (makesADay && order && !same(*order, form))
                    return std::nullopt;
                order = makesADay ? form : order;
            }
            return order;
        };
        const auto keepYearAt = [&](qsizetype place) {
            ways.removeIf([&](const Way &way) { return yearPlace(way.order) != place; });
        };
        if (!named && std::all_of(ways.begin(), ways.end(), [](const Way &way) {
                return way.width == 2;
            })) {
            QSet<Order> forms = formsWithYearOf(2);
            if (forms.isEmpty())
                forms = m_terms.figureOrders;
            if (forms.isEmpty() || std::any_of(forms.begin(), forms.end(), [&](const Order &form) {
                    return yearPlace(form) != yearPlace(*forms.begin());
                }))
                return std::nullopt;
            keepYearAt(yearPlace(*forms.begin()));
        } else if (!std::all_of(ways.begin(), ways.end(), [&](const Way &way) {
                       return yearPlace(way.order) == yearPlace(ways[0].order);
                   })) {
            QSet<Order> couldHave;
            for (const Way &way : ways) {
                QSet<Order> forms = formsOf(way.width);
                if (forms.isEmpty())
                    forms = formsOf(2) + formsOf(4);
                if (forms.isEmpty())
                    forms = formsWithYearOf(way.width);
                couldHave.unite(named ? namedOrders : forms);
            }
            const auto place = agreed(couldHave, [&](const Order &a, const Order &b) {
                return yearPlace(a) == yearPlace(b);
            });
            if (!place)
                return std::nullopt;
            keepYearAt(yearPlace(*place));
        }
        if (ways.isEmpty())
            return std::nullopt;
        QSet<Order> sharingThePlace;
        for (const Order &order : written) {
            if (yearPlace(order) == yearPlace(ways[0].order))
                sharingThePlace.insert(order);
        }
        ways.removeIf([](const Way &way) { return !way.credible; });
        if (sharingThePlace.isEmpty())
            return oneDay(ways) ? std::optional(ways[0].day) : std::nullopt;
        const auto order = agreed(sharingThePlace, std::equal_to<Order>());
        const auto way = std::find_if(ways.begin(), ways.end(),
                                      [&](const Way &way) { return way.order == order; });
        return order && way != ways.end() ? std::optional(way->day) : std::nullopt;
    }

    // The day if the items are the year, month and day in the order of `roles` ("dMy").
    std::optional<QDate> dayIn(const QList<Item> &items, const QString &roles,
                               std::optional<int> era) const
    {
        const Item *year = nullptr;
        int month = 0, day = 0;
        for (qsizetype i = 0; i < 3; ++i) {
            const Item &item = items[i];
            const QChar role = roles[i];
            const bool word = item.token->kind == Token::Word;
            if ((!item.field.isNull() && item.field != role) || (word && role != u'M')
                || (item.ordinal && role != u'd'))
                return std::nullopt;
            if (role == u'y')
                year = &item;
            else if (role == u'M' && (item.month || item.token->digits <= 2))
                month = item.month.value_or(item.token->value);
            else if (role == u'd' && item.token->digits <= 2)
                day = item.token->value;
            else
                return std::nullopt;
        }
        if (month < 1 || month > 12 || day < 1 || day > 31)
            return std::nullopt;
        return m_terms.dayOf(era, *year->token, month, day);
    }

    // ISO 8601's basic form, "20351205", where no other order of the eight figures makes a day
    // ("20121212" may as well be 20 December 1212), and within a century of today: eight figures
    // far from it are more likely a number than a trip.
    std::optional<QDate> basicForm(const Token &figures) const
    {
        const auto dayAt = [&](qsizetype year, qsizetype month, qsizetype day) {
            Token written = figures;
            written.text = figures.text.sliced(year, 4);
            written.value = written.text.toInt();
            written.digits = 4;
            return m_terms.dayOf({}, written, figures.text.sliced(month, 2).toInt(),
                                 figures.text.sliced(day, 2).toInt());
        };
        if (dayAt(4, 2, 0) || dayAt(4, 0, 2))
            return std::nullopt;
        return dayAt(0, 4, 6);
    }

    // The ordinals: a number with the ending (or the start) the locale writes an ordinal of it
    // with, right beside it ("24th", "1er", "13:e", "第14"); then the number is a day, and its
    // affix no word of the date. Languages write an ordinal's ending in more forms than the
    // libraries know ("14º", "13η", "13eg", "14-ти", "1-го", "14-мӗшӗ"): a short word that means
    // nothing else, right after a number that may be a day, or after it and a hyphen, says the
    // same, and only that the number is the day.
    void findOrdinals()
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            const Token &number = m_tokens[i];
            if (number.kind != Token::Number)
                continue;
            const auto affixes = m_terms.ordinals.value(number.value);
            const auto written = [&](const QString &affix, bool start) {
                return std::any_of(affixes.begin(), affixes.end(), [&](const auto &known) {
                    return !affix.isEmpty() && (start ? known.first : known.second) == affix;
                });
            };
            const bool mark = punctuation(i + 1) && attached(i + 1);
            const qsizetype word = i + 1 + mark;
            if (at(word) && at(word)->kind == Token::Word && attached(word)) {
                const QString ending = (mark ? at(i + 1)->text : QString()) + at(word)->loose;
                const qsizetype letters =
                    m_terms.words.knows(*at(word)) ? 0 : at(word)->loose.size();
                const bool day = number.digits <= 2 && number.value >= 1 && number.value <= 31;
                const bool unnamed = day && letters > 0 && letters <= (mark ? 4 : 3)
                                     && (!mark || at(i + 1)->isMark(u'-'));
                if (written(ending, false) || (!mark && written(at(word)->loose, false))
                    || unnamed) {
                    m_ordinal[i] = true;
                    std::fill(m_ordinal.begin() + i + 1, m_ordinal.begin() + word + 1, true);
                }
            }
            if (attached(i) && at(i - 1) && at(i - 1)->kind == Token::Word
                && written(at(i - 1)->loose, true))
                m_ordinal[i] = m_ordinal[i - 1] = true;
        }
    }

    QStringView m_text;
    QList<Token> m_tokens;
    const CalendarTerms &m_terms;
    QLocale m_locale;
    bool m_allSources;     // ICU's words and forms too
    QList<bool> m_ordinal; // a number that is an ordinal, and its affix
};

// ---- 7. Calendar and century -----------------------------------------------------------------

// The day the text names in the locale: the Gregorian reading where it lies within a century of
// today; else the reading in the calendars the locale's people count years in, where it lies
// within a century of today (Thai 2569, Persian 1405, the Republic of China's 115 are never
// Gregorian years centuries off). Only where the Gregorian calendar is the locale's one
// calendar is a year written in full taken however far it lies ("12/31/9999"); that is known
// only once all the sources are asked.
DateReading readInLocale(QStringView text, const QList<Token> &tokens, const LocaleTerms &terms,
                         const QLocale &locale, QDate today, bool allSources)
{
    const DateReading gregorian = Reading(text, tokens, terms.gregorian, locale, allSources).read();
    if (gregorian.outcome != DateReading::NotADate && withinACentury(gregorian.day, today))
        return gregorian;
    Agreement counted;
    for (const CalendarTerms &calendar : terms.yearCalendars) {
        const DateReading reading = Reading(text, tokens, calendar, locale, allSources).read();
        if (withinACentury(reading.day, today))
            counted.add(reading);
    }
    if (const DateReading reading = counted.reading(); reading.outcome != DateReading::NotADate)
        return reading;
    return allSources && !terms.yearsInFiguresAlone ? gregorian : DateReading{};
}

} // namespace

DateReading readDate(QStringView text, const DateContext &context)
{
    for (const QString &typed : typedForms(text, context.locale)) {
        const QList<Token> tokens = tokenize(typed);
        if (tokens.isEmpty())
            continue;
        for (const Sources sources : {Sources::QtAndSystem, Sources::AllLibraries}) {
            const auto terms =
                termsOf(context.locale, context.systemLocale, sources, context.today);
            const DateReading reading =
                readInLocale(typed, tokens, *terms, context.locale, context.today,
                             sources == Sources::AllLibraries);
            // A weekday that does not fit is for all the sources to say: ICU's words may know as
            // one word what the others split into theirs (Lao's era "ຄ.ສ." is two weekdays'
            // short names to the C library).
            if (reading.outcome == DateReading::Read
                || (reading.outcome == DateReading::WrongWeekday
                    && sources == Sources::AllLibraries))
                return reading;
        }
        // A month named in another language, read in that language's forms: a date saved under
        // one language still counts under another. Where several languages name it, they agree.
        const auto own =
            termsOf(context.locale, context.systemLocale, Sources::AllLibraries, context.today);
        QList<QLocale> others;
        for (const Token &word : tokens) {
            if (word.kind == Token::Word && !own->gregorian.words.knows(word)) {
                for (const QLocale &other : localesNaming(word, context.locale)) {
                    if (!others.contains(other))
                        others.append(other);
                }
            }
        }
        Agreement found;
        for (const QLocale &other : std::as_const(others)) {
            const auto terms = termsOf(other, {}, Sources::QtAndSystem, context.today);
            found.add(readInLocale(typed, tokens, *terms, other, context.today, false));
        }
        if (const DateReading reading = found.reading(); reading.outcome != DateReading::NotADate)
            return reading;
    }
    return {};
}

QString numericDateFormat(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    return format.contains(QStringLiteral("MMM")) ? QStringLiteral("MM/dd/yyyy") : format;
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
