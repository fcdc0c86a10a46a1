#pragma once

#include <QByteArrayView>
#include <QLocale>
#include <QString>

// The text of the trip date file. The program writes UTF-8; a file that is not UTF-8 comes
// from an older program or an editor, and is in the 8-bit code page of its user's language, as
// text files were before UTF-8: Windows-1252 for the Western European languages, 1250 for the
// Central European ones, 1251 for Cyrillic, and so on, or Shift-JIS, GBK, Big5 or the Korean
// one. Where the language has no such code page (Hindi, Georgian), a byte that is not UTF-8
// reads as U+FFFD.
QString decodeFileText(QByteArrayView bytes, const QLocale &locale);
