#pragma once

#include <sys/stat.h>
#include <sys/types.h>

// The calls through which the file layer reaches the file system where a file system can fail
// it or another user can change what it finds. The program uses the real ones; a test hands
// the layer its own, to play a file system that fails them or a user who swaps a file in.
struct SystemCalls
{
    int (*openat)(int directory, const char *name, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void *bytes, size_t size);
    int (*linkat)(int fromDirectory, const char *from, int toDirectory, const char *to, int flags);
    int (*renameat)(int fromDirectory, const char *from, int toDirectory, const char *to);
    int (*fchmod)(int fd, mode_t mode);
    int (*fsync)(int fd);

    static const SystemCalls &real();
};
