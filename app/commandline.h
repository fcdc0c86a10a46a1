#pragma once

#include "app/translations.h"

#include <memory>

struct xcb_connection_t;

// What the program does with its arguments before the window system is touched, so that it
// answers --help and --version, and refuses what it does not know, also where no display can
// be reached. Qt's own options (-platform, -display, ...) are left for QApplication.
//
// It says what it says in the user's language.
struct CommandLineVerdict
{
    bool start;     // else the program ends here: after --help or --version, a wrong argument,
    int exitStatus; // or when no display can be reached, with this status
    // The connection that found the X display reachable, to be let go once the application has
    // its own: an X server resets as its last client goes, and drops one connecting meanwhile,
    // such as the application's right after this one, where the counter is the first client.
    struct Disconnect
    {
        void operator()(xcb_connection_t *connection) const;
    };
    std::unique_ptr<xcb_connection_t, Disconnect> display = nullptr;
};
CommandLineVerdict handleCommandLine(int argc, char *argv[], const Translations &words);

// Says `said` on standard error, as the program's own line ("velmor-counter: ...").
void complain(const QString &said);
