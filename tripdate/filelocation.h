#pragma once

// The file layer under the trip date file: where the file really is, what stands there, and
// one result for everything that can go wrong on the way.

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <sys/stat.h>
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

// What went wrong with the file: the step that failed, and the system's error number or the
// program's own reason for refusing the file. A default FileProblem is no problem at all.
struct FileProblem
{
    enum class Step
    {
        None,
        Locate, // following the path to the file
        Open,   // opening the file, or making the new copy
        Read,
        Write,
        Keep,   // giving the new copy the file's owner, mode, ACL and attributes
        Sync,   // making the new copy durable
        Rename, // naming the new copy and putting it in the file's place
    };
    enum class Refusal
    {
        None,           // the system's `error` says why
        ForeignLink,    // another user's link in a shared directory
        SharedHardLink, // a file with other names, in a shared directory
        NotRegularFile, // a device, a pipe or a socket
        LinkLoop,       // links that lead round in a circle
        Changed,        // the file was swapped for another while the program worked on it
        TooLarge,
        NotUnicode,     // the date has no UTF-8 form
        NothingWritten, // the file system took none of what was written
    };

    Step step = Step::None;
    int error = 0;
    Refusal refusal = Refusal::None;

    explicit operator bool() const { return step != Step::None; }
    bool missing() const { return refusal == Refusal::None && error == ENOENT; }
};

// Where a file really is: the directory that holds it, kept open so that every later step
// works on that very directory, and the file's name there (which may not exist yet).
//
// The path is walked one name at a time and never followed through a link by the kernel, so
// that every link on the way, in the path and in the links' own targets, meets the rule of
// the kernel's fs.protected_symlinks. The rule is applied here because the setting may be off
// and because a save replaces the file by a rename, which no link check of the kernel's
// guards: in a directory that is sticky and writable by others, such as /tmp, a link is
// followed only when it belongs to the user or to the directory's owner. Otherwise anyone who
// can write there could point the file at one of the user's own files and have the program
// read it or replace it.
struct FileLocation
{
    Descriptor directory;
    QByteArray name;
    bool sharedDirectory = false; // sticky and writable by others
    FileProblem problem;          // why the path leads to no usable place
};

FileLocation locateFile(const QString &path);

// Looks at what stands at the location without following it, into `status`. A problem when
// there is nothing (`missing()`), or something the program must not use: a directory, what
// is not a regular file, or, in a shared directory, a file with other names (hard links),
// which may be someone else's file linked in there (the kernel's fs.protected_hardlinks
// rule, which may be off, stops only its making).
FileProblem inspectFile(const FileLocation &location, struct stat &status);

// The calls through which a save reaches the file system, as pointers that the tests set to
// play a file system that fails them.
struct SystemCalls
{
    int (*openat)(int directory, const char *name, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void *bytes, size_t size);
    int (*linkat)(int fromDirectory, const char *from, int toDirectory, const char *to, int flags);
    int (*fchmod)(int fd, mode_t mode);
    int (*fsync)(int fd);
};
SystemCalls &systemCalls();
