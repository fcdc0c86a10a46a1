// Feeds arbitrary bytes to the two readers of outside text: the trip date file reader, as the
// program reads a file (decoded in pieces of varying size, scanned for the last field), and
// the date reader in several locales. Whatever they accept must be a real calendar date within
// years 1 to 9999, and the scanner must keep its memory bounded.

#include "datereader/datereader.h"
#include "tripdate/tripdatefile.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {
        QLocale::c(), QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("en_GB")),
        QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("ja_JP"))};
    const auto *bytes = reinterpret_cast<const char *>(data);
    const size_t piece = size > 0 ? size_t(data[0] % 64) + 1 : 1;
    QStringDecoder decode(QStringConverter::Utf8);
    LastFieldScanner scanner;
    for (size_t at = 0; at < size; at += piece)
        scanner.feed(
            QString(decode(QByteArrayView(bytes + at, qsizetype(std::min(piece, size - at))))));
    scanner.finish();
    if (scanner.lastField() && scanner.lastField()->size() > kTripDateFieldMaxLength)
        std::abort();

    const QString text = QString::fromUtf8(bytes, qsizetype(size));
    for (const QLocale &locale : locales) {
        const std::optional<QDate> date = readDate(text, {locale, QDate(2026, 12, 6)});
        if (date && (!date->isValid() || date->year() < 1 || date->year() > 9999))
            std::abort();
    }
    return 0;
}
