#include "banner.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QPixmap renderPicture(qreal pixelRatio)
{
    QSvgRenderer svg(QStringLiteral(":/banner.svg"));
    QPixmap picture((QSizeF(Banner::kPictureSize) * pixelRatio).toSize());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    svg.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}

} // namespace

Banner::Banner(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Banner::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF())
        m_picture = renderPicture(devicePixelRatioF());
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, m_picture); // the widget's own width crops the picture's right end
}
