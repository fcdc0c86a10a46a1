#pragma once

#include <sys/stat.h>
#include <sys/types.h>

// Every call through which the file layer reaches the file system. The program uses the real
// ones; a test hands the layer its own, to play a file system that fails them, a directory
// without /proc, or another user who owns a link or swaps a file in, also where the test
// itself may not make what that user would.
struct SystemCalls
{
    // Looking
    int (*fstat)(int fd, struct stat *status);
    int (*fstatat)(int directory, const char *name, struct stat *status, int flags);
    ssize_t (*readlinkat)(int directory, const char *name, char *target, size_t size);
    int (*faccessat)(int directory, const char *name, int mode, int flags);
    // Reading and writing
    int (*openat)(int directory, const char *name, int flags, mode_t mode);
    ssize_t (*read)(int fd, void *bytes, size_t size);
    ssize_t (*write)(int fd, const void *bytes, size_t size);
    int (*fsync)(int fd);
    // Naming
    int (*linkat)(int fromDirectory, const char *from, int toDirectory, const char *to, int flags);
    int (*renameat)(int fromDirectory, const char *from, int toDirectory, const char *to);
    int (*unlinkat)(int directory, const char *name, int flags);
    // What a file carries: owner, mode, extended attributes (by path, for a file reached
    // through /proc) and the ACL and attributes libacl and libattr copy.
    int (*fchown)(int fd, uid_t owner, gid_t group);
    int (*fchmod)(int fd, mode_t mode);
    ssize_t (*listxattr)(const char *path, char *names, size_t size);
    ssize_t (*getxattr)(const char *path, const char *name, void *value, size_t size);
    int (*fsetxattr)(int fd, const char *name, const void *value, size_t size, int flags);
    int (*copyAttributes)(const char *fromPath, int from, const char *toPath, int to);
    int (*copyAcl)(const char *fromPath, int from, const char *toPath, int to); // from < 0: by path

    static const SystemCalls &real();
};
