#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The trip date file: "vacation.txt" in the directory the program runs in, and its record.
//
// The program writes one record, the date exactly as typed between double quotes and a
// CR LF. A file edited by hand is read as a sequence of fields parted by commas and line
// ends (CR LF, LF or CR); a field that begins with a double quote runs to the next double
// quote and keeps its commas and blanks, an unquoted field is trimmed, an empty line holds
// no field, and the last field is the one that counts.
inline QString tripDateFileName() { return QStringLiteral("vacation.txt"); }

// A trip date file is a few bytes; anything larger is not one.
inline constexpr qint64 kTripDateFileMaxSize = 64 * 1024;
// No date takes more characters than this; a longer field is kept only as "too long".
inline constexpr qsizetype kTripDateFieldMaxLength = 1000;

// Picks the last field out of the file's text, fed in pieces of any size, keeping
// no more than one field in memory.
class LastFieldScanner
{
public:
    void feed(QStringView text);
    void finish();

    // No value when the text holds no field at all.
    const std::optional<QString> &lastField() const { return m_last; }
    bool lastFieldTooLong() const { return m_lastTooLong; }

private:
    enum class State
    {
        BeforeField,
        Quoted,
        AfterClosingQuote,
        Unquoted
    };

    void append(QChar c);
    void endField();
    void endLine();

    State m_state = State::BeforeField;
    bool m_commaBefore = false; // a comma opened the field that has not begun yet
    QString m_current;
    bool m_currentTooLong = false;
    std::optional<QString> m_last;
    bool m_lastTooLong = false;
};

// The one record the program writes: `text` between double quotes, and a CR LF.
QString tripDateRecord(const QString &text);

// Whether the file, once written with `text`, reads back as that very text: not too long,
// and with no double quote to end the field early. What the prompt takes, the next start reads.
bool readsBackAsWritten(const QString &text);
