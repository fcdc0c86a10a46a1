#pragma once

#include <QPoint>

class QWidget;

// The counter's windows as layer surfaces, where the compositor offers the layer shell: the
// strip and the About window anchored at the top-left corner on the top layer, above maximised
// windows and out of the task list; the prompt and the message boxes stay ordinary windows.
// A layer surface takes the keyboard as it is mapped, and the strip (or About, while it is open)
// takes it back whenever one of the counter's other windows goes. The strip goes on the output
// the compositor names as the user's, and on another one when its output goes.
//
// In a build without LayerShellQt (Debian 12, whose LayerShellQt is for Qt 5) these do nothing.

#if VELMOR_LAYER_SHELL

// Says, once before the application exists, that the counter's windows are layer surfaces.
void useLayerShell();
bool onLayerShell();

// Makes the window a layer surface whose top-left corner is at `topLeft`, each time Qt makes it
// a native window: call before it is first shown. Later calls move it.
void placeOnLayer(QWidget *window, QPoint topLeft);

// Gives the keyboard to a layer surface.
void giveKeyboard(QWidget *window);

#else

inline void useLayerShell() {}
inline bool onLayerShell() { return false; }
inline void placeOnLayer(QWidget *, QPoint) {}
inline void giveKeyboard(QWidget *) {}

#endif
