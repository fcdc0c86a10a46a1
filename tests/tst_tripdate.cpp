#include "support.h"
#include "tripdate/filemessages.h"
#include "tripdate/tripdate.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <acl/libacl.h>
#include <fcntl.h>
#include <sys/acl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/xattr.h>
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
}
} // namespace Fakes

// Makes what stands at vacation.txt: a regular file (0640), one carrying owner, set-ID bits,
// ACL and attributes, one the user may not write (0444), a named pipe behind the user's link,
// a sparse gigabyte, a socket, links in a circle, a directory, or nothing.
bool make(const QString &what, const QString &path)
{
    const QByteArray name = QFile::encodeName(path), pipe = name + ".fifo";
    if (what == u"file" || what == u"read-only" || what == u"sparse" || what == u"carrying")
        writeFile(path, kOldRecord);
    if (what == u"carrying") { // another user's, 06660, with an ACL entry and an attribute
        acl_t acl = acl_from_text("u::rw-,u:1234:r--,g::rw-,m::rw-,o::---");
        const bool made = ::chown(name, 65534, 65534) == 0 && ::chmod(name, 06660) == 0
                          && acl_set_file(name, ACL_TYPE_ACCESS, acl) == 0
                          && ::setxattr(name, "user.trip", "winter", 6, 0) == 0;
        return acl_free(acl) == 0 && made;
    }
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
           : what == u"directory" ? ::mkdir(name, 0700) == 0
                                  : true;
}
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

    // The last field counts; a field that is not a date is shown to the user, once.
    void load_readsTheLastField_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field"); // what is read as the date; null: no field at all
        QTest::addColumn<QString>("says");  // empty: no word to the user
        const auto row = [](const char *name, const QByteArray &bytes, const char *field,
                            const char *says = "") {
            QTest::newRow(name) << bytes << (field ? QString::fromUtf8(field) : QString())
                                << QString::fromUtf8(says);
        };
        // clang-format off
        row("the program's own record", QByteArray::fromHex("2231322F31322F3230303522" "0D0A"), "12/12/2005");
        row("a comma and blanks inside quotes", "\" Dec 12, 2005 \"\r\n", " Dec 12, 2005 ");
        row("two records: the second", "\"1/1/2005\"\r\n\"12/12/2005\"\r\n", "12/12/2005");
        row("two fields on a line: the second", "\"1/1/2005\",\"12/12/2005\"\r\n", "12/12/2005");
        row("LF line ends", "\"1/1/2005\"\n\"12/12/2005\"\n", "12/12/2005");
        row("CR line ends", "\"1/1/2005\"\r\"12/12/2005\"\r", "12/12/2005");
        row("no line end after the last record", "\"12/12/2005\"", "12/12/2005");
        row("unquoted, trimmed", "  12/12/2005 \t\r\n", "12/12/2005");
        row("unquoted, a comma parts it", "Dec 12, 2005\r\n", "2005", "holds \"2005\", which is not a date.");
        row("empty lines after the record hold nothing", "\"12/12/2005\"\r\n\r\n\n", "12/12/2005");
        row("a comma before the line end leaves an empty field", "\"12/12/2005\",\r\n", "");
        row("a quote that never closes runs to the end", "\"12/12/2005\r\nmore", "12/12/2005\r\nmore", "holds \"12/12/2005\xEF\xBF\xBD\xEF\xBF\xBDmore\", which is not a date.");
        row("text after the closing quote is dropped", "\"12/12/2005\"pm\r\n", "12/12/2005");
        row("UTF-8", "\"12. M\xC3\xA4rz 2005\"\r\n", "12. M\xC3\xA4rz 2005");
        row("NUL bytes are kept", QByteArray("\"12/12\0/2005\"", 13), "12/12\xEF\xBF\xBD/2005", "holds \"12/12\xEF\xBF\xBD/2005\", which is not a date.");
        row("empty file", "", nullptr);
        row("a field too long", QByteArray(kTripDateFieldMaxLength + 1, '7'), nullptr, "holds a text too long to be a date.");
        // clang-format on
    }

    void load_readsTheLastField()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QFETCH(QString, says);
        writeFile(m_path, bytes);
        const TripDateFileContents contents = readTripDateFile(m_path, QLocale(QLocale::German));
        if (!field.isNull())
            QCOMPARE(contents.field.value_or(QString()).replace(QChar(0), u'\uFFFD'), field);
        const StoredTripDate stored = loadTripDate(m_path, {QLocale(QLocale::German), kToday});
        QCOMPARE(bool(stored.tripDate), says.isEmpty() && !field.isEmpty());
        QVERIFY2(says.isEmpty() ? stored.problem.isEmpty()
                                : stored.problem.startsWith(kFileNamed + m_dir->path())
                                      && stored.problem.contains(says),
                 qPrintable(stored.problem));
    }

    // A file that is not UTF-8 is in the 8-bit code page of the user's language, as an older
    // program or an editor wrote it; where the language has none, a byte that is not UTF-8 is
    // U+FFFD and the text is no date.
    void load_readsTheCodePageOfTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QDate>("date"); // invalid: not a date
        const QDate dec24(2026, 12, 24);
        // clang-format off
        QTest::newRow("French, Windows-1252") << "fr_FR" << QByteArray("\"24 d\xe9" "c. 2026\"") << dec24;
        QTest::newRow("Polish, Windows-1250") << "pl_PL" << QByteArray("\"24 pa\x9f" "dziernika 2026\"") << QDate(2026, 10, 24);
        QTest::newRow("Russian, Windows-1251") << "ru_RU" << QByteArray("\"24 \xe4\xe5\xea\xe0\xe1\xf0\xff 2026 \xe3.\"") << dec24;
        QTest::newRow("Greek, Windows-1253") << "el_GR" << QByteArray("\"24 \xc4\xe5\xea\xe5\xec\xe2\xf1\xdf\xef\xf5 2026\"") << dec24;
        QTest::newRow("Japanese, Shift-JIS") << "ja_JP" << QByteArray("\"2026\x94\x4e" "12\x8c\x8e" "24\x93\xfa\"") << dec24;
        QTest::newRow("UTF-8 stays UTF-8") << "ru_RU" << QByteArray("\"24 \xd0\xb4\xd0\xb5\xd0\xba\xd0\xb0\xd0\xb1\xd1\x80\xd1\x8f 2026\"") << dec24;
        QTest::newRow("Hindi has no 8-bit code page") << "hi_IN" << QByteArray("\"24 d\xe9" "c. 2026\"") << QDate();
        // clang-format on
    }

    void load_readsTheCodePageOfTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, bytes);
        QFETCH(QDate, date);
        writeFile(m_path, bytes);
        const StoredTripDate stored = loadTripDate(m_path, {QLocale(locale), kToday});
        QCOMPARE(stored.tripDate ? stored.tripDate->day : QDate(), date);
    }

    // Only a regular file the user may write is replaced, keeping all it carries; what cannot
    // be used is refused, saying why in the same words at the start and on a save, and what
    // would help; reading
    // never changes the file; a file system that fails a save leaves the old file whole and
    // no copy behind.
    void fileLayer_readsAndSavesOnlyWhatItShould_data()
    {
        QTest::addColumn<QString>("make");  // what stands at vacation.txt, as make() says
        QTest::addColumn<QString>("fault"); // how the file system fails the save
        QTest::addColumn<QString>("reads"); // what the start says; empty: nothing
        QTest::addColumn<QString>("saves"); // what a save says; empty: saved
        const QString notRegular("it is not a regular file"),
            loop("its links lead round in a circle");
        // clang-format off
        QTest::newRow("a 0640 file keeps its mode; its copy is never more open") << "file" << "" << "" << "";
        QTest::newRow("a new file") << "nothing" << "" << "" << "";
        QTest::newRow("no unnamed copies (NFS, FUSE)") << "file" << "no O_TMPFILE" << "" << "";
        QTest::newRow("no /proc to name the unnamed copy") << "file" << "no /proc" << "" << "";
        QTest::newRow("a file system without modes") << "file" << "fchmod ENOSYS" << "" << "";
        QTest::newRow("a file system that takes nothing") << "file" << "write 0" << "" << "its file system took nothing that was written to it";
        QTest::newRow("a full disk: a short write, then none") << "file" << "ENOSPC" << "" << "No space left on device";
        QTest::newRow("owner, group, ACL and attributes kept; set-ID bits not") << "carrying" << "" << "" << "";
        QTest::newRow("a read-only file, saved by its owner") << "read-only" << "" << "" << "Permission denied";
        QTest::newRow("a directory") << "directory" << "" << "Is a directory" << "Is a directory";
        QTest::newRow("a named pipe behind the user's link, never waited on") << "fifo" << "" << notRegular << notRegular;
        QTest::newRow("a socket") << "socket" << "" << notRegular << notRegular;
        QTest::newRow("links in a circle") << "loop" << "" << loop << loop;
        QTest::newRow("a sparse gigabyte") << "sparse" << "" << "it is too large to be a trip date file" << "";
        // clang-format on
    }

    void fileLayer_readsAndSavesOnlyWhatItShould()
    {
        QFETCH(QString, make);
        QFETCH(QString, fault);
        QFETCH(QString, reads);
        QFETCH(QString, saves);
        const QByteArray path = QFile::encodeName(m_path);
        const bool made = ::make(make, m_path);
        if (!made && make == u"carrying")
            QSKIP("needs root, and a file system that keeps ACLs and user attributes");
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
        const QString atStart = loadTripDate(m_path, {QLocale::c(), kToday}).problem;
        QVERIFY2(reads.isEmpty() ? atStart.isEmpty() : atStart.contains(reads),
                 qPrintable(atStart));
        QVERIFY(snapshot() == before);

        // Root writes through any mode: the read-only file is saved by its owner, nobody.
        const bool asNobody = make == u"read-only" && ::geteuid() == 0;
        QVERIFY(!asNobody
                || (::chown(path, 65534, 65534) == 0
                    && ::chown(QFile::encodeName(m_dir->path()), 65534, 65534) == 0
                    && ::setegid(65534) == 0 && ::seteuid(65534) == 0));
        Fakes::install(fault);
        const QString problem = saveProblem(m_path, QStringLiteral("1/1/2031"));
        systemCalls() = Fakes::real;
        QVERIFY(!asNobody || (::seteuid(0) == 0 && ::setegid(0) == 0));
        QVERIFY2(saves.isEmpty() ? problem.isEmpty() : problem.contains(saves),
                 qPrintable(problem));
        // The advice at the start holds: Setup Date is offered only where a save would work.
        QVERIFY2(reads.isEmpty() || atStart.contains(u"Choose Setup Date") == saves.isEmpty(),
                 qPrintable(atStart));
        if (!saves.isEmpty()) {
            QVERIFY(snapshot() == before); // nothing left behind, nothing replaced
            return;
        }
        QCOMPARE(entries(), QStringList{tripDateFileName()});
        QCOMPARE(contents(m_path), QByteArray("\"1/1/2031\"\r\n"));
        QVERIFY(Fakes::directorySynced);
        struct stat status = {};
        QCOMPARE(::stat(path, &status), 0);
        QCOMPARE(status.st_mode & 07777, existed ? was.st_mode & 0777 : status.st_mode & 07777);
        QCOMPARE(Fakes::firstWriteMode & ~(existed ? 0600u : 0666u), 0u);
        if (make == u"carrying") {
            QCOMPARE(QList<uint>({status.st_uid, status.st_gid}), QList<uint>({65534, 65534}));
            QCOMPARE(acl_extended_file(path), 1);
            char value[16] = {};
            QCOMPARE(::getxattr(path, "user.trip", value, sizeof value), 6);
        }
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
        QTest::newRow("a failed save: a directory named vacation.txt") << Answers{"12/12/2005"} << QStringList{F} << QByteArray("<unreadable>") << "directory";
        // clang-format on
    }

    void entry_asksUntilTheAnswerIsADateFrom1971()
    {
        QFETCH(QList<std::optional<QString>>, answers);
        QFETCH(QStringList, asked);
        QFETCH(QByteArray, stored);
        QFETCH(QString, obstacle);
        QVERIFY(make(obstacle.isEmpty() ? QStringLiteral("file") : obstacle, m_path));
        ScriptedPrompt prompt;
        prompt.answers = answers;
        RecordingErrorReport errors;
        const std::optional<TripDate> result =
            enterTripDate(prompt, errors, m_path, {QLocale::c(), kToday});

        QCOMPARE(prompt.messages, asked);
        QCOMPARE(contents(m_path), stored);
        QCOMPARE(errors.messages.size(), obstacle.isEmpty() ? 0 : 1); // once, naming the file
        QVERIFY(obstacle.isEmpty() || errors.messages[0].startsWith(kFileNamed + m_dir->path()));
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
};

QTEST_GUILESS_MAIN(TestTripDate)
#include "tst_tripdate.moc"
