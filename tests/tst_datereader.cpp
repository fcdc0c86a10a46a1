#include "datereader/cldrforms.h"
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
} // namespace

class TestDateReader : public QObject
{
    Q_OBJECT

private slots:
    void readsDatesAsTheLocaleWritesThem_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: not a date

        const QDate dec12(2005, 12, 12), dec24(2026, 12, 24), jan1(2027, 1, 1), none;
        const auto row = [](const char *locale, const char *text, QDate expected) {
            QTest::addRow("%s: \"%s\"", locale, text)
                << QString::fromLatin1(locale) << QString::fromUtf8(text) << expected;
        };
        // clang-format off
        // The forms every locale takes, and what none takes.
        for (const char *locale : {"en_US", "en_GB", "de_DE", "fr_FR", "es_ES", "C"}) {
            for (const char *text : {"12/12/2005", "Dec 12, 2005", "12/12/2005 6:00 PM", "2005-12-12", "December 12, 2005",
                                     "12 December 2005", " \t12/12/2005  ", "12/12/2005\n", "12/12/2005 18:30:15", "12/12/2005 6 pm",
                                     "2005-Dec-12", "DEC 12 2005", "12.12.2005.", "Monday, December 12, 2005", "December 12th, 2005",
                                     "2005-12-12T18:00", "2005-12-12T18:00:30.25Z", "2005-12-12T18:00-05:00", "12/12/2005, 6:00 PM",
                                     "12 12 2005"})
                row(locale, text, dec12);
            for (const char *text : {"", "   ", "holiday", "2/30/2005", "30/2/2005", "12/12/2005 24:00", "12/12/2005 6:60 PM",
                                     "12/12/2005 13:00 PM", "12/12/2005 soon", "12/12", "12/12/2005/1", "12/12-2005", "12 12/2005",
                                     "12/12/10000", "12/12/0000", "Dec 32, 2005", "Decemberr 12, 2005", "12\n12\n2005",
                                     "١٢/١٢/٢٠٠٥", "Tuesday, December 12, 2005", "December 12st, 2005", "12th/12/2005",
                                     "2005-12-12T18Z", "2005-12-12T18:00+15:00", "12.12.2005..", "Dec 2005", "Monday", "Ju 12, 2005"})
                row(locale, text, none);
        }
        const auto rows = [&](const char *locale, std::initializer_list<const char *> texts, QDate expected) {
            for (const char *text : texts)
                row(locale, text, expected);
        };
        // Day and month in the locale's order, leap days, two-digit years around today.
        rows("en_US", {"12/11/2005"}, QDate(2005, 12, 11));
        rows("en_GB", {"12/11/2005"}, QDate(2005, 11, 12));
        rows("de_DE", {"12.11.2005"}, QDate(2005, 11, 12));
        rows("en_US", {"2/29/2004"}, QDate(2004, 2, 29));
        // The edges of the window, in each way a two-digit year is read: the locale's own form
        // as Qt writes it, the looser one, and CLDR's: "75" is never 1975, nor "76" 2076.
        for (const auto &[locale, earliest, latest] :
             {std::tuple("en_US", "1/1/76", "12/31/75"), std::tuple("de_DE", "01.01.76", "31.12.75"),
              std::tuple("bg_BG", "1.01.76 г.", "31.12.75 г.")}) {
            rows(locale, {earliest}, QDate(1976, 1, 1));
            rows(locale, {latest}, QDate(2075, 12, 31));
        }
        rows("en_US", {"2/29/2005", "13/1/2005", "Friday, December 24, 2026", "\u0662\u0664/\u0661\u0662/\u0662\u0660\u0662\u0666"}, none); // not its digits
        rows("en_GB", {"1/13/2005"}, none);
        // Weekdays, ordinals and words between; names cut short; the locale's own digits,
        // literal words and weekday names with hyphens, a weekday after the date or after a
        // joining word, typed looser than Qt writes them.
        rows("en_US", {"Thu, Dec 24, 2026", "Thurs. Dec. 24 2026", "December 24th, 2026", "24th December 2026", "the 24th of December, 2026", "Thu 12/24/2026"}, dec24);
        rows("en_US", {"Sept 24, 2026"}, QDate(2026, 9, 24));
        rows("en_GB", {"1st January 2027"}, jan1);
        // A time of day with the locale's words for it, checked and then ignored.
        rows("de_DE", {"24.12.2026, 18:00 Uhr", "24.12.2026 um 18 Uhr"}, dec24);
        rows("fr_FR", {"24 décembre 2026 à 18h00", "24/12/2026 à 18 h"}, dec24);
        rows("en_US", {"Dec 24, 2026 at 6:00 PM"}, dec24);
        rows("de_DE", {"24.12.2026 25:00 Uhr", "24.12.2026 Uhr"}, none);
        rows("de_DE", {"Do., 24.12.2026", "Donnerstag, den 24. Dezember 2026", "24. 12. 2026", "24.12.2026.", "24. Dez. 2026", "24 Dez 2026", "24.12.2026 18:00", "am Donnerstag, 24. Dezember 2026"}, dec24);
        rows("de_DE", {"24. März 2026"}, QDate(2026, 3, 24));
        rows("de_DE", {"Freitag, 24. Dezember 2026", ".24.12.2026", "Do., 24.12.2026,"}, none);
        rows("fr_FR", {"jeu. 24 déc. 2026", "le 24 décembre 2026", "24 DÉCEMBRE 2026", "le jeudi 24 décembre 2026"}, dec24);
        rows("fr_FR", {"1er janvier 2027", "vendredi 1er janvier 2027"}, jan1);
        rows("fr_FR", {"2er janvier 2027", "24 jui 2026" /* juin or juillet */, "mardi 24 décembre 2026", "le vendredi 24 décembre 2026"}, none);
        // Spanish: "mar" is Tuesday or March, as it stands.
        rows("es_ES", {"jue, 24 dic 2026", "24 de dic. de 2026", "24/12/2026 6:00 p. m."}, dec24);
        rows("es_ES", {"1º de enero de 2027"}, jan1);
        rows("es_ES", {"mar 24 2026", "mar., 24 de mar. de 2026"}, QDate(2026, 3, 24));
        rows("es_ES", {"mar., 24 de dic. de 2026"}, none);
        rows("pt_PT", {"quinta-feira 24 de dezembro de 2026"}, dec24);
        rows("da_DK", {"torsdag den 24. dec. 2026"}, dec24);
        rows("ru_RU", {"24 декабря 2026 г"}, dec24);
        rows("bg_BG", {"24.12.26 г."}, dec24);
        rows("tr_TR", {"24 Aralık 2026, Perşembe"}, dec24);
        rows("hu_HU", {"2026. dec. 24., csütörtök"}, dec24);
        rows("ar_EG", {"\u0662\u0664/\u0661\u0662/\u0662\u0660\u0662\u0666"}, dec24); // no direction marks
        rows("fa_IR", {"\u06F2\u06F0\u06F2\u06F6-\u06F1\u06F2-\u06F2\u06F4"}, dec24);
        // Where the year comes first, a year in full at the end leaves day and month open: the
        // same number twice is the one date either way.
        for (const char *locale : {"zh_CN", "zh_TW", "hu_HU", "sv_SE", "lt_LT", "fa_IR", "af_ZA", "eu_ES", "ja_JP"})
            rows(locale, {"12/12/2005", "Dec 12, 2005", "12/12/2005 6:00 PM"}, dec12);
        rows("zh_CN", {"12/13/2005", "13/12/2005"}, none);
        // CLDR's common forms, without the weekday or with one that must fit.
        rows("ja_JP", {"2026年12月24日", "2026年12月24日(木)"}, dec24);
        rows("ko_KR", {"2026년 12월 24일"}, dec24);
        rows("he_IL", {"24 בדצמבר 2026"}, dec24);
        rows("hi_IN", {"24 दिस॰ 2026"}, dec24);
        rows("lv_LV", {"2026. gada 24. decembris"}, dec24);
        rows("kk_KZ", {"2026 ж. 24 желтоқсан"}, dec24);
        rows("hy_AM", {"24 դեկտեմբերի, 2026 թ."}, dec24);
        rows("eu_ES", {"2026(e)ko abenduaren 24(a)"}, dec24);
        rows("ja_JP", {"2026年12月24日(金)"}, none);
        // Years of the calendar the locale's people count in, where the Gregorian year would be
        // far from today, typed as loosely as Gregorian ones, with the month named in the
        // locale's language or in English; the Gregorian reading where it is near. Never a
        // Gregorian year centuries off there, and only a day that exists in the calendar.
        rows("th_TH", {"24/12/2569", "24 ธ.ค. 2569", "24/12/2026", "24-12-2569", "24.12.2569", "24 Dec 2569"}, dec24);
        rows("th_TH", {"1/1/2513"}, QDate(1970, 1, 1));
        rows("fa_IR", {"۱۴۰۵/۱۰/۳", "۱۴۰۵-۱۰-۰۳", "1405.10.03", "3 Dey 1405"}, dec24);
        rows("ps_AF", {"۱۴۰۵/۱۰/۳"}, dec24);
        rows("ckb_IR", {"١٣٦٢-٠٥-٠٥"}, QDate(1983, 7, 27));
        rows("ar_SA", {"١٥ رجب ١٤٤٨ هـ", "الخميس، ١٥ رجب ١٤٤٨ هـ", "15/7/1448", "١٥/٧/١٤٤٨", "١٤٤٨/٠٧/١٥"}, dec24);
        rows("ar_SA", {"الجمعة، ١٥ رجب ١٤٤٨ هـ"}, none);
        rows("zh_TW", {"民國115年12月24日", "115/12/24", "115.12.24", "115-12-24", "民國115-12-24"}, dec24);
        rows("ja_JP", {"令和8年12月24日", "R8/12/24", "R8-12-24"}, dec24);
        rows("ja_JP", {"平成30年12月24日"}, QDate(2018, 12, 24));
        rows("ja_JP", {"令和元年5月1日"}, QDate(2019, 5, 1)); // the first year of an era
        rows("ja_JP", {"30/12/24"}, QDate(2030, 12, 24)); // no era: the Gregorian year
        rows("ja_JP", {"1910/5/3"}, QDate(1910, 5, 3));   // Japan's eras are always written
        rows("th_TH", {"29/2/2568", "24/12/2800"}, none); // no leap year; a Buddhist 2800 is far too
        rows("fa_IR", {"۱۴۰۴/۱۲/۳۰"}, none);              // Esfand 1404 has 29 days
        rows("ar_SA", {"30/8/1447"}, none);               // Sha'ban 1447 has 29 days
        rows("zh_TW", {"民國0年12月24日"}, none);
        for (const char *locale : {"en_US", "de_DE", "ja_JP", "zh_TW"})
            rows(locale, {"24 ธันวาคม 2569"}, dec24); // a Thai month: a Buddhist year
        // No reading more than a century from today in any calendar: an impossible Gregorian day
        // is no day of the locale's other calendar, and a Gregorian year in the locale's digits or
        // before a final dot stays Gregorian.
        rows("fa_IR", {"2026/4/31", "۲۰۲۶/۴/۳۱"}, none);
        rows("ckb_IR", {"29/2/2027"}, none);
        rows("ar_SA", {"29/2/2027"}, none);
        rows("zh_TW", {"2089/2/29", "3000/1/1"}, none);
        rows("th_TH", {"29/2/2027", "1/1/3300"}, none);
        rows("ja_JP", {"令和300年1月1日"}, none);
        rows("zh_TW", {"1992年6月7日.", "1992年6月7日 星期日."}, QDate(1992, 6, 7));
        rows("th_TH", {"๑๐.๐๓.๒๐๙๕", "๒๐๙๕/๐๓/๑๐"}, QDate(2095, 3, 10));
        // Typed looser than the locale's forms: a final dot, doubled blanks, a weekday with marks in
        // its name around a date in figures, capitals and no accents, the full forms with an era,
        // the words around a date, Han numerals, the day's dot left out, ISO's basic form.
        rows("th_TH", {"24 ธ.ค. 2569.", "วันพฤหัสบดีที่ 24 ธันวาคม พ.ศ. 2569", "วันพฤหัสบดีที่ 24 ธันวาคม ค.ศ. 2026"}, dec24);
        rows("ko_KR", {"2026년 12월 24일."}, dec24);
        rows("vi_VN", {"Th  5, 24 thg 12, 2026", "ngày 24 tháng 12 năm 2026"}, dec24);
        rows("he_IL", {"יום ה׳, 24.12.2026", "יום  ה׳, 24 בדצמבר 2026"}, dec24);
        rows("fa_IR", {"پنجشنبه ۲۰۲۶/۱۲/۲۴", "۱۴۰۵/۱۰/۳ پنجشنبه"}, dec24);
        rows("el_GR", {"24 ΔΕΚΕΜΒΡΙΟΥ 2026", "24 Δεκεμβριου 2026"}, dec24);
        rows("tr_TR", {"24 ARALIK 2026"}, dec24);
        rows("tr_TR", {"16 NİSAN 1998"}, QDate(1998, 4, 16));
        rows("lv_LV", {"2026. G. 24. DEC.", "2026. g. 24 dec.", "2026. GADA 24. DECEMBRIS"}, dec24);
        rows("pl_PL", {"24 grudnia 2026 r.", "24.12.2026 r."}, dec24);
        rows("ru_RU", {"24 декабря 2026 года"}, dec24);
        rows("zh_CN", {"二〇二六年十二月二十四日", "二〇二六年十二月二十四日星期四"}, dec24);
        rows("ja_JP", {"二〇二六年十二月二十四日"}, dec24);
        rows("en_US", {"20261224"}, dec24);
        rows("my_MM", {"၂၀၂၇၊ ဖေ. ၂၄"}, QDate(2027, 2, 24)); // ၊ is Burmese's comma
        rows("he_IL", {"יום ו׳, 24.12.2026"}, none);
        rows("zh_CN", {"2026日12年24月", "二〇二六年十二月"}, none);
        rows("ru_RU", {"2026 года"}, none);
        rows("ja_JP", {"日, 2026-12-24"}, none); // Sunday, though 日 is also the word for a day
        rows("sv_SE", {"mån, 2026-12-24"}, none); // Monday, and short for a month
        rows("en_US", {"20121212" /* or 20 December 1212 */, "20261324", "14221102"}, none);
        // The numbers around a month's name in the locale's order, or the other one where only
        // that one reads them.
        rows("hu_HU", {"26. dec. 24.", "26 dec 24"}, dec24);
        rows("lt_LT", {"26 m. gruodžio 24 d."}, dec24);
        rows("hu_HU", {"12 dec. 85"}, QDate(1985, 12, 12));
        rows("en_GB", {"24 Dec 26"}, dec24);
        // What input methods type, and what the month in English in a form of the locale's.
        rows("ja_JP", {"２０２６/１２/２４", "２０２６年１２月２４日", "2026年12月24日（木）"}, dec24);
        rows("ko_KR", {"2026년 Dec 24일"}, dec24);
        // The Chinese of Hong Kong, Macao and Singapore in the forms of the Chinese of China and
        // Taiwan, whose words say which number is the month.
        for (const char *locale : {"zh_Hans_HK", "zh_Hans_MO", "zh_Hans_SG", "zh_Hant_HK", "zh_Hant_MO"})
            rows(locale, {"2073年12月22日"}, QDate(2073, 12, 22));
        // Month names of another language, with the user's order of day and month, where all
        // the languages that know the name agree: "listopad" is November in Polish, October in
        // Croatian.
        rows("de_DE", {"jueves, 24 de diciembre de 2026"}, dec24);
        rows("pl_PL", {"24. listopada 2026", "24 listopada 2026"}, QDate(2026, 11, 24));
        rows("ja_JP", {"24 décembre 2026"}, dec24);
        rows("de_DE", {"24. listopad 2026"}, none);
        // A name that ends in a digit takes no digit after it.
        rows("vi_VN", {"24 tháng 12, 2026"}, dec24);
        rows("vi_VN", {"24 tháng 13, 2026", "2 tháng 2014 8"}, none);
        // clang-format on
    }

    void readsDatesAsTheLocaleWritesThem()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(readDate(text, {QLocale(locale), kToday}).value_or(QDate()), expected);
    }

    // In every locale Qt knows, what Qt writes for a date reads back as that date.
    void readsEveryLocalesOwnForms()
    {
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            for (const QDate date : {QDate(1977, 3, 5), QDate(2005, 12, 12), QDate(2026, 12, 24),
                                     QDate(2075, 8, 31)}) {
                for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
                    const QString text = locale.toString(date, format);
                    QVERIFY2(readDate(text, {locale, kToday}) == date,
                             qPrintable(locale.name() + u' ' + text));
                }
            }
        }
    }

    // In every locale ICU and Qt both know, CLDR's common forms of a date read back as that date,
    // in the Gregorian calendar and in the locale's own: with the month in figures or named,
    // short or long, with the weekday or without. Forms in figures whose order Qt disputes are
    // left out, as the reader leaves them out.
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
                    icu::SimpleDateFormat format(pattern, in, status);
                    format.setTimeZone(*icu::TimeZone::getGMT());
                    if (orderDisputed(fromIcu(pattern), numericOrder(locale)))
                        continue;
                    for (const QDate date :
                         {QDate(1977, 3, 5), QDate(2026, 12, 24), QDate(2074, 8, 31)}) {
                        icu::UnicodeString written;
                        const QString text = fromIcu(format.format(startOfDay(date), written));
                        QVERIFY2(readDate(text, {locale, kToday}) == date,
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
