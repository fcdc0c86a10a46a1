#include "datereader.h"

#include "datereader/cldrforms.h"
#include "datereader/localecache.h"
#include "datereader/loosedate.h"
#include "datereader/othercalendars.h"
#include "datereader/typedtext.h"

#include <QHash>

#include <algorithm>

namespace {

// The words of the locale's Gregorian forms in CLDR, and those that stand around a date, made once
// for each of the last few locales.
std::shared_ptr<const std::pair<QStringList, QStringList>> gregorianWords(const QLocale &locale)
{
    static LocaleCache<std::pair<QStringList, QStringList>> kept(16);
    return kept.get(locale, {}, [&] {
        return std::make_shared<const std::pair<QStringList, QStringList>>(
            patternWords(locale, "gregorian"), wordsAroundDates(locale));
    });
}

// A Gregorian date as the locale writes it: first as Qt writes it and as people type it, which
// is how the program has always read dates, then in CLDR's other common forms. The forms of
// another language than the user's are read only as that language writes them, with the month
// named.
std::optional<QDate> readGregorian(QStringView text, const QLocale &locale, QDate today,
                                   bool namedOnly)
{
    const NumericOrder order = numericOrder(locale);
    if (const auto date = readQtForm(text, locale, today, namedOnly))
        return date;
    if (!namedOnly) {
        const auto orderAroundNames = [&locale] { return namedOrder(locale, "gregorian"); };
        DateTerms terms = gregorianTerms(locale, orderAroundNames, today);
        terms.timeWords = [&locale] { return timeWords(locale); };
        // A Gregorian year in the locale's native digits is a Gregorian year (Thai "๒๐๙๕"); they
        // are looked up only where the text has digits other than ASCII ones, which a date in
        // figures read at every start has not.
        if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c > u'9'; }))
            terms.zeros = digitZeros(locale, "gregorian");
        if (const auto date = readLooseDate(text, terms))
            return date;
        if (const auto date = readCldrForm(text, locale, "gregorian", order, today))
            return date;
        // Last, the words as people type them, case and accents aside, and with the words of
        // CLDR's forms and those around a date, which take ICU's pattern generator. They join the
        // parts only where they stand apart from the numbers (Latvian "2080. g. 29."); a word that
        // labels a number ("年") is read in CLDR's forms, in its place.
        if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
            return std::nullopt;
        const auto words = gregorianWords(locale);
        const auto &[literals, around] = *words;
        terms.around = literals + around;
        terms.foldLetters = true;
        return readLooseDate(text, terms);
    }
    return readCldrForm(text, locale, "gregorian", order, today, namedOnly);
}

// The day the text names in the calendars the locale's people count years in, if they agree:
// in CLDR's forms, or typed as loosely as Gregorian dates.
std::optional<QDate> readCountedYears(QStringView text, const QLocale &locale, QDate today,
                                      bool namedOnly)
{
    AgreedDay found;
    for (const QByteArray &calendar : yearCalendars(locale)) {
        auto day = readCldrForm(text, locale, calendar.constData(), numericOrder(locale), today,
                                namedOnly);
        if (!day && !namedOnly)
            day = readInCalendar(text, locale, calendar.constData());
        found.add(day);
    }
    return found.day();
}

// The day the text names in the locale: the Gregorian reading where it lies within a century of
// today; else the reading in the calendars the locale's people count years in, where it lies
// within a century of today. A reading in those calendars far from today is none: an impossible
// Gregorian day does not become a day centuries off by reading its year in another calendar
// (Persian "2026/4/31" is no day of the year 2647). Neither is a Gregorian year far from today
// where those calendars write a year in figures alone (Thai 2569, Persian 1405, the Republic of
// China's 115): never 400 years off. Where the Gregorian calendar is the only one, a year written
// in full is the year meant, however far ("12/31/9999").
std::optional<QDate> readInLocale(QStringView text, const QLocale &locale, QDate today,
                                  bool namedOnly = false)
{
    const std::optional<QDate> gregorian = readGregorian(text, locale, today, namedOnly);
    if (gregorian && withinACentury(*gregorian, today))
        return gregorian;
    const std::optional<QDate> counted = readCountedYears(text, locale, today, namedOnly);
    if (counted && withinACentury(*counted, today))
        return counted;
    if (!gregorian || writesYearsAlone(locale))
        return std::nullopt;
    return gregorian;
}

// Which languages each word of a month's name belongs to: one locale for each language and
// script Qt knows that has the word among its names. A date names its month; a weekday alone, or
// a word of one or two letters ("de", "Ma"), says too little of the language to try it.
class NameIndex
{
public:
    static const NameIndex &instance()
    {
        static const NameIndex index;
        return index;
    }

    // The locales of other languages than the user's, one for each language and script, whose
    // month names hold a word of the text that is no month's or weekday's name in the user's
    // language or in English, which the user's reading knows already.
    QList<QLocale> localesNamedIn(QStringView text, const QLocale &user) const
    {
        const QStringList known = wordsOf(namesOf(user, true) + u' ' + namesOf(QLocale::c(), true));
        QList<QLocale> found;
        for (const QString &word : wordsOf(text)) {
            if (known.contains(word))
                continue;
            for (const QLocale &locale : m_locales.value(word)) {
                const auto same = [&](const QLocale &other) {
                    return languageKey(other) == languageKey(locale);
                };
                if (!same(user) && std::none_of(found.begin(), found.end(), same))
                    found.append(locale);
            }
        }
        return found;
    }

    static int languageKey(const QLocale &locale)
    {
        return int(locale.language()) * 1000 + int(locale.script());
    }

private:
    NameIndex()
    {
        const QList<QLocale> all = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : all) {
            for (const QString &word : wordsOf(namesOf(locale, false))) {
                QList<QLocale> &locales = m_locales[word];
                if (std::none_of(locales.begin(), locales.end(), [&](const QLocale &known) {
                        return languageKey(known) == languageKey(locale);
                    }))
                    locales.append(locale);
            }
        }
    }

    // The locale's month names, and with `weekdays` its weekday names, parted by blanks.
    static QString namesOf(const QLocale &locale, bool weekdays)
    {
        const DateTerms::Names names = namesIn(locale);
        QStringList all;
        for (const QStringList &forms : names.months)
            all << forms;
        for (const QStringList &forms : weekdays ? names.weekdays : QList<QStringList>())
            all << forms;
        return all.join(u' ');
    }

    // The words of a text, folded: runs of three or more letters, with their marks.
    static QStringList wordsOf(QStringView text)
    {
        QStringList words;
        QString word;
        const auto end = [&] {
            if (word.size() >= 3)
                words.append(word.toCaseFolded());
            word.clear();
        };
        for (const QChar c : text) {
            if (c.isLetter() || (c.isMark() && !word.isEmpty()))
                word += c;
            else
                end();
        }
        end();
        return words;
    }

    QHash<QString, QList<QLocale>> m_locales;
};

// A date whose month is named in another language than the user's, in one of that language's
// own forms that name the month (as Qt and CLDR write them, in the Gregorian calendar or in the
// one its people count years in; the looser reading is for the user's own language): a date
// saved under one language still counts under another. Where the text names the month in
// several languages, they must agree.
std::optional<QDate> readInOtherLanguages(QStringView text, const QLocale &locale, QDate today)
{
    AgreedDay found;
    for (const QLocale &other : NameIndex::instance().localesNamedIn(text, locale))
        found.add(readInLocale(text, other, today, true));
    return found.day();
}

// The text as the locale's forms would write it, where people type it otherwise: each run of
// blanks one blank ("Th  7"), without a final dot after the date ("1992年6月7日."; not the second
// of two), and with the numbers that Chinese and Japanese write in Han numerals as figures.
QString typedLoosely(const QString &text, const QLocale &locale)
{
    QString looser;
    for (const QChar c : text) {
        const bool blank = c.isSpace() && c != u'\n' && c != u'\r';
        if (!blank || looser.isEmpty() || looser.back() != u' ')
            looser += blank ? QChar(u' ') : c;
    }
    looser = withHanNumeralsAsFigures(looser, locale);
    if (looser.endsWith(u'.') && !looser.chopped(1).endsWith(u'.'))
        looser = looser.chopped(1).trimmed();
    return looser;
}

} // namespace

std::optional<QDate> readDate(QStringView text, const DateContext &context)
{
    const QString normal = text.trimmed().toString().normalized(QString::NormalizationForm_C);
    if (normal.isEmpty())
        return std::nullopt;
    // What input methods type, full-width figures and brackets ("２０２６年１２月２４日（木）"),
    // read as the plain forms they stand for; only where the text as typed is no date, since
    // Unicode's compatibility forms also turn "1º" into "1o".
    QStringList texts{normal};
    if (const QString plain = normal.normalized(QString::NormalizationForm_KC); plain != normal)
        texts << plain;
    for (const QString &typed : std::as_const(texts)) {
        if (const auto day = readInLocale(typed, context.locale, context.today))
            return day;
    }
    for (const QString &typed : std::as_const(texts)) {
        if (const auto day = readInOtherLanguages(typed, context.locale, context.today))
            return day;
    }
    // Then as typed more loosely than any form writes it, only where the text as typed is no date.
    // In small letters too, as the words of CLDR's forms are ("2064(E)KO UZTAILAREN 13(A)"), which
    // ICU matches as written.
    QStringList looser;
    for (const QString &typed : std::as_const(texts)) {
        const QString loosely = typedLoosely(typed, context.locale);
        looser << loosely << context.locale.toLower(loosely);
    }
    looser.removeDuplicates();
    for (const QString &typed : std::as_const(looser)) {
        if (texts.contains(typed))
            continue;
        if (const auto day = readInLocale(typed, context.locale, context.today))
            return day;
        if (const auto day = readInOtherLanguages(typed, context.locale, context.today))
            return day;
    }
    return std::nullopt;
}
