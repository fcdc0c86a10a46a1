#include "filelocation.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Descriptor::~Descriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

namespace {

constexpr int kMostLinks = 40; // as the kernel follows

FileLocation failed(int error) { return {.error = error}; }

} // namespace

FileLocation locateFile(const QString &path)
{
    QByteArray current = QFile::encodeName(path);
    for (int links = 0;; ++links) {
        const qsizetype slash = current.lastIndexOf('/');
        const QByteArray directory = slash < 0 ? "." : slash == 0 ? "/" : current.first(slash);
        FileLocation here{.directory = Descriptor(
                              ::open(directory.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
                          .name = current.sliced(slash + 1)};
        struct stat folder = {}, entry = {};
        if (here.directory.get() < 0 || ::fstat(here.directory.get(), &folder) != 0)
            return failed(errno);
        here.sharedDirectory = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
        here.directoryOwner = folder.st_uid;
        if (::fstatat(here.directory.get(), here.name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISLNK(entry.st_mode))
            return here;
        if (here.sharedDirectory && entry.st_uid != ::geteuid() && entry.st_uid != folder.st_uid) {
            return {.refusal = QCoreApplication::translate(
                        "TripDate", "it is a link that another user made, in a directory that "
                                    "others may write to")};
        }
        if (links == kMostLinks)
            return failed(ELOOP);
        char target[PATH_MAX];
        const ssize_t size =
            ::readlinkat(here.directory.get(), here.name.constData(), target, sizeof target);
        if (size < 0 || size == sizeof target)
            return failed(size < 0 ? errno : ENAMETOOLONG);
        const QByteArray next(target, size);
        current = next.startsWith('/') ? next : directory + '/' + next;
    }
}

QString refusalInSharedDirectory(const FileLocation &location, uid_t owner, nlink_t links)
{
    if (location.sharedDirectory && links > 1 && owner != location.directoryOwner)
        return QCoreApplication::translate("TripDate", "it is a hard link to a file elsewhere, "
                                                       "in a directory that others may write to");
    return {};
}
