#include "tripdatefile.h"

#include "tripdate/filetext.h"

#include <QRandomGenerator>
#include <QStringEncoder>

#include <acl/libacl.h>
#include <attr/libattr.h>
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

bool readsBackAsWritten(const QString &text)
{
    LastFieldScanner scanner;
    scanner.feed(u'"' + text + QStringLiteral("\"\r\n"));
    scanner.finish();
    return scanner.lastField() == text && !scanner.lastFieldTooLong();
}

namespace {

using Step = FileProblem::Step;
using Refusal = FileProblem::Refusal;

FileProblem failedAt(Step step, int error) { return {.step = step, .error = error}; }

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

TripDateFileContents readTripDateFile(const QString &path, const QLocale &locale)
{
    const FileLocation location = locateFile(path);
    struct stat entry = {}, status = {};
    if (const FileProblem problem = inspectFile(location, entry))
        return {.problem = problem};
    // Opened without blocking, so that a named pipe put in the file's place cannot hang the
    // start, and without following a link that was not there when the file was looked at.
    const Descriptor fd(::openat(location.directory.get(), location.name.constData(),
                                 O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
    if (fd.get() < 0)
        return {.problem = errno == ELOOP
                               ? FileProblem{.step = Step::Open, .refusal = Refusal::Changed}
                               : failedAt(Step::Open, errno)};
    if (::fstat(fd.get(), &status) != 0)
        return {.problem = failedAt(Step::Open, errno)};
    if (!sameFile(status, entry))
        return {.problem = {.step = Step::Open, .refusal = Refusal::Changed}};
    const FileProblem tooLarge{.step = Step::Read, .refusal = Refusal::TooLarge};
    if (status.st_size > kTripDateFileMaxSize)
        return {.problem = tooLarge};

    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {.problem = failedAt(Step::Read, errno)};
        if (count == 0)
            break;
        bytes.append(buffer, count);
        if (bytes.size() > kTripDateFileMaxSize) // it grew while being read
            return {.problem = tooLarge};
    }
    LastFieldScanner scanner;
    scanner.feed(decodeFileText(bytes, locale));
    scanner.finish();
    return {.field = scanner.lastField(), .fieldTooLong = scanner.lastFieldTooLong()};
}

namespace {

bool unsupported(int error) { return error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP; }

// Every byte accounted for: a short write (a full disk) must not commit a cut-off record, and
// a file system that takes nothing must not keep the save waiting for ever.
FileProblem writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t count = systemCalls().write(fd, bytes.data(), size_t(bytes.size()));
        if (count < 0 && errno != EINTR)
            return failedAt(Step::Write, errno);
        if (count == 0)
            return {.step = Step::Write, .refusal = Refusal::NothingWritten};
        bytes = bytes.sliced(std::max<ssize_t>(count, 0));
    }
    return {};
}

// Gives the copy what the old file carries. Owner and group are kept where the system
// allows; libattr copies the extended attributes and libacl the ACL, both knowing which
// attributes belong to the permissions; the mode is set last, without the set-user-ID and
// set-group-ID bits. A file system that keeps no modes, ACLs or attributes does not stop the
// save: it had none to lose.
FileProblem keepWhatTheFileCarries(int copy, int old, const struct stat &status)
{
    if (::fchown(copy, status.st_uid, status.st_gid) != 0)
        (void)!::fchown(copy, uid_t(-1), status.st_gid);
    const char *name = "vacation.txt";
    if (old >= 0 && attr_copy_fd(name, old, name, copy, nullptr, nullptr) != 0
        && !unsupported(errno) && errno != EPERM)
        return failedAt(Step::Keep, errno);
    if (old >= 0 && perm_copy_fd(name, old, name, copy, nullptr) != 0 && !unsupported(errno))
        return failedAt(Step::Keep, errno);
    if (systemCalls().fchmod(copy, status.st_mode & 0777) != 0 && !unsupported(errno))
        return failedAt(Step::Keep, errno);
    return {};
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

// Names the unnamed copy `fd` next to the file through /proc, the one way an ordinary user
// has. Returns the name, or an empty one with errno set.
QByteArray nameUnnamedCopy(int directory, const QByteArray &name, int fd)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (;;) {
        const QByteArray copy = copyName(name);
        if (systemCalls().linkat(AT_FDCWD, self.constData(), directory, copy.constData(),
                                 AT_SYMLINK_FOLLOW)
            == 0)
            return copy;
        if (errno != EEXIST)
            return {};
    }
}

} // namespace

FileProblem writeTripDateFile(const QString &path, const QString &text)
{
    // Only broken UTF-16 (a lone surrogate) has no UTF-8 form; no date holds one.
    QStringEncoder encode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray record = '"' + encode(text) + "\"\r\n";
    if (encode.hasError())
        return {.step = Step::Write, .refusal = Refusal::NotUnicode};

    const FileLocation location = locateFile(path);
    struct stat old = {};
    const FileProblem found = inspectFile(location, old);
    if (found && !found.missing())
        return found;
    const bool exists = !found;
    const int directory = location.directory.get();
    const char *name = location.name.constData();
    // The file's own write permission decides, as it would for writing it in place.
    if (exists && ::faccessat(directory, name, W_OK, AT_EACCESS) != 0)
        return failedAt(Step::Open, errno);
    // The old file, for its ACL and attributes; a file the user may not read still keeps its
    // owner and mode.
    Descriptor oldFile;
    if (exists) {
        oldFile = Descriptor(
            ::openat(directory, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
        struct stat status = {};
        if (oldFile.get() >= 0 && (::fstat(oldFile.get(), &status) != 0 || !sameFile(status, old)))
            return {.step = Step::Open, .refusal = Refusal::Changed};
    }
    const auto fill = [&](int fd) -> FileProblem {
        if (const FileProblem problem = writeAll(fd, record))
            return problem;
        if (exists)
            if (const FileProblem problem = keepWhatTheFileCarries(fd, oldFile.get(), old))
                return problem;
        if (systemCalls().fsync(fd) != 0)
            return failedAt(Step::Sync, errno);
        return {};
    };

    // The new record goes into a copy that has no name until it is complete on disk, and is
    // then renamed over the file. Where the file system cannot make such a copy, or /proc is not
    // there to name it, the copy gets a name no one else can have taken at once, and is open
    // to the user alone until it is complete. The rename is atomic, and it replaces the name
    // in this directory only, never a file that the name might point to by then. The old file
    // stays whole until that moment; a crash before it leaves at most a copy behind, no more
    // open than the file.
    const mode_t mode = exists ? 0600 : 0666; // a new file gets the umask's mode
    QByteArray copy;
    Descriptor fd(systemCalls().openat(directory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (fd.get() >= 0) {
        if (const FileProblem problem = fill(fd.get()))
            return problem;
        copy = nameUnnamedCopy(directory, location.name, fd.get());
        if (copy.isEmpty() && errno != ENOENT) // ENOENT: no /proc
            return failedAt(Step::Rename, errno);
    } else if (errno != EOPNOTSUPP && errno != EISDIR) {
        return failedAt(Step::Open, errno);
    }
    if (copy.isEmpty()) {
        do {
            copy = copyName(location.name);
            fd = Descriptor(
                systemCalls().openat(directory, copy.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        } while (fd.get() < 0 && errno == EEXIST);
        if (fd.get() < 0)
            return failedAt(Step::Open, errno);
        if (const FileProblem problem = fill(fd.get())) {
            ::unlinkat(directory, copy.constData(), 0);
            return problem;
        }
    }
    if (::renameat(directory, copy.constData(), directory, name) != 0) {
        const int error = errno;
        ::unlinkat(directory, copy.constData(), 0);
        return failedAt(Step::Rename, error);
    }
    // The rename itself made durable, so that a power cut cannot bring the old date back. A
    // directory that cannot be opened or synced leaves it to the file system's own schedule:
    // the date is saved by then, and saying otherwise would mislead.
    if (const Descriptor folder(::openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        folder.get() >= 0)
        (void)systemCalls().fsync(folder.get());
    return {};
}
