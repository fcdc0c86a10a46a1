// The floor: the least a Qt Widgets program of the counter's shape can cost. A main window
// with the same three-entry menu bar, a 600 x 61 picture, and four labels refreshed from a
// plain 1000 ms QTimer. The benchmark measures the counter against it.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTime>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window(nullptr, Qt::Tool);
    window.setWindowTitle(QStringLiteral("Floor"));
    for (const char *caption : {"Close", "Setup Date", "About"})
        window.menuBar()->addAction(QString::fromLatin1(caption));

    QPixmap picture(600, 61);
    picture.fill(QColor(240, 220, 245));
    auto *banner = new QLabel;
    banner->setPixmap(picture);
    banner->setFixedSize(542, 61);
    banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.setCentralWidget(banner);

    QList<QLabel *> labels;
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(banner);
        label->setGeometry(216 + 72 * i, 9, 41, 20);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        labels.append(label);
    }
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const QTime now = QTime::currentTime();
        labels[0]->setText(QString::number(now.msecsSinceStartOfDay() / 86400000));
        labels[1]->setText(QString::number(now.hour()));
        labels[2]->setText(QString::number(now.minute()));
        labels[3]->setText(QString::number(now.second()));
    });
    timer.start(1000);

    window.move(3, 22);
    window.show();
    return QApplication::exec();
}
