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
// display, else a plain Wayland window. `offersLayerShell` is asked only where it decides, and
// only in a build with LayerShellQt.
WindowSystem chooseWindowSystem(const Session &session,
                                const std::function<bool()> &offersLayerShell);

// Whether the compositor of WAYLAND_DISPLAY offers the layer shell, from its registry: one
// round trip on a connection of its own, before Qt connects.
bool compositorOffersLayerShell();
