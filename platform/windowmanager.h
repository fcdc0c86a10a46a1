#pragma once

#include <QByteArray>
#include <QMargins>
#include <QPoint>
#include <QRect>

#include <functional>

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

// Puts a shown window into the taskbar, the pager and the window switcher, or takes it out again:
// a window that is minimised (where the window manager offers that whatever the window asks)
// needs a way back. In them, it is a normal window, not a utility one.
void showInTaskbar(QWidget *window, bool shown);

// Brings the window to the front, restored and active with the keyboard's focus, as the user's
// own request that another start of the program was: with the time of the launcher's startup
// notification (`startupId`, DESKTOP_STARTUP_ID) where it has one, else as a pager asks.
void bringToFront(QWidget *window, const QByteArray &startupId);

// Shows the window and, once it is on the screen, brings it to the front as bringToFront() does:
// the user just started the program, maybe typing in a terminal a moment before, which would
// keep the window of Qt's own request behind where the window manager prevents stealing focus.
void showAndBringToFront(QWidget *window, const QByteArray &startupId);

// Calls `closeRequested` when the window manager asks to close the window while a modal dialog
// is open, which Qt does not pass on to the window.
void watchCloseRequests(QWidget *window, std::function<void()> closeRequested);

// Places the window's client area at `topLeft` before it is shown, and, if as the window
// manager maps it the window is not there (moved to keep its title bar on the screen, or by a
// placement rule of the window manager's own), or its frame would reach above or left of the
// screen, asks once more: for `topLeft`, or as much lower and further right as the frame needs
// to start on the screen. Where the window manager supports it, the request is for the window's
// own top-left corner, whatever the frame around it (static gravity); elsewhere as the first
// time. Never again until the next call, so as not to fight a window manager that refuses, nor
// the user who moves the window later.
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
