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
    // Each way the file can fail the counter, read or saved, in the words the user reads: what
    // the file is, why it gave or took no date, and what helps, where something does.
    void describe_everyFailure_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("said"); // after "The trip date file "vacation.txt" in DIR "
        using Kind = TripDateFailure::Kind;
        using Refusal = FileProblem::Refusal;
        const QString other = QStringLiteral(
            "\n\nMake it a regular file that you may read and write, or start the counter in "
            "another directory.");
        const QString setup = QStringLiteral("\n\nChoose Setup Date to set the trip date.");
        const QString own = QStringLiteral("\n\nStart the counter in a directory of your own.");
        const QString kept = QStringLiteral(".\n\nThe trip date stays as it was.");
        const auto row = [](const char *name, Kind kind, Refusal refusal, int error,
                            const QString &said) {
            QTest::newRow(name) << int(kind) << int(refusal) << error << said;
        };
        // clang-format off
        row("read: another user's link", Kind::CannotRead, Refusal::ForeignLink, 0, "cannot be read: it is a link that another user made, in a directory that others may write to." + own);
        row("read: another user's file", Kind::CannotRead, Refusal::ForeignFile, 0, "cannot be read: it is a file that another user owns, in a directory that others may write to." + own);
        row("read: a pipe", Kind::CannotRead, Refusal::NotRegularFile, 0, "cannot be read: it is not a regular file." + other);
        row("read: swapped as it was opened", Kind::CannotRead, Refusal::Changed, 0, "cannot be read: it changed while it was being opened." + setup);
        row("read: too large", Kind::CannotRead, Refusal::TooLarge, 0, "cannot be read: it is too large to be a trip date file." + setup);
        row("read: denied", Kind::CannotRead, Refusal::None, EACCES, "cannot be read: permission is denied." + other);
        row("a text too long", Kind::TooLong, Refusal::None, 0, "holds a text too long to be a date." + setup);
        row("no date", Kind::NotADate, Refusal::None, 0, "holds \"next\uFFFDsummer\", which is not a date." + setup);
        row("save: read-only", Kind::CannotWrite, Refusal::None, EACCES, "cannot be written: permission is denied" + kept + other);
        row("save: a full disk says what helps itself", Kind::CannotWrite, Refusal::None, ENOSPC, "cannot be written: there is no space left on the disk" + kept);
        row("save: an attribute it cannot keep", Kind::CannotWrite, Refusal::AttributeKept, 0, "cannot be written: it carries an extended attribute that the counter may not give a new copy of it" + kept + other);
        row("save: swapped as it was saved", Kind::CannotWrite, Refusal::Changed, 0, "cannot be written: it changed while it was being saved" + kept + setup);
        row("save: no Unicode", Kind::NotUnicode, Refusal::None, 0, "cannot be written: the date is not valid Unicode" + kept);
        // clang-format on
    }

    void describe_everyFailure()
    {
        QFETCH(int, kind);
        QFETCH(int, refusal);
        QFETCH(int, error);
        QFETCH(QString, said);
        const Translations english{QLocale::c()};
        const TripDateFailure failure{
            .kind = TripDateFailure::Kind(kind),
            .problem = {.error = error, .refusal = FileProblem::Refusal(refusal)},
            .text = QStringLiteral("next\nsummer")};
        QCOMPARE(FileMessages::describe(m_path, failure),
                 "The trip date file \"vacation.txt\" in " + m_dir.path() + u' ' + said);
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
    }
};

QTEST_GUILESS_MAIN(TestFileMessages)
#include "tst_filemessages.moc"
