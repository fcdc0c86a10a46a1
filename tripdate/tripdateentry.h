#pragma once

#include "services/prompt.h"
#include "tripdate/tripdate.h"

// The messages of the trip date prompt: a phrase, blanks, and an example date as the locale
// writes it. The blanks are part of the text; the dialog's word wrap moves the example onto
// a line of its own.
namespace TripDatePrompt {
QString title();
QString firstMessage(const QLocale &locale); // asking for the first time
// After an answer that is empty or not a date, with why it is none, where that can be said.
QString correctMessage(const QLocale &locale, const QString &why = {});
QString yearMessage(const QLocale &locale); // after a date before 1971
// 12 December 2005 as the locale writes it, a date the prompt always takes.
QString exampleDate(const QLocale &locale);
inline constexpr int kEarliestYear = 1971;
} // namespace TripDatePrompt

// Asks for the trip date until the answer is a date from 1971 on that the file can hold as
// typed (readsBackAsWritten), offering each refused answer again to be mended. No value when the
// user cancels.
std::optional<TripDate> askForTripDate(Prompt &prompt, const DateContext &context);
