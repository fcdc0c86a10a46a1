#include "tripdate.h"

#include "datereader/datereader.h"
#include "tripdate/filemessages.h"
#include "tripdate/tripdatefile.h"

std::optional<TripDate> TripDate::fromText(const QString &text, const DateContext &context)
{
    if (const auto day = readDate(text, context))
        return TripDate{text, *day};
    return std::nullopt;
}

StoredTripDate loadTripDate(const QString &path, const DateContext &context)
{
    const TripDateFileContents contents = readTripDateFile(path, context.locale);
    if (contents.problem.missing())
        return {};
    if (contents.problem)
        return {.problem = FileMessages::cannotRead(path, contents.problem)};
    if (!contents.field || contents.field->isEmpty())
        return {}; // no date at all: nothing to tell
    if (contents.fieldTooLong)
        return {.problem = FileMessages::tooLong(path)};
    if (auto tripDate = TripDate::fromText(*contents.field, context))
        return {.tripDate = std::move(tripDate)};
    return {.problem = FileMessages::notADate(path, *contents.field)};
}
