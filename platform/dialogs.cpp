#include "dialogs.h"

#include "identity/name.h"
#include "platform/windowmanager.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleOptionButton>

void MessageBoxErrorReport::report(const QString &message)
{
    QMessageBox box(QMessageBox::Warning, programName(), message, QMessageBox::Ok, m_parent);
    // The box of buttons hands the focus on to its first button, and so tells a screen reader it
    // has the focus too: one started while the message is open would land on it, an unnamed
    // panel, and never name OK.
    if (auto *buttons = box.findChild<QDialogButtonBox *>())
        buttons->setFocusProxy(nullptr);
    box.exec();
}

namespace {

// Wide enough for the first phrase of an English message, so that the blanks after it carry
// the example onto a line of its own, as in a classic input box.
constexpr int kMessageWidth = 240;

// The message's first phrase: the text before its run of blanks or its line end.
QString firstPhrase(const QString &message)
{
    static const QRegularExpression end(QStringLiteral("  |\n"));
    return message.section(end, 0, 0);
}

// The answer on one line, as the field shows it: a line end pasted with a date is no part of
// it, and one inside it parts two words.
QString oneLine(const QString &text)
{
    static const QRegularExpression ends(QStringLiteral("^[\r\n]+|[\r\n]+$"));
    static const QRegularExpression inside(QStringLiteral("[\r\n]+"));
    return QString(text).remove(ends).replace(inside, QStringLiteral(" "));
}

} // namespace

std::optional<QString> DialogPrompt::ask(const QString &message, const QString &title,
                                         const QString &text)
{
    // A fixed size, and neither minimise nor maximise, as the platform's input box has.
    QInputDialog dialog(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                      | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(title);
    dialog.setLabelText(message);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(text);
    QObject::connect(&dialog, &QInputDialog::textValueChanged, &dialog, [&](const QString &text) {
        if (const QString line = oneLine(text); line != text)
            dialog.setTextValue(line);
    });
    // A screen reader names the field by its message, without the run of blanks that only
    // breaks the line on screen.
    if (auto *field = dialog.findChild<QLineEdit *>()) {
        field->setAccessibleName(message.simplified());
        field->selectAll();
    }
    if (auto *label = dialog.findChild<QLabel *>()) {
        // A longer phrase (in German or French) widens the label rather than breaking.
        label->setWordWrap(true);
        label->setFixedWidth(std::max(
            kMessageWidth, label->fontMetrics().horizontalAdvance(firstPhrase(message)) + 1));
    }
    dialog.adjustSize(); // lays the dialog out, which makes its layout
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (m_parent)
        placeOver(&dialog, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.4 right-aligns such a text and then the painter turns its alignment round for the
// right-to-left direction, so that it lands against the left edge; this draws the label as later
// Qt does: icon and text centred together, the text to the left of the icon.
class RightToLeftButtons final : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButtonLabel || !button || button->direction != Qt::RightToLeft
            || button->icon.isNull() || button->text.isEmpty()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QIcon::Mode mode = !(button->state & State_Enabled) ? QIcon::Disabled
                                 : button->state & State_HasFocus ? QIcon::Active
                                                                  : QIcon::Normal;
        const QPixmap pixmap =
            button->icon.pixmap(button->iconSize, painter->device()->devicePixelRatio(), mode,
                                button->state & State_On ? QIcon::On : QIcon::Off);
        const QSize icon = pixmap.deviceIndependentSize().toSize();
        constexpr int kSpacing = 4; // as QPushButton's size hint counts it
        int flags = Qt::AlignVCenter | Qt::TextShowMnemonic;
        if (!proxy()->styleHint(SH_UnderlineShortcut, button, widget))
            flags |= Qt::TextHideMnemonic;
        QRect text = button->rect;
        const int width =
            icon.width() + kSpacing + button->fontMetrics.horizontalAdvance(button->text);
        const QRect iconPlace = visualRect(Qt::RightToLeft, text,
                                           QRect(text.x() + (text.width() - width) / 2,
                                                 text.y() + (text.height() - icon.height()) / 2,
                                                 icon.width(), icon.height()));
        painter->drawPixmap(iconPlace, pixmap);
        text.setRight(iconPlace.left() - kSpacing);
        // Against the icon, whatever the painter's direction would make of a plain alignment.
        proxy()->drawItemText(painter, text, flags | Qt::AlignRight | Qt::AlignAbsolute,
                              button->palette, button->state & State_Enabled, button->text,
                              QPalette::ButtonText);
    }
};
#endif

} // namespace

void mendDialogStyle()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QApplication::setStyle(new RightToLeftButtons);
#endif
}
