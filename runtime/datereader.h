#pragma once

#include <QDate>
#include <QLocale>
#include <QStringView>

#include <optional>

// Reads a calendar date from text the way the user would write it in their locale:
//   12/12/2005, 12/12/05, 12/12/2005 6:00 PM   (day and month in the locale's order)
//   Dec 12, 2005, December 12 2005, 12 Dec 2005, 12. Dezember 2005
//   2005-12-12
// Two-digit years 00-29 are 2000-2029 and 30-99 are 1930-1999. A time of day after the
// date is checked and then ignored. Blanks around the text are ignored. Anything else,
// including impossible dates such as 2/30/2005 and years after 9999, is not a date.
std::optional<QDate> readDate(QStringView text, const QLocale &locale = QLocale::system());
