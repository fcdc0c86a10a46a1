#include "datereader/datereader.h"
#include "datereader/icubridge.h"

#include <QTest>

#include <unicode/calendar.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>
#include <span>

namespace {
const QDate kToday(2026, 12, 6); // two-digit years lie from 1976 to 2075

// The order of year, month and day in a pattern of Qt's or ICU's ("dMy"), outside its quotes.
QString orderOf(const QString &pattern)
{
    QString order;
    bool quoted = false;
    for (const QChar c : pattern) {
        quoted = c == u'\'' ? !quoted : quoted;
        if (!quoted && QStringView(u"yMLd").contains(c) && !order.contains(c == u'L' ? u'M' : c))
            order += c == u'L' ? QChar(u'M') : c;
    }
    return order;
}
const QDate kNone;
// A date beside a weekday that is not its own.
const QDate kWrongWeekday(1, 1, 1);
} // namespace

class TestDateReader : public QObject
{
    Q_OBJECT

private slots:
    // Each step of reading and each rule that keeps it from a wrong date, in the locales whose
    // sources (Qt's, ICU's, the C library's) show it.
    void readsDatesAsWritten_data()
    {
        QTest::addColumn<QString>("locale"); // the C library's name, which Qt's is made from
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");

        const QDate dec24(2026, 12, 24), dec12(2005, 12, 12);
        const auto rows = [](const char *locale, std::initializer_list<const char *> texts,
                             QDate expected) {
            for (const char *text : texts)
                QTest::addRow("%s: \"%s\"", locale, text)
                    << QString::fromLatin1(locale) << QString::fromUtf8(text) << expected;
        };
        // clang-format off
        // The forms every locale takes, and what no locale takes.
        for (const char *locale : {"en_US.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8", "C.UTF-8"}) {
            rows(locale, {"12/12/2005", "Dec 12, 2005", "12/12/2005 6:00 PM", "2005-12-12", "2005-12-12T18:00:30+01:00"}, dec12);
            rows(locale, {"", "holiday", "Dec 2005", "12/12", "2/30/2005", "12/12/2005/1", "12/12-2005", "12/12/2005 24:61",
                          "12/12/2005 13:00 PM", "12/12/10000", "12/12/2005 + 3"}, kNone);
        }
        // 1-2. As typed and as what input methods type stands for; figures of any one script.
        rows("ja_JP.UTF-8", {"２０２６/１２/２４", "２０２６年１２月２４日（木）", "二〇二六年十二月二十四日"}, dec24);
        rows("ar_EG.UTF-8", {"٢٤‏/١٢‏/٢٠٢٦"}, dec24);
        rows("en_US.UTF-8", {"12/2٤/2026"}, kNone); // one number, two scripts
        // 3. The words of each source: Qt's, the C library's (Somali, Xhosa, Afar: where Qt has
        // others), ICU's; a word cut short; a phrase; words written without blanks between them.
        rows("so_SO.UTF-8", {"09 Sad 1990"}, QDate(1990, 3, 9));
        rows("xh_ZA.UTF-8", {"09 Kwi 1990", "Hla Kwi 9 00:00:00 UTC 1990"}, QDate(1990, 3, 9));
        rows("fa_IR.UTF-8", {"یک‌شنبه ۲۰ دسامبر ۲۰۲۶", "یکشنبه ۲۰ دسامبر ۲۰۲۶"}, QDate(2026, 12, 20));
        rows("en_US.UTF-8", {"Sept 24, 2026"}, QDate(2026, 9, 24));
        rows("pt_PT.UTF-8", {"quinta-feira, 24 de dezembro de 2026"}, dec24);
        rows("zh_CN.UTF-8", {"2026年12月24日星期四下午3点25分"}, dec24);
        rows("el_GR.UTF-8", {"24 ΔΕΚΕΜΒΡΙΟΥ 2026"}, dec24);
        rows("tr_TR.UTF-8", {"28 EKİM 2026", "28 ekim 2026"}, QDate(2026, 10, 28));
        // 4. Company taken away: a time of day in the forms languages write it, before the date,
        // after it or between the day and the year; a zone; a weekday that fits; an ordinal.
        rows("en_US.UTF-8", {"Thursday, December 24th, 2026 at 6:00:30 PM", "12/24/2026 18:00 UTC", "12/24/2026 6 pm",
                             "Dec 24, 2026, 3:25:50 PM GMT+01:00", "Thu Dec 24 18:00:00 +0100 2026", "6:00 PM 12/24/2026"}, dec24);
        rows("de_DE.UTF-8", {"24.12.2026, 18:00 Uhr", "Do., 24. Dez. 2026 um 18 Uhr", "Do 24. Dez 18:00:00 CET 2026"}, dec24);
        rows("fr_FR.UTF-8", {"jeudi 24 décembre 2026 à 18h00"}, dec24);
        rows("ms_MY.UTF-8", {"24 Disember 2026 pukul 12.13.14"}, dec24);
        rows("ja_JP.UTF-8", {"2026年12月24日 午後6時", "2026年12月24日(木) 18:00"}, dec24);
        rows("pl_PL.UTF-8", {"24 grudnia 2026 r. o 18:00", "24.12.2026 o 18:00"}, dec24);
        rows("es_ES.UTF-8", {"diciembre 24º 2026"}, dec24);
        rows("es_ES.UTF-8", {"1.º de enero de 2027"}, QDate(2027, 1, 1));
        rows("bg_BG.UTF-8", {"четвъртък, декември 24-ти 2026"}, dec24);
        rows("sv_SE.UTF-8", {"24:e december 2026"}, dec24);
        rows("ha_NG.UTF-8", {"ranar Laraba, 05 ga Janairu cikin 11:22:50 PM"}, kNone); // no year: "11" is the clock's
        rows("en_US.UTF-8", {"Friday, December 24, 2026", "Friday, 12/24/2026"}, kWrongWeekday);
        rows("de_DE.UTF-8", {"Freitag, 24.12.2026"}, kWrongWeekday);
        rows("ja_JP.UTF-8", {"2026年12月24日(金)"}, kWrongWeekday);
        // 5. Fields: the only order that makes a day; where several do, the locale's, if its
        // sources all write the same; a year of one figure, or of two in an order not the
        // locale's own, is none; two-digit years lie around today.
        rows("ka_GE.UTF-8", {"12/24/2026"}, dec24);
        rows("sv_FI.UTF-8", {"31.12.1999"}, QDate(1999, 12, 31));
        rows("en_US.UTF-8", {"12/11/2026"}, QDate(2026, 12, 11));
        rows("en_GB.UTF-8", {"12/11/2026"}, QDate(2026, 11, 12));
        rows("bem_ZM.UTF-8", {"05/04/1977"}, kNone); // Qt's day first, the C library's month first
        rows("brx_IN.UTF-8", {"7/4/13"}, kNone); // the C library's month first, ICU's day first
        rows("brx_IN.UTF-8", {"7/14/13"}, QDate(2013, 7, 14)); // never a year of one figure
        rows("or_IN.UTF-8", {"୧୦-୮-୯"}, kNone); // the C library's year of one figure
        rows("de_AT.UTF-8", {"24.12.26", "24-12-26"}, dec24); // Qt's "dd.MM.yy" beside the C library's "%Y-%m-%d"
        rows("ckb_IR.UTF-8", {"٢٧-١-٠٥", "٢٧/١/٥"}, kNone); // "y-MM-dd" and "d/M/y": the year at either end
        rows("zh_HK.UTF-8", {"10-02-14"}, kNone); // "d/M/y" and "%Y年%m月%d日"
        rows("fr_FR.UTF-8", {"16-03-06"}, QDate(2006, 3, 16)); // every form day first
        rows("ar_EG.UTF-8", {"١٠‏/٥‏/٢٦"}, QDate(2026, 5, 10)); // parted as "d‏/M‏/y" is, the marks of direction aside
        rows("en_US.UTF-8", {"1/1/76"}, QDate(1976, 1, 1));
        rows("en_US.UTF-8", {"12/31/75"}, QDate(2075, 12, 31));
        rows("fo_FO.UTF-8", {"21/12-2044"}, QDate(2044, 12, 21)); // parted as the locale's form parts it
        rows("wa_BE.UTF-8", {"11/02/1987"}, QDate(1987, 2, 11)); // the C library's "%d/%m/%Y"; ICU has no Walloon
        rows("en_US.UTF-8", {"20261224"}, dec24);
        rows("en_US.UTF-8", {"20121212" /* or 20 December 1212 */}, kNone);
        // 7. Calendars: the years a locale's people count in, as its sources have them (the
        // C library's Lao Buddhist years), within a century of today; never a Gregorian year
        // centuries off, nor a day that does not exist in its calendar.
        rows("th_TH.UTF-8", {"24/12/2569", "24 ธ.ค. 2569", "24/12/2026", "วันพฤหัสบดีที่ 24 ธันวาคม พ.ศ. 2569"}, dec24);
        rows("lo_LA.UTF-8", {"24/12/2569", "24 ທ.ວ. 2569", "24 ທ.ວ. ຄ.ສ. 2026"}, dec24);
        rows("fa_IR.UTF-8", {"۱۴۰۵/۱۰/۰۳", "1405/10/03"}, dec24);
        rows("ar_SA.UTF-8", {"١٥ رجب ١٤٤٨ هـ", "15/7/1448"}, dec24);
        rows("zh_TW.UTF-8", {"民國115年12月24日", "115/12/24"}, dec24);
        rows("ja_JP.UTF-8", {"令和8年12月24日", "R8/12/24"}, dec24);
        rows("th_TH.UTF-8", {"24/12/2800", "29/2/2568"}, kNone);
        rows("fa_IR.UTF-8", {"2026/4/31", "۱۴۰۴/۱۲/۳۰"}, kNone);
        rows("en_US.UTF-8", {"12/31/9999"}, QDate(9999, 12, 31)); // the Gregorian calendar alone
        // A month named in another language, where every language that names it agrees and one
        // unrelated language does not decide a short word: "Kwi" is April only in Polish.
        rows("de_DE.UTF-8", {"jueves, 24 de diciembre de 2026"}, dec24);
        rows("en_US.UTF-8", {"09 Kwi 1990"}, kNone);
        rows("de_DE.UTF-8", {"24. listopad 2026" /* November in Czech, October in Croatian */}, kNone);
        // clang-format on
    }

    void readsDatesAsWritten()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        const QLocale qt(locale.section(u'.', 0, 0));
        const DateReading reading = readDate(text, {qt, kToday, locale.toLatin1()});
        if (expected == kWrongWeekday)
            QCOMPARE(reading.outcome, DateReading::WrongWeekday);
        else
            QCOMPARE(reading.date().value_or(QDate()), expected);
    }

    // In every locale Qt knows, what Qt writes for a date reads back as that date; a form in
    // figures that other sources of the locale write in another order may read as none, never
    // as another day.
    void readsEveryLocalesOwnForms()
    {
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            for (const QDate date : {QDate(1977, 3, 5), QDate(2026, 12, 24), QDate(2075, 8, 31)}) {
                for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
                    const QString text = locale.toString(date, format);
                    const std::optional<QDate> read = readDate(text, {locale, kToday}).date();
                    const QString form = locale.dateFormat(format);
                    const bool ambiguous =
                        !form.contains(u"MMM") && (date.day() <= 12 || !form.contains(u"yyyy"));
                    QVERIFY2(read == date || (ambiguous && !read),
                             qPrintable(locale.name() + u' ' + text));
                }
            }
        }
    }

    // In every locale ICU and Qt both know, CLDR's common forms of a date read back as that date,
    // in the Gregorian calendar and in the locale's own, or (a form in figures whose order the
    // locale's sources dispute) as none.
    void readsEveryLocalesCldrForms()
    {
        int32_t count = 0;
        const icu::Locale *locales = icu::Locale::getAvailableLocales(count);
        for (const icu::Locale &where : std::span(locales, count)) {
            const QLocale locale(QString::fromLatin1(where.getName()));
            if (QLocale::languageToCode(locale.language()) != QLatin1String(where.getLanguage()))
                continue;
            UErrorCode status = U_ZERO_ERROR;
            const std::unique_ptr<icu::Calendar> own(icu::Calendar::createInstance(where, status));
            for (const char *calendar : {"gregorian", own->getType()}) {
                icu::Locale in(where);
                in.setKeywordValue("calendar", calendar, status);
                const std::unique_ptr<icu::DateTimePatternGenerator> patterns(
                    icu::DateTimePatternGenerator::createInstance(in, status));
                for (const char *skeleton : {"yMd", "yMMMd", "yMMMMEEEEd", "yMMMEd"}) {
                    const icu::UnicodeString pattern = patterns->getBestPattern(skeleton, status);
                    // Where Qt's data writes figures in another order, the reader follows Qt's.
                    if (qstrcmp(skeleton, "yMd") == 0
                        && orderOf(fromIcu(pattern))
                               != orderOf(locale.dateFormat(QLocale::ShortFormat)))
                        continue;
                    icu::SimpleDateFormat format(pattern, in, status);
                    format.setTimeZone(*icu::TimeZone::getGMT());
                    for (const QDate date :
                         {QDate(1977, 3, 5), QDate(2026, 12, 24), QDate(2074, 8, 31)}) {
                        icu::UnicodeString written;
                        const QString text = fromIcu(format.format(startOfDay(date), written));
                        const std::optional<QDate> read = readDate(text, {locale, kToday}).date();
                        // In figures, a day of the month up to 12 may as well be the month.
                        const std::unique_ptr<icu::Calendar> in(format.getCalendar()->clone());
                        in->setTime(startOfDay(date), status);
                        const bool ambiguous =
                            qstrcmp(skeleton, "yMd") == 0 && in->get(UCAL_DATE, status) <= 12;
                        QVERIFY2(read == date || (ambiguous && !read),
                                 qPrintable(locale.name() + u' ' + QLatin1String(calendar) + u' '
                                            + text));
                    }
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestDateReader)
#include "tst_datereader.moc"
