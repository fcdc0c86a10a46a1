#pragma once

#include "app/translations.h"

// What the program does with its arguments before the window system is touched, so that it
// answers --help and --version, and refuses what it does not know, also where no display can
// be reached. Qt's own options (-platform, -display, ...) are left for QApplication.
//
// It says what it says in the user's language.
struct CommandLineVerdict
{
    bool start;     // else the program ends here: after --help or --version, a wrong argument,
    int exitStatus; // or when no display can be reached, with this status
};
CommandLineVerdict handleCommandLine(int argc, char *argv[], const Translations &words);
