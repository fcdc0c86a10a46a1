#include "tripdatefile.h"

#include "tripdate/filelocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
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
    return QCoreApplication::translate("TripDate", "The trip date file \"%1\" in %2")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

namespace {

QString tooLarge()
{
    return QCoreApplication::translate("TripDate", "it is too large to be a trip date file");
}

TripDateFileContents unreadable(QString problem)
{
    return {.outcome = TripDateFileContents::Outcome::Unreadable, .problem = std::move(problem)};
}

} // namespace

TripDateFileContents readTripDateFile(const QString &path)
{
    const FileLocation location = locateFile(path);
    if (!location.refusal.isEmpty())
        return unreadable(location.refusal);
    // Opened without blocking, so that a named pipe in the file's place cannot hang the start,
    // and without following a link that was not there when the file was located.
    const int fd = location.error
                       ? -1
                       : ::openat(location.directory.get(), location.name.constData(),
                                  O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0) {
        const int error = location.error ? location.error : errno;
        if (error == ENOENT)
            return {.outcome = TripDateFileContents::Outcome::Missing};
        return unreadable(error == ELOOP ? QCoreApplication::translate(
                              "TripDate", "it changed while it was being opened")
                                         : qt_error_string(error));
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
        return unreadable(QCoreApplication::translate("TripDate", "it is not a regular file"));
    if (status.st_size > kTripDateFileMaxSize)
        return unreadable(tooLarge());
    if (const QString refusal = refusalInSharedDirectory(location, status.st_uid, status.st_nlink);
        !refusal.isEmpty())
        return unreadable(refusal);

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
            return unreadable(tooLarge());
        scanner.feed(QString(decode(QByteArrayView(buffer, count))));
    }
    scanner.finish();

    if (!scanner.lastField())
        return {.outcome = TripDateFileContents::Outcome::NoField};
    return {.outcome = TripDateFileContents::Outcome::Field,
            .field = *scanner.lastField(),
            .fieldTooLong = scanner.lastFieldTooLong()};
}

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (count < 0 && errno != EINTR)
            return false;
        written += std::max<ssize_t>(count, 0);
    }
    return true;
}

// "vacation.txt.k3Xq9Z": a name of its own for the new copy, next to the file.
QByteArray copyName(const QByteArray &name)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray copy = name + '.';
    for (int i = 0; i < 6; ++i)
        copy += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return copy;
}

} // namespace

QString writeTripDateFile(const QString &path, const QString &text)
{
    const auto failed = [&](const QString &reason) {
        return QCoreApplication::translate("TripDate", "%1 cannot be written: %2.\n\n"
                                                       "The trip date stays as it was.")
            .arg(describeTripDateFile(path), reason);
    };
    // Only broken UTF-16 (a lone surrogate) has no UTF-8 form; no date holds one.
    QStringEncoder encode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray record = '"' + encode(text) + "\"\r\n";
    if (encode.hasError())
        return failed(QCoreApplication::translate("TripDate", "the date is not valid Unicode"));

    const FileLocation location = locateFile(path);
    if (!location.refusal.isEmpty())
        return failed(location.refusal);
    if (location.error)
        return failed(qt_error_string(location.error));
    const int directory = location.directory.get();
    struct stat old = {};
    const bool exists =
        ::fstatat(directory, location.name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISLNK(old.st_mode))
        return failed(
            QCoreApplication::translate("TripDate", "it changed while it was being saved"));

    // The new record goes into a copy that has no name until it is complete on disk (or, where
    // the file system cannot make such a file, a name no one else can have taken); the copy is
    // then renamed over the file. The rename is atomic, and it replaces the name in this
    // directory only, never a file that the name might point to by then. The old file stays
    // whole until that moment; a crash before it leaves at most a complete copy behind.
    QByteArray copy;
    Descriptor fd(::openat(directory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.get() < 0 && (errno == EOPNOTSUPP || errno == EISDIR)) {
        do {
            copy = copyName(location.name);
            fd = Descriptor(::openat(directory, copy.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        } while (fd.get() < 0 && errno == EEXIST);
    }
    if (fd.get() < 0)
        return failed(qt_error_string(errno));
    const auto abandon = [&](int error) {
        if (!copy.isEmpty())
            ::unlinkat(directory, copy.constData(), 0);
        return failed(qt_error_string(error));
    };
    // Every byte accounted for: a short write (a full disk) must not commit a cut-off record.
    if (!writeAll(fd.get(), record) || (exists && ::fchmod(fd.get(), old.st_mode & 07777) != 0)
        || ::fsync(fd.get()) != 0)
        return abandon(errno);
    if (copy.isEmpty()) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd.get());
        int linked = -1;
        do {
            copy = copyName(location.name);
            linked = ::linkat(AT_FDCWD, self.constData(), directory, copy.constData(),
                              AT_SYMLINK_FOLLOW);
        } while (linked != 0 && errno == EEXIST);
        if (linked != 0) {
            const int error = errno;
            copy.clear();
            return abandon(error);
        }
    }
    if (::renameat(directory, copy.constData(), directory, location.name.constData()) != 0)
        return abandon(errno);
    return {};
}
