#pragma once

// What people type otherwise than a locale's forms write it, read through ICU: words compared
// as the language's own alphabet orders them, case and accents aside ("ΔΕΚΕΜΒΡΙΟΥ" is
// "Δεκεμβρίου", Turkish "NİSAN" is "nisan"), and numbers in Han numerals ("二〇六三", "十三").

#include <QLocale>
#include <QString>
#include <QStringView>

// Whether two words are the same letters in the locale's language, whatever their case and
// accents: the primary strength of its collation.
bool sameLetters(QStringView a, QStringView b, const QLocale &locale);

// Whether `text` begins with the letters of `start`, as sameLetters compares them.
bool startsWithLetters(QStringView text, QStringView start, const QLocale &locale);

// The text with each number written in Han numerals as ASCII figures: "二〇六三年四月九日" is
// "2063年4月9日". A weekday's name in the locale's language keeps its numeral ("星期一").
QString withHanNumeralsAsFigures(const QString &text, const QLocale &locale);
