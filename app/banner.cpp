#include "banner.h"

#include "identity/layout.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The banner's picture, with the captions under its four slots in the user's language.
QByteArray pictureInUsersLanguage()
{
    QFile file(QStringLiteral(":/banner.svg"));
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::pair<const char *, QString> captions[] = {{"Days", Banner::tr("Days")},
                                                         {"Hours", Banner::tr("Hours")},
                                                         {"Minutes", Banner::tr("Minutes")},
                                                         {"Seconds", Banner::tr("Seconds")}};
    for (const auto &[english, caption] : captions) {
        svg.replace(QByteArray(">") + english + "</text>",
                    '>' + caption.toHtmlEscaped().toUtf8() + "</text>");
    }
    return svg;
}

QPixmap renderPicture(qreal zoom, qreal pixelRatio)
{
    QSvgRenderer svg(pictureInUsersLanguage());
    QPixmap picture((QSizeF(Layout::kPictureSize) * zoom * pixelRatio).toSize());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    svg.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}

} // namespace

Banner::Banner(qreal zoom, QWidget *parent) : QWidget(parent), m_zoom(zoom)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The keyboard's focus rests here, where a screen reader finds the countdown.
    setFocusPolicy(Qt::StrongFocus);
}

void Banner::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF())
        m_picture = renderPicture(m_zoom, devicePixelRatioF());
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, m_picture); // the widget's own width crops the picture's right end
}

FigureLabel::FigureLabel(const QFont &font, std::function<QString(int)> inWords, QWidget *parent)
    : QLabel(parent), m_font(font), m_inWords(std::move(inWords))
{
    setAlignment(Qt::AlignCenter);
    setWordWrap(false);
    setFont(m_font);
    setAutoFillBackground(true);
}

void FigureLabel::showFigure(int figure)
{
    if (m_figure == figure)
        return;
    m_figure = figure;
    const QString number = QString::number(figure);
    QFont font = m_font;
    const int room = contentsRect().width();
    // A figure wider than its slot (ten thousand days and more) is set smaller, a tenth at a
    // time, down to a size still legible.
    constexpr qreal kStep = 0.9, kSmallestPointSize = 4;
    for (int width = QFontMetrics(font).horizontalAdvance(number);
         width > room && font.pointSizeF() > kSmallestPointSize;
         width = QFontMetrics(font).horizontalAdvance(number))
        font.setPointSizeF(font.pointSizeF() * kStep);
    if (this->font() != font)
        setFont(font);
    setText(number);
}

QString FigureLabel::spoken() const { return m_figure ? m_inWords(*m_figure) : QString(); }
