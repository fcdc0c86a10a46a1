#include "tripdateentry.h"

#include "tripdate/tripdatefile.h"

namespace {

QString message(const char *phrase, int blanks)
{
    return QString::fromLatin1(phrase) + QString(blanks, u' ')
           + QStringLiteral("Example: 12/12/2005");
}

} // namespace

QString TripDatePrompt::title() { return QStringLiteral("Zorvia Date"); }
QString TripDatePrompt::firstMessage() { return message("Enter your Zorvia trip date:", 35); }
QString TripDatePrompt::correctMessage() { return message("Please enter a correct date:", 35); }
QString TripDatePrompt::yearMessage() { return message("Please enter a valid year:", 38); }

std::optional<TripDate> enterTripDate(Prompt &prompt, ErrorReport &errorReport, const QString &path,
                                      const DateContext &context)
{
    QString message = TripDatePrompt::firstMessage();
    for (;;) {
        const std::optional<QString> answer = prompt.ask(message, TripDatePrompt::title());
        if (!answer)
            return std::nullopt;
        const std::optional<TripDate> tripDate = TripDate::fromText(*answer, context);
        if (!tripDate) {
            message = TripDatePrompt::correctMessage();
            continue;
        }
        if (tripDate->day.year() < TripDatePrompt::kEarliestYear) {
            message = TripDatePrompt::yearMessage();
            continue;
        }
        if (const QString problem = writeTripDateFile(path, *answer); !problem.isEmpty()) {
            errorReport.report(problem);
            return std::nullopt;
        }
        return tripDate;
    }
}
