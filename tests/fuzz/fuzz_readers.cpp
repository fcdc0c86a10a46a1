// Feeds arbitrary bytes to the two readers of outside text: the trip date file reader, as the
// program reads a file (decoded in pieces of varying size, scanned for the last field), and
// the date reader in several locales. The sanitizers, the time limit and the memory limit
// catch what goes wrong.

#include "datereader/datereader.h"
#include "tripdate/tripdatefile.h"

#include <QStringDecoder>

#include <cstdint>

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

    const QString text = QString::fromUtf8(bytes, qsizetype(size));
    for (const QLocale &locale : locales)
        (void)readDate(text, {locale, QDate(2026, 12, 6)});
    return 0;
}
