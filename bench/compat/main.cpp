// Compares the date reader with an earlier one over 400,000 texts: the dates Qt writes in 20
// locales in their own forms and 29 others, in English forms, and the same with one to three
// characters dropped, added or changed or a weekday put in front. Prints how many each reads,
// how many the earlier one read that this one reads differently (the figure that must be 0),
// and, with -v, every text that only this one reads, with the date it reads.
// Built and run by bench/compat/run, which takes the earlier reader from the repository.

#include "datereader/datereader.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTextStream>

std::optional<QDate> readDateBefore(QStringView text, const DateContext &context);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const bool verbose = app.arguments().contains(QStringLiteral("-v"));
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
    qint64 before = 0, now = 0, changed = 0;
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
        const std::optional<QDate> old = readDateBefore(text, {locale, today});
        const std::optional<QDate> read = readDate(text, {locale, today});
        before += old.has_value();
        now += read.has_value();
        if (old && old != read) {
            ++changed;
            out << "changed: " << locale.name() << " \"" << text << "\"\n";
        }
        if (verbose && !old && read)
            out << "new: " << locale.name() << " \"" << text << "\" " << read->toString(Qt::ISODate)
                << "\n";
    }
    out << "texts: 400000\nread before: " << before << "\nread now: " << now
        << "\nread before and now differently: " << changed << "\n";
    return changed == 0 ? 0 : 1;
}
