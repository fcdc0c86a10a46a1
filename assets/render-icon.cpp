// Renders the program's SVG icon to a PNG of the given size, for the icon theme's fixed sizes.
// usage: render-icon SOURCE.svg SIZE OUTPUT.png

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
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    QSvgRenderer svg(args.value(1));
    if (!sizeOk || size <= 0 || !svg.isValid()) {
        std::fputs("usage: render-icon SOURCE.svg SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(args[3]) ? 0 : 1;
}
