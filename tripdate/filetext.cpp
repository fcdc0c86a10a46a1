#include "filetext.h"

#include "datereader/icubridge.h"
#include "datereader/localecache.h"

#include <QStringDecoder>

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/ucnv.h>
#include <unicode/ulocdata.h>
#include <unicode/uniset.h>
#include <unicode/usetiter.h>

#include <memory>

namespace {

// The code pages that text files were written in before UTF-8, in the order that settles a
// tie: Western European first, and Big5 before GBK, which holds traditional characters too.
constexpr const char *kCodePages[] = {
    "windows-1252", "windows-1250", "windows-1251", "windows-1253", "windows-1254",
    "windows-1255", "windows-1256", "windows-1257", "windows-1258", "windows-874",
    "windows-31j",  "windows-950",  "windows-936",  "windows-949"};

struct ConverterCloser
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(const char *name)
{
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

// The code page of the locale's language: the one that holds the most of the letters CLDR
// gives the language (composed, or as a letter and its marks, as Vietnamese code pages write
// them), and at least half of them. No library maps a language to its old code page; the
// letters and what each code page holds are ICU's.
const char *bestCodePage(const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    ULocaleData *data = ulocdata_open(icuLocale(locale).getName(), &status);
    USet *exemplars = ulocdata_getExemplarSet(data, nullptr, 0, ULOCDATA_ES_STANDARD, &status);
    ulocdata_close(data);
    if (U_FAILURE(status))
        return nullptr;
    const icu::UnicodeSet letters(*icu::UnicodeSet::fromUSet(exemplars));
    uset_close(exemplars);
    const icu::Normalizer2 *decompose = icu::Normalizer2::getNFDInstance(status);
    const char *best = nullptr;
    int bestCount = 0;
    for (const char *page : kCodePages) {
        const Converter converter = openConverter(page);
        icu::UnicodeSet held;
        if (U_FAILURE(status) || !converter)
            continue;
        ucnv_getUnicodeSet(converter.get(), held.toUSet(), UCNV_ROUNDTRIP_SET, &status);
        int count = 0;
        for (icu::UnicodeSetIterator letter(letters); letter.next();) {
            const icu::UnicodeString composed = letter.getString();
            count += held.containsAll(composed)
                     || held.containsAll(decompose->normalize(composed, status));
        }
        if (count > bestCount) {
            best = page;
            bestCount = count;
        }
    }
    if (U_FAILURE(status) || bestCount * 2 < letters.size())
        best = nullptr;
    return best;
}

// Looking at every code page takes ICU a while; the file is read in one locale or a few.
const char *codePageOf(const QLocale &locale)
{
    static LocaleCache<const char *> known(8);
    return *known.get(locale, {},
                      [&] { return std::make_shared<const char *const>(bestCodePage(locale)); });
}

} // namespace

QString decodeFileText(QByteArrayView bytes, const QLocale &locale)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    const char *page = utf8.hasError() ? codePageOf(locale) : nullptr;
    const Converter converter = page ? openConverter(page) : nullptr;
    if (!converter)
        return text;
    UErrorCode status = U_ZERO_ERROR;
    QString decoded(bytes.size() * 2, Qt::Uninitialized); // a byte makes at most a pair of units
    const int32_t length =
        ucnv_toUChars(converter.get(), reinterpret_cast<UChar *>(decoded.data()),
                      int32_t(decoded.size()), bytes.data(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status))
        return text;
    decoded.truncate(length);
    return decoded;
}
