#include "support.h"
#include "tripdate/filemessages.h"
#include "tripdate/tripdate.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/acl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace {
const QByteArray kOldRecord("\"1/1/2001\"\r\n");
const QDate kToday(2026, 12, 6);
const QString kFileNamed = QStringLiteral("The trip date file \"vacation.txt\" in ");

// What a save tells the user; empty when it saved.
QString saveProblem(const QString &path, const QString &text)
{
    const FileProblem problem = writeTripDateFile(path, text);
    return problem ? FileMessages::cannotWrite(path, problem) : QString();
}

// A file system that fails the save in one way, and watches what the save does.
namespace Fakes {
const SystemCalls real = systemCalls();
mode_t firstWriteMode = 0;
bool directorySynced = false;

void install(const QString &fault)
{
    firstWriteMode = 0;
    directorySynced = false;
    SystemCalls &calls = systemCalls();
    calls.write = [](int fd, const void *bytes, size_t size) -> ssize_t {
        struct stat status = {};
        if (firstWriteMode == 0 && ::fstat(fd, &status) == 0)
            firstWriteMode = status.st_mode & 07777;
        return ::write(fd, bytes, size);
    };
    calls.fsync = [](int fd) {
        struct stat status = {};
        directorySynced = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
        return ::fsync(fd);
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
}
} // namespace Fakes

// Runs `save` as an ordinary user who owns the file and its directory: nobody, when the test
// runs as root.
QString asOrdinaryUser(const QString &path, const std::function<QString()> &save)
{
    if (::geteuid() != 0)
        return save();
    const QByteArray file = QFile::encodeName(path);
    const QByteArray directory = QFile::encodeName(QFileInfo(path).absolutePath());
    int result[2];
    if (::chown(file, 65534, 65534) != 0 || ::chown(directory, 65534, 65534) != 0
        || ::pipe(result) != 0)
        return QStringLiteral("cannot give the file to nobody");
    if (::fork() == 0) {
        const QByteArray text = ::setgid(65534) == 0 && ::setuid(65534) == 0
                                    ? save().toUtf8()
                                    : QByteArray("cannot become nobody");
        (void)!::write(result[1], text.constData(), text.size());
        ::_exit(0);
    }
    ::close(result[1]);
    QFile answer;
    answer.open(result[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString text = QString::fromUtf8(answer.readAll());
    ::wait(nullptr);
    return text;
}

bool bindSocket(const QByteArray &path)
{
    sockaddr_un address{.sun_family = AF_UNIX};
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    return fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
}

struct Acl
{
    explicit Acl(acl_t acl) : m_acl(acl) {}
    ~Acl() { acl_free(m_acl); }
    acl_t get() const { return m_acl; }
    static QByteArray text(const char *path)
    {
        const Acl acl(acl_get_file(path, ACL_TYPE_ACCESS));
        char *text = acl_to_text(acl.get(), nullptr);
        const QByteArray result(text);
        acl_free(text);
        return result;
    }

private:
    acl_t m_acl;
};
} // namespace

// The trip date file, read and written, and the prompt that sets it.
class TestTripDate : public QObject
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
        m_path = m_dir->filePath(tripDateFileName());
    }

    // The last field counts; a file that cannot be used is named and the user told why, once.
    void load_readsTheLastFieldAndNeverChangesTheFile_data()
    {
        QTest::addColumn<QString>("make"); // how vacation.txt is made
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field"); // what is read as the date; null: no field at all
        QTest::addColumn<QString>("says");  // empty: no word to the user
        const auto row = [](const char *name, const char *make, const QByteArray &bytes,
                            const char *field, const char *says = "") {
            QTest::newRow(name) << make << bytes << (field ? QString::fromUtf8(field) : QString())
                                << QString::fromUtf8(says);
        };
        // clang-format off
        row("the program's own record", "file", QByteArray::fromHex("2231322F31322F3230303522" "0D0A"), "12/12/2005");
        row("a comma and blanks inside quotes", "file", "\" Dec 12, 2005 \"\r\n", " Dec 12, 2005 ");
        row("two records: the second", "file", "\"1/1/2005\"\r\n\"12/12/2005\"\r\n", "12/12/2005");
        row("two fields on a line: the second", "file", "\"1/1/2005\",\"12/12/2005\"\r\n", "12/12/2005");
        row("LF line ends", "file", "\"1/1/2005\"\n\"12/12/2005\"\n", "12/12/2005");
        row("CR line ends", "file", "\"1/1/2005\"\r\"12/12/2005\"\r", "12/12/2005");
        row("no line end after the last record", "file", "\"12/12/2005\"", "12/12/2005");
        row("unquoted, trimmed", "file", "  12/12/2005 \t\r\n", "12/12/2005");
        row("unquoted, a comma parts it", "file", "Dec 12, 2005\r\n", "2005", "holds \"2005\", which is not a date.");
        row("empty lines after the record hold nothing", "file", "\"12/12/2005\"\r\n\r\n\n", "12/12/2005");
        row("a comma before the line end leaves an empty field", "file", "\"12/12/2005\",\r\n", "");
        row("a quote that never closes runs to the end", "file", "\"12/12/2005\r\nmore", "12/12/2005\r\nmore", "holds \"12/12/2005\xEF\xBF\xBD\xEF\xBF\xBDmore\", which is not a date.");
        row("text after the closing quote is dropped", "file", "\"12/12/2005\"pm\r\n", "12/12/2005");
        row("UTF-8", "file", "\"12. M\xC3\xA4rz 2005\"\r\n", "12. M\xC3\xA4rz 2005");
        row("invalid UTF-8 is replaced, not dropped", "file", "\"\xFF 12/12/2005\"", "\xEF\xBF\xBD 12/12/2005", "holds \"\xEF\xBF\xBD 12/12/2005\", which is not a date.");
        row("NUL bytes are kept", "file", QByteArray("\"12/12\0/2005\"", 13), "12/12\xEF\xBF\xBD/2005", "holds \"12/12\xEF\xBF\xBD/2005\", which is not a date.");
        row("a word", "file", "\"holiday\"\r\n", "holiday", "holds \"holiday\", which is not a date.");
        row("a field too long", "file", QByteArray(kTripDateFieldMaxLength + 1, '7'), nullptr, "holds a text too long to be a date.");
        row("empty file", "file", "", nullptr);
        row("empty lines and blanks only", "file", "\r\n\n  \r\n", nullptr);
        row("no file", "nothing", "", nullptr);
        row("a directory", "directory", "", nullptr, "cannot be read: Is a directory.");
        row("a named pipe, never waited on", "fifo", "", nullptr, "cannot be read: it is not a regular file.");
        row("a link to an endless device", "link", "/dev/zero", nullptr, "cannot be read: it is not a regular file.");
        row("a sparse gigabyte", "sparse", "\"12/12/2005\"\r\n", nullptr, "cannot be read: it is too large to be a trip date file.");
        // clang-format on
    }

    void load_readsTheLastFieldAndNeverChangesTheFile()
    {
        QFETCH(QString, make);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QFETCH(QString, says);
        if (make == u"file" || make == u"sparse")
            writeFile(m_path, bytes);
        QVERIFY(make != u"sparse" || QFile::resize(m_path, 1 << 30)); // takes no room on disk
        QVERIFY(make != u"directory" || QDir().mkpath(m_path));
        QVERIFY(make != u"fifo" || ::mkfifo(QFile::encodeName(m_path).constData(), 0600) == 0);
        QVERIFY(make != u"link" || QFile::link(QString::fromLatin1(bytes), m_path));
        const auto snapshot = [this] {
            return std::tuple(entries(), QFileInfo(m_path).size(),
                              QFileInfo(m_path).lastModified());
        };
        const auto before = snapshot();

        const TripDateFileContents contents = readTripDateFile(m_path);
        if (!field.isNull())
            QCOMPARE(
                contents.field.value_or(QString()).replace(QChar(0), QChar::ReplacementCharacter),
                field);
        const StoredTripDate stored = loadTripDate(m_path, {QLocale(QLocale::German), kToday});
        QCOMPARE(bool(stored.tripDate), says.isEmpty() && !field.isEmpty());
        QCOMPARE(stored.problem.isEmpty(), says.isEmpty());
        QVERIFY2(stored.problem.startsWith(kFileNamed + m_dir->path()) || says.isEmpty(),
                 qPrintable(stored.problem));
        QVERIFY2(stored.problem.contains(says), qPrintable(stored.problem));
        QVERIFY(snapshot() == before);
    }

    void entry_asksUntilTheAnswerIsADateFrom1971_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QByteArray>("stored"); // the file afterwards
        QTest::addColumn<QString>("obstacle");  // in the way of the save

        // A phrase, blanks that carry the example onto a line of its own, and the example.
        const QString example = QStringLiteral("Example: 12/12/2005");
        const QString F = "Enter your Zorvia trip date:" + QString(35, u' ') + example;
        const QString C = "Please enter a correct date:" + QString(35, u' ') + example;
        const QString Y = "Please enter a valid year:" + QString(38, u' ') + example;
        const std::optional<QString> cancel;
        using Answers = QList<std::optional<QString>>;
        // clang-format off
        QTest::newRow("a date at once, stored as typed") << Answers{" Dec 12, 2005 6:00 PM "} << QStringList{F} << QByteArray("\" Dec 12, 2005 6:00 PM \"\r\n") << "";
        QTest::newRow("Cancel at once changes nothing") << Answers{cancel} << QStringList{F} << kOldRecord << "";
        QTest::newRow("empty twice, then a date") << Answers{"", "", "12/12/2005"} << QStringList{F, C, C} << QByteArray("\"12/12/2005\"\r\n") << "";
        QTest::newRow("1970 refused, 1971 taken") << Answers{"12/12/1970", "12/12/1971"} << QStringList{F, Y} << QByteArray("\"12/12/1971\"\r\n") << "";
        QTest::newRow("empty, then 1970, then a year") << Answers{"", "1/1/1970", "1/1/2006"} << QStringList{F, C, Y} << QByteArray("\"1/1/2006\"\r\n") << "";
        QTest::newRow("two-digit years lie around today: 70 is 2070") << Answers{"1/1/70"} << QStringList{F} << QByteArray("\"1/1/70\"\r\n") << "";
        QTest::newRow("empty answer to the year message") << Answers{"1/1/1970", "", "1/1/2006"} << QStringList{F, Y, C} << QByteArray("\"1/1/2006\"\r\n") << "";
        QTest::newRow("Cancel at the year message") << Answers{"1/1/1970", cancel} << QStringList{F, Y} << kOldRecord << "";
        QTest::newRow("a word, blanks, an impossible date") << Answers{"next summer", "   ", "2/30/2005", "2/28/2005"} << QStringList{F, C, C, C} << QByteArray("\"2/28/2005\"\r\n") << "";
        QTest::newRow("a date with more blanks than the file reads back") << Answers{"12/12/2005" + QString(kTripDateFieldMaxLength, u' '), "12/12/2005"} << QStringList{F, C} << QByteArray("\"12/12/2005\"\r\n") << "";
        QTest::newRow("no upper bound but the calendar's") << Answers{"12/31/9999"} << QStringList{F} << QByteArray("\"12/31/9999\"\r\n") << "";
        QTest::newRow("a failed save: a directory named vacation.txt") << Answers{"12/12/2005"} << QStringList{F} << QByteArray("<unreadable>") << "directory";
        QTest::newRow("a failed save: the disk full (file size limit)") << Answers{"12/12/2005"} << QStringList{F} << kOldRecord << "full";
        // clang-format on
    }

    void entry_asksUntilTheAnswerIsADateFrom1971()
    {
        QFETCH(QList<std::optional<QString>>, answers);
        QFETCH(QStringList, asked);
        QFETCH(QByteArray, stored);
        QFETCH(QString, obstacle);
        QVERIFY(obstacle == u"directory" ? QDir().mkpath(m_path)
                                         : (writeFile(m_path, kOldRecord), true));
        // Root writes through permissions, but not past the file size limit.
        rlimit saved{};
        if (obstacle == u"full") {
            std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            const rlimit tiny{4, saved.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        }
        ScriptedPrompt prompt;
        prompt.answers = answers;
        RecordingErrorReport errors;
        const std::optional<TripDate> result =
            enterTripDate(prompt, errors, m_path, {QLocale::c(), kToday});
        if (obstacle == u"full")
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

        QCOMPARE(prompt.messages, asked);
        QCOMPARE(contents(m_path), stored);
        QCOMPARE(entries(), QStringList{tripDateFileName()}); // no temporary file left
        QCOMPARE(errors.messages.size(), obstacle.isEmpty() ? 0 : 1);
        for (const QString &message : errors.messages)
            QVERIFY2(message.startsWith(kFileNamed) && message.contains(u"cannot be written: "),
                     qPrintable(message));
        QCOMPARE(result ? result->text : QString(),
                 stored != kOldRecord && obstacle.isEmpty() ? *answers.last() : QString());
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
        const int another = ::geteuid() == 65534 ? 65533 : 65534; // not the user
        const QString foreign(
            "it is a link that another user made, in a directory that others may write to");
        const QString hard(
            "it is a hard link to a file elsewhere, in a directory that others may write to");
        // clang-format off
        QTest::newRow("another user's link in a shared directory") << "link" << 01777u << -1 << another << foreign;
        QTest::newRow("the user's own link there") << "link" << 01777u << -1 << -1 << "";
        QTest::newRow("the directory owner's link") << "link" << 01777u << another << another << "";
        QTest::newRow("another user's link elsewhere") << "link" << 0755u << -1 << another << "";
        QTest::newRow("another user's directory link inside the user's link") << "via" << 01777u << -1 << another << foreign;
        QTest::newRow("the user's own directory link there") << "via" << 01777u << -1 << -1 << "";
        QTest::newRow("a hard link in another user's shared directory") << "hard" << 01777u << another << -1 << hard;
        QTest::newRow("a hard link in the user's own shared directory") << "hard" << 01777u << -1 << -1 << hard;
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
        const QByteArray old("\"12/24/2030\"\r\n"), saved("\"1/1/2031\"\r\n");
        const QByteArray home = QFile::encodeName(m_dir->filePath(QStringLiteral("home")));
        const QByteArray directory = QFile::encodeName(m_dir->filePath(QStringLiteral("shared")));
        const QByteArray target = home + "/trip.txt", link = directory + "/vacation.txt";
        QVERIFY(::mkdir(home, 0700) == 0 && ::mkdir(directory, 0700) == 0);
        writeFile(QFile::decodeName(target), old);
        QCOMPARE(::chmod(target, 0640), 0);
        const QByteArray owned = shape == u"via" ? directory + "/sub" : link;
        QCOMPARE(shape == u"hard"  ? ::link(target, link)
                 : shape == u"via" ? ::symlink("../home", owned) | ::symlink("sub/trip.txt", link)
                                   : ::symlink("../home/trip.txt", link),
                 0);
        if (::lchown(owned, linkOwner, -1) != 0 || ::chown(directory, directoryOwner, -1) != 0)
            QSKIP("giving a file to another user needs root");
        QCOMPARE(::chmod(directory, mode), 0);

        const StoredTripDate stored = loadTripDate(QFile::decodeName(link), {QLocale::c(), kToday});
        QVERIFY2(refusal.isEmpty() ? bool(stored.tripDate) : stored.problem.contains(refusal),
                 qPrintable(stored.problem));
        const QString problem = saveProblem(QFile::decodeName(link), QStringLiteral("1/1/2031"));
        QVERIFY2(problem.contains(refusal), qPrintable(problem));
        const bool throughLink = shape != u"hard" && refusal.isEmpty();
        QCOMPARE(contents(QFile::decodeName(target)), throughLink ? saved : old);
        QCOMPARE(contents(QFile::decodeName(link)), refusal.isEmpty() ? saved : old);
        struct stat status = {};
        QCOMPARE(::lstat(link, &status), 0);
        // A link stays a link, and its file keeps its permissions.
        QCOMPARE(S_ISLNK(status.st_mode), shape != u"hard");
        QCOMPARE(::stat(target, &status) == 0 ? status.st_mode & 07777 : 0, 0640u);
    }

    // A save replaces only a regular file the user may write, keeps everything the file
    // carries, and says why it cannot, the same way the start does; a file system that fails
    // it leaves the old file whole and no copy behind.
    void save_keepsTheFileOrSaysWhy_data()
    {
        QTest::addColumn<QString>("make");  // what stands at vacation.txt
        QTest::addColumn<QString>("fault"); // how the file system fails the save
        QTest::addColumn<QString>("says");  // empty: saved
        const QString notRegular("it is not a regular file");
        // clang-format off
        QTest::newRow("a 0640 file keeps its mode; its copy is never more open") << "file" << "" << "";
        QTest::newRow("a new file") << "nothing" << "" << "";
        QTest::newRow("no unnamed copies (NFS, FUSE)") << "file" << "no O_TMPFILE" << "";
        QTest::newRow("no /proc to name the unnamed copy") << "file" << "no /proc" << "";
        QTest::newRow("a file system without modes") << "file" << "fchmod ENOSYS" << "";
        QTest::newRow("a file system that takes nothing") << "file" << "write 0" << "its file system took nothing that was written to it";
        QTest::newRow("a read-only file, saved by its owner") << "read-only" << "" << "Permission denied";
        QTest::newRow("a named pipe behind the user's link") << "fifo" << "" << notRegular;
        QTest::newRow("a socket") << "socket" << "" << notRegular;
        QTest::newRow("links in a circle") << "loop" << "" << "its links lead round in a circle";
        // clang-format on
    }

    void save_keepsTheFileOrSaysWhy()
    {
        QFETCH(QString, make);
        QFETCH(QString, fault);
        QFETCH(QString, says);
        const QByteArray path = QFile::encodeName(m_path), pipe = path + ".fifo";
        if (make == u"file" || make == u"read-only")
            writeFile(m_path, kOldRecord);
        QVERIFY(make != u"file" || ::chmod(path, 0640) == 0);
        QVERIFY(make != u"read-only" || ::chmod(path, 0444) == 0);
        QVERIFY(make != u"fifo" || (::mkfifo(pipe, 0600) == 0 && ::symlink(pipe, path) == 0));
        QVERIFY(make != u"loop" || ::symlink("vacation.txt", path) == 0);
        if (make == u"socket")
            QVERIFY(bindSocket(path));
        const QStringList before = entries();
        Fakes::install(fault);

        // As root the write permission never says no: the read-only file is saved by its owner.
        const QString problem =
            make == u"read-only" ? asOrdinaryUser(
                m_path, [this] { return saveProblem(m_path, QStringLiteral("1/1/2031")); })
                                 : saveProblem(m_path, QStringLiteral("1/1/2031"));
        systemCalls() = Fakes::real;
        QVERIFY2(problem.contains(says), qPrintable(problem));
        if (!says.isEmpty()) {
            QCOMPARE(entries(), before); // nothing left behind, nothing replaced
            QVERIFY(make != u"file" || contents(m_path) == kOldRecord);
            const QString atStart = loadTripDate(m_path, {QLocale::c(), kToday}).problem;
            QVERIFY2(make == u"file" || make == u"read-only" || atStart.contains(says),
                     qPrintable(atStart));
            return;
        }
        QCOMPARE(entries(), QStringList{tripDateFileName()});
        QCOMPARE(contents(m_path), QByteArray("\"1/1/2031\"\r\n"));
        QVERIFY(Fakes::directorySynced);
        struct stat status = {};
        QCOMPARE(::stat(path, &status), 0);
        if (make == u"file") {
            QCOMPARE(status.st_mode & 07777, 0640u);
            QCOMPARE(Fakes::firstWriteMode & ~0600u, 0u);
        }
    }

    // Owner, group, ACL and extended attributes come through a save; set-ID bits do not.
    void save_keepsOwnerAclAndAttributes()
    {
        if (::geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        writeFile(m_path, kOldRecord);
        const QByteArray path = QFile::encodeName(m_path);
        QCOMPARE(::chown(path, 65534, 65534), 0);
        QCOMPARE(::chmod(path, 06660), 0);
        Acl acl(acl_from_text("u::rw-,u:1234:r--,g::rw-,m::rw-,o::---"));
        if (acl_set_file(path, ACL_TYPE_ACCESS, acl.get()) != 0
            || ::setxattr(path, "user.trip", "winter", 6, 0) != 0)
            QSKIP("this file system keeps no ACLs or user attributes");
        const QByteArray aclBefore = Acl::text(path);

        QCOMPARE(saveProblem(m_path, QStringLiteral("1/1/2031")), QString());
        struct stat status = {};
        QCOMPARE(::stat(path, &status), 0);
        QCOMPARE(status.st_uid, 65534u);
        QCOMPARE(status.st_gid, 65534u);
        QCOMPARE(status.st_mode & 07777, 0660u);
        QCOMPARE(Acl::text(path), aclBefore);
        char value[16] = {};
        QCOMPARE(::getxattr(path, "user.trip", value, sizeof value), 6);
        QCOMPARE(QByteArray(value), QByteArray("winter"));
    }

    // A save killed at any moment leaves the old record or the new one, whole, and nothing
    // behind that is more open than the file or in a later save's way: through an unnamed copy,
    // and through a named one where the file system has no unnamed copies.
    void killedMidSave_leavesOneWholeRecord()
    {
        writeFile(m_path, kOldRecord);
        QCOMPARE(::chmod(QFile::encodeName(m_path), 0640), 0);
        const QList<QByteArray> whole{kOldRecord, "\"12/12/2005\"\r\n", "\"Dec 24, 2030\"\r\n"};
        QRandomGenerator random(20261206); // the same moments on every run
        for (int kill = 0; kill < 200; ++kill) {
            int started[2];
            QCOMPARE(::pipe(started), 0);
            const pid_t saver = ::fork();
            if (saver == 0) { // saves in a loop until it is killed
                Fakes::install(kill % 2 ? QStringLiteral("no O_TMPFILE") : QString());
                (void)!::write(started[1], "s", 1);
                for (unsigned i = 0;; ++i)
                    writeTripDateFile(m_path, i % 2 ? QStringLiteral("12/12/2005")
                                                    : QStringLiteral("Dec 24, 2030"));
            }
            char c = 0;
            const bool began = ::read(started[0], &c, 1) == 1;
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(3000)));
            ::kill(saver, SIGKILL);
            ::waitpid(saver, nullptr, 0);
            ::close(started[0]);
            ::close(started[1]);
            QVERIFY(began);
            QVERIFY2(whole.contains(contents(m_path)), qPrintable(QString::number(kill)));
            for (const QString &name : entries()) {
                struct stat status = {};
                QCOMPARE(::stat(QFile::encodeName(m_dir->filePath(name)), &status), 0);
                QVERIFY(name == tripDateFileName() || name.startsWith(tripDateFileName() + u'.'));
                QCOMPARE(status.st_mode & 07777 & ~0640u, 0u);
            }
        }
        // Saving still works.
        QCOMPARE(saveProblem(m_path, QStringLiteral("1/1/2001")), QString());
        QCOMPARE(contents(m_path), kOldRecord);
    }
};

QTEST_GUILESS_MAIN(TestTripDate)
#include "tst_tripdate.moc"
