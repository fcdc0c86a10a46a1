#pragma once

#include <QPixmap>
#include <QWidget>

// The banner picture, drawn from its SVG once for the screen's pixel ratio and again only
// when that ratio changes, so that it stays crisp on HiDPI screens and costs nothing per tick.
class Banner : public QWidget
{
public:
    static constexpr QSize kPictureSize{600, 61};

    explicit Banner(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
