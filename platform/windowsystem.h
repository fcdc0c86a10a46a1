#pragma once

#include <QByteArray>

#include <functional>

// Which window system the counter runs on, chosen before the application exists. The strip
// belongs at a fixed place on the screen, which an ordinary Wayland window cannot choose: a
// compositor that offers the layer shell lets a surface anchor itself at a corner, and XWayland
// lets an X11 window ask for its place.
struct WindowSystem
{
    QByteArray platform; // Qt's platform plugin to ask for; empty: the user's own, or Qt's default
    bool layerShell = false; // the counter's own windows are layer surfaces
};

struct Session
{
    QByteArray userPlatform; // QT_QPA_PLATFORM as the user set it
    bool x11 = false;        // DISPLAY is set
    bool wayland = false;    // WAYLAND_DISPLAY is set
};

// The user's QT_QPA_PLATFORM wins; on Wayland (theirs or the counter's choice) the windows are
// layer surfaces where the compositor offers the layer shell. Else XWayland where there is an X
// display, else a plain Wayland window. weston gets a plain Wayland window, X display or not: its
// window manager gives an X11 utility window (as the strip and the About window are) no keyboard,
// as it gives a tooltip none; XWayland all the same where Qt's Wayland platform is not installed.
// The compositor is asked only where its answer decides.
struct Compositor
{
    bool layerShell = false; // zwlr_layer_shell_v1
    bool weston = false;     // weston's own desktop shell
};
WindowSystem chooseWindowSystem(const Session &session, const std::function<Compositor()> &ask);

// What the compositor of WAYLAND_DISPLAY offers, from its registry: one round trip on a
// connection of its own, before Qt connects. Nothing in a build without libwayland-client.
Compositor askCompositor();

// Calls `gone` when the connection to the Wayland compositor breaks (the session ended, the
// compositor crashed), on the thread that runs the application, just before Qt ends the process.
void whenCompositorGone(std::function<void()> gone);
