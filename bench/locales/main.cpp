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
// --languages prints the code of each language Qt knows. --system reads instead what the C library
// writes (no rule of the reader's made those texts): strftime's %x, %c, "%A %e %B %Y", "%d %b %Y"
// and the locale's date_fmt, of a spread of days, in every UTF-8 locale installed (Debian's
// locales-all) whose language Qt knows, and prints what it read as meant, wrong and refused, by the
// script of the locale's language.
// --labelled [DRAW] writes the labelled set of bench/locales/labelled.h instead (draw 41 unless
// given), and --read FILE reads one with the program's reader.

#include "datereader/datereader.h"
#include "datereader/words.h"
#include "labelled.h"
#include "tripdate/tripdateentry.h"
#include "typing.h"

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QTextStream>

#include <langinfo.h>
#include <locale.h>
#include <time.h>

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
        const std::optional<QDate> found = readDate(text, {locale, kToday}).date();
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

// Qt's own forms, and the three forms every locale reads.
void measureQtForms()
{
    const QList<QLocale> qtLocales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    Tally qt, examples, required;
    for (const QLocale &locale : qtLocales) {
        const bool disputed = orderDisputed(locale.dateFormat(QLocale::ShortFormat), locale);
        for (QDate date(1980, 1, 3); date.year() <= 2070; date = date.addDays(97)) {
            for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
                if (format == QLocale::ShortFormat && disputed)
                    ++qt.disputed;
                else
                    qt.count(locale.toString(date, format), locale, date, "qt");
            }
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
                const bool disputed = orderDisputed(shown, locale);
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
        Typing typing;
        typing.nativeDigits = nativeDigits(where);
        typing.fullWidth = QByteArrayList{"ja", "zh", "ko"}.contains(where.getLanguage());
        const QList<QByteArray> own = icuYearCalendars(locale);
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
                const QString month = fieldOf(pattern, u"ML");
                for (const QDate date : dates) {
                    const bool named = month.size() >= 3;
                    typing.month = named ? icuText(toIcu(month), in, date) : QString();
                    typing.englishMonth = named ? icuText(toIcu(month), english, date) : QString();
                    const QString exact = icuText(toIcu(pattern), in, date);
                    for (const auto &[kind, text] : typedForms(exact, typing)) {
                        Tally &tally = tallies[kind][calendar != "gregorian"];
                        if (orderDisputed(pattern, locale, text))
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

// What the C library writes, read back.
void measureSystemForms()
{
    QProcess installed;
    installed.start(QStringLiteral("locale"), {QStringLiteral("-a")});
    installed.waitForFinished();
    const QStringList names =
        QString::fromLocal8Bit(installed.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QList<QDate> days{QDate(2010, 2, 14), QDate(1987, 2, 11)};
    for (int month = 1; month <= 12; ++month)
        days << QDate(1977 + 7 * month, month, 1 + month % 12)
             << QDate(2074 - 5 * month, month, 13 + month);
    struct Counts
    {
        qint64 read = 0, wrong = 0, refused = 0;
    };
    QMap<QString, Counts> byScript, byForm;
    QSet<QString> seen;
    int locales = 0;
    for (const QString &name : names) {
        const QByteArray system = name.toLatin1();
        const locale_t handle =
            newlocale(LC_TIME_MASK | LC_CTYPE_MASK, system.constData(), locale_t(0));
        if (!handle)
            continue;
        const bool utf8 = qstrcmp(nl_langinfo_l(CODESET, handle), "UTF-8") == 0;
        QString plain = name.section(u'.', 0, 0);
        if (name.contains(u'@'))
            plain += u'@' + name.section(u'@', 1);
        const QLocale locale(name.section(u'.', 0, 0).section(u'@', 0, 0));
        if (!utf8 || locale.language() == QLocale::C || seen.contains(plain)) {
            freelocale(handle);
            continue;
        }
        seen.insert(plain);
        ++locales;
        const QByteArray dateFormat = nl_langinfo_l(_DATE_FMT, handle);
        for (const QDate day : std::as_const(days)) {
            struct tm when = {};
            when.tm_year = day.year() - 1900;
            when.tm_mon = day.month() - 1;
            when.tm_mday = day.day();
            when.tm_hour = day.day() % 24;
            when.tm_min = 25;
            when.tm_sec = 50;
            when.tm_wday = day.dayOfWeek() % 7;
            when.tm_yday = day.dayOfYear() - 1;
            when.tm_zone = "UTC";
            for (const QByteArray &format :
                 {QByteArray("%x"), QByteArray("%c"), QByteArray("%A %e %B %Y"),
                  QByteArray("%d %b %Y"), dateFormat}) {
                char written[256] = {};
                if (!strftime_l(written, sizeof written, format.constData(), &when, handle))
                    continue;
                const QString text = QString::fromUtf8(written);
                const std::optional<QDate> found = readDate(text, {locale, kToday, system}).date();
                for (Counts *counts : {&byScript[QLocale::scriptToString(locale.script())],
                                       &byForm[format == dateFormat ? QStringLiteral("date_fmt")
                                                                    : QString::fromLatin1(format)],
                                       &byForm[QStringLiteral("all")]}) {
                    counts->read += found == day;
                    counts->wrong += found && *found != day;
                    counts->refused += !found;
                }
                if (verbose && found != day)
                    out << "system\t" << name << '\t' << text << '\t' << day.toString(Qt::ISODate)
                        << '\t' << (found ? found->toString(Qt::ISODate) : QStringLiteral("-"))
                        << '\n';
            }
        }
        freelocale(handle);
    }
    out << "The C library's forms, " << locales << " locales whose language Qt knows, "
        << days.size() << " days each\n";
    for (const auto *table : {&byScript, &byForm}) {
        out << (table == &byScript ? "script" : "form")
            << "\ttexts\tread as meant\twrong\trefused\n";
        for (auto it = table->begin(); it != table->end(); ++it) {
            const Counts &c = it.value();
            const qint64 texts = c.read + c.wrong + c.refused;
            out << it.key() << '\t' << texts << '\t' << c.read << " ("
                << QString::number(100.0 * double(c.read) / double(texts), 'f', 1) << " %)\t"
                << c.wrong << '\t' << c.refused << '\n';
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--labelled")); at > 0) {
        writeLabelledSet(arguments.value(at + 1, QStringLiteral("41")).toUInt(), out);
        return 0;
    }
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--read")); at > 0)
        return readLabelledSet(arguments.value(at + 1), out) ? 0 : 1;
    verbose = arguments.contains(QStringLiteral("-v"));
    if (arguments.contains(QStringLiteral("--languages"))) { // the languages Qt knows, by code
        QSet<QString> codes;
        for (const QLocale &locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            codes.insert(QLocale::languageToCode(locale.language()));
        for (const QString &code : std::as_const(codes))
            out << code << '\n';
        return 0;
    }
    if (arguments.contains(QStringLiteral("--system"))) {
        measureSystemForms();
        return 0;
    }
    if (!app.arguments().contains(QStringLiteral("--typed-only"))) {
        measureQtForms();
        measureCldrForms();
    }
    measureTypedForms();
    return 0;
}
