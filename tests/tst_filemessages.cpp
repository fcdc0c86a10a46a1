#include "app/filemessages.h"
#include "app/translations.h"
#include "support.h"
#include "tripdate/tripdate.h"
#include "tripdate/tripdatefile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

namespace {
const QDate kToday(2026, 12, 6);

QString describe(const QString &path, const std::optional<TripDateFailure> &failure)
{
    return failure ? FileMessages::describe(path, *failure) : QString();
}
} // namespace

// What the user is told about the trip date file, in each language.
class TestFileMessages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(tripDateFileName());

private slots:
    void cleanup()
    {
        QFile::remove(m_path);
        ::rmdir(QFile::encodeName(m_path));
    }

    // A file that cannot be used: the message names it, says why in the same words at the
    // start and on a save, and what helps: Setup Date only where a save replaces the file.
    void messages_sayWhyAndWhatHelps_data()
    {
        QTest::addColumn<QString>("make"); // what stands at vacation.txt
        QTest::addColumn<QString>("why");
        QTest::addColumn<bool>("saves");
        QTest::newRow("a directory") << "directory"
                                     << "it is a directory" << false;
        QTest::newRow("links in a circle") << "loop"
                                           << "its links lead round in a circle" << false;
        QTest::newRow("a link into nowhere")
            << "nowhere"
            << "the directory it would be in does not exist" << false;
        QTest::newRow("a sparse gigabyte") << "sparse"
                                           << "it is too large to be a trip date file" << true;
    }

    void messages_sayWhyAndWhatHelps()
    {
        QFETCH(QString, make);
        QFETCH(QString, why);
        QFETCH(bool, saves);
        const Translations english{QLocale::c()};
        const QByteArray name = QFile::encodeName(m_path);
        QVERIFY(make == u"directory" ? ::mkdir(name, 0700) == 0
                : make == u"loop"    ? ::symlink("vacation.txt", name) == 0
                : make == u"nowhere" ? ::symlink("nodir/trip.txt", name) == 0
                                     : QFile::resize((writeFile(m_path, ""), m_path), 1 << 30));
        const QString atStart =
            describe(m_path, loadTripDate(m_path, {QLocale::c(), kToday}).failure);
        const QString fileNamed = "The trip date file \"vacation.txt\" in " + m_dir.path();
        QVERIFY2(atStart.startsWith(fileNamed + " cannot be read: " + why + u'.'),
                 qPrintable(atStart));
        QVERIFY2(atStart.contains(u"Choose Setup Date") == saves, qPrintable(atStart));
        const TripDateResult saved =
            saveTripDate(m_path, {.text = "1/1/2031", .day = QDate(2031, 1, 1)});
        const QString problem = describe(m_path, saved.failure);
        QVERIFY2(saves ? problem.isEmpty() : problem.contains(" cannot be written: " + why + u'.'),
                 qPrintable(problem));
    }

    // The reason a file cannot be read is the program's own phrase, in the language of the
    // message around it: never the system's English text inside a translated message, and in a
    // language the program does not speak (Finnish, Vietnamese) English throughout. A reason the
    // program has no phrase for is the system's, in English within an English message.
    void reasons_inTheMessagesLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        for (const char *locale : {"de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pt_PT", "nl_NL",
                                   "pl_PL", "cs_CZ", "sv_SE", "ru_RU", "uk_UA", "tr_TR", "ja_JP",
                                   "zh_CN", "zh_TW", "ko_KR", "ar_EG", "he_IL", "id_ID"})
            QTest::newRow(locale) << QString::fromLatin1(locale) << true;
        QTest::newRow("fi_FI") << "fi_FI" << false;
        QTest::newRow("vi_VN") << "vi_VN" << false;
    }

    void reasons_inTheMessagesLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        const auto cannotRead = [this](int error) {
            return FileMessages::describe(
                m_path, {.kind = TripDateFailure::Kind::CannotRead, .problem = {.error = error}});
        };
        const int errors[] = {EISDIR, EACCES, ELOOP, ENOSPC, EBUSY};
        QStringList english;
        {
            const Translations words{QLocale::c()};
            for (int error : errors)
                english << cannotRead(error);
        }
        QVERIFY2(english.first().contains(u": it is a directory."), qPrintable(english.first()));
        QVERIFY2(english.last().contains(u": Device or resource busy."),
                 qPrintable(english.last()));
        const Translations words{QLocale(locale)};
        for (qsizetype i = 0; i < english.size(); ++i) {
            const QString said = cannotRead(errors[i]);
            if (!translated) {
                QCOMPARE(said, english[i]);
                continue;
            }
            QVERIFY2(said != english[i], qPrintable(said));
            if (errors[i] == EBUSY)
                continue; // the system's own text, which may be English
            for (const char *systems :
                 {"Is a directory", "Permission denied", "Too many levels", "No space left",
                  "it is a directory", "permission is denied"})
                QVERIFY2(!said.contains(QLatin1String(systems)), qPrintable(said));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileMessages)
#include "tst_filemessages.moc"
