#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <utility>

// A file descriptor that closes itself.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(Descriptor &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor &operator=(Descriptor other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Descriptor();
    int get() const { return m_fd; }

private:
    int m_fd = -1;
};

// Where a file really is: the directory that holds it, kept open so that every later step
// works on that very directory, and the file's name there (which may not exist yet).
//
// The symbolic links on the way are followed by the rule of the kernel's fs.protected_symlinks,
// applied here because the setting may be off and because a save replaces the file by a
// rename, which no link check of the kernel's guards: in a directory that is sticky and
// writable by others, such as /tmp, a link is followed only when it belongs to the user or
// to the directory's owner. Otherwise anyone who can write there could point the file at one
// of the user's own files and have the program read it or replace it.
struct FileLocation
{
    Descriptor directory;
    QByteArray name;
    bool sharedDirectory = false; // sticky and writable by others
    uid_t directoryOwner = 0;
    int error = 0;   // errno of a failed step, 0 when found
    QString refusal; // why the file must not be used, empty when it may
};

FileLocation locateFile(const QString &path);

// Why a file met in a shared directory must not be used, or an empty text. A file with
// other names (hard links) may be someone else's file linked in there (the kernel's
// fs.protected_hardlinks rule, which may be off, stops only its making).
QString refusalInSharedDirectory(const FileLocation &location, uid_t owner, nlink_t links);
