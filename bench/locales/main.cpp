// How many of the dates each locale writes the date reader reads back, as the date they name:
//  - Qt's short and long forms of a spread of dates from 1980 to 2070, in every locale Qt
//    knows, and the prompt's example date;
//  - the three forms every locale must read (12/12/2005, Dec 12, 2005, 12/12/2005 6:00 PM);
//  - CLDR's common forms, as ICU's pattern generator gives them for six skeletons, of a spread
//    of dates from 1977 to 2074, in every locale ICU and Qt both know: in the Gregorian calendar,
//    and in the locale's own calendar where that is another one. A form in figures whose order
//    of day, month and year differs from Qt's short format for the locale is disputed between
//    CLDR and Qt; it is counted apart, and never read against Qt's order.
// Prints the shares read back, the wrong dates, and every listed locale that does not read all
// of its forms; with -v, every form not read back.

#include "datereader/cldrforms.h"
#include "datereader/datereader.h"
#include "datereader/loosedate.h"
#include "tripdate/tripdateentry.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unicode/calendar.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>

namespace {

const QDate kToday(2026, 12, 6);
QTextStream out(stdout);
bool verbose = false;

struct Tally
{
    qint64 forms = 0, read = 0, wrong = 0, disputed = 0;

    // Reads `text`, which names `date`, and says whether it read back.
    bool count(const QString &text, const QLocale &locale, QDate date, const char *what)
    {
        const std::optional<QDate> found = readDate(text, {locale, kToday});
        ++forms;
        read += found == date;
        wrong += found && *found != date;
        if (verbose && found != date)
            out << what << "\t" << locale.name() << "\t" << text << "\t"
                << (found ? found->toString(Qt::ISODate) : QStringLiteral("-")) << "\n";
        return found == date;
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

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// The day as ICU writes it with `pattern` in `where`, at noon in Greenwich.
QString icuText(const icu::UnicodeString &pattern, const icu::Locale &where, QDate date)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(pattern, where, status);
    format.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString text;
    format.format((double(date.toJulianDay() - 2440588) + 0.5) * U_MILLIS_PER_DAY, text);
    return fromIcu(text);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    verbose = app.arguments().contains(QStringLiteral("-v"));
    const QStringList watched = QStringLiteral(
        "en_US en_GB de_DE fr_FR es_ES it_IT pt_BR pt_PT nl_NL pl_PL sv_SE cs_CZ hu_HU ro_RO "
        "el_GR ru_RU uk_UA tr_TR he_IL ar_EG fa_IR hi_IN bn_BD ja_JP zh_CN zh_TW ko_KR vi_VN "
        "th_TH id_ID ms_MY lt_LT lv_LV kk_KZ").split(u' ');

    // Qt's own forms, and the three forms every locale reads.
    const QList<QLocale> qtLocales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    Tally qt, examples, required;
    for (const QLocale &locale : qtLocales) {
        for (QDate date(1980, 1, 3); date.year() <= 2070; date = date.addDays(97)) {
            for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat})
                qt.count(locale.toString(date, format), locale, date, "qt");
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

    // CLDR's common forms, through ICU.
    const char *skeletons[] = {"yMd", "yMMdd", "yMMMd", "yMMMMd", "yMMMEd", "yMMMMEEEEd"};
    QList<QDate> dates;
    for (int k = 0; k < 20; ++k)
        dates << QDate(1977 + 5 * k, 1 + 5 * k % 12, 1 + 7 * k % 28);
    int32_t available = 0;
    const icu::Locale *icuLocales = icu::Locale::getAvailableLocales(available);
    Tally gregorian, own;
    QHash<QString, std::pair<qint64, qint64>> watchedForms; // read, of
    int both = 0, ownCalendars = 0;
    for (int32_t i = 0; i < available; ++i) {
        const icu::Locale &where = icuLocales[i];
        const QLocale locale(QString::fromLatin1(where.getName()));
        if (locale.language() == QLocale::C
            || QLocale::languageToCode(locale.language()) != QLatin1String(where.getLanguage()))
            continue; // a language Qt does not know
        ++both;
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
                const bool disputed = orderDisputed(shown, numericOrder(locale));
                for (const QDate date : dates) {
                    const QString text = icuText(pattern, in, date);
                    if (disputed) {
                        ++tally.disputed;
                        continue;
                    }
                    const bool read = tally.count(text, locale, date, inOwn ? "own" : "gregorian");
                    if (!inOwn && watched.contains(locale.name()) && QLocale(locale.name()) == locale) {
                        watchedForms[locale.name()].first += read;
                        ++watchedForms[locale.name()].second;
                    }
                }
            }
        }
    }
    out << "ICU locales that Qt knows: " << both << " of " << available << " (" << ownCalendars
        << " in a calendar of their own)\n";
    gregorian.print("CLDR's Gregorian forms read back");
    own.print("CLDR's forms in the locale's own calendar read back");
    int whole = 0;
    for (const QString &name : watched) {
        const auto [read, of] = watchedForms.value(name);
        whole += read == of && of > 0;
        if (read != of || of == 0)
            out << "incomplete: " << name << " " << read << "/" << of << "\n";
    }
    out << "listed locales reading all their CLDR forms: " << whole << " of " << watched.size() << "\n";
    return 0;
}
