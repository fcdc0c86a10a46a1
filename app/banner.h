#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// The banner picture, drawn from its SVG once for the screen's pixel ratio and again only
// when that ratio changes, so that it stays crisp on HiDPI screens and costs nothing per tick.
//
// For assistive technology the banner is the countdown as a whole: asked for its
// description, it tells the countdown in one sentence. The sentence is made only when asked,
// so the ticking itself announces nothing.
class Banner : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kPictureSize{600, 61};

    explicit Banner(QWidget *parent = nullptr);

    void setSummary(std::function<QString()> summary) { m_summary = std::move(summary); }
    QString summary() const { return m_summary ? m_summary() : QString(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    std::function<QString()> m_summary;
};
