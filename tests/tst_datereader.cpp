#include "runtime/datereader.h"

#include <QTest>

class TestDateReader : public QObject
{
    Q_OBJECT

private slots:
    void readsDatesAsTheLocaleWritesThem_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: not a date

        const QDate dec12(2005, 12, 12), none;
        const auto row = [](const char *locale, const char *text, QDate expected) {
            QTest::addRow("%s: \"%s\"", locale, text)
                << QString::fromLatin1(locale) << QString::fromUtf8(text) << expected;
        };
        // clang-format off
        // The forms every locale takes, and what none takes.
        for (const char *locale : {"en_US", "en_GB", "de_DE", "C"}) {
            for (const char *text : {"12/12/2005", "Dec 12, 2005", "12/12/2005 6:00 PM", "2005-12-12", "December 12, 2005",
                                     "12 December 2005", " \t12/12/2005  ", "12/12/2005\n"})
                row(locale, text, dec12);
            for (const char *text : {"", "   ", "holiday", "2/30/2005", "30/2/2005", "12/12/2005 24:00", "12/12/2005 6:60 PM",
                                     "12/12/2005 13:00 PM", "12/12/2005 soon", "12/12", "12/12/2005/1", "12/12-2005",
                                     "12/12/10000", "12/12/0000", "Dec 32, 2005", "Decembre 12, 2005", "12\n12\n2005",
                                     "١٢/١٢/٢٠٠٥"})
                row(locale, text, none);
        }
        // Day and month in the locale's order.
        row("en_US", "12/11/2005", QDate(2005, 12, 11));
        row("C", "12/11/2005", QDate(2005, 12, 11));
        row("en_GB", "12/11/2005", QDate(2005, 11, 12));
        row("de_DE", "12.11.2005", QDate(2005, 11, 12));
        row("en_US", "2/29/2004", QDate(2004, 2, 29));
        row("en_US", "2/29/2005", none);
        row("en_US", "13/1/2005", none);
        row("en_GB", "1/13/2005", none);
        // Two-digit years.
        row("en_US", "1/1/05", QDate(2005, 1, 1));
        row("en_US", "1/1/29", QDate(2029, 1, 1));
        row("en_US", "1/1/30", QDate(1930, 1, 1));
        row("de_DE", "1.1.70", QDate(1970, 1, 1));
        // Times of day are checked and ignored.
        row("en_US", "12/12/2005 18:30:15", dec12);
        row("en_US", "12/12/2005 6 pm", dec12);
        row("en_US", "Dec 12, 2005 6:00 PM", dec12);
        // Month names: the locale's, short and long, and English everywhere.
        row("de_DE", "12. Dez. 2005", dec12);
        row("de_DE", "12. März 2005", QDate(2005, 3, 12));
        row("de_DE", "12 december 2005", dec12);
        row("en_US", "DEC 12 2005", dec12);
        row("en_US", "2005-Dec-12", dec12);
        row("en_US", "12/31/9999", QDate(9999, 12, 31));
        // clang-format on
    }

    void readsDatesAsTheLocaleWritesThem()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(readDate(text, QLocale(locale)).value_or(QDate()), expected);
    }
};

QTEST_APPLESS_MAIN(TestDateReader)
#include "tst_datereader.moc"
