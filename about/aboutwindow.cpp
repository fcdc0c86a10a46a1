#include "aboutwindow.h"

#include "assets/name.h"
#include "assets/palette.h"
#include "runtime/windowmanager.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *addLabel(QWidget *frame, const QString &name, int top, const QString &text)
{
    auto *label = new QLabel(text, frame);
    label->setObjectName(name);
    label->setGeometry(8, top, 273, 17);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setPalette(purpleOnWhite(label->palette()));
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    const QString title = tr("About %1").arg(programName());
    setWindowTitle(title);
    setAutoFillBackground(true);
    setPalette(purpleOnWhite(palette()));
    setFixedSize(kSize);
    setModal(false);
    keepOutOfTaskbar(this);

    auto *frame = new QGroupBox(title, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 8, 289, 105);
    addLabel(frame, QStringLiteral("Label1"), 24, tr("Created by the Velmor project"));
    addLabel(frame, QStringLiteral("Label2"), 40,
             tr("e-mail: %1").arg(QStringLiteral("velmor-counter@example.org")));
    addLabel(frame, QStringLiteral("Label3"), 56, tr("Version %1").arg(QStringLiteral("4.0")));

    auto *close = new QPushButton(tr("Close"), frame);
    close->setObjectName(QStringLiteral("Command1"));
    close->setGeometry(104, 72, 97, 17);
    close->setDefault(true); // Enter, like Escape, closes the window from the keyboard
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

QPoint AboutWindow::placeUnder(const QRect &mainFrame)
{
    if (mainFrame.bottom() < kTopLeft.y())
        return kTopLeft;
    return {0, mainFrame.bottom() + 1};
}

void AboutWindow::showInFront(QPoint topLeft)
{
    placeExactly(this, topLeft);
    show();
    raise();
    activateWindow();
}
