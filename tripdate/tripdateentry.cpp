#include "tripdateentry.h"

#include "datereader/datereader.h"
#include "tripdate/tripdatefile.h"

#include <QCoreApplication>

namespace {

// A phrase, blanks that the dialog's word wrap turns into the end of the line, and the
// example. A translation may end the line itself, and then needs no blanks: in a language
// written from right to left they would stand before the phrase and push it out of sight.
//
// The blanks fill the rest of the first line of the dialog's width: as many as after the
// phrases that ask for a date, a few more after the shorter one that asks for a year.
constexpr int kBlanksAfterDatePhrase = 35, kBlanksAfterYearPhrase = 38;

QString message(const char *text, int blanks, const QLocale &locale)
{
    const QString translated = QCoreApplication::translate("TripDatePrompt", text);
    return translated.arg(translated.contains(u'\n') ? QString() : QString(blanks, u' '),
                          TripDatePrompt::exampleDate(locale));
}

// Why an answer is no date, where that can be said: a weekday beside a date that is another day
// of the week ("Friday, December 24, 2026", "Freitag, 24.12.2026", "2026年12月24日(金)").
QString whyNotADate(const DateReading &reading, const QLocale &locale)
{
    if (reading.outcome != DateReading::WrongWeekday)
        return {};
    return QCoreApplication::translate("TripDatePrompt", "The date and the weekday do not fit: %1.")
        .arg(writtenInFull(reading.day, locale));
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
    return readDate(text, {locale, example}).date() == example ? text
                                                               : example.toString(Qt::ISODate);
}

QString TripDatePrompt::title()
{
    return QCoreApplication::translate("TripDatePrompt", "Zorvia Date");
}

QString TripDatePrompt::firstMessage(const QLocale &locale)
{
    return message(QT_TRANSLATE_NOOP("TripDatePrompt", "Enter your Zorvia trip date:%1Example: %2"),
                   kBlanksAfterDatePhrase, locale);
}

QString TripDatePrompt::correctMessage(const QLocale &locale, const QString &why)
{
    const QString asked =
        message(QT_TRANSLATE_NOOP("TripDatePrompt", "Please enter a correct date:%1Example: %2"),
                kBlanksAfterDatePhrase, locale);
    return why.isEmpty() ? asked : asked + QStringLiteral("\n\n") + why;
}

QString TripDatePrompt::yearMessage(const QLocale &locale)
{
    return message(QT_TRANSLATE_NOOP("TripDatePrompt", "Please enter a valid year:%1Example: %2"),
                   kBlanksAfterYearPhrase, locale);
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
        const DateReading reading = readDate(*answer, context);
        if (!reading.date() || !readsBackAsWritten(*answer))
            message = TripDatePrompt::correctMessage(context.locale,
                                                     whyNotADate(reading, context.locale));
        else if (reading.day.year() < TripDatePrompt::kEarliestYear)
            message = TripDatePrompt::yearMessage(context.locale);
        else
            return TripDate{*answer, reading.day};
    }
}
