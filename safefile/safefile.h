#pragma once

// The file layer: reads a small regular file, and replaces it atomically, keeping what the file
// carries. It promises three things:
//
// - Links are followed only as the kernel's protected-links rule would follow them, in every
//   directory on the way, whether or not that rule is on: in a directory that is sticky and
//   writable by others (/tmp), another user's link is not followed, and another user's file
//   (as the protected-regular rule judges it) or a file with other names there is neither read
//   nor replaced. Nothing is opened in a way that blocks.
// - A replacement is atomic: the old file stays whole until a complete new one, synced to disk,
//   is renamed over it; a crash leaves the old file or the new one, and at most a copy beside.
// - The new file keeps the old one's owner and group (where the system allows), mode (without
//   set-user-ID and set-group-ID), ACL and extended attributes; the save is refused rather than
//   drop them.
//
// The threat it answers: another local user who can write in a shared directory on the way
// and makes links and names there to have the program read or replace one of the user's own
// files; a crash or a kill at any moment; a file system that fails a write, fills up or lacks
// what a save would like to use (unnamed files, /proc, modes).

#include "safefile/descriptor.h"
#include "safefile/systemcalls.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <utility>
#include <vector>

// Why a file cannot be read or replaced: the system's error number, or the layer's own
// reason for refusing the file. A default FileProblem is no problem at all.
struct FileProblem
{
    enum class Refusal
    {
        None,           // the system's `error` says why
        ForeignLink,    // another user's link in a shared directory
        ForeignFile,    // another user's file in a shared directory
        SharedHardLink, // a file with other names, in a shared directory
        NotRegularFile, // a device, a pipe or a socket
        LinkLoop,       // links that lead round in a circle
        LeadsNowhere,   // a link on the way into a directory that does not exist
        Changed,        // the file was swapped for another while the layer worked on it
        TooLarge,
        NothingWritten, // the file system took none of what was written
        AttributeKept,  // an extended attribute of the file that a new copy could not be given
    };

    int error = 0;
    Refusal refusal = Refusal::None;
    // The directory that refused to take the new file, where links put the file in another
    // than the path's own; empty otherwise.
    QString directory;

    explicit operator bool() const { return error != 0 || refusal != Refusal::None; }
    // Nothing stands at the path yet: no problem for a save, which makes the file.
    bool missing() const { return refusal == Refusal::None && error == ENOENT; }
};

// A file's bytes, or why they could not be read.
struct FileRead
{
    QByteArray bytes;
    FileProblem problem;
};

// Reads the regular file at `path` whole, if it holds at most `maxSize` bytes.
FileRead readSmallFile(const QString &path, qint64 maxSize,
                       const SystemCalls &calls = SystemCalls::real());

// Replaces the file at `path` with `bytes`, or makes it, in the directory where its links
// lead. Only a regular file that the user may write is replaced. A crash may leave a copy
// "NAME.XXXXXX" beside the file, no more open than the file, which is safe to delete.
FileProblem replaceFile(const QString &path, QByteArrayView bytes,
                        const SystemCalls &calls = SystemCalls::real());

// What to watch to see the file at `path` change, opened without reading (O_PATH): every
// directory the layer looked a name up in on its way to the file, once each (the one that holds
// the path's own name, where a save renames a new file over it; those of the links on the way
// and of the directories they pass, any of which may be pointed elsewhere or renamed; and the
// one the file is in, or would be made in), and the file, which an editor may rewrite in place,
// where the layer would read it. The way stops where reading stops: another user's link in a
// shared directory leads the watch no further, and no file is watched where nothing stands or
// the layer refuses what does.
struct WatchPoints
{
    std::vector<Descriptor> directories;
    Descriptor file;
};
WatchPoints openToWatch(const QString &path, const SystemCalls &calls = SystemCalls::real());
