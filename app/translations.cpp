#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Qt's own words that the program's translations carry too, for the languages that Qt's
// translations (Debian's qt6-translations-l10n) leave out, so that no English button stands
// beside translated text: the buttons of the prompt and the message boxes, and the direction
// the language is written in, by which Qt lays out every dialog.
[[maybe_unused]] const char *const kQtWords[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    //: "LTR" in a language written from left to right, "RTL" in one written from right to left.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
};

} // namespace

Translations::Translations(const QLocale &locale)
{
    const QString embedded = QStringLiteral(":/i18n");
    if (!m_program.load(locale, QStringLiteral("velmor"), QStringLiteral("_"), embedded))
        (void)m_program.load(QStringLiteral("velmor_en"), embedded);
    // Qt's words for its dialogs' buttons only in a language the program speaks too, so that
    // a user of another language sees English throughout, not English with "Annulla".
    const QLocale spoken(m_program.language());
    m_hasQt = spoken.language() != QLocale::English && spoken != QLocale::c()
              && m_qt.load(spoken, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (QCoreApplication::instance())
        install();
}

void Translations::install()
{
    if (!m_program.isEmpty())
        QCoreApplication::installTranslator(&m_program);
    if (m_hasQt)
        QCoreApplication::installTranslator(&m_qt);
}

QString Translations::qtPhrase(const char *context, const char *text) const
{
    const QString translated = m_hasQt ? m_qt.translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString Translations::phrase(const char *context, const char *text) const
{
    const QString translated = m_program.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}
