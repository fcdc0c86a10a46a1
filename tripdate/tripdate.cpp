#include "tripdate.h"

#include "datereader/datereader.h"
#include "safefile/safefile.h"
#include "tripdate/filetext.h"
#include "tripdate/tripdatefile.h"

#include <QStringEncoder>

using Kind = TripDateFailure::Kind;

std::optional<TripDate> TripDate::fromText(const QString &text, const DateContext &context)
{
    if (const auto day = readDate(text, context).date())
        return TripDate{text, *day};
    return std::nullopt;
}

TripDateResult loadTripDate(const QString &path, const DateContext &context)
{
    const FileRead file = readSmallFile(path, kTripDateFileMaxSize);
    if (file.problem.missing())
        return NoTripDate();
    if (file.problem)
        return TripDateFailure{.kind = Kind::CannotRead, .problem = file.problem};
    LastFieldScanner scanner;
    scanner.feed(decodeFileText(file.bytes, context.locale));
    scanner.finish();
    const std::optional<QString> &field = scanner.lastField();
    if (!field || field->isEmpty())
        return NoTripDate(); // no date at all: nothing to tell
    if (scanner.lastFieldTooLong())
        return TripDateFailure{.kind = Kind::TooLong};
    if (auto tripDate = TripDate::fromText(*field, context))
        return *std::move(tripDate);
    return TripDateFailure{.kind = Kind::NotADate, .text = *field};
}

TripDateResult saveTripDate(const QString &path, const TripDate &tripDate)
{
    // Only broken UTF-16 (a lone surrogate) has no UTF-8 form; no date holds one.
    QStringEncoder encode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray record = encode(tripDateRecord(tripDate.text));
    if (encode.hasError())
        return TripDateFailure{.kind = Kind::NotUnicode};
    if (const FileProblem problem = replaceFile(path, record))
        return TripDateFailure{.kind = Kind::CannotWrite, .problem = problem};
    return tripDate;
}
