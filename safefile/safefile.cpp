#include "safefile/safefile.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QSet>

#include <acl/libacl.h>
#include <attr/libattr.h>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <linux/limits.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

Descriptor::~Descriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray reachedThrough(int fd, const QByteArray &name)
{
    return "/proc/self/fd/" + QByteArray::number(fd) + (name.isEmpty() ? QByteArray() : '/' + name);
}

const SystemCalls &SystemCalls::real()
{
    static const SystemCalls calls{
        .fstat = ::fstat,
        .fstatat = ::fstatat,
        .readlinkat = ::readlinkat,
        .faccessat = ::faccessat,
        .openat = [](int directory, const char *name, int flags,
                     mode_t mode) { return ::openat(directory, name, flags, mode); },
        .read = ::read,
        .write = ::write,
        .fsync = ::fsync,
        .linkat = ::linkat,
        .renameat = ::renameat,
        .unlinkat = ::unlinkat,
        .fchown = ::fchown,
        .fchmod = ::fchmod,
        .listxattr = ::listxattr,
        .getxattr = ::getxattr,
        .fsetxattr = ::fsetxattr,
        .copyAttributes =
            [](const char *fromPath, int from, const char *toPath, int to) {
                return attr_copy_fd(fromPath, from, toPath, to, nullptr, nullptr);
            },
        .copyAcl =
            [](const char *fromPath, int from, const char *toPath, int to) {
                return from >= 0 ? perm_copy_fd(fromPath, from, toPath, to, nullptr)
                                 : perm_copy_file(fromPath, toPath, nullptr);
            },
    };
    return calls;
}

namespace {

using Refusal = FileProblem::Refusal;

constexpr int kMostLinks = 40;  // as the kernel follows
constexpr int kMostTries = 100; // at a name of its own for the new copy

FileProblem failed(int error) { return {.error = error}; }
FileProblem refused(Refusal refusal) { return {.refusal = refusal}; }

// Where a file really is: the directory that holds it, kept open so that every later step
// works on that very directory, and the file's name there (which may not exist yet).
struct FileLocation
{
    Descriptor directory;
    QByteArray name;
    bool sharedDirectory = false; // sticky and writable by others
    uid_t directoryOwner = 0;
    FileProblem problem; // why the path leads to no usable place
};

// What another user may have put in a shared directory: neither the user's nor the directory
// owner's, as the kernel's protected-links and protected-regular rules judge.
bool ownedByAnother(uid_t owner, uid_t directoryOwner)
{
    return owner != ::geteuid() && owner != directoryOwner;
}

// The names of a path, in order; empty names (from doubled or trailing slashes) and "." say
// nothing and are left out.
QList<QByteArray> namesOf(const QByteArray &path)
{
    QList<QByteArray> names = path.split('/');
    names.removeIf([](const QByteArray &name) { return name.isEmpty() || name == "."; });
    return names;
}

Descriptor openDirectory(int at, const char *name, const SystemCalls &calls)
{
    return Descriptor(calls.openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0));
}

// By hand: openat2's RESOLVE_NO_SYMLINKS refuses every link, and the kernel's own link rule
// checks only the last name of each link it follows; the rule wanted here, on every link,
// needs each name looked at in turn. The kernel never follows a link here itself. `passed` gets
// every directory a name was looked up in, but the location's own.
FileLocation locateFile(const QString &path, const SystemCalls &calls,
                        std::vector<Descriptor> *passed = nullptr)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty())
        return {.problem = failed(ENOENT)};
    QList<QByteArray> names = namesOf(encoded);
    Descriptor directory = openDirectory(AT_FDCWD, encoded.startsWith('/') ? "/" : ".", calls);
    const auto leave = [&](Descriptor next = Descriptor()) {
        if (passed && directory.get() >= 0)
            passed->push_back(std::move(directory));
        directory = std::move(next);
    };
    const auto failedAt = [&](FileProblem problem) {
        leave();
        return FileLocation{.problem = problem};
    };
    if (directory.get() < 0)
        return failedAt(failed(errno));
    for (int links = 0; !names.isEmpty();) {
        struct stat folder = {}, entry = {};
        if (calls.fstat(directory.get(), &folder) != 0)
            return failedAt(failed(errno));
        const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
        const QByteArray name = names.takeFirst();
        const auto here = [&] {
            return FileLocation{.directory = std::move(directory),
                                .name = name,
                                .sharedDirectory = shared,
                                .directoryOwner = folder.st_uid};
        };
        if (calls.fstatat(directory.get(), name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return failedAt(failed(errno));
            if (!names.isEmpty()) // a directory on the way is not there
                return failedAt(refused(Refusal::LeadsNowhere));
            return here(); // the file may not exist yet
        }
        if (S_ISLNK(entry.st_mode)) {
            if (shared && ownedByAnother(entry.st_uid, folder.st_uid))
                return failedAt(refused(Refusal::ForeignLink));
            if (++links > kMostLinks)
                return failedAt(refused(Refusal::LinkLoop));
            char target[PATH_MAX];
            const ssize_t size =
                calls.readlinkat(directory.get(), name.constData(), target, sizeof target);
            if (size <= 0 || size == sizeof target)
                return failedAt(failed(size < 0 ? errno : size == 0 ? ENOENT : ENAMETOOLONG));
            if (target[0] == '/')
                leave(openDirectory(AT_FDCWD, "/", calls));
            names = namesOf(QByteArray(target, size)) + names;
        } else if (names.isEmpty()) {
            return here();
        } else {
            leave(openDirectory(directory.get(), name.constData(), calls));
        }
        if (directory.get() < 0)
            return failedAt(failed(errno));
    }
    return failedAt(failed(EISDIR)); // the path names a directory, not a file in it
}

// Looks at what stands at the location without following it, into `status`. A problem when
// there is nothing (`missing()`), or something the layer must not use: a directory, what is
// not a regular file, or, in a shared directory, another user's file, which is not the user's
// trip date whatever it holds (the kernel's fs.protected_regular rule, which may be off, keeps
// only an O_CREAT open from it), or a file with other names (hard links), which may be someone
// else's file linked in there (fs.protected_hardlinks, likewise, stops only its making).
FileProblem inspectFile(const FileLocation &location, struct stat &status, const SystemCalls &calls)
{
    if (location.problem)
        return location.problem;
    if (calls.fstatat(location.directory.get(), location.name.constData(), &status,
                      AT_SYMLINK_NOFOLLOW)
        != 0)
        return failed(errno);
    if (S_ISDIR(status.st_mode))
        return failed(EISDIR);
    if (!S_ISREG(status.st_mode))
        return refused(Refusal::NotRegularFile);
    if (location.sharedDirectory && ownedByAnother(status.st_uid, location.directoryOwner))
        return refused(Refusal::ForeignFile);
    if (location.sharedDirectory && status.st_nlink > 1)
        return refused(Refusal::SharedHardLink);
    return {};
}

// Opens the file that inspectFile looked at, and only that one: without blocking, so that a
// named pipe swapped in meanwhile cannot hang the program, and without following a link
// swapped in. `status` becomes the open file's.
std::pair<Descriptor, FileProblem> openInspected(const FileLocation &location, int flags,
                                                 struct stat &status, const SystemCalls &calls)
{
    const struct stat seen = status;
    Descriptor fd(calls.openat(location.directory.get(), location.name.constData(),
                               flags | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0));
    if (fd.get() < 0)
        return {Descriptor(), errno == ELOOP ? refused(Refusal::Changed) : failed(errno)};
    if (calls.fstat(fd.get(), &status) != 0)
        return {Descriptor(), failed(errno)};
    if (status.st_dev != seen.st_dev || status.st_ino != seen.st_ino)
        return {Descriptor(), refused(Refusal::Changed)};
    return {std::move(fd), FileProblem()};
}

} // namespace

FileRead readSmallFile(const QString &path, qint64 maxSize, const SystemCalls &calls)
{
    const FileLocation location = locateFile(path, calls);
    struct stat status = {};
    if (const FileProblem problem = inspectFile(location, status, calls))
        return {.problem = problem};
    const auto [fd, problem] = openInspected(location, O_RDONLY, status, calls);
    if (problem)
        return {.problem = problem};
    if (status.st_size > maxSize)
        return {.problem = refused(Refusal::TooLarge)};

    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = calls.read(fd.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {.problem = failed(errno)};
        if (count == 0)
            return {.bytes = bytes};
        bytes.append(buffer, count);
        if (bytes.size() > maxSize) // it grew while being read
            return {.problem = refused(Refusal::TooLarge)};
    }
}

WatchPoints openToWatch(const QString &path, const SystemCalls &calls)
{
    std::vector<Descriptor> passed;
    FileLocation location = locateFile(path, calls, &passed);
    WatchPoints points;
    struct stat status = {};
    if (!inspectFile(location, status, calls))
        points.file = std::move(openInspected(location, O_PATH, status, calls).first);
    passed.push_back(std::move(location.directory));
    QSet<std::pair<dev_t, ino_t>> seen; // a directory passed again is watched once
    for (Descriptor &directory : passed) {
        if (directory.get() < 0 || calls.fstat(directory.get(), &status) != 0)
            continue;
        const std::pair identity(status.st_dev, status.st_ino);
        if (!seen.contains(identity)) {
            seen.insert(identity);
            points.directories.push_back(std::move(directory));
        }
    }
    return points;
}

namespace {

bool unsupported(int error) { return error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP; }

// An attribute of the old file that the copy could not be given: one the user may not set
// (security.capability, which only a privileged process may), or one the file system does not
// take on the copy, though it keeps it on the old file.
FileProblem attributeNotGiven(int error)
{
    return error == EPERM || unsupported(error) ? refused(Refusal::AttributeKept) : failed(error);
}

// Every byte accounted for: a short write (a full disk) must not commit a cut-off file, and
// a file system that takes nothing must not keep the save waiting for ever.
FileProblem writeAll(int fd, QByteArrayView bytes, const SystemCalls &calls)
{
    while (!bytes.isEmpty()) {
        const ssize_t count = calls.write(fd, bytes.data(), size_t(bytes.size()));
        if (count < 0 && errno != EINTR)
            return failed(errno);
        if (count == 0)
            return refused(Refusal::NothingWritten);
        bytes = bytes.sliced(std::max<ssize_t>(count, 0));
    }
    return {};
}

// The old file, for what it carries: open for reading where the user may read it, else as a
// bare reference, whose ACL and attributes are reached through /proc.
struct OldFile
{
    Descriptor fd;
    bool readable = false;
};

// The extended attributes of a file the user may write but not read, reached through its
// /proc link: libattr's attr_copy_file looks at the link itself, not at the file behind it.
// What libattr leaves out is left out here too (the ACL, copied with the mode, and what
// /etc/xattr.conf skips). An attribute the user may not read refuses the save rather than be
// dropped; without /proc (ENOENT) none can be reached, and the save is refused as well. One the
// copy cannot be given refuses it too.
FileProblem copyAttributesThrough(const QByteArray &path, int copy, const SystemCalls &calls)
{
    QByteArray names(XATTR_LIST_MAX, Qt::Uninitialized), value(XATTR_SIZE_MAX, Qt::Uninitialized);
    const ssize_t size = calls.listxattr(path, names.data(), size_t(names.size()));
    if (size < 0)
        return unsupported(errno) ? FileProblem() : failed(errno == ENOENT ? EACCES : errno);
    for (const char *name = names.constData(); name < names.constData() + size;
         name += std::strlen(name) + 1) {
        if (attr_copy_action(name, nullptr) != 0)
            continue;
        const ssize_t length = calls.getxattr(path, name, value.data(), size_t(value.size()));
        if (length < 0 && errno != ENODATA) // ENODATA: removed meanwhile
            return failed(errno);
        if (length >= 0 && calls.fsetxattr(copy, name, value.constData(), size_t(length), 0) != 0)
            return attributeNotGiven(errno);
    }
    return {};
}

// Gives the copy what the old file carries. Owner and group are kept where the system
// allows; libattr copies the extended attributes and libacl the ACL, both knowing which
// attributes belong to the permissions; the mode is set last, without the set-user-ID and
// set-group-ID bits. A file system that keeps no modes, ACLs or attributes does not stop the
// save: it had none to lose (libattr then copies nothing and fails nothing). Attributes that the
// user may not read (of a file they may write but not read), or that the copy cannot be given,
// stop it, rather than be dropped: libattr goes on past an attribute it could not set and fails
// at the end with the errno of the last, ENOTSUP after an EPERM too.
FileProblem keepWhatTheFileCarries(int copy, const OldFile &old, const struct stat &status,
                                   const SystemCalls &calls)
{
    if (calls.fchown(copy, status.st_uid, status.st_gid) != 0)
        (void)!calls.fchown(copy, uid_t(-1), status.st_gid);
    const QByteArray from = reachedThrough(old.fd.get()), to = reachedThrough(copy);
    if (!old.readable) {
        if (const FileProblem problem = copyAttributesThrough(from, copy, calls))
            return problem;
    } else if (calls.copyAttributes(from, old.fd.get(), to, copy) != 0) {
        return attributeNotGiven(errno);
    }
    const int acl = calls.copyAcl(from, old.readable ? old.fd.get() : -1, to, copy);
    if (acl != 0 && !unsupported(errno))
        return failed(errno == ENOENT ? EACCES : errno);
    if (calls.fchmod(copy, status.st_mode & 0777) != 0 && !unsupported(errno))
        return failed(errno);
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

// The directory's real path, for a message that has to name it; empty without /proc.
QString realPath(int directory, const SystemCalls &calls)
{
    char path[PATH_MAX];
    const ssize_t size = calls.readlinkat(AT_FDCWD, reachedThrough(directory), path, sizeof path);
    return size > 0 && size < ssize_t(sizeof path) ? QFile::decodeName(QByteArray(path, size))
                                                   : QString();
}

// A refusal to make or rename a file in the directory blames the directory.
FileProblem inDirectory(int directory, int error, const SystemCalls &calls)
{
    FileProblem problem = failed(error);
    if (error == EACCES || error == EPERM || error == EROFS)
        problem.directory = realPath(directory, calls);
    return problem;
}

} // namespace

FileProblem replaceFile(const QString &path, QByteArrayView bytes, const SystemCalls &calls)
{
    const FileLocation location = locateFile(path, calls);
    struct stat status = {};
    const FileProblem found = inspectFile(location, status, calls);
    if (found && !found.missing())
        return found;
    const bool exists = !found;
    const int directory = location.directory.get();
    const char *name = location.name.constData();
    // The file's own write permission decides, as it would for writing it in place.
    if (exists && calls.faccessat(directory, name, W_OK, AT_EACCESS) != 0)
        return failed(errno);
    OldFile old;
    if (exists) {
        auto [fd, problem] = openInspected(location, O_RDONLY, status, calls);
        if (problem.error == EACCES) // the user may write the file but not read it
            std::tie(fd, problem) = openInspected(location, O_PATH, status, calls);
        else
            old.readable = true;
        if (problem)
            return problem;
        old.fd = std::move(fd);
    }
    const auto fill = [&](int fd) -> FileProblem {
        if (const FileProblem problem = writeAll(fd, bytes, calls))
            return problem;
        if (exists)
            if (const FileProblem problem = keepWhatTheFileCarries(fd, old, status, calls))
                return problem;
        if (calls.fsync(fd) != 0)
            return failed(errno);
        return {};
    };

    // The new file goes into a copy that has no name until it is complete on disk, and is then
    // renamed over the file. Where the file system cannot make such a copy, or /proc is not
    // there to name it, the copy gets a name no one else can have taken at once, and is open
    // to the user alone until it is complete. The rename is atomic, and it replaces the name
    // in this directory only, never a file that the name might point to by then. The old file
    // stays whole until that moment; a crash before it leaves at most a copy behind, no more
    // open than the file.
    const mode_t mode = exists ? 0600 : 0666; // a new file gets the umask's mode
    QByteArray copy;
    if (Descriptor fd(calls.openat(directory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        fd.get() >= 0) {
        if (const FileProblem problem = fill(fd.get()))
            return problem;
        for (int tries = 0; copy.isEmpty() && tries < kMostTries; ++tries) {
            copy = copyName(location.name);
            if (calls.linkat(AT_FDCWD, reachedThrough(fd.get()), directory, copy, AT_SYMLINK_FOLLOW)
                == 0)
                break;
            const int error = errno;
            copy.clear();
            if (error == ENOENT) // no /proc: a named copy instead
                break;
            if (error != EEXIST)
                return inDirectory(directory, error, calls);
        }
    } else if (errno != EOPNOTSUPP && errno != EISDIR) {
        return inDirectory(directory, errno, calls);
    }
    if (copy.isEmpty()) {
        Descriptor fd;
        for (int tries = 0; fd.get() < 0 && tries < kMostTries; ++tries) {
            copy = copyName(location.name);
            fd = Descriptor(calls.openat(
                directory, copy, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
            if (fd.get() < 0 && errno != EEXIST)
                return inDirectory(directory, errno, calls);
        }
        if (fd.get() < 0)
            return failed(EEXIST);
        if (const FileProblem problem = fill(fd.get())) {
            calls.unlinkat(directory, copy, 0);
            return problem;
        }
    }
    if (calls.renameat(directory, copy, directory, name) != 0) {
        const FileProblem problem = inDirectory(directory, errno, calls);
        calls.unlinkat(directory, copy, 0);
        return problem;
    }
    // The rename made durable, so that a power cut cannot bring the old file back. A directory
    // that cannot be opened or synced leaves it to the file system's own schedule: the new
    // file is in place by then, and saying otherwise would mislead.
    if (const Descriptor folder(
            calls.openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
        folder.get() >= 0)
        (void)calls.fsync(folder.get());
    return {};
}
