#include "aboutwindow.h"

#include "identity/layout.h"
#include "identity/name.h"
#include "identity/palette.h"
#include "platform/windowmanager.h"

#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Lays its widgets out at the places and sizes the window was drawn with, and, where a text
// needs more room than that (a larger font, a long translation), all of it larger by one
// factor, so that every text shows whole and the card keeps its look. Qt's own layouts
// would place the widgets by their size hints and spacing, which at the default font cannot
// give the drawn places: the credit lines stand 16 pixels apart and are 17 high.
class DrawnLayout final : public QLayout
{
public:
    DrawnLayout(QSize drawn, QWidget *parent) : QLayout(parent), m_drawn(drawn)
    {
        setContentsMargins(0, 0, 0, 0);
    }
    ~DrawnLayout() override
    {
        while (QLayoutItem *item = takeAt(0))
            delete item;
    }

    void addWidget(QWidget *widget, const QRect &drawn)
    {
        addChildWidget(widget);
        m_items.push_back({std::make_unique<QWidgetItem>(widget), drawn});
        invalidate();
    }

    void addItem(QLayoutItem *item) override
    {
        m_items.push_back({std::unique_ptr<QLayoutItem>(item), QRect()});
    }
    QLayoutItem *itemAt(int index) const override
    {
        return index >= 0 && index < count() ? m_items[size_t(index)].item.get() : nullptr;
    }
    QLayoutItem *takeAt(int index) override
    {
        if (index < 0 || index >= count())
            return nullptr;
        QLayoutItem *item = m_items[size_t(index)].item.release();
        m_items.erase(m_items.begin() + index);
        return item;
    }
    int count() const override { return int(m_items.size()); }

    // The whole widget's size is the drawn one, grown; the widget's own margins (a frame's
    // title) lie within it.
    QSize sizeHint() const override
    {
        const QMargins margins = parentWidget()->contentsMargins();
        return scaled(QRect(QPoint(), m_drawn)).size().shrunkBy(margins);
    }
    QSize minimumSize() const override { return sizeHint(); }

    void setGeometry(const QRect &rect) override
    {
        QLayout::setGeometry(rect);
        for (const Placed &placed : m_items)
            placed.item->setGeometry(scaled(placed.drawn));
    }

private:
    struct Placed
    {
        std::unique_ptr<QLayoutItem> item;
        QRect drawn; // in the widget's own coordinates
    };

    // The room a widget's text needs: its glyphs, whose height in a script such as Arabic is more
    // than the font's own, with a pixel or so of air above and below; a frame's title besides.
    static QSize roomFor(const QLayoutItem &item)
    {
        const QWidget *widget = item.widget();
        const auto *label = qobject_cast<const QLabel *>(widget);
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        if (!label && !button)
            return item.sizeHint().expandedTo(widget ? widget->minimumSizeHint() : QSize());
        const QString text = label ? label->text() : button->text();
        const QFontMetrics metrics = widget->fontMetrics();
        return QSize(metrics.horizontalAdvance(text) + (button ? 8 : 0),
                     std::max(metrics.height(), metrics.boundingRect(text).height())
                         + (button ? 3 : 2));
    }

    // How much larger than drawn everything is: as much as the most crowded text needs. The room
    // a widget has for its text ends where the next one below it begins: the credit lines stand
    // 16 pixels apart, a pixel less than their height.
    qreal factor() const
    {
        qreal factor = 1;
        for (const Placed &placed : m_items) {
            int room = placed.drawn.height();
            for (const Placed &other : m_items) {
                if (other.drawn.top() > placed.drawn.top()
                    && other.drawn.top() < placed.drawn.bottom()
                    && other.drawn.left() <= placed.drawn.right()
                    && other.drawn.right() >= placed.drawn.left())
                    room = std::min(room, other.drawn.top() - placed.drawn.top());
            }
            const QSize wanted = roomFor(*placed.item);
            factor = std::max({factor, qreal(wanted.width()) / placed.drawn.width(),
                               qreal(wanted.height()) / room});
        }
        return factor;
    }

    QRect scaled(const QRect &drawn) const { return Layout::scaled(drawn, factor()); }

    QSize m_drawn;
    std::vector<Placed> m_items;
};

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    const QString title = tr("About %1").arg(programName());
    setWindowTitle(title);
    setAutoFillBackground(true);
    setPalette(purpleOnWhite(palette()));
    setModal(false);
    keepOutOfTaskbar(this);

    auto *frame = new QGroupBox(title);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *card = new DrawnLayout(Layout::kAboutSize, this);
    card->addWidget(frame, Layout::kAboutFrame);
    card->setSizeConstraint(QLayout::SetFixedSize);

    auto *lines = new DrawnLayout(Layout::kAboutFrame.size(), frame);
    const QString texts[] = {tr("Created by the Velmor project"),
                             tr("e-mail: %1").arg(QStringLiteral("velmor-counter@example.org")),
                             tr("Version %1").arg(QStringLiteral("4.0"))};
    for (int n = 0; n < 3; ++n) {
        auto *label = new QLabel(texts[n]);
        label->setObjectName(QStringLiteral("Label%1").arg(n + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setPalette(purpleOnWhite(label->palette()));
        lines->addWidget(label, Layout::creditLine(n));
    }
    // A screen reader says the credits as the window opens.
    setAccessibleDescription(QStringList(std::begin(texts), std::end(texts)).join(u'\n'));

    auto *close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true); // Enter, like Escape, closes the window from the keyboard
    lines->addWidget(close, Layout::kAboutClose);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

QPoint AboutWindow::placeUnder(const QRect &mainFrame)
{
    if (mainFrame.bottom() < Layout::kAboutTopLeft.y())
        return Layout::kAboutTopLeft;
    return {0, mainFrame.bottom() + 1};
}

void AboutWindow::showInFront(QPoint topLeft)
{
    placeExactly(this, topLeft);
    show();
    raise();
    activateWindow();
}

void AboutWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous() && parentWidget())
        bringToFront(parentWidget()->window(), {});
}
