#include "tripdateentry.h"

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

QString TripDatePrompt::correctMessage(const QLocale &locale)
{
    return message(QT_TRANSLATE_NOOP("TripDatePrompt", "Please enter a correct date:%1Example: %2"),
                   35, locale);
}

QString TripDatePrompt::yearMessage(const QLocale &locale)
{
    return message(QT_TRANSLATE_NOOP("TripDatePrompt", "Please enter a valid year:%1Example: %2"),
                   38, locale);
}

std::optional<TripDate> askForTripDate(Prompt &prompt, const DateContext &context)
{
    QString message = TripDatePrompt::firstMessage(context.locale);
    for (;;) {
        const std::optional<QString> answer = prompt.ask(message, TripDatePrompt::title());
        if (!answer)
            return std::nullopt;
        const std::optional<TripDate> tripDate = TripDate::fromText(*answer, context);
        if (!tripDate || !readsBackAsWritten(*answer)) {
            message = TripDatePrompt::correctMessage(context.locale);
        } else if (tripDate->day.year() < TripDatePrompt::kEarliestYear) {
            message = TripDatePrompt::yearMessage(context.locale);
        } else {
            return tripDate;
        }
    }
}
