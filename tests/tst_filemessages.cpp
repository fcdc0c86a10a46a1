#include "app/filemessages.h"
#include "app/translations.h"
#include "tripdate/tripdatefile.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

// What the user is told about the trip date file, in each language.
class TestFileMessages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(tripDateFileName());

private slots:
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
        const Translations words{QLocale(locale)};
        for (const auto &[error, english] :
             {std::pair(EISDIR, "it is a directory"), std::pair(EACCES, "permission is denied"),
              std::pair(ENOSPC, "there is no space left on the disk")}) {
            const QString said = cannotRead(error);
            QVERIFY2(said.contains(QLatin1String(english)) != translated, qPrintable(said));
            for (const char *systems : {"Is a directory", "Permission denied", "No space left"})
                QVERIFY2(!said.contains(QLatin1String(systems)), qPrintable(said));
        }
        if (translated)
            return;
        // A reason the program has no words for is the system's, in English; what helps is
        // another place or file, or Setup Date where a save replaces the file.
        QCOMPARE(cannotRead(EBUSY), "The trip date file \"vacation.txt\" in " + m_dir.path()
                                        + " cannot be read: Device or resource busy.\n\nMake it a "
                                          "regular file that you may read and write, or start the "
                                          "counter in another directory.");
        const FileProblem tooLarge{.refusal = FileProblem::Refusal::TooLarge};
        QVERIFY(
            FileMessages::describe(m_path,
                                   {.kind = TripDateFailure::Kind::CannotRead, .problem = tooLarge})
                .endsWith(
                    u"large to be a trip date file.\n\nChoose Setup Date to set the trip date."));
    }
};

QTEST_GUILESS_MAIN(TestFileMessages)
#include "tst_filemessages.moc"
