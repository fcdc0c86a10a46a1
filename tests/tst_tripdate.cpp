#include "support.h"
#include "tripdate/tripdate.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
const QByteArray kOldRecord("\"1/1/2001\"\r\n");
const QDate kToday(2026, 12, 6);
const QString kFileNamed = QStringLiteral("The trip date file \"vacation.txt\" in ");
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
            QCOMPARE(QString(contents.field).replace(QChar(0), QChar::ReplacementCharacter), field);
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

    // In a directory that is sticky and writable by others, vacation.txt as a link is used
    // only when the link belongs to the user or to the directory's owner, and a hard link is
    // not read; anywhere else links work as the user made them. The file behind a refused
    // link is never touched.
    void links_followedOnlyWhenTrusted_data()
    {
        QTest::addColumn<bool>("hardLink");
        QTest::addColumn<uint>("mode");          // of the directory
        QTest::addColumn<int>("directoryOwner"); // -1: the user
        QTest::addColumn<int>("linkOwner");
        QTest::addColumn<QString>("refusal"); // empty: read and saved through the link
        const int nobody = 65534;
        // clang-format off
        QTest::newRow("another user's link in a shared directory") << false << 01777u << -1 << nobody << "it is a link that another user made, in a directory that others may write to";
        QTest::newRow("the user's own link there") << false << 01777u << -1 << -1 << "";
        QTest::newRow("the directory owner's link") << false << 01777u << nobody << nobody << "";
        QTest::newRow("another user's link elsewhere") << false << 0755u << -1 << nobody << "";
        QTest::newRow("a hard link in a shared directory: not read, replaced by a save") << true << 01777u << nobody << -1 << "it is a hard link to a file elsewhere";
        // clang-format on
    }

    void links_followedOnlyWhenTrusted()
    {
        QFETCH(bool, hardLink);
        QFETCH(uint, mode);
        QFETCH(int, directoryOwner);
        QFETCH(int, linkOwner);
        QFETCH(QString, refusal);
        const QByteArray old("\"12/24/2030\"\r\n"), saved("\"1/1/2031\"\r\n");
        const QByteArray target = QFile::encodeName(m_dir->filePath(QStringLiteral("trip.txt")));
        const QByteArray directory = QFile::encodeName(m_dir->filePath(QStringLiteral("shared")));
        const QByteArray link = directory + "/vacation.txt";
        writeFile(QFile::decodeName(target), old);
        QVERIFY(::mkdir(directory, 0700) == 0 && ::chmod(target, 0640) == 0);
        QCOMPARE(hardLink ? ::link(target, link) : ::symlink(target, link), 0);
        if (::lchown(link, linkOwner, -1) != 0 || ::chown(directory, directoryOwner, -1) != 0)
            QSKIP("giving a file to another user needs root");
        QCOMPARE(::chmod(directory, mode), 0);

        const StoredTripDate stored = loadTripDate(QFile::decodeName(link), {QLocale::c(), kToday});
        QVERIFY2(refusal.isEmpty() ? bool(stored.tripDate) : stored.problem.contains(refusal),
                 qPrintable(stored.problem));
        const QString problem =
            writeTripDateFile(QFile::decodeName(link), QStringLiteral("1/1/2031"));
        const bool refusedSave = !hardLink && !refusal.isEmpty();
        QVERIFY2(refusedSave ? problem.contains(refusal) : problem.isEmpty(), qPrintable(problem));
        QCOMPARE(contents(QFile::decodeName(target)), refusal.isEmpty() ? saved : old);
        QCOMPARE(contents(QFile::decodeName(link)), refusedSave ? old : saved);
        struct stat status = {};
        QCOMPARE(::lstat(link, &status), 0);
        // A link stays a link, and its file keeps its permissions.
        QCOMPARE(S_ISLNK(status.st_mode), !hardLink);
        QCOMPARE(::stat(target, &status) == 0 ? status.st_mode & 07777 : 0, 0640u);
    }

    // A save killed at any moment leaves the old record or the new one, whole, and nothing
    // behind that a later save would trip on.
    void killedMidSave_leavesOneWholeRecord()
    {
        writeFile(m_path, kOldRecord);
        const QList<QByteArray> whole{kOldRecord, "\"12/12/2005\"\r\n", "\"Dec 24, 2030\"\r\n"};
        QRandomGenerator random(20261206); // the same moments on every run
        for (int kill = 0; kill < 200; ++kill) {
            int started[2];
            QCOMPARE(::pipe(started), 0);
            const pid_t saver = ::fork();
            if (saver == 0) { // saves in a loop until it is killed
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
            // A kill between naming the finished copy and renaming it over the old file leaves
            // that copy behind: whole, under a name of its own, never in a later save's way.
            for (const QString &name : entries())
                QVERIFY(name == tripDateFileName()
                        || (name.startsWith(tripDateFileName() + u'.')
                            && whole.contains(contents(m_dir->filePath(name)))));
        }
        // Saving still works.
        QCOMPARE(writeTripDateFile(m_path, QStringLiteral("1/1/2001")), QString());
        QCOMPARE(contents(m_path), kOldRecord);
    }
};

QTEST_GUILESS_MAIN(TestTripDate)
#include "tst_tripdate.moc"
