// Feeds arbitrary bytes to the trip date file reader, as the program reads a file: decoded in
// pieces of varying size, scanned for the last field, and that field read as a date.

#include "runtime/datereader.h"
#include "tripdate/tripdate.h"
#include "tripdate/tripdatefile.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *bytes = reinterpret_cast<const char *>(data);
    const size_t piece = size > 0 ? size_t(data[0] % 64) + 1 : 1;
    QStringDecoder decode(QStringConverter::System);
    LastFieldScanner scanner;
    for (size_t at = 0; at < size; at += piece)
        scanner.feed(QString(decode(QByteArrayView(bytes + at, qsizetype(std::min(piece, size - at))))));
    scanner.finish();

    if (const std::optional<QString> &field = scanner.lastField()) {
        if (field->size() > kTripDateFieldMaxLength)
            std::abort(); // the scanner must keep memory bounded
        if (const auto tripDate = TripDate::fromText(*field, QLocale::c())) {
            if (!tripDate->day.isValid() || tripDate->day.year() < 1 || tripDate->day.year() > 9999)
                std::abort();
        }
    }
    return 0;
}
