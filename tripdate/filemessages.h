#pragma once

#include "safefile/safefile.h"

#include <QString>

// What the user is told about the trip date file, made in this one place so that reading and
// saving say the same thing about the same file.
namespace FileMessages {

// "The trip date file "vacation.txt" in /home/user": how messages name the file.
QString fileNamed(const QString &path);

// At the start: the file cannot be used, or holds no date.
QString cannotRead(const QString &path, const FileProblem &problem);
QString tooLong(const QString &path);
QString notADate(const QString &path, const QString &text);

// After Setup Date: the new date could not be saved.
QString cannotWrite(const QString &path, const FileProblem &problem);
QString notUnicode(const QString &path); // the date has no UTF-8 form

} // namespace FileMessages
