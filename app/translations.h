#pragma once

#include <QLocale>
#include <QTranslator>

// The program's words in the user's language, and Qt's own for the buttons of its standard
// dialogs in that same language (or the program's, where Qt has none), installed for as long
// as this object lives. The translation also sets the direction dialogs are laid out in. The user's UI
// languages are tried in their order (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). English, which also
// serves the C locale and the languages the program does not speak, supplies the singular and
// plural of counts.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale::system());

private:
    QTranslator m_program;
    QTranslator m_qt;
};
