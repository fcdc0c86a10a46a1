#include "tripdate/tripdate.h"
#include "tripdate/tripdatefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using Outcome = TripDateFileContents::Outcome;
Q_DECLARE_METATYPE(Outcome)

class TestTripDateFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsTheLastField_data();
    void readsTheLastField();
    void scannerKeepsOneFieldOfBoundedLength();
    void load_missingOrEmptyFile_meansNoTripDateAndNoWord_data();
    void load_missingOrEmptyFile_meansNoTripDateAndNoWord();
    void load_unusableFile_tellsWhatIsWrong_data();
    void load_unusableFile_tellsWhatIsWrong();
    void load_neverChangesTheFile();

private:
    QString write(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestTripDateFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(tripDateFileName());
}

QString TestTripDateFile::write(const QByteArray &bytes)
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return m_path;
}

void TestTripDateFile::readsTheLastField_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("field");

    const auto row = [](const char *name, const QByteArray &bytes, const char *field) {
        QTest::newRow(name) << bytes << (field ? Outcome::Field : Outcome::NoField)
                            << QString::fromUtf8(field);
    };
    row("the program's own record", QByteArray::fromHex("2231322F31322F3230303522" "0D0A"), "12/12/2005");
    row("a comma inside quotes", "\"Dec 12, 2005\"\r\n", "Dec 12, 2005");
    row("blanks inside quotes", "\" 12/12/2005 \"\r\n", " 12/12/2005 ");
    row("two records: the second", "\"1/1/2005\"\r\n\"12/12/2005\"\r\n", "12/12/2005");
    row("two fields on a line: the second", "\"1/1/2005\",\"12/12/2005\"\r\n", "12/12/2005");
    row("LF line ends", "\"1/1/2005\"\n\"12/12/2005\"\n", "12/12/2005");
    row("CR line ends", "\"1/1/2005\"\r\"12/12/2005\"\r", "12/12/2005");
    row("no line end after the last record", "\"12/12/2005\"", "12/12/2005");
    row("unquoted, trimmed", "  12/12/2005 \t\r\n", "12/12/2005");
    row("unquoted, a comma parts it", "Dec 12, 2005\r\n", "2005");
    row("empty lines after the record hold nothing", "\"12/12/2005\"\r\n\r\n\n", "12/12/2005");
    row("a comma before the line end leaves an empty field", "\"12/12/2005\",\r\n", "");
    row("a quote that never closes runs to the end", "\"12/12/2005\r\nmore", "12/12/2005\r\nmore");
    row("text after the closing quote is dropped", "\"12/12/2005\"pm\r\n", "12/12/2005");
    row("UTF-8", "\"12. M\xC3\xA4rz 2005\"\r\n", "12. M\xC3\xA4rz 2005");
    row("invalid UTF-8 is replaced, not dropped", "\"12/12/\xFF\"", "12/12/\xEF\xBF\xBD");
    row("empty file", "", nullptr);
    row("empty lines only", "\r\n\n\r\n", nullptr);
    row("blanks only", "   \r\n", nullptr);
    QTest::newRow("NUL bytes stay in the field")
        << QByteArray("\"12/12\0/2005\"", 13) << Outcome::Field << QStringLiteral(u"12/12\0/2005");
}

void TestTripDateFile::readsTheLastField()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    QFETCH(QString, field);

    const TripDateFileContents contents = readTripDateFile(write(bytes));
    QCOMPARE(contents.outcome, outcome);
    QCOMPARE(contents.field, field);
    QVERIFY(!contents.fieldTooLong);
}

void TestTripDateFile::scannerKeepsOneFieldOfBoundedLength()
{
    LastFieldScanner scanner;
    const QString digits(kTripDateFieldMaxLength * 3, u'1');
    for (int i = 0; i < 3; ++i) // fed in pieces, as a file is read
        scanner.feed(QStringView(digits).sliced(i * kTripDateFieldMaxLength, kTripDateFieldMaxLength));
    scanner.finish();
    QVERIFY(scanner.lastFieldTooLong());
    QCOMPARE(scanner.lastField()->size(), kTripDateFieldMaxLength);

    LastFieldScanner next;
    next.feed(digits + QStringLiteral(",\"12/12/2005\""));
    next.finish();
    QCOMPARE(*next.lastField(), QStringLiteral("12/12/2005"));
    QVERIFY(!next.lastFieldTooLong());
}

void TestTripDateFile::load_missingOrEmptyFile_meansNoTripDateAndNoWord_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no file") << false << QByteArray();
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("an empty field") << true << QByteArray("\"\"\r\n");
}

void TestTripDateFile::load_missingOrEmptyFile_meansNoTripDateAndNoWord()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    if (exists)
        write(bytes);

    const StoredTripDate stored = loadTripDate(m_path, QLocale::c());
    QVERIFY(!stored.tripDate);
    QCOMPARE(stored.problem, QString());
    QCOMPARE(QFile::exists(m_path), exists);
}

void TestTripDateFile::load_unusableFile_tellsWhatIsWrong_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a directory") << "directory" << "cannot be read: Is a directory.";
    QTest::newRow("a named pipe, never waited on") << "fifo" << "cannot be read: it is not a regular file.";
    QTest::newRow("a link to a device") << "device" << "cannot be read: it is not a regular file.";
    QTest::newRow("a large file") << "large" << "cannot be read: it is too large to be a trip date file.";
    QTest::newRow("a word") << "word" << "holds \"holiday\", which is not a date.";
    QTest::newRow("a field too long") << "long" << "holds a text too long to be a date.";
    QTest::newRow("a line break in the text is not shown raw") << "linebreak" << "holds \"12/12/2005\xEF\xBF\xBDsoon\", which is not a date.";
}

void TestTripDateFile::load_unusableFile_tellsWhatIsWrong()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);

    if (kind == u"directory") {
        QVERIFY(QDir().mkpath(m_path));
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
    } else if (kind == u"device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_path));
    } else if (kind == u"large") {
        QFile file(write("\"12/12/2005\"\r\n"));
        QVERIFY(file.resize(1024 * 1024 * 1024)); // sparse: takes no room on disk
    } else if (kind == u"word") {
        write("\"holiday\"\r\n");
    } else if (kind == u"long") {
        write(QByteArray(kTripDateFieldMaxLength + 1, '7'));
    } else if (kind == u"linebreak") {
        write("\"12/12/2005\nsoon\"");
    }

    const StoredTripDate stored = loadTripDate(m_path, QLocale::c());
    QVERIFY(!stored.tripDate);
    QVERIFY2(stored.problem.startsWith(QStringLiteral("The trip date file \"vacation.txt\" in ")),
             qPrintable(stored.problem));
    QVERIFY2(stored.problem.contains(expected), qPrintable(stored.problem));
    QVERIFY(stored.problem.endsWith(QStringLiteral("Choose Setup Date to set the trip date.")));
}

void TestTripDateFile::load_neverChangesTheFile()
{
    const QByteArray bytes("\"Dec 12, 2005\"\r\n");
    write(bytes);
    const QDateTime modified = QFileInfo(m_path).lastModified();

    const StoredTripDate stored = loadTripDate(m_path, QLocale::c());
    QVERIFY(stored.tripDate);
    QCOMPARE(stored.tripDate->text, QStringLiteral("Dec 12, 2005"));
    QCOMPARE(stored.tripDate->day, QDate(2005, 12, 12));
    QCOMPARE(stored.problem, QString());

    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(QFileInfo(m_path).lastModified(), modified);
}

QTEST_GUILESS_MAIN(TestTripDateFile)
#include "tst_tripdatefile.moc"
