#pragma once

#include <QRect>

class QWidget;

// What the program asks of the window manager. These speak X11, where a window can choose
// its place; on other platforms they do nothing.

// Leaves the window out of the taskbar and the pager, as a utility window is on every window
// manager, also on those that do not infer it from the window's type. Call before the window
// is first shown.
void keepOutOfTaskbar(QWidget *window);

// Where a shown window and its frame really are on the screen, as the X server has them. Qt's
// own idea can lag behind a window manager that moved the window, or refused a move the
// program asked for; off X11, Qt's own idea.
struct WindowPlace
{
    QRect clientArea;
    QMargins frameMargins;
    QRect frame() const { return clientArea.marginsAdded(frameMargins); }
};
WindowPlace placeOnScreen(const QWidget *window);

// Places a dialog that is about to be shown over `window`, centred on it, with its whole
// frame, title bar included, on the screen. The dialog's frame is not known before it is
// shown; the window's own, from the same window manager, stands in for it.
void placeOver(QWidget *dialog, const QWidget *window);
