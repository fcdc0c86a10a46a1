// Writes how the date reader reads 400,000 texts: the dates Qt writes in 20 locales in their own
// forms and 29 others, in English forms, and the same with one to three characters dropped,
// added or changed or a weekday put in front. One line each: the locale, the text, and the date
// read (ISO) or "-". The texts are the same on every run, so that bench/compat/run can compare
// two readers, each built from its own revision of the repository.

#include "datereader.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTextStream>

// The day a reader of any revision found: those that return it, and those that return a reading.
std::optional<QDate> dayOf(const std::optional<QDate> &day) { return day; }
template <typename Reading> std::optional<QDate> dayOf(const Reading &reading)
{
    return reading.date();
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QDate today(2026, 12, 6);
    const QStringList locales =
        QStringLiteral("en_US en_GB de_DE fr_FR es_ES C it_IT pt_PT nl_NL pl_PL ru_RU ja_JP "
                       "ar_EG da_DK hu_HU tr_TR fr_CA es_MX de_CH sv_SE")
            .split(u' ');
    const QStringList formats =
        QStringLiteral("d/M/yyyy|M/d/yy|yyyy-MM-dd|dd.MM.yyyy|d. MMMM yyyy|MMM d, yyyy|"
                       "dddd, MMMM d, yyyy|ddd, d MMM yyyy|d MMMM yyyy|MMMM dth, yyyy|"
                       "'the' d 'of' MMMM yyyy|dd-MMM-yyyy|yyyy-MMM-dd|d.M.yy|ddd d.M.yyyy|"
                       "dddd d MMMM|MMMM yyyy|d/M|yyyy/M/d|d 'de' MMMM 'de' yyyy|'le' d MMMM yyyy|"
                       "dddd 'den' d. MMMM yyyy|M/d/yyyy h:mm AP|yyyy-MM-ddTHH:mm|d MMM yy|"
                       "MMMM d yyyy|d-M-yyyy|dd MM yyyy|ddd MMM d yyyy")
            .split(u'|');
    const QString noise = QStringLiteral("0123456789/-.,: abcdeTZ+'\"º");
    QRandomGenerator random(42); // the same texts on every run
    for (int i = 0; i < 400000; ++i) {
        const QLocale locale(locales[random.bounded(locales.size())]);
        const QDate date = QDate(1900, 1, 1).addDays(random.bounded(200 * 366));
        const QString format = formats[random.bounded(formats.size())];
        const int kind = random.bounded(10);
        QString text = kind < 3   ? locale.toString(date, QLocale::FormatType(random.bounded(3)))
                       : kind < 6 ? locale.toString(date, format)
                       : kind < 7 ? QLocale::c().toString(date, format)
                                  : locale.toString(date, format);
        for (int edit = kind < 7 ? 0 : 1 + random.bounded(3); edit > 0 && !text.isEmpty(); --edit) {
            const int at = random.bounded(text.size());
            switch (random.bounded(4)) {
            case 0:
                text.remove(at, 1);
                break;
            case 1:
                text.insert(at, noise[random.bounded(noise.size())]);
                break;
            case 2:
                text[at] = noise[random.bounded(noise.size())];
                break;
            default:
                text.prepend(
                    locale.dayName(1 + random.bounded(7), QLocale::FormatType(random.bounded(2)))
                    + QStringLiteral(", "));
            }
        }
        const std::optional<QDate> read = dayOf(readDate(text, {locale, today}));
        // One line per text: a line end inside the text would part it.
        out << locale.name() << '\t' << QString(text).replace(u'\n', u'\u2424') << '\t'
            << (read ? read->toString(Qt::ISODate) : QStringLiteral("-")) << '\n';
    }
    return 0;
}
