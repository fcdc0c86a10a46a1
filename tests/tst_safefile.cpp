#include "files.h"
#include "safefile/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <acl/libacl.h>
#include <cstring>
#include <fcntl.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
const QByteArray kOld("\"1/1/2001\"\r\n"), kNew("\"1/1/2031\"\r\n");
constexpr int kNobody = 65534;

// What the layer said, in a test's words: the refusal, or the system's error name, and the
// directory it blames.
QString describe(const FileProblem &problem)
{
    // clang-format off
    static const char *const refusals[] = {"", "ForeignLink", "ForeignFile", "SharedHardLink",
        "NotRegularFile", "LinkLoop", "LeadsNowhere", "Changed", "TooLarge", "NothingWritten",
        "AttributeKept"};
    // clang-format on
    static_assert(std::size(refusals) == int(FileProblem::Refusal::AttributeKept) + 1);
    QString said = problem.refusal != FileProblem::Refusal::None
                       ? QString::fromLatin1(refusals[int(problem.refusal)])
                   : problem.error ? QString::fromLatin1(strerrorname_np(problem.error))
                                   : QString();
    if (!problem.directory.isEmpty())
        said += QStringLiteral(" in ") + QFileInfo(problem.directory).fileName();
    return said;
}

// A file system that fails in the ways a row names (parted by commas), another user who owns
// what the test made or swaps a named pipe or a link in for the file as it is opened; and what
// the layer did meanwhile.
namespace Fakes {
SystemCalls calls;
mode_t firstWriteMode = 0;
int reads = 0;
bool copySynced = false, directorySynced = false;
QList<gid_t> groupsGiven;        // by a change of group alone
QHash<ino_t, uid_t> otherOwner;  // what another user owns, by inode
const char *swappedIn = nullptr; // "pipe" or "link": put in place of vacation.txt as it is opened

bool viaProc(const char *path) { return std::strncmp(path, "/proc/", 6) == 0; }

void ownedAsFaked(struct stat *status)
{
    status->st_uid = otherOwner.value(status->st_ino, status->st_uid);
}

// Opens `name` as the layer asked, with a named pipe or a link in its place for that moment. An
// open that could wait on the pipe is refused at once (EDEADLK), where it would hang for ever.
int openWithSomethingSwappedIn(int directory, const char *name, int flags, mode_t mode)
{
    if (std::strcmp(name, "vacation.txt") != 0 || (flags & O_CREAT))
        return ::openat(directory, name, flags, mode);
    if (std::strcmp(swappedIn, "pipe") == 0 && (flags & (O_NONBLOCK | O_PATH)) == 0)
        return errno = EDEADLK, -1;
    const bool swapped =
        ::renameat(directory, name, directory, "aside") == 0
        && (std::strcmp(swappedIn, "pipe") == 0 ? ::mkfifoat(directory, name, 0600)
                                                : ::symlinkat("aside", directory, name))
               == 0;
    const int fd = ::openat(directory, name, flags, mode);
    const int error = errno;
    if (swapped)
        (void)(::unlinkat(directory, name, 0) | ::renameat(directory, "aside", directory, name));
    errno = error;
    return fd;
}

const SystemCalls &install(const QString &faults)
{
    firstWriteMode = 0;
    copySynced = directorySynced = false;
    groupsGiven.clear();
    calls = SystemCalls::real();
    calls.fstat = [](int fd, struct stat *status) {
        const int result = ::fstat(fd, status);
        ownedAsFaked(status);
        return result;
    };
    calls.fstatat = [](int directory, const char *name, struct stat *status, int flags) {
        const int result = ::fstatat(directory, name, status, flags);
        ownedAsFaked(status);
        return result;
    };
    reads = 0;
    calls.read = [](int fd, void *bytes, size_t size) {
        ++reads;
        return ::read(fd, bytes, size);
    };
    calls.write = [](int fd, const void *bytes, size_t size) -> ssize_t {
        struct stat status = {};
        if (firstWriteMode == 0 && ::fstat(fd, &status) == 0)
            firstWriteMode = status.st_mode & 07777;
        return ::write(fd, bytes, size);
    };
    calls.fsync = [](int fd) {
        struct stat status = {};
        if (::fstat(fd, &status) == 0)
            (S_ISDIR(status.st_mode) ? directorySynced : copySynced) = true;
        return ::fsync(fd);
    };
    for (const QString &fault : faults.split(u',', Qt::SkipEmptyParts)) {
        if (fault == u"ENOSPC") // takes 4 bytes, then no more
            calls.write = [](int fd, const void *bytes, size_t size) -> ssize_t {
                return size > 4 ? ::write(fd, bytes, 4) : (errno = ENOSPC, -1);
            };
        if (fault == u"write 0")
            calls.write = [](int, const void *, size_t) -> ssize_t { return 0; };
        if (fault == u"no O_TMPFILE")
            calls.openat = [](int directory, const char *name, int flags, mode_t mode) {
                if ((flags & O_TMPFILE) == O_TMPFILE)
                    return errno = EOPNOTSUPP, -1;
                return ::openat(directory, name, flags, mode);
            };
        if (fault == u"listxattr ENOENT")
            calls.listxattr = [](const char *, char *, size_t) -> ssize_t {
                return errno = ENOENT, -1;
            };
        if (fault == u"listxattr EIO")
            calls.listxattr = [](const char *, char *, size_t) -> ssize_t {
                return errno = EIO, -1;
            };
        if (fault == u"grows as it is read") // by 4 KiB, as the first read is made
            calls.read = [](int fd, void *bytes, size_t size) {
                const QByteArray file = "/proc/self/fd/" + QByteArray::number(fd);
                const int grown = reads++ == 0 ? ::open(file, O_WRONLY | O_APPEND) : -1;
                (void)(::write(grown, QByteArray(4096, ' '), 4096) + ::close(grown));
                return ::read(fd, bytes, size);
            };
        if (fault == u"attributes refused") { // readable; a capability, which only a privileged
                                              // process may set, and a user attribute the file
                                              // system refuses on the copy
            calls.getxattr = [](const char *, const char *, void *value, size_t) -> ssize_t {
                std::memcpy(value, "winter", 6);
                return 6;
            };
            calls.fsetxattr = [](int, const char *name, const void *, size_t, int) {
                return errno = std::strncmp(name, "security.", 9) == 0 ? EPERM : ENOTSUP, -1;
            };
        }
        if (fault == u"libattr refused") // those two: it says the last
            calls.copyAttributes = [](const char *, int, const char *, int) {
                return errno = ENOTSUP, -1;
            };
        if (fault == u"no /proc") { // every name under /proc is missing
            calls.linkat = [](int from, const char *name, int to, const char *as, int flags) {
                return viaProc(name) ? (errno = ENOENT, -1) : ::linkat(from, name, to, as, flags);
            };
            calls.listxattr = [](const char *path, char *names, size_t size) -> ssize_t {
                return viaProc(path) ? (errno = ENOENT, -1) : ::listxattr(path, names, size);
            };
            calls.copyAcl = [](const char *fromPath, int from, const char *toPath, int to) {
                return from < 0 ? (errno = ENOENT, -1)
                                : SystemCalls::real().copyAcl(fromPath, from, toPath, to);
            };
        }
        if (fault == u"fchmod ENOSYS")
            calls.fchmod = [](int, mode_t) { return errno = ENOSYS, -1; };
        if (fault == u"rename EIO")
            calls.renameat = [](int, const char *, int, const char *) { return errno = EIO, -1; };
        if (fault == u"pipe swapped in" || fault == u"link swapped in") {
            swappedIn = fault.startsWith(u"pipe") ? "pipe" : "link";
            calls.openat = openWithSomethingSwappedIn;
        }
        if (fault
            == u"owner refused") // the file is another user's, whom the user cannot make its owner
            calls.fchown = [](int fd, uid_t owner, gid_t group) {
                if (owner != uid_t(-1))
                    return errno = EPERM, -1;
                groupsGiven.append(group);
                return ::fchown(fd, owner, group);
            };
    }
    return calls;
}
} // namespace Fakes

ino_t inode(int fd)
{
    struct stat status = {};
    return fd >= 0 && ::fstat(fd, &status) == 0 ? status.st_ino : 0;
}

ino_t inode(const QByteArray &path)
{
    struct stat status = {};
    return ::lstat(path, &status) == 0 ? status.st_ino : 0;
}

bool setAcl(const QByteArray &name, const char *text)
{
    acl_t acl = acl_from_text(text);
    const bool set = acl && acl_set_file(name, ACL_TYPE_ACCESS, acl) == 0;
    return acl_free(acl) == 0 && set;
}

// `links` links in a row to a file: vacation.txt -> link2 -> ... -> file.
bool chain(const QByteArray &name, int links)
{
    writeFile(QFile::decodeName(name + ".file"), kOld);
    bool made = true;
    for (int n = 1; n <= links; ++n)
        made &= ::symlink(n == links ? name + ".file" : name + QByteArray::number(n + 1),
                          n == 1 ? name : name + QByteArray::number(n))
                == 0;
    return made;
}

// Makes what stands at vacation.txt: a regular file (0640), one carrying owner, set-ID bits,
// ACL and attributes, one its owner may not write (0444), or may write but not read (with an
// ACL, and with an attribute too), a named pipe behind the user's link, a sparse gigabyte,
// links in a circle or into a directory that is not there, a link to a file anyone may
// write in a directory its owner may not, a directory, or nothing.
bool make(const QString &what, const QString &path)
{
    const QByteArray name = QFile::encodeName(path), pipe = name + ".fifo";
    const QByteArray locked =
        QFile::encodeName(QFileInfo(path).dir().filePath(QStringLiteral("locked")));
    if (what.startsWith(u"write-only") || what == u"file" || what == u"read-only"
        || what == u"sparse" || what == u"carrying")
        writeFile(path, kOld);
    if (what == u"carrying") // 06660, with an ACL entry and an attribute; as root, another user's
        return (::geteuid() != 0 || ::chown(name, kNobody, kNobody) == 0)
               && ::chmod(name, 06660) == 0
               && setAcl(name, "u::rw-,u:1234:r--,g::rw-,m::rw-,o::---")
               && ::setxattr(name, "user.trip", "winter", 6, 0) == 0;
    if (what == u"write-only, an attribute" && ::setxattr(name, "user.trip", "winter", 6, 0) != 0)
        return false;
    if (what.startsWith(u"write-only"))
        return setAcl(name, "u::-w-,u:1234:r--,g::---,m::r--,o::---");
    if (what == u"locked")
        return ::mkdir(locked, 0755) == 0
               && (writeFile(QFile::decodeName(locked + "/trip.txt"), kOld), true)
               && ::chmod(locked + "/trip.txt", 0666) == 0 && ::chmod(locked, 0555) == 0
               && ::symlink("locked/trip.txt", name) == 0;
    return what == u"file"             ? ::chmod(name, 0640) == 0
           : what == u"read-only"      ? ::chmod(name, 0444) == 0
           : what == u"fifo"           ? ::mkfifo(pipe, 0600) == 0 && ::symlink(pipe, name) == 0
           : what == u"sparse"         ? QFile::resize(path, 1 << 30) // takes no room on disk
           : what == u"loop"           ? ::symlink("vacation.txt", name) == 0
           : what == u"nowhere"        ? ::symlink("nodir/trip.txt", name) == 0
           : what == u"directory"      ? ::mkdir(name, 0700) == 0
           : what.startsWith(u"chain") ? chain(name, what.section(u' ', 1).toInt())
                                       : true;
}

// Gives everything in `directory` to nobody and becomes nobody, as root must to be refused
// what the modes refuse; or back to root.
bool becomeOwner(const QString &directory, bool nobody)
{
    if (!nobody)
        return ::seteuid(0) == 0 && ::setegid(0) == 0;
    const QDir dir(directory);
    bool given = ::chown(QFile::encodeName(directory), kNobody, kNobody) == 0;
    for (const QString &entry :
         dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        given &= ::lchown(QFile::encodeName(dir.filePath(entry)), kNobody, kNobody) == 0;
    (void)::lchown(QFile::encodeName(dir.filePath(QStringLiteral("locked/trip.txt"))), kNobody,
                   kNobody);
    return given && ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
}
} // namespace

// The file layer, as another user, a crash and a failing file system try it.
class TestSafeFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QStringList entries() const
    {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("vacation.txt"));
        Fakes::otherOwner.clear();
    }

    void cleanup()
    {
        (void)::chmod(QFile::encodeName(m_dir->filePath(QStringLiteral("locked"))), 0755);
    }

    // Only a regular file the user may write is replaced, keeping all it carries; what cannot
    // be used is refused in the same words on reading and on saving; reading never changes the
    // file; a file system that fails a save leaves the old file whole and no copy behind.
    void readsAndReplacesOnlyWhatItShould_data()
    {
        QTest::addColumn<QString>("make");   // what stands at vacation.txt, as make() says
        QTest::addColumn<QString>("faults"); // how the file system fails, or another user cheats
        QTest::addColumn<QString>("reads");  // what reading says; empty: it read the file
        QTest::addColumn<QString>("saves");  // what saving says; empty: saved
        // clang-format off
        QTest::newRow("a 0640 file keeps its mode; its copy is never more open") << "file" << "" << "" << "";
        QTest::newRow("a new file gets the umask's mode") << "nothing" << "" << "ENOENT" << "";
        QTest::newRow("no unnamed copies (NFS, FUSE)") << "file" << "no O_TMPFILE" << "" << "";
        QTest::newRow("no /proc to name the unnamed copy") << "file" << "no /proc" << "" << "";
        QTest::newRow("a file system without modes") << "file" << "fchmod ENOSYS" << "" << "";
        QTest::newRow("a file system that takes nothing") << "file" << "write 0" << "" << "NothingWritten";
        QTest::newRow("a full disk: a short write, then none") << "file" << "ENOSPC" << "" << "ENOSPC";
        QTest::newRow("a named copy on a file system that takes nothing") << "file" << "no O_TMPFILE,write 0" << "" << "NothingWritten";
        QTest::newRow("a rename that fails leaves no copy") << "file" << "rename EIO" << "" << "EIO";
        QTest::newRow("a pipe swapped in as the file is opened") << "file" << "pipe swapped in" << "Changed" << "Changed";
        QTest::newRow("a link swapped in as the file is opened") << "file" << "link swapped in" << "Changed" << "Changed";
        QTest::newRow("the group kept where the owner cannot be given") << "file" << "owner refused" << "" << "";
        QTest::newRow("owner, group, ACL and attributes kept; set-ID bits not") << "carrying" << "" << "" << "";
        QTest::newRow("a read-only file, saved by its owner") << "read-only" << "" << "" << "EACCES";
        QTest::newRow("a file its owner may write, not read: its ACL kept") << "write-only, an ACL" << "" << "EACCES" << "";
        QTest::newRow("an attribute that cannot be read is not dropped") << "write-only, an attribute" << "" << "EACCES" << "EACCES";
        QTest::newRow("attributes that cannot be listed are not dropped") << "write-only, an ACL" << "listxattr ENOENT" << "EACCES" << "EACCES";
        QTest::newRow("a disk that fails to list them is said so") << "write-only, an ACL" << "listxattr EIO" << "EACCES" << "EIO";
        QTest::newRow("an attribute the copy cannot be given is not dropped") << "write-only, an attribute" << "attributes refused" << "EACCES" << "AttributeKept";
        QTest::newRow("nor where libattr copies them and says the last failure") << "carrying" << "libattr refused" << "" << "AttributeKept";
        QTest::newRow("40 links in a row, as many as the kernel follows") << "chain 40" << "" << "" << "";
        QTest::newRow("41 links in a row") << "chain 41" << "" << "LinkLoop" << "LinkLoop";
        QTest::newRow("no /proc to reach a file that cannot be read") << "write-only, an ACL" << "no /proc" << "EACCES" << "EACCES";
        QTest::newRow("the directory that refuses is named") << "locked" << "" << "" << "EACCES in locked";
        QTest::newRow("a directory") << "directory" << "" << "EISDIR" << "EISDIR";
        QTest::newRow("a named pipe behind the user's link, never waited on") << "fifo" << "" << "NotRegularFile" << "NotRegularFile";
        QTest::newRow("links in a circle") << "loop" << "" << "LinkLoop" << "LinkLoop";
        QTest::newRow("a link into a directory that is not there") << "nowhere" << "" << "LeadsNowhere" << "LeadsNowhere";
        QTest::newRow("a sparse gigabyte") << "sparse" << "" << "TooLarge" << "";
        QTest::newRow("a file that grows as it is read") << "file" << "grows as it is read" << "TooLarge" << "";
        // clang-format on
    }

    void readsAndReplacesOnlyWhatItShould()
    {
        QFETCH(QString, make);
        QFETCH(QString, faults);
        QFETCH(QString, reads);
        QFETCH(QString, saves);
        const QByteArray path = QFile::encodeName(m_path);
        const bool made = ::make(make, m_path);
        if (!made && (make == u"carrying" || make.contains(u"attribute")))
            QSKIP("needs a file system that keeps ACLs and user attributes");
        QVERIFY(made);
        const auto snapshot = [&] {
            const QFileInfo file(m_path);
            const bool small = file.isFile() && file.size() < 4096; // never opens a pipe
            return std::tuple(entries(), small ? contents(m_path) : QByteArray(),
                              file.lastModified());
        };
        const auto before = snapshot();
        struct stat was = {};
        const bool existed = ::stat(path, &was) == 0;

        // Root reads and writes through any mode: these files are read and saved by their owner.
        const bool asOwner =
            make == u"read-only" || make.startsWith(u"write-only") || make == u"locked";
        const bool nobody = asOwner && ::geteuid() == 0;
        QVERIFY(!nobody || becomeOwner(m_dir->path(), true));
        struct stat owned = {};
        (void)::stat(path, &owned); // as the save finds it
        const FileRead read = readSmallFile(m_path, 4096, Fakes::install(faults));
        const int readsMade = Fakes::reads;
        const FileProblem saved = replaceFile(m_path, kNew, Fakes::install(faults));
        QVERIFY(!nobody || becomeOwner(m_dir->path(), false));
        QCOMPARE(describe(read.problem), reads);
        if (make == u"sparse") // never read at all
            QCOMPARE(readsMade, 0);
        QCOMPARE(read.bytes, reads.isEmpty() ? kOld : QByteArray());
        QCOMPARE(describe(saved), saves);
        if (!saves.isEmpty()) {
            QVERIFY(snapshot() == before); // nothing left behind, nothing replaced
            return;
        }
        QCOMPARE(entries(), make.startsWith(u"chain")
                                ? std::get<0>(before)
                                : QStringList{QStringLiteral("vacation.txt")});
        QVERIFY(Fakes::copySynced && Fakes::directorySynced);
        struct stat status = {};
        QCOMPARE(::stat(path, &status), 0);
        const mode_t umask = ::umask(0);
        ::umask(umask);
        QCOMPARE(status.st_mode & 07777, existed ? was.st_mode & 0777 : 0666 & ~umask);
        QCOMPARE(Fakes::firstWriteMode & ~(existed ? 0600u : 0666u), 0u);
        if (existed)
            QCOMPARE(QList<uint>({status.st_uid, status.st_gid}),
                     QList<uint>({owned.st_uid, owned.st_gid}));
        if (faults.contains(u"owner refused"))
            QCOMPARE(Fakes::groupsGiven, QList<gid_t>{owned.st_gid});
        if (make == u"carrying" || make.startsWith(u"write-only"))
            QCOMPARE(acl_extended_file(path), 1);
        if (make == u"carrying") {
            char value[16] = {};
            QCOMPARE(::getxattr(path, "user.trip", value, sizeof value), 6);
        }
        QCOMPARE(::chmod(path, status.st_mode | 0400), 0); // the owner reads what they may write
        QCOMPARE(contents(m_path), kNew);
    }

    // In a directory that is sticky and writable by others, a link on the way to vacation.txt
    // is followed only when it belongs to the user or to the directory's owner, and another
    // user's file or a file with other names is neither read nor replaced; anywhere else links
    // and files work as the user made them. The file behind a refused link is never touched.
    void links_followedOnlyWhenTrusted_data()
    {
        QTest::addColumn<QString>("shape"); // link: vacation.txt -> ../home/trip.txt;
                                            // hard: a hard link to it; file: a file of its own;
                                            // via: vacation.txt -> sub/trip.txt, sub -> ../home
        QTest::addColumn<uint>("mode");     // of the directory holding vacation.txt
        QTest::addColumn<int>("directoryOwner");  // -1: the user
        QTest::addColumn<int>("linkOwner");       // of vacation.txt, or of sub
        QTest::addColumn<QString>("refusal");     // empty: read and saved
        const int another = int(::geteuid()) + 1; // not the user
        // clang-format off
        QTest::newRow("another user's link in a shared directory") << "link" << 01777u << -1 << another << "ForeignLink";
        QTest::newRow("the user's own link there") << "link" << 01777u << -1 << -1 << "";
        QTest::newRow("the directory owner's link") << "link" << 01777u << another << another << "";
        QTest::newRow("another user's link elsewhere") << "link" << 0755u << -1 << another << "";
        QTest::newRow("another user's directory link inside the user's link") << "via" << 01777u << -1 << another << "ForeignLink";
        QTest::newRow("the user's own directory link there") << "via" << 01777u << -1 << -1 << "";
        QTest::newRow("a hard link in another user's shared directory") << "hard" << 01777u << another << -1 << "SharedHardLink";
        QTest::newRow("a hard link in the user's own shared directory") << "hard" << 01777u << -1 << -1 << "SharedHardLink";
        QTest::newRow("a hard link elsewhere: the other name keeps the old date") << "hard" << 0755u << -1 << -1 << "";
        QTest::newRow("another user's file in a shared directory") << "file" << 01777u << -1 << another << "ForeignFile";
        QTest::newRow("another user's file in a directory its group shares") << "file" << 0770u << -1 << another << "";
        // clang-format on
    }

    void links_followedOnlyWhenTrusted()
    {
        QFETCH(QString, shape);
        QFETCH(uint, mode);
        QFETCH(int, directoryOwner);
        QFETCH(int, linkOwner);
        QFETCH(QString, refusal);
        const QByteArray home = QFile::encodeName(m_dir->filePath(QStringLiteral("home")));
        const QByteArray directory = QFile::encodeName(m_dir->filePath(QStringLiteral("shared")));
        const QByteArray target = home + "/trip.txt", link = directory + "/vacation.txt";
        QVERIFY(::mkdir(home, 0700) == 0 && ::mkdir(directory, 0700) == 0);
        writeFile(QFile::decodeName(target), kOld);
        QCOMPARE(::chmod(target, 0640), 0);
        const QByteArray owned = shape == u"via" ? directory + "/sub" : link;
        const bool linked = shape == u"link" || shape == u"via";
        if (shape == u"file")
            writeFile(QFile::decodeName(link), kOld);
        QCOMPARE(shape == u"file"   ? 0
                 : shape == u"hard" ? ::link(target, link)
                 : shape == u"via"  ? ::symlink("../home", owned) | ::symlink("sub/trip.txt", link)
                                    : ::symlink("../home/trip.txt", link),
                 0);
        QCOMPARE(::chmod(directory, mode), 0);
        // Another user's side, as the layer sees it: made by the user, owned as the row says.
        Fakes::otherOwner.clear();
        if (linkOwner != -1)
            Fakes::otherOwner[inode(owned)] = uid_t(linkOwner);
        if (directoryOwner != -1)
            Fakes::otherOwner[inode(directory)] = uid_t(directoryOwner);
        const SystemCalls &calls = Fakes::install(QString());

        const bool throughLink = linked && refusal.isEmpty();
        const FileRead read = readSmallFile(QFile::decodeName(link), 4096, calls);
        QCOMPARE(describe(read.problem), refusal);
        QCOMPARE(read.bytes, refusal.isEmpty() ? kOld : QByteArray());
        // The watch goes where reading goes, and no further.
        const WatchPoints watch = openToWatch(QFile::decodeName(link), calls);
        QList<ino_t> watched;
        for (const Descriptor &fd : watch.directories)
            watched << inode(fd.get());
        QVERIFY(watched.contains(inode(directory)));
        QCOMPARE(watched.contains(inode(home)), throughLink);
        QCOMPARE(inode(watch.file.get()),
                 refusal.isEmpty() ? inode(shape == u"file" ? link : target) : 0);
        QCOMPARE(describe(replaceFile(QFile::decodeName(link), kNew, calls)), refusal);
        QCOMPARE(contents(QFile::decodeName(target)), throughLink ? kNew : kOld);
        QCOMPARE(contents(QFile::decodeName(link)), refusal.isEmpty() ? kNew : kOld);
        struct stat status = {};
        QCOMPARE(::lstat(link, &status), 0);
        // A link stays a link, and its file keeps its permissions.
        QCOMPARE(S_ISLNK(status.st_mode), linked);
        QCOMPARE(::stat(target, &status) == 0 ? status.st_mode & 07777 : 0, 0640u);
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
