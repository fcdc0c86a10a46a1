#include "files.h"
#include "safefile/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <acl/libacl.h>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/acl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
const QByteArray kOld("\"1/1/2001\"\r\n"), kNew("\"1/1/2031\"\r\n");
constexpr int kNobody = 65534;

// What the layer said, in a test's words: the refusal, or the system's error name, and the
// directory it blames.
QString describe(const FileProblem &problem)
{
    static const char *const refusals[] = {"",         "ForeignLink",  "SharedHardLink",
                                           "NotRegularFile", "LinkLoop", "LeadsNowhere",
                                           "Changed",  "TooLarge",     "NothingWritten"};
    static_assert(std::size(refusals) == int(FileProblem::Refusal::NothingWritten) + 1);
    QString said = problem.refusal != FileProblem::Refusal::None
                       ? QString::fromLatin1(refusals[int(problem.refusal)])
                   : problem.error ? QString::fromLatin1(strerrorname_np(problem.error))
                                   : QString();
    if (!problem.directory.isEmpty())
        said += QStringLiteral(" in ") + QFileInfo(problem.directory).fileName();
    return said;
}

// A file system that fails in the ways a row names (parted by commas), and another user who
// swaps a named pipe in for the file as it is opened; and what the layer did meanwhile.
namespace Fakes {
SystemCalls calls;
mode_t firstWriteMode = 0;
bool copySynced = false, directorySynced = false;

void onAlarm(int) {} // interrupts an open that waits, which is what an open must never do

// Opens `name` as the layer asked, with a named pipe in its place for that moment.
int openWithPipeSwappedIn(int directory, const char *name, int flags, mode_t mode)
{
    if (std::strcmp(name, "vacation.txt") != 0 || (flags & O_CREAT))
        return ::openat(directory, name, flags, mode);
    struct sigaction action = {};
    action.sa_handler = onAlarm; // no SA_RESTART
    ::sigaction(SIGALRM, &action, nullptr);
    const bool swapped = ::renameat(directory, name, directory, "aside") == 0
                         && ::mkfifoat(directory, name, 0600) == 0;
    ::alarm(2);
    const int fd = ::openat(directory, name, flags, mode);
    const int error = errno;
    ::alarm(0);
    if (swapped)
        (void)(::unlinkat(directory, name, 0) | ::renameat(directory, "aside", directory, name));
    errno = error;
    return fd;
}

const SystemCalls &install(const QString &faults)
{
    firstWriteMode = 0;
    copySynced = directorySynced = false;
    calls = SystemCalls::real();
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
        if (fault == u"no /proc")
            calls.linkat = [](int, const char *, int, const char *, int) { return errno = ENOENT, -1; };
        if (fault == u"fchmod ENOSYS")
            calls.fchmod = [](int, mode_t) { return errno = ENOSYS, -1; };
        if (fault == u"rename EIO")
            calls.renameat = [](int, const char *, int, const char *) { return errno = EIO, -1; };
        if (fault == u"pipe swapped in")
            calls.openat = openWithPipeSwappedIn;
    }
    return calls;
}
} // namespace Fakes

bool setAcl(const QByteArray &name, const char *text)
{
    acl_t acl = acl_from_text(text);
    const bool set = acl && acl_set_file(name, ACL_TYPE_ACCESS, acl) == 0;
    return acl_free(acl) == 0 && set;
}

// Makes what stands at vacation.txt: a regular file (0640), one carrying owner, set-ID bits,
// ACL and attributes, one its owner may not write (0444), or may write but not read (with an
// ACL, and with an attribute too), a named pipe behind the user's link, a sparse gigabyte, a
// socket, links in a circle or into a directory that is not there, a link to a file anyone may
// write in a directory its owner may not, a directory, or nothing.
bool make(const QString &what, const QString &path)
{
    const QByteArray name = QFile::encodeName(path), pipe = name + ".fifo";
    const QByteArray locked = QFile::encodeName(QFileInfo(path).dir().filePath(QStringLiteral("locked")));
    if (what.startsWith(u"write-only") || what == u"file" || what == u"read-only"
        || what == u"sparse" || what == u"carrying")
        writeFile(path, kOld);
    if (what == u"carrying") // another user's, 06660, with an ACL entry and an attribute
        return ::chown(name, kNobody, kNobody) == 0 && ::chmod(name, 06660) == 0
               && setAcl(name, "u::rw-,u:1234:r--,g::rw-,m::rw-,o::---")
               && ::setxattr(name, "user.trip", "winter", 6, 0) == 0;
    if (what == u"write-only, an attribute" && ::setxattr(name, "user.trip", "winter", 6, 0) != 0)
        return false;
    if (what.startsWith(u"write-only"))
        return setAcl(name, "u::-w-,u:1234:r--,g::---,m::r--,o::---");
    if (what == u"locked")
        return ::mkdir(locked, 0755) == 0 && (writeFile(QFile::decodeName(locked + "/trip.txt"), kOld), true)
               && ::chmod(locked + "/trip.txt", 0666) == 0 && ::chmod(locked, 0555) == 0
               && ::symlink("locked/trip.txt", name) == 0;
    sockaddr_un address{.sun_family = AF_UNIX};
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    return what == u"file"        ? ::chmod(name, 0640) == 0
           : what == u"read-only" ? ::chmod(name, 0444) == 0
           : what == u"fifo"      ? ::mkfifo(pipe, 0600) == 0 && ::symlink(pipe, name) == 0
           : what == u"sparse"    ? QFile::resize(path, 1 << 30) // takes no room on disk
           : what == u"socket"    ? ::bind(::socket(AF_UNIX, SOCK_STREAM, 0),
                                           reinterpret_cast<sockaddr *>(&address), sizeof address)
                                     == 0
           : what == u"loop"      ? ::symlink("vacation.txt", name) == 0
           : what == u"nowhere"   ? ::symlink("nodir/trip.txt", name) == 0
           : what == u"directory" ? ::mkdir(name, 0700) == 0
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
    for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        given &= ::lchown(QFile::encodeName(dir.filePath(entry)), kNobody, kNobody) == 0;
    (void)::lchown(QFile::encodeName(dir.filePath(QStringLiteral("locked/trip.txt"))), kNobody, kNobody);
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
        return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("vacation.txt"));
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
        QTest::newRow("a named copy on a full disk") << "file" << "no O_TMPFILE,ENOSPC" << "" << "ENOSPC";
        QTest::newRow("a rename that fails leaves no copy") << "file" << "rename EIO" << "" << "EIO";
        QTest::newRow("a pipe swapped in as the file is opened") << "file" << "pipe swapped in" << "Changed" << "Changed";
        QTest::newRow("owner, group, ACL and attributes kept; set-ID bits not") << "carrying" << "" << "" << "";
        QTest::newRow("a read-only file, saved by its owner") << "read-only" << "" << "" << "EACCES";
        QTest::newRow("a file its owner may write, not read: its ACL kept") << "write-only, an ACL" << "" << "EACCES" << "";
        QTest::newRow("an attribute that cannot be read is not dropped") << "write-only, an attribute" << "" << "EACCES" << "EACCES";
        QTest::newRow("the directory that refuses is named") << "locked" << "" << "" << "EACCES in locked";
        QTest::newRow("a directory") << "directory" << "" << "EISDIR" << "EISDIR";
        QTest::newRow("a named pipe behind the user's link, never waited on") << "fifo" << "" << "NotRegularFile" << "NotRegularFile";
        QTest::newRow("a socket") << "socket" << "" << "NotRegularFile" << "NotRegularFile";
        QTest::newRow("links in a circle") << "loop" << "" << "LinkLoop" << "LinkLoop";
        QTest::newRow("a link into a directory that is not there") << "nowhere" << "" << "LeadsNowhere" << "LeadsNowhere";
        QTest::newRow("a sparse gigabyte") << "sparse" << "" << "TooLarge" << "";
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
            QSKIP("needs root, and a file system that keeps ACLs and user attributes");
        QVERIFY(made);
        const auto snapshot = [&] {
            const QFileInfo file(m_path);
            const bool small = file.isFile() && file.size() < 4096; // never opens a pipe
            return std::tuple(entries(), small ? contents(m_path) : QByteArray(), file.lastModified());
        };
        const auto before = snapshot();
        struct stat was = {};
        const bool existed = ::stat(path, &was) == 0;

        // Root reads and writes through any mode: these files are read and saved by their owner.
        const bool asOwner = make == u"read-only" || make.startsWith(u"write-only") || make == u"locked";
        const bool nobody = asOwner && ::geteuid() == 0;
        QVERIFY(!nobody || becomeOwner(m_dir->path(), true));
        const FileRead read = readSmallFile(m_path, 4096, Fakes::install(faults));
        const FileProblem saved = replaceFile(m_path, kNew, Fakes::install(faults));
        QVERIFY(!nobody || becomeOwner(m_dir->path(), false));
        QCOMPARE(describe(read.problem), reads);
        QCOMPARE(read.bytes, reads.isEmpty() ? kOld : QByteArray());
        QCOMPARE(describe(saved), saves);
        if (!saves.isEmpty()) {
            QVERIFY(snapshot() == before); // nothing left behind, nothing replaced
            return;
        }
        QCOMPARE(entries(), QStringList{QStringLiteral("vacation.txt")});
        QCOMPARE(contents(m_path), kNew);
        QVERIFY(Fakes::copySynced && Fakes::directorySynced);
        struct stat status = {};
        QCOMPARE(::stat(path, &status), 0);
        const mode_t umask = ::umask(0);
        ::umask(umask);
        QCOMPARE(status.st_mode & 07777, existed ? was.st_mode & 0777 : 0666 & ~umask);
        QCOMPARE(Fakes::firstWriteMode & ~(existed ? 0600u : 0666u), 0u);
        if (make == u"carrying")
            QCOMPARE(QList<uint>({status.st_uid, status.st_gid}), QList<uint>({kNobody, kNobody}));
        if (make == u"carrying" || make.startsWith(u"write-only"))
            QCOMPARE(acl_extended_file(path), 1);
        if (make == u"carrying") {
            char value[16] = {};
            QCOMPARE(::getxattr(path, "user.trip", value, sizeof value), 6);
        }
    }

    // In a directory that is sticky and writable by others, a link on the way to vacation.txt
    // is followed only when it belongs to the user or to the directory's owner, and a file
    // with other names is neither read nor replaced; anywhere else links work as the user made
    // them. The file behind a refused link is never touched.
    void links_followedOnlyWhenTrusted_data()
    {
        QTest::addColumn<QString>("shape"); // link: vacation.txt -> ../home/trip.txt;
                                            // hard: a hard link to it;
                                            // via: vacation.txt -> sub/trip.txt, sub -> ../home
        QTest::addColumn<uint>("mode");     // of the directory holding vacation.txt
        QTest::addColumn<int>("directoryOwner"); // -1: the user
        QTest::addColumn<int>("linkOwner");      // of vacation.txt, or of sub
        QTest::addColumn<QString>("refusal");    // empty: read and saved through the link
        const int another = ::geteuid() == kNobody ? kNobody - 1 : kNobody; // not the user
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
        QCOMPARE(shape == u"hard"  ? ::link(target, link)
                 : shape == u"via" ? ::symlink("../home", owned) | ::symlink("sub/trip.txt", link)
                                   : ::symlink("../home/trip.txt", link),
                 0);
        if (::lchown(owned, linkOwner, -1) != 0 || ::chown(directory, directoryOwner, -1) != 0)
            QSKIP("giving a file to another user needs root");
        QCOMPARE(::chmod(directory, mode), 0);

        const FileRead read = readSmallFile(QFile::decodeName(link), 4096);
        QCOMPARE(describe(read.problem), refusal);
        QCOMPARE(read.bytes, refusal.isEmpty() ? kOld : QByteArray());
        QCOMPARE(describe(replaceFile(QFile::decodeName(link), kNew)), refusal);
        const bool throughLink = shape != u"hard" && refusal.isEmpty();
        QCOMPARE(contents(QFile::decodeName(target)), throughLink ? kNew : kOld);
        QCOMPARE(contents(QFile::decodeName(link)), refusal.isEmpty() ? kNew : kOld);
        struct stat status = {};
        QCOMPARE(::lstat(link, &status), 0);
        // A link stays a link, and its file keeps its permissions.
        QCOMPARE(S_ISLNK(status.st_mode), shape != u"hard");
        QCOMPARE(::stat(target, &status) == 0 ? status.st_mode & 07777 : 0, 0640u);
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
