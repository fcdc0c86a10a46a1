#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale &locale)
{
    const QString embedded = QStringLiteral(":/i18n");
    if (m_program.load(locale, QStringLiteral("velmor"), QStringLiteral("_"), embedded)
        || m_program.load(QStringLiteral("velmor_en"), embedded))
        QCoreApplication::installTranslator(&m_program);
    // Qt's words for its dialogs' buttons only in a language the program speaks too, so that
    // a user of another language sees English throughout, not English with "Annulla".
    const QLocale spoken(m_program.language());
    if (spoken.language() != QLocale::English && spoken != QLocale::c()
        && m_qt.load(spoken, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}
