#include "tripdatefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString describeTripDateFile(const QString &path)
{
    const QFileInfo file(path);
    return QStringLiteral("The trip date file \"%1\" in %2")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

namespace {

TripDateFileContents unreadable(QString problem)
{
    return {.outcome = TripDateFileContents::Outcome::Unreadable, .problem = std::move(problem)};
}

} // namespace

TripDateFileContents readTripDateFile(const QString &path)
{
    // Opened without blocking, so that a named pipe in the file's place cannot hang the start.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            return {.outcome = TripDateFileContents::Outcome::Missing};
        return unreadable(qt_error_string(errno));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return unreadable(file.errorString());
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return unreadable(qt_error_string(errno));
    if (S_ISDIR(status.st_mode))
        return unreadable(qt_error_string(EISDIR));
    if (!S_ISREG(status.st_mode))
        return unreadable(QStringLiteral("it is not a regular file"));
    if (status.st_size > kTripDateFileMaxSize)
        return unreadable(QStringLiteral("it is too large to be a trip date file"));

    QStringDecoder decode(QStringConverter::Utf8);
    LastFieldScanner scanner;
    qint64 total = 0;
    char buffer[4096];
    for (;;) {
        const qint64 count = file.read(buffer, sizeof buffer);
        if (count < 0)
            return unreadable(file.errorString());
        if (count == 0)
            break;
        total += count;
        if (total > kTripDateFileMaxSize) // it grew while being read
            return unreadable(QStringLiteral("it is too large to be a trip date file"));
        scanner.feed(QString(decode(QByteArrayView(buffer, count))));
    }
    scanner.finish();

    if (!scanner.lastField())
        return {.outcome = TripDateFileContents::Outcome::NoField};
    return {.outcome = TripDateFileContents::Outcome::Field,
            .field = *scanner.lastField(),
            .fieldTooLong = scanner.lastFieldTooLong()};
}

QString writeTripDateFile(const QString &path, const QString &text)
{
    const auto failed = [&](const QString &reason) {
        return QStringLiteral("%1 cannot be written: %2.\n\nThe trip date stays as it was.")
            .arg(describeTripDateFile(path), reason);
    };
    // Only broken UTF-16 (a lone surrogate) has no UTF-8 form; no date holds one.
    QStringEncoder encode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encode(text);
    if (encode.hasError())
        return failed(QStringLiteral("the date is not valid Unicode"));

    // Unbuffered, and every byte accounted for: QSaveFile takes a short write (a full disk)
    // for success and would commit a cut-off record over the good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    const QByteArray record = '"' + bytes + "\"\r\n";
    for (qsizetype written = 0; written < record.size();) {
        const qint64 count = file.write(record.constData() + written, record.size() - written);
        if (count <= 0) {
            file.cancelWriting();
            return failed(file.errorString());
        }
        written += count;
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}
