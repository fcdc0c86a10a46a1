#pragma once

#include <QDialog>

// The About window: a borderless white card with the credits and a Close button, under the
// main window. It is not modal; Close hides it and keeps it for next time.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Where the window goes under a main window whose frame, border included, lies where the
    // window manager put it: at its own place (Layout::kAboutTopLeft) where that frame ends at
    // or above it, as it does under a frame like the one the program expects; directly under
    // the frame where the window manager put it lower, so that it never covers the countdown.
    static QPoint placeUnder(const QRect &mainFrame);

    // Shows the window at `topLeft`, or brings it to the front when it is already shown.
    void showInFront(QPoint topLeft);

protected:
    // Hidden, it hands the keyboard back to the main window, which some window managers
    // (openbox) leave to the program.
    void hideEvent(QHideEvent *event) override;
};
