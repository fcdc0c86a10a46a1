#pragma once

#include <QPoint>

class QWidget;

// The counter's windows as layer surfaces, where the compositor offers the layer shell: the
// strip and the About window anchored at the top-left corner on the top layer, above maximised
// windows and out of the task list; the prompt and the message boxes stay ordinary windows.
// A layer surface takes the keyboard when it is shown, and the strip takes it back whenever one
// of the counter's other windows goes: sway and labwc would leave it with the window that had it
// before.
//
// In a build without LayerShellQt (Debian 12, whose LayerShellQt is for Qt 5) these do nothing.

#if VELMOR_LAYER_SHELL

// Says, once before the application exists, that the counter's windows are layer surfaces.
void useLayerShell();
bool onLayerShell();

// Makes the window a layer surface whose top-left corner is at `topLeft`: before it is first
// shown, where Qt has made its native window but not yet its role. Later calls move it.
void placeOnLayer(QWidget *window, QPoint topLeft);

// Gives the keyboard to a shown layer surface: exclusively until it has it, which the compositor
// cannot refuse, then on demand again, so that a click elsewhere takes it away.
void giveKeyboard(QWidget *window);

#else

inline void useLayerShell() {}
inline bool onLayerShell() { return false; }
inline void placeOnLayer(QWidget *, QPoint) {}
inline void giveKeyboard(QWidget *) {}

#endif
