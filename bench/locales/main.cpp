// How many of the dates Qt writes in each locale the date reader reads back: the short and
// long forms of a spread of dates from 1980 to 2070, in every locale Qt knows, and the
// prompt's example date. Prints the share read back, the wrong dates, and every locale of the
// list below that does not read all of its own forms.

#include "datereader/datereader.h"
#include "tripdate/tripdateentry.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QDate today(2026, 12, 6);
    const QStringList watched = QStringLiteral(
        "en_US en_GB en_AU en_CA en_IN de_DE de_AT de_CH fr_FR fr_CA fr_BE es_ES es_MX es_AR "
        "it_IT pt_PT pt_BR nl_NL nl_BE pl_PL sv_SE da_DK nb_NO fi_FI cs_CZ sk_SK hu_HU ro_RO "
        "bg_BG el_GR ru_RU uk_UA tr_TR he_IL ar_EG fa_IR hi_IN ja_JP zh_CN zh_TW ko_KR vi_VN "
        "th_TH id_ID lt_LT hr_HR sr_RS ca_ES").split(u' ');
    const bool verbose = app.arguments().contains(QStringLiteral("-v"));

    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    qint64 forms = 0, read = 0, wrong = 0, examples = 0, examplesRead = 0;
    int watchedComplete = 0;
    for (const QLocale &locale : locales) {
        qint64 localeForms = 0, localeRead = 0;
        for (QDate date(1980, 1, 3); date.year() <= 2070; date = date.addDays(97)) {
            for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
                const QString text = locale.toString(date, format);
                const std::optional<QDate> found = readDate(text, {locale, today});
                ++localeForms;
                localeRead += found == date;
                wrong += found && *found != date;
                if (verbose && found != date)
                    out << locale.name() << "\t" << text << "\t"
                        << (found ? found->toString(Qt::ISODate) : QStringLiteral("-")) << "\n";
            }
        }
        const std::optional<QDate> example =
            readDate(TripDatePrompt::exampleDate(locale), {locale, today});
        ++examples;
        examplesRead += example == QDate(2005, 12, 12);
        if (verbose && example != QDate(2005, 12, 12))
            out << locale.name() << "\texample\t" << TripDatePrompt::exampleDate(locale) << "\n";
        forms += localeForms;
        read += localeRead;
        // The listed locales are those QLocale gives for the names, not the variants in other
        // scripts that share a name (English in Deseret is "en_US" too).
        if (watched.contains(locale.name()) && QLocale(locale.name()) == locale) {
            watchedComplete += localeRead == localeForms;
            if (localeRead != localeForms)
                out << "incomplete: " << locale.name() << " " << localeRead << "/" << localeForms
                    << "\n";
        }
    }
    out << "locales: " << locales.size() << "\n"
        << "forms read back: " << read << " of " << forms << " ("
        << QString::number(100.0 * double(read) / double(forms), 'f', 2) << " %)\n"
        << "wrong dates: " << wrong << "\n"
        << "listed locales reading all their forms: " << watchedComplete << " of "
        << watched.size() << "\n"
        << "prompt examples read back: " << examplesRead << " of " << examples << "\n";
    return 0;
}
