#include "support.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TestTripDateEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void messagesAreThePhraseBlanksAndExample();
    void asksUntilTheAnswerIsADateFrom1971_data();
    void asksUntilTheAnswerIsADateFrom1971();
    void failedWrite_reportsAndKeepsTheOldFile_data();
    void failedWrite_reportsAndKeepsTheOldFile();
    void save_keepsLinkAndPermissions();
    void textTheFileCannotHold_isRefused();

private:
    QByteArray fileBytes() const;
    QStringList directoryEntries() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

namespace {

const QByteArray kOldRecord("\"1/1/2001\"\r\n");
const QString F = TripDatePrompt::firstMessage();
const QString C = TripDatePrompt::correctMessage();
const QString Y = TripDatePrompt::yearMessage();
const std::optional<QString> kCancel;

} // namespace

void TestTripDateEntry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(tripDateFileName());
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kOldRecord);
}

QByteArray TestTripDateEntry::fileBytes() const
{
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList TestTripDateEntry::directoryEntries() const
{
    return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void TestTripDateEntry::messagesAreThePhraseBlanksAndExample()
{
    QCOMPARE(TripDatePrompt::title(), QStringLiteral("Zorvia Date"));
    QCOMPARE(F.size(), 82);
    QCOMPARE(C.size(), 82);
    QCOMPARE(Y.size(), 83);
    QCOMPARE(F, "Enter your Zorvia trip date:" + QString(35, u' ') + "Example: 12/12/2005");
    QCOMPARE(C, "Please enter a correct date:" + QString(35, u' ') + "Example: 12/12/2005");
    QCOMPARE(Y, "Please enter a valid year:" + QString(38, u' ') + "Example: 12/12/2005");
}

void TestTripDateEntry::asksUntilTheAnswerIsADateFrom1971_data()
{
    QTest::addColumn<QList<std::optional<QString>>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QByteArray>("stored"); // the file afterwards

    using Answers = QList<std::optional<QString>>;
    QTest::newRow("a date at once, stored byte for byte")
        << Answers{"12/12/2005"} << QStringList{F}
        << QByteArray::fromHex("2231322F31322F3230303522" "0D0A");
    QTest::newRow("a comma inside the date") << Answers{"Dec 12, 2005"} << QStringList{F} << QByteArray("\"Dec 12, 2005\"\r\n");
    QTest::newRow("stored as typed, blanks and time of day kept") << Answers{" 12/12/2005 6:00 PM "} << QStringList{F} << QByteArray("\" 12/12/2005 6:00 PM \"\r\n");
    QTest::newRow("Cancel at once changes nothing") << Answers{kCancel} << QStringList{F} << kOldRecord;
    QTest::newRow("empty, then a date") << Answers{"", "12/12/2005"} << QStringList{F, C} << QByteArray("\"12/12/2005\"\r\n");
    QTest::newRow("empty twice, then Cancel") << Answers{"", "", kCancel} << QStringList{F, C, C} << kOldRecord;
    QTest::newRow("1970 refused, 1971 taken") << Answers{"12/12/1970", "12/12/1971"} << QStringList{F, Y} << QByteArray("\"12/12/1971\"\r\n");
    QTest::newRow("empty, then 1970, then a year") << Answers{"", "1/1/1970", "1/1/2006"} << QStringList{F, C, Y} << QByteArray("\"1/1/2006\"\r\n");
    QTest::newRow("two-digit 70 is 1970") << Answers{"1/1/70", "1/1/71"} << QStringList{F, Y} << QByteArray("\"1/1/71\"\r\n");
    QTest::newRow("empty answer to the year message") << Answers{"1/1/1970", "", "1/1/2006"} << QStringList{F, Y, C} << QByteArray("\"1/1/2006\"\r\n");
    QTest::newRow("Cancel at the year message") << Answers{"1/1/1970", kCancel} << QStringList{F, Y} << kOldRecord;
    QTest::newRow("a word") << Answers{"next summer", "12/12/2005"} << QStringList{F, C} << QByteArray("\"12/12/2005\"\r\n");
    QTest::newRow("blanks only") << Answers{"   ", "12/12/2005"} << QStringList{F, C} << QByteArray("\"12/12/2005\"\r\n");
    QTest::newRow("an impossible date") << Answers{"2/30/2005", "2/28/2005"} << QStringList{F, C} << QByteArray("\"2/28/2005\"\r\n");
    QTest::newRow("a date in the past from 1971") << Answers{"1/1/1971"} << QStringList{F} << QByteArray("\"1/1/1971\"\r\n");
    QTest::newRow("no upper bound but the calendar's") << Answers{"12/31/9999"} << QStringList{F} << QByteArray("\"12/31/9999\"\r\n");
}

void TestTripDateEntry::asksUntilTheAnswerIsADateFrom1971()
{
    QFETCH(QList<std::optional<QString>>, answers);
    QFETCH(QStringList, asked);
    QFETCH(QByteArray, stored);

    ScriptedPrompt prompt;
    prompt.answers = answers;
    RecordingErrorReport errors;
    const std::optional<TripDate> result = enterTripDate(prompt, errors, m_path, QLocale::c());

    QCOMPARE(prompt.messages, asked);
    QCOMPARE(prompt.titles, QStringList(asked.size(), QStringLiteral("Zorvia Date")));
    QVERIFY(prompt.answers.isEmpty()); // every answer was asked for
    QCOMPARE(fileBytes(), stored);
    QVERIFY(errors.messages.isEmpty());
    QCOMPARE(directoryEntries(), QStringList{tripDateFileName()}); // no temporary file left

    const bool accepted = stored != kOldRecord;
    QCOMPARE(result.has_value(), accepted);
    if (accepted) { // what was written reads back as the very text that was typed
        QCOMPARE(result->text, *answers.last());
        const StoredTripDate reread = loadTripDate(m_path, QLocale::c());
        QVERIFY(reread.tripDate);
        QCOMPARE(reread.tripDate->text, result->text);
        QCOMPARE(reread.tripDate->day, result->day);
    }
}

void TestTripDateEntry::failedWrite_reportsAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("a directory named vacation.txt") << "directory";
    QTest::newRow("the disk full (file size limit)") << "full";
}

void TestTripDateEntry::failedWrite_reportsAndKeepsTheOldFile()
{
    QFETCH(QString, obstacle);
    rlimit saved{};
    if (obstacle == u"directory") {
        QVERIFY(QFile::remove(m_path));
        QVERIFY(QDir().mkpath(m_path));
    } else {
        // Root writes through permissions, but not past the file size limit.
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tiny = saved;
        tiny.rlim_cur = 4;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    }

    ScriptedPrompt prompt;
    prompt.answers = {QStringLiteral("12/12/2005")};
    RecordingErrorReport errors;
    const std::optional<TripDate> result = enterTripDate(prompt, errors, m_path, QLocale::c());
    if (obstacle == u"full")
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

    QVERIFY(!result);
    QCOMPARE(errors.messages.size(), 1);
    const QString &message = errors.messages.first();
    QVERIFY2(message.startsWith(QStringLiteral("The trip date file \"vacation.txt\" in ")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("cannot be written: ")), qPrintable(message));
    QVERIFY(message.endsWith(QStringLiteral("The trip date stays as it was.")));
    if (obstacle == u"directory")
        QVERIFY(QFileInfo(m_path).isDir());
    else
        QCOMPARE(fileBytes(), kOldRecord);
    QCOMPARE(directoryEntries(), QStringList{tripDateFileName()});
}

void TestTripDateEntry::save_keepsLinkAndPermissions()
{
    const QString target = m_dir->filePath(QStringLiteral("kept/trip.txt"));
    QVERIFY(QDir().mkpath(QFileInfo(target).path()));
    QVERIFY(QFile::rename(m_path, target));
    QVERIFY(QFile::link(QStringLiteral("kept/trip.txt"), m_path));
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(target, permissions));

    QCOMPARE(writeTripDateFile(m_path, QStringLiteral("12/12/2005")), QString());

    QVERIFY(QFileInfo(m_path).isSymLink());
    QCOMPARE(fileBytes(), QByteArray("\"12/12/2005\"\r\n"));
    QCOMPARE(QFile::permissions(target) & 0x7077, permissions); // owner, group, others
}

void TestTripDateEntry::textTheFileCannotHold_isRefused()
{
    const QString loneSurrogate = QStringLiteral("12/12/2005") + QChar(0xD800);
    QVERIFY(!canStoreTripDate(loneSurrogate));
    QVERIFY(canStoreTripDate(QStringLiteral("12. März 2005")));
    QVERIFY(!writeTripDateFile(m_path, loneSurrogate).isEmpty());
    QCOMPARE(fileBytes(), kOldRecord);
}

QTEST_GUILESS_MAIN(TestTripDateEntry)
#include "tst_tripdateentry.moc"
