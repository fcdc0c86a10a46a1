// Feeds arbitrary bytes to the two readers of outside text: the trip date file reader, as the
// program reads a file (decoded as UTF-8 or the locale's code page, scanned for the last field
// in pieces of varying size), and the date reader in several locales. The sanitizers, the time
// limit and the memory limit catch what goes wrong.

#include "datereader/datereader.h"
#include "tripdate/filetext.h"
#include "tripdate/tripdatefile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {QLocale::c(),
                                      QLocale(QStringLiteral("en_US")),
                                      QLocale(QStringLiteral("en_GB")),
                                      QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("ja_JP")),
                                      QLocale(QStringLiteral("th_TH")),
                                      QLocale(QStringLiteral("ar_SA"))};
    const auto *bytes = reinterpret_cast<const char *>(data);
    const qsizetype piece = size > 0 ? data[0] % 64 + 1 : 1;
    const QString file = decodeFileText(QByteArrayView(bytes, qsizetype(size)),
                                        locales[size > 1 ? data[1] % std::size(locales) : 0]);
    LastFieldScanner scanner;
    for (qsizetype at = 0; at < file.size(); at += piece)
        scanner.feed(QStringView(file).sliced(at, std::min(piece, file.size() - at)));
    scanner.finish();

    const QString text = QString::fromUtf8(bytes, qsizetype(size));
    for (const QLocale &locale : locales)
        (void)readDate(text, {locale, QDate(2026, 12, 6)});
    return 0;
}
