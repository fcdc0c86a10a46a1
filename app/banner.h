#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

// The banner picture, drawn from its SVG once for the screen's pixel ratio and again only
// when that ratio changes, so that it stays crisp on HiDPI screens and costs nothing per tick.
//
// For assistive technology the banner is the countdown as a whole, where the keyboard's focus
// rests: asked for its name, it tells the countdown in one sentence (app/accessibility.h).
class Banner : public QWidget
{
    Q_OBJECT

public:
    // `zoom` is the size the picture is drawn at, against its own: 1 but where the screen has
    // less room than that.
    explicit Banner(qreal zoom, QWidget *parent = nullptr);

    void setSummary(std::function<QString()> summary) { m_summary = std::move(summary); }
    QString summary() const { return m_summary ? m_summary() : QString(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_zoom;
    QPixmap m_picture;
    std::function<QString()> m_summary;
};

// One of the four figures over the banner: its number on screen, and to a screen reader its
// number with its unit ("15 hours"), made only when asked, so that the ticking costs nothing
// more. The unit says the figure in words ("%n hour(s)").
class FigureLabel : public QLabel
{
    Q_OBJECT

public:
    FigureLabel(const QFont &font, std::function<QString(int)> inWords, QWidget *parent);

    // Shows the figure, in a smaller font where it is too wide for the label, such as a six-digit
    // day count, rather than clipped.
    void showFigure(int figure);
    // The figure in words, as a screen reader says it; empty before there is one.
    QString spoken() const;

private:
    QFont m_font;
    std::function<QString(int)> m_inWords;
    std::optional<int> m_figure;
};
