#pragma once

// The text of a date as the reader sees it: in the forms people type it (as typed, and as the plain
// forms of what input methods type), split into numbers, words and marks.

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

struct Token
{
    enum Kind : quint8
    {
        Number,
        Word,
        Mark, // one character that is neither: "/", "-", ":", ","
    };

    Kind kind = Mark;
    QString text;  // numbers in ASCII digits, words with a final dot, marks as written
    QString key;   // words in small letters without a final dot (wordKey); numbers, marks as `text`
    QString loose; // and without accents (looseKey)
    int value = 0;
    qsizetype digits = 0; // how many figures a number is written with
    bool blankBefore = false;
    qsizetype begin = 0, end = 0; // where it stands in the text

    bool isMark(QChar mark) const { return kind == Mark && text.front() == mark; }
};

// The text as typed, in Unicode's composed form, and where they differ, as the plain forms it
// stands for: compatibility forms ("２０２６年１２月２４日（木）") and, where the locale's language
// writes them, numbers in Han numerals ("二〇二六年十二月二十四日"). The plainest form comes last:
// Unicode's compatibility mapping also turns "1º" into "1o".
QStringList typedForms(QStringView text, const QLocale &locale);

// Splits a text into numbers (in the digits of any one script, as ASCII ones), words (letters
// with their marks, an apostrophe or dot between letters, and a final dot: "a.m.", "ธ.ค.",
// "d’abril", "Dez.") and single marks; blanks of every width only part them, as do the marks that
// set the direction of right-to-left text. A number whose figures mix scripts is none: the
// whole text is then no date, and no tokens are returned.
QList<Token> tokenize(QStringView text);

// A word as the reader compares it: in small letters, without a final dot.
QString wordKey(QStringView word);
// The same, and for Latin, Greek and Cyrillic letters without accents, as people type them
// ("ΔΕΚΕΜΒΡΙΟΥ" is "δεκεμβριου", Turkish "NİSAN" "nisan").
QString looseKey(QStringView word);
