#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale &locale)
{
    const QString embedded = QStringLiteral(":/i18n");
    if (m_program.load(locale, QStringLiteral("velmor"), QStringLiteral("_"), embedded)
        || m_program.load(QStringLiteral("velmor_en"), embedded))
        QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}
