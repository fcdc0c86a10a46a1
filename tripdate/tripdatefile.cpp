#include "tripdatefile.h"

void LastFieldScanner::feed(QStringView text)
{
    for (const QChar c : text) {
        const bool lineEnd = c == u'\n' || c == u'\r';
        switch (m_state) {
        case State::BeforeField:
            if (c == u'"') {
                m_state = State::Quoted;
            } else if (c == u',') {
                endField();
                m_commaBefore = true;
            } else if (lineEnd) {
                endLine();
            } else if (c != u' ' && c != u'\t') {
                m_state = State::Unquoted;
                append(c);
            }
            break;
        case State::Quoted:
            if (c == u'"')
                m_state = State::AfterClosingQuote;
            else
                append(c);
            break;
        case State::AfterClosingQuote: // anything between the closing quote and the delimiter is
                                       // dropped
        case State::Unquoted:
            if (c == u',') {
                endField();
                m_commaBefore = true;
            } else if (lineEnd) {
                endField();
            } else if (m_state == State::Unquoted) {
                append(c);
            }
            break;
        }
    }
}

void LastFieldScanner::finish()
{
    if (m_state == State::BeforeField)
        endLine();
    else
        endField(); // a last record without a line end, or a quote that never closes
}

void LastFieldScanner::append(QChar c)
{
    if (m_current.size() < kTripDateFieldMaxLength)
        m_current.append(c);
    else
        m_currentTooLong = true;
}

void LastFieldScanner::endField()
{
    m_last = m_state == State::Unquoted ? m_current.trimmed() : m_current;
    m_lastTooLong = m_currentTooLong;
    m_current.clear();
    m_currentTooLong = false;
    m_commaBefore = false;
    m_state = State::BeforeField;
}

void LastFieldScanner::endLine()
{
    // A line end right after a comma closes an empty field; on an empty line it closes none.
    if (m_commaBefore)
        endField();
}

QString tripDateRecord(const QString &text) { return u'"' + text + QStringLiteral("\"\r\n"); }

bool readsBackAsWritten(const QString &text)
{
    LastFieldScanner scanner;
    scanner.feed(tripDateRecord(text));
    scanner.finish();
    return scanner.lastField() == text && !scanner.lastFieldTooLong();
}
