#pragma once

// What holds a file, directory or socket open, and the name the system reaches it by.

#include <QByteArray>

#include <utility>

// A file descriptor that closes itself; none where it is -1.
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
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The name under which the system reaches what a descriptor holds open (/proc/self/fd/N), the
// very file or directory, whatever its path names meanwhile; with `name`, a name in that
// directory, for the calls that take no directory (bind, connect, inotify).
QByteArray reachedThrough(int fd, const QByteArray &name = {});
