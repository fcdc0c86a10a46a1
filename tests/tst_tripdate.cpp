#include "support.h"
#include "tripdate/filemessages.h"
#include "tripdate/tripdate.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
const QByteArray kOldRecord("\"1/1/2001\"\r\n");
const QDate kToday(2026, 12, 6);
const QString kFileNamed = QStringLiteral("The trip date file \"vacation.txt\" in ");

// What a save tells the user; empty when it saved.
QString saveProblem(const QString &path, const QString &text)
{
    return saveTripDate(path, {.text = text, .day = QDate(2031, 1, 1)}).problem;
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
        row("64 KiB", "\"12/12/2005\"" + QByteArray(64 * 1024 - 12, ' '), "12/12/2005");
        row("one byte over 64 KiB", "\"12/12/2005\"" + QByteArray(64 * 1024 - 11, ' '), nullptr, "cannot be read: it is too large to be a trip date file.");
        row("a field too long", QByteArray(kTripDateFieldMaxLength + 1, '7'), nullptr, "holds a text too long to be a date.");
        // clang-format on
    }

    void load_readsTheLastField()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QFETCH(QString, says);
        writeFile(m_path, bytes);
        const TripDateResult stored = loadTripDate(m_path, {QLocale(QLocale::German), kToday});
        QCOMPARE(stored.tripDate ? stored.tripDate->text : QString(), says.isEmpty() ? field : QString());
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
        const TripDateResult stored = loadTripDate(m_path, {QLocale(locale), kToday});
        QCOMPARE(stored.tripDate ? stored.tripDate->day : QDate(), date);
    }

    // What the user is told about a file that cannot be used says why, in the same words at
    // the start and on a save, and what helps: Setup Date only where a save replaces the file.
    void messages_sayWhyAndWhatHelps_data()
    {
        QTest::addColumn<QString>("make"); // what stands at vacation.txt
        QTest::addColumn<QString>("why");
        QTest::addColumn<bool>("saves");
        QTest::newRow("a directory") << "directory" << "it is a directory" << false;
        QTest::newRow("links in a circle") << "loop" << "its links lead round in a circle" << false;
        QTest::newRow("a link into nowhere") << "nowhere" << "the directory it would be in does not exist" << false;
        QTest::newRow("a sparse gigabyte") << "sparse" << "it is too large to be a trip date file" << true;
    }

    void messages_sayWhyAndWhatHelps()
    {
        QFETCH(QString, make);
        QFETCH(QString, why);
        QFETCH(bool, saves);
        const QByteArray name = QFile::encodeName(m_path);
        QVERIFY(make == u"directory" ? ::mkdir(name, 0700) == 0
                : make == u"loop"    ? ::symlink("vacation.txt", name) == 0
                : make == u"nowhere" ? ::symlink("nodir/trip.txt", name) == 0
                                     : QFile::resize((writeFile(m_path, ""), m_path), 1 << 30));
        const QString atStart = loadTripDate(m_path, {QLocale::c(), kToday}).problem;
        QVERIFY2(atStart.startsWith(kFileNamed + m_dir->path() + QStringLiteral(" cannot be read: ") + why + u'.'),
                 qPrintable(atStart));
        QVERIFY2(atStart.contains(u"Choose Setup Date") == saves, qPrintable(atStart));
        const QString problem = saveProblem(m_path, QStringLiteral("1/1/2031"));
        QVERIFY2(saves ? problem.isEmpty() : problem.contains(QStringLiteral("cannot be written: ") + why + u'.'),
                 qPrintable(problem));
    }

    // The example the prompt shows is a date the prompt takes, in every locale Qt knows.
    void promptExample_readsBackInEveryLocale()
    {
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            const QString example = TripDatePrompt::exampleDate(locale);
            QVERIFY2(readDate(example, {locale, kToday}) == QDate(2005, 12, 12),
                     qPrintable(locale.name() + u' ' + example));
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
        if (obstacle.isEmpty())
            writeFile(m_path, kOldRecord);
        else
            QCOMPARE(::mkdir(QFile::encodeName(m_path), 0700), 0);
        ScriptedPrompt prompt;
        prompt.answers = answers;
        const TripDateResult result = enterTripDate(prompt, m_path, {QLocale::c(), kToday});

        QCOMPARE(prompt.messages, asked);
        QCOMPARE(contents(m_path), stored);
        // A failed save says why, naming the file; Cancel is no failure.
        QVERIFY2(obstacle.isEmpty() ? result.problem.isEmpty()
                                    : result.problem.startsWith(kFileNamed + m_dir->path()),
                 qPrintable(result.problem));
        QCOMPARE(result.tripDate ? result.tripDate->text : QString(),
                 stored != kOldRecord && obstacle.isEmpty() ? *answers.last() : QString());
    }
};

QTEST_GUILESS_MAIN(TestTripDate)
#include "tst_tripdate.moc"
