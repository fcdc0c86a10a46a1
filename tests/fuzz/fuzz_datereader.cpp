// Reads arbitrary text as a date in several locales; whatever it accepts must be a real
// calendar date within years 1 to 9999.

#include "runtime/datereader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QStringLiteral("en_US")),
                                      QLocale(QStringLiteral("en_GB")),
                                      QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("ja_JP"))};
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : locales) {
        if (const std::optional<QDate> date = readDate(text, locale)) {
            if (!date->isValid() || date->year() < 1 || date->year() > 9999)
                std::abort();
        }
    }
    return 0;
}
