#pragma once

#include <QDialog>

// The About window: a borderless white card with the credits and a Close button, placed
// right under the main window. It is not modal; Close hides it and keeps it for next time.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr QPoint kTopLeft{0, 105};
    static constexpr QSize kSize{312, 118};

    explicit AboutWindow(QWidget *parent = nullptr);

    // Shows the window at its place, or brings it to the front when it is already shown.
    void showInFront();
};
