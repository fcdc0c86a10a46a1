#include "support.h"
#include "tripdate/tripdate.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"
#include "tripdate/tripdatestore.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
const QByteArray kOldRecord("\"1/1/2001\"\r\n");
const QDate kToday(2026, 12, 6);
using Kind = TripDateFailure::Kind;
constexpr int kNoFailure = -1;
} // namespace

// The trip date file, read and written, and the prompt that sets it.
class TestTripDate : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    const QString m_started = QDir::currentPath();

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(tripDateFileName());
    }

    void cleanup() { QDir::setCurrent(m_started); }

    // The last field counts; a field that is not a date is shown to the user, once.
    void load_readsTheLastField_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field"); // what is read as the date; null: no field at all
        QTest::addColumn<int>("failure"); // the failure's kind, or kNoFailure: no word to the user
        const auto row = [](const char *name, const QByteArray &bytes, const QByteArray &field,
                            int failure = kNoFailure) {
            QTest::newRow(name) << bytes << (field.isNull() ? QString() : QString::fromUtf8(field))
                                << failure;
        };
        const int notADate = int(Kind::NotADate);
        // clang-format off
        row("the program's own record", QByteArray::fromHex("2231322F31322F3230303522" "0D0A"), "12/12/2005");
        row("a comma and blanks inside quotes", "\" Dec 12, 2005 \"\r\n", " Dec 12, 2005 ");
        row("two records: the second", "\"1/1/2005\"\r\n\"12/12/2005\"\r\n", "12/12/2005");
        row("two fields on a line: the second", "\"1/1/2005\",\"12/12/2005\"\r\n", "12/12/2005");
        row("LF line ends", "\"1/1/2005\"\n\"12/12/2005\"\n", "12/12/2005");
        row("CR line ends", "\"1/1/2005\"\r\"12/12/2005\"\r", "12/12/2005");
        row("no line end after the last record", "\"12/12/2005\"", "12/12/2005");
        row("unquoted, trimmed", "  12/12/2005 \t\r\n", "12/12/2005");
        row("unquoted, a comma parts it", "Dec 12, 2005\r\n", "2005", notADate);
        row("empty lines after the record hold nothing", "\"12/12/2005\"\r\n\r\n\n", "12/12/2005");
        row("a comma before the line end leaves an empty field", "\"12/12/2005\",\r\n", "");
        row("a quote that never closes runs to the end", "\"12/12/2005\r\nmore", "12/12/2005\r\nmore", notADate);
        row("text after the closing quote is dropped", "\"12/12/2005\"pm\r\n", "12/12/2005");
        row("UTF-8", "\"12. M\xC3\xA4rz 2005\"\r\n", "12. M\xC3\xA4rz 2005");
        row("NUL bytes are kept", QByteArray("\"12/12\0/2005\"", 13), QByteArray("12/12\0/2005", 11), notADate);
        row("empty file", "", QByteArray());
        row("64 KiB", "\"12/12/2005\"" + QByteArray(64 * 1024 - 12, ' '), "12/12/2005");
        row("one byte over 64 KiB", "\"12/12/2005\"" + QByteArray(64 * 1024 - 11, ' '), QByteArray(), int(Kind::CannotRead));
        row("a field too long", QByteArray(kTripDateFieldMaxLength + 1, '7'), QByteArray(), int(Kind::TooLong));
        // clang-format on
    }

    void load_readsTheLastField()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QFETCH(int, failure);
        writeFile(m_path, bytes);
        const TripDateResult stored = loadTripDate(m_path, {QLocale(QLocale::German), kToday});
        const auto *tripDate = std::get_if<TripDate>(&stored);
        const auto *failed = std::get_if<TripDateFailure>(&stored);
        QCOMPARE(tripDate ? tripDate->text : QString(), failure == kNoFailure ? field : QString());
        QCOMPARE(failed ? int(failed->kind) : kNoFailure, failure);
        if (failure == int(Kind::NotADate)) // the text as the file holds it, for the message
            QCOMPARE(failed->text, field);
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
        const auto *tripDate = std::get_if<TripDate>(&stored);
        QCOMPARE(tripDate ? tripDate->day : QDate(), date);
    }

    // The example the prompt shows is a date the prompt takes, in every locale Qt knows.
    void promptExample_readsBackInEveryLocale()
    {
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            const QString example = TripDatePrompt::exampleDate(locale);
            QVERIFY2(readDate(example, {locale, kToday}).date() == QDate(2005, 12, 12),
                     qPrintable(locale.name() + u' ' + example));
        }
    }

    void entry_asksUntilTheAnswerIsADateFrom1971_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("entered"); // null: cancelled

        // A phrase, blanks that carry the example onto a line of its own, and the example.
        const QString example = QStringLiteral("Example: 12/12/2005");
        const QString F = "Enter your Zorvia trip date:" + QString(35, u' ') + example;
        const QString C = "Please enter a correct date:" + QString(35, u' ') + example;
        const QString Y = "Please enter a valid year:" + QString(38, u' ') + example;
        const std::optional<QString> cancel;
        using Answers = QList<std::optional<QString>>;
        // clang-format off
        QTest::newRow("a date at once, as typed") << Answers{" Dec 12, 2005 6:00 PM "} << QStringList{F} << QString(" Dec 12, 2005 6:00 PM ");
        QTest::newRow("Cancel at once") << Answers{cancel} << QStringList{F} << QString();
        QTest::newRow("empty twice, then a date") << Answers{"", "", "12/12/2005"} << QStringList{F, C, C} << QString("12/12/2005");
        QTest::newRow("1970 refused, 1971 taken") << Answers{"12/12/1970", "12/12/1971"} << QStringList{F, Y} << QString("12/12/1971");
        QTest::newRow("two-digit years lie around today: 70 is 2070") << Answers{"1/1/70"} << QStringList{F} << QString("1/1/70");
        QTest::newRow("empty answer to the year message") << Answers{"1/1/1970", "", "1/1/2006"} << QStringList{F, Y, C} << QString("1/1/2006");
        QTest::newRow("Cancel at the year message") << Answers{"1/1/1970", cancel} << QStringList{F, Y} << QString();
        QTest::newRow("a word, blanks, an impossible date") << Answers{"next summer", "   ", "2/30/2005", "2/28/2005"} << QStringList{F, C, C, C} << QString("2/28/2005");
        QTest::newRow("a weekday that does not fit, said so") << Answers{"Fri, Dec 24, 2026", "Thu, Dec 24, 2026"} << QStringList{F, C + "\n\nThe date and the weekday do not fit: Thursday, December 24, 2026."} << QString("Thu, Dec 24, 2026");
        QTest::newRow("a date with more blanks than the file reads back") << Answers{"12/12/2005" + QString(kTripDateFieldMaxLength, u' '), "12/12/2005"} << QStringList{F, C} << QString("12/12/2005");
        // clang-format on
    }

    void entry_asksUntilTheAnswerIsADateFrom1971()
    {
        QFETCH(QList<std::optional<QString>>, answers);
        QFETCH(QStringList, asked);
        QFETCH(QString, entered);
        ScriptedPrompt prompt;
        prompt.answers = answers;
        const std::optional<TripDate> tripDate = askForTripDate(prompt, {QLocale::c(), kToday});
        QCOMPARE(prompt.messages, asked);
        QCOMPARE(tripDate ? tripDate->text : QString(), entered);
        // The first question starts empty; each after it with the answer refused, to mend.
        QStringList refused{QString()};
        for (const std::optional<QString> &answer : answers.first(prompt.messages.size() - 1))
            refused << answer.value_or(QString());
        QCOMPARE(prompt.offered, refused);
    }

    // The store follows the trip date file as something else changes it: another counter's
    // save or an editor's, which renames a new file over it, or one that rewrites it in place,
    // also after the path named a directory for a while, or where links lead it elsewhere and
    // any link or directory on the way changes. A file that is gone or holds no date changes
    // nothing. Each step is a shell command in the working directory w, beside d1 to d3.
    void tripDateFile_followedAsItChanges_data()
    {
        QTest::addColumn<QString>("made"); // before the store starts
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("told"); // the last date the store told of, since it loaded
        const QString dates = "echo 2005-12-22 >../d2/t; echo 2005-12-23 >../d3/t; ";
        // clang-format off
        QTest::newRow("renamed over") << "" << QStringList{"echo 2005-12-22 >new; mv new vacation.txt"} << "2005-12-22";
        QTest::newRow("rewritten in place") << "" << QStringList{"echo 2005-12-22 >vacation.txt"} << "2005-12-22";
        QTest::newRow("renamed over, then rewritten in place") << "" << QStringList{"echo 2005-12-22 >new; mv new vacation.txt", "echo 2005-12-23 >vacation.txt"} << "2005-12-23";
        QTest::newRow("gone: the date stays") << "" << QStringList{"rm vacation.txt"} << "";
        QTest::newRow("gone, then back") << "" << QStringList{"rm vacation.txt", "echo 2005-12-22 >new; mv new vacation.txt"} << "2005-12-22";
        QTest::newRow("no date in it: the date stays") << "" << QStringList{"echo soon >new; mv new vacation.txt"} << "";
        QTest::newRow("a directory in its place and away, then written twice") << "" << QStringList{"mv vacation.txt a", "mkdir d; mv d vacation.txt", "mv vacation.txt b", "echo 2005-12-22 >vacation.txt", "echo 2005-12-23 >vacation.txt"} << "2005-12-23";
        QTest::newRow("a link pointed elsewhere, then its file rewritten") << "" << QStringList{"echo 2005-12-22 >t; ln -s t l; mv l vacation.txt", "echo 2005-12-23 >u; ln -s u l; mv l vacation.txt", "echo 2005-12-24 >vacation.txt"} << "2005-12-24";
        QTest::newRow("the file a link leads to made again") << dates + "ln -sf ../d2/t vacation.txt" << QStringList{"rm ../d2/t", "echo 2005-12-24 >../d2/t"} << "2005-12-24";
        QTest::newRow("a link behind the link pointed elsewhere") << dates + "ln -s ../d2/t ../d1/mid; ln -sf ../d1/mid vacation.txt" << QStringList{"ln -sfn ../d3/t ../d1/mid"} << "2005-12-23";
        QTest::newRow("a directory link in the linked directory pointed elsewhere") << dates + "ln -s ../d2 ../d1/sub; ln -sf ../d1/sub/t vacation.txt" << QStringList{"ln -sfn ../d3 ../d1/sub"} << "2005-12-23";
        QTest::newRow("a link into a directory made later") << "ln -sf ../later/t vacation.txt" << QStringList{"mkdir ../later", "echo 2005-12-22 >../later/t"} << "2005-12-22";
        QTest::newRow("the linked directory swapped by rename") << dates + "ln -sf ../d2/t vacation.txt" << QStringList{"mv ../d2 ../d2.old; mv ../d3 ../d2"} << "2005-12-23";
        // clang-format on
    }

    void tripDateFile_followedAsItChanges()
    {
        QFETCH(QString, made);
        QFETCH(QStringList, changes);
        QFETCH(QString, told);
        // As the counter has it: a name in the working directory, where the walk to the file
        // starts, and not in the system's temporary directory, whose churn the watch would see.
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("w"))
                && QDir::setCurrent(m_dir->filePath(QStringLiteral("w"))));
        const auto run = [](const QString &command) {
            return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command});
        };
        QCOMPARE(run("mkdir ../d1 ../d2 ../d3; echo 2005-12-13 >vacation.txt; " + made), 0);
        TripDateStore store(tripDateFileName(), [] { return DateContext{QLocale::c(), kToday}; });
        QSignalSpy changed(&store, &TripDateStore::changed);
        store.load();
        const qsizetype loaded = changed.size();
        auto *settling = store.findChild<QTimer *>(QStringLiteral("settling"));
        QSignalSpy settled(settling, &QTimer::timeout);
        for (const QString &change : changes) {
            const qsizetype before = settled.size();
            QCOMPARE(run(change), 0);
            // The watch has seen it: it reads the file a moment later, or has read it already.
            QTRY_VERIFY_WITH_TIMEOUT(settling->isActive() || settled.size() > before, kPatience);
            fire(settling);
        }
        QCOMPARE(changed.size() == loaded ? QString()
                                          : changed.last().first().value<TripDate>().text,
                 told);
    }

    // The store tells of the date it loads and the one it saves as typed, or answers why it could
    // not save, leaving the file as it was.
    void store_savesAndFollowsTheFile()
    {
        writeFile(m_path, kOldRecord);
        TripDateStore store(m_path, [] { return DateContext{QLocale::c(), kToday}; });
        QSignalSpy changed(&store, &TripDateStore::changed);
        QVERIFY(std::holds_alternative<TripDate>(store.load()));
        const TripDate typed{.text = QStringLiteral(" Dec 12, 2005 "), .day = QDate(2005, 12, 12)};
        QVERIFY(std::holds_alternative<TripDate>(store.save(typed)));
        QCOMPARE(contents(m_path), QByteArray("\" Dec 12, 2005 \"\r\n"));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.last().first().value<TripDate>().day, typed.day);

        QVERIFY(QFile::remove(m_path));
        QCOMPARE(::mkdir(QFile::encodeName(m_path), 0700), 0);
        const TripDateResult refused = store.save(typed),
                             broken = store.save({QString(QChar(0xD800)), typed.day});
        const auto *why = std::get_if<TripDateFailure>(&refused);
        QVERIFY(why && why->kind == Kind::CannotWrite && why->problem.error == EISDIR);
        why = std::get_if<TripDateFailure>(&broken);
        QVERIFY(why && why->kind == Kind::NotUnicode);
        QCOMPARE(changed.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestTripDate)
#include "tst_tripdate.moc"
