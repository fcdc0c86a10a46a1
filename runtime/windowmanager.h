#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

// What the program asks of the window manager. These speak X11, where a window can choose
// its place; on other platforms they do nothing, or give Qt's own idea.
//
// None of them asks Qt for a widget's native id: that would make every widget beside a window
// that has a parent a native window of its own.

// Leaves the window out of the taskbar and the pager, as a utility window is on every window
// manager, also on those that do not infer it from the window's type. Call before the window
// is first shown.
void keepOutOfTaskbar(QWidget *window);

// Puts a shown window into the taskbar and the pager, or takes it out again: a window that is
// minimised (where the window manager offers that whatever the window asks) needs a way back.
void showInTaskbar(QWidget *window, bool shown);

// Places the window's client area at `topLeft` before it is shown, and, if the window manager moves it as it
// maps it (to keep its title bar on the screen, or by a placement rule of its own), asks once
// more, exactly: where the window manager supports it, for the window's own top-left corner,
// whatever the frame around it (static gravity); elsewhere as the first time. Never again until
// the next call, so as not to fight a window manager that refuses, nor the user who moves the
// window later.
void placeExactly(QWidget *window, QPoint topLeft);

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
