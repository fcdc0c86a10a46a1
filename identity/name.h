#pragma once

#include <QString>

// The program's name as the user sees it, in every language: the window titles, the messages
// and --version (and, beside this file, the desktop entry and the metainfo). Not Qt's
// application display name, which Qt would append to every other window's title, the
// prompt's "Zorvia Date" among them.
inline QString programName() { return QStringLiteral("Velmor Trip Counter"); }
