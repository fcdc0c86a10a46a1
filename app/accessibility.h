#pragma once

#include <QWidget>

// The counter as a screen reader meets it, made once for the program before its first window:
// the banner, where the keyboard's focus rests, is the countdown, named by the whole sentence as
// it stands when asked, and says nothing more, so that the focus coming back tells the sentence
// once; each figure is its number with its unit ("15 hours"); each entry of the menu bar tells,
// beside its name, that it is in the menu bar, which of how many, and what it does (its status
// tip). Everything is made when asked, so that the ticking itself tells nothing.
void installAccessibleInterfaces();

// Tells an assistive technology a message once, as an alert (an accessible notification, which
// a screen reader says as it appears, wherever the keyboard is), where Qt has no announcements
// (before Qt 6.8): a widget of no size, which draws nothing, shown as the message comes.
class AccessibleAlert : public QWidget
{
    Q_OBJECT

public:
    explicit AccessibleAlert(QWidget *parent);

    // The message, and what a screen reader says after it (its description).
    void tell(const QString &message, const QString &details);
};
