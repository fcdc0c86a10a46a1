#pragma once

#include "app/translations.h"

#include <optional>

// What the program does with its arguments before the window system is touched, so that it
// answers --help and --version, and refuses what it does not know, also where no display can
// be reached. Qt's own options (-platform, -display, ...) are left for QApplication.
//
// Returns the exit status when the program is to end here (after --help or --version, a
// wrong argument, or when no display can be reached), or no value when it is to start. It says
// what it says in the user's language.
std::optional<int> handleCommandLine(int argc, char *argv[], const Translations &words);
