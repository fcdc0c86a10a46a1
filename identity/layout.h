#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

// The counter's fixed layout, as it has always been drawn, in pixels at 96 dots per inch: where
// its windows go on the screen and where each of their parts lies. The windows' elements are
// found by their object names (Form1, lblDays, Image1, Form2, Command1, ...).
namespace Layout {

// The main window: the area under its menu bar, which the banner fills, at a fixed place.
inline constexpr QPoint kClientTopLeft{3, 41};
inline constexpr QSize kClientSize{542, 61};
// The banner's picture, wider than the area: its right end, a decorative line, is cut off.
inline constexpr QSize kPictureSize{600, 61};
// The four figures, one over each of the banner's slots: days, hours, minutes, seconds.
inline constexpr QRect figure(int index) { return {216 + 72 * index, 9, 41, 20}; }
// Their type: bold Arial at 11.25 points, 15 pixels high at 96 dots per inch.
inline constexpr qreal kFigurePointSize = 11.25;

// The About window, right under the main window's frame as the platform draws it.
inline constexpr QPoint kAboutTopLeft{0, 105};
inline constexpr QSize kAboutSize{312, 118};
// Its titled frame, and within the frame the three credit lines and the Close button.
inline constexpr QRect kAboutFrame{8, 8, 289, 105};
inline constexpr QRect creditLine(int index) { return {8, 24 + 16 * index, 273, 17}; }
inline constexpr QRect kAboutClose{104, 72, 97, 17};

// A rectangle of the layout larger or smaller by one factor, as the windows show it where the
// font or the screen calls for that.
inline QRect scaled(const QRect &drawn, qreal by)
{
    return {qRound(drawn.x() * by), qRound(drawn.y() * by), qRound(drawn.width() * by),
            qRound(drawn.height() * by)};
}

} // namespace Layout
