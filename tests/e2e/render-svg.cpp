// Renders an SVG to a PNG of the given size as Qt draws it: the banner as the end-to-end
// test expects to see it on screen.
// usage: render-svg SOURCE.svg WIDTH HEIGHT OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const QSize size = args.size() == 5 ? QSize(args[2].toInt(), args[3].toInt()) : QSize();
    QSvgRenderer svg(args.value(1));
    if (size.isEmpty() || !svg.isValid()) {
        std::fputs("usage: render-svg SOURCE.svg WIDTH HEIGHT OUTPUT.png\n", stderr);
        return 2;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(args[4]) ? 0 : 1;
}
