#pragma once

// A labelled set of dates as people type them, which the program's reader and others read alike:
// one line a text, tab-separated: the group, the locale, its order of day, month and year in
// figures (DMY, MDY, YMD), the calendar the text is written in, the text, and the day it names
// (ISO 8601) or "-" where it names none.

#include <QString>
#include <QTextStream>

// Writes the set that the number `draw` picks: the same number, the same set.
void writeLabelledSet(quint32 draw, QTextStream &out);

// Reads each text of the set at `path` with the program's reader, and writes for each line the
// day read (ISO 8601) or "-". False where the file cannot be read.
bool readLabelledSet(const QString &path, QTextStream &out);
