#include "filelocation.h"

#include <QFile>
#include <QList>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

Descriptor::~Descriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

SystemCalls &systemCalls()
{
    static SystemCalls calls{
        .openat = [](int directory, const char *name, int flags,
                     mode_t mode) { return ::openat(directory, name, flags, mode); },
        .write = ::write,
        .linkat = ::linkat,
        .fchmod = ::fchmod,
        .fsync = ::fsync,
    };
    return calls;
}

namespace {

using Step = FileProblem::Step;
using Refusal = FileProblem::Refusal;

constexpr int kMostLinks = 40; // as the kernel follows

FileLocation failed(int error) { return {.problem = {.step = Step::Locate, .error = error}}; }
FileLocation refused(Refusal refusal)
{
    return {.problem = {.step = Step::Locate, .refusal = refusal}};
}

// The names of a path, in order; empty names (from doubled or trailing slashes) and "." say
// nothing and are left out.
QList<QByteArray> namesOf(const QByteArray &path)
{
    QList<QByteArray> names = path.split('/');
    names.removeIf([](const QByteArray &name) { return name.isEmpty() || name == "."; });
    return names;
}

Descriptor openDirectory(int at, const char *name)
{
    return Descriptor(::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

} // namespace

// By hand: openat2's RESOLVE_NO_SYMLINKS refuses every link, and the kernel's own link rule
// checks only the last name of each link it follows; the rule wanted here, on every link,
// needs each name looked at in turn.
FileLocation locateFile(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty())
        return failed(ENOENT);
    QList<QByteArray> names = namesOf(encoded);
    Descriptor directory = openDirectory(AT_FDCWD, encoded.startsWith('/') ? "/" : ".");
    for (int links = 0; !names.isEmpty();) {
        struct stat folder = {}, entry = {};
        if (directory.get() < 0 || ::fstat(directory.get(), &folder) != 0)
            return failed(errno);
        const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
        const QByteArray name = names.takeFirst();
        if (::fstatat(directory.get(), name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && names.isEmpty()) // the file may not exist yet
                return {.directory = std::move(directory), .name = name, .sharedDirectory = shared};
            return failed(errno);
        }
        if (S_ISLNK(entry.st_mode)) {
            if (shared && entry.st_uid != ::geteuid() && entry.st_uid != folder.st_uid)
                return refused(Refusal::ForeignLink);
            if (++links > kMostLinks)
                return refused(Refusal::LinkLoop);
            char target[PATH_MAX];
            const ssize_t size =
                ::readlinkat(directory.get(), name.constData(), target, sizeof target);
            if (size <= 0 || size == sizeof target)
                return failed(size < 0 ? errno : size == 0 ? ENOENT : ENAMETOOLONG);
            if (target[0] == '/')
                directory = openDirectory(AT_FDCWD, "/");
            names = namesOf(QByteArray(target, size)) + names;
        } else if (names.isEmpty()) {
            return {.directory = std::move(directory), .name = name, .sharedDirectory = shared};
        } else {
            directory = openDirectory(directory.get(), name.constData());
        }
    }
    return failed(EISDIR); // the path names a directory, not a file in it
}

FileProblem inspectFile(const FileLocation &location, struct stat &status)
{
    if (location.problem)
        return location.problem;
    if (::fstatat(location.directory.get(), location.name.constData(), &status, AT_SYMLINK_NOFOLLOW)
        != 0)
        return {.step = Step::Open, .error = errno};
    if (S_ISDIR(status.st_mode))
        return {.step = Step::Open, .error = EISDIR};
    if (!S_ISREG(status.st_mode))
        return {.step = Step::Open, .refusal = Refusal::NotRegularFile};
    if (location.sharedDirectory && status.st_nlink > 1)
        return {.step = Step::Open, .refusal = Refusal::SharedHardLink};
    return {};
}
