#include "tripdate.h"

#include "runtime/datereader.h"
#include "tripdate/tripdatefile.h"

#include <QCoreApplication>

std::optional<TripDate> TripDate::fromText(const QString &text, const DateContext &context)
{
    if (const auto day = readDate(text, context))
        return TripDate{text, *day};
    return std::nullopt;
}

namespace {

constexpr qsizetype kQuotedTextMaxLength = 40;

// The file's text as a message can show it: short, and on one line.
QString shownText(QString text)
{
    if (text.size() > kQuotedTextMaxLength)
        text = text.first(kQuotedTextMaxLength) + QChar(0x2026); // ellipsis
    for (QChar &c : text) {
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

StoredTripDate loadTripDate(const QString &path, const DateContext &context)
{
    const TripDateFileContents contents = readTripDateFile(path);
    const QString whatToDo =
        QCoreApplication::translate("TripDate", "\n\nChoose Setup Date to set the trip date.");
    switch (contents.outcome) {
    case TripDateFileContents::Outcome::Missing:
    case TripDateFileContents::Outcome::NoField:
        return {};
    case TripDateFileContents::Outcome::Unreadable:
        return {.problem = QCoreApplication::translate("TripDate", "%1 cannot be read: %2.%3")
                               .arg(describeTripDateFile(path), contents.problem, whatToDo)};
    case TripDateFileContents::Outcome::Field:
        break;
    }
    if (contents.field.isEmpty())
        return {};
    if (contents.fieldTooLong) {
        return {.problem = QCoreApplication::translate("TripDate",
                                                       "%1 holds a text too long to be a date.%2")
                               .arg(describeTripDateFile(path), whatToDo)};
    }
    if (auto tripDate = TripDate::fromText(contents.field, context))
        return {.tripDate = std::move(tripDate)};
    return {.problem =
                QCoreApplication::translate("TripDate", "%1 holds \"%2\", which is not a date.%3")
                    .arg(describeTripDateFile(path), shownText(contents.field), whatToDo)};
}
