#pragma once

#include <QLocale>
#include <QTranslator>

// The program's words in the user's language, and Qt's own for the buttons of its standard
// dialogs in that same language (or the program's, where Qt has none). The translation also sets
// the direction dialogs are laid out in. The user's UI languages are tried in their order
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). English, which also serves the C locale and the
// languages the program does not speak, supplies the singular and plural of counts.
//
// The words are there from the start, for what the program says before it has an application
// (its help); they serve the whole application from the moment one exists and install() is
// called, or at once where there is one already.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale::system());

    void install();
    // A text of the program's in the user's language, also before there is an application. Not
    // named translate(), which lupdate would take for a message and miss the one inside.
    QString phrase(const char *context, const char *text) const;
    // One of Qt's own texts, in Qt's words for the user's language where the program speaks it.
    QString qtPhrase(const char *context, const char *text) const;

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_hasQt = false;
};
