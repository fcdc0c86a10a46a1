#pragma once

#include <QColor>
#include <QPalette>

// The program's own colours: purple text on white, for the figures and the credits.
inline QPalette purpleOnWhite(QPalette palette)
{
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(128, 0, 128));
    return palette;
}
