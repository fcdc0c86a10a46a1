#include "tripdateentry.h"

#include "datereader/cldrforms.h"
#include "datereader/loosedate.h"
#include "tripdate/tripdatefile.h"

#include <QCoreApplication>

namespace {

// A phrase, blanks that the dialog's word wrap turns into the end of the line, and the
// example. A translation may end the line itself, and then needs no blanks: in a language
// written from right to left they would stand before the phrase and push it out of sight.
QString message(const char *text, int blanks, const QLocale &locale)
{
    const QString translated = QCoreApplication::translate("TripDatePrompt", text);
    return translated.arg(translated.contains(u'\n') ? QString() : QString(blanks, u' '),
                          TripDatePrompt::exampleDate(locale));
}

// Where `name` stands in the text as a word of its own.
qsizetype wordAt(const QString &text, const QString &name)
{
    for (qsizetype at = text.indexOf(name, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(name, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + name.size();
        if ((at == 0 || !text[at - 1].isLetter()) && (end == text.size() || !text[end].isLetter()))
            return at;
    }
    return -1;
}

// Why an answer is no date, where that can be said: a weekday, in the user's language or in
// English, beside a date that is another day of the week ("Friday, December 24, 2026").
QString whyNotADate(const QString &answer, const DateContext &context)
{
    for (const QLocale &names : {context.locale, QLocale::c()}) {
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (int weekday = 1; weekday <= 7; ++weekday) {
                const QString name = names.dayName(weekday, format);
                const qsizetype at = name.isEmpty() ? -1 : wordAt(answer, name);
                const std::optional<QDate> day =
                    at < 0 ? std::nullopt
                           : readDate(QString(answer).remove(at, name.size()), context);
                if (day && day->dayOfWeek() != weekday)
                    return QCoreApplication::translate("TripDatePrompt",
                                                       "The date and the weekday do not fit: %1.")
                        .arg(writtenInFull(*day, context.locale));
            }
        }
    }
    return {};
}

} // namespace

// 12 December 2005 as the locale writes a date in figures, with the year in full; a locale
// whose short dates name the month (the C locale) gets the month first. Where the prompt would
// not take that back, the example is the ISO form, which every locale reads.
QString TripDatePrompt::exampleDate(const QLocale &locale)
{
    const QDate example(2005, 12, 12);
    QString format = numericDateFormat(locale);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const QString text = locale.toString(example, format);
    return readDate(text, {locale, example}) == example ? text : example.toString(Qt::ISODate);
}

QString TripDatePrompt::title()
{
    return QCoreApplication::translate("TripDatePrompt", "Zorvia Date");
}

QString TripDatePrompt::firstMessage(const QLocale &locale)
{
    return message(QT_TRANSLATE_NOOP("TripDatePrompt", "Enter your Zorvia trip date:%1Example: %2"),
                   35, locale);
}

QString TripDatePrompt::correctMessage(const QLocale &locale, const QString &why)
{
    const QString asked =
        message(QT_TRANSLATE_NOOP("TripDatePrompt", "Please enter a correct date:%1Example: %2"),
                35, locale);
    return why.isEmpty() ? asked : asked + QStringLiteral("\n\n") + why;
}

QString TripDatePrompt::yearMessage(const QLocale &locale)
{
    return message(QT_TRANSLATE_NOOP("TripDatePrompt", "Please enter a valid year:%1Example: %2"),
                   38, locale);
}

std::optional<TripDate> askForTripDate(Prompt &prompt, const DateContext &context)
{
    QString message = TripDatePrompt::firstMessage(context.locale);
    QString offered; // the answer refused last, to mend
    for (;;) {
        const std::optional<QString> answer = prompt.ask(message, TripDatePrompt::title(), offered);
        if (!answer)
            return std::nullopt;
        offered = *answer;
        const std::optional<TripDate> tripDate = TripDate::fromText(*answer, context);
        if (!tripDate || !readsBackAsWritten(*answer)) {
            message = TripDatePrompt::correctMessage(context.locale, whyNotADate(*answer, context));
        } else if (tripDate->day.year() < TripDatePrompt::kEarliestYear) {
            message = TripDatePrompt::yearMessage(context.locale);
        } else {
            return tripDate;
        }
    }
}
