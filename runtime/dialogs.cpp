#include "dialogs.h"

#include "assets/name.h"
#include "runtime/windowmanager.h"

#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

void MessageBoxErrorReport::report(const QString &message)
{
    QMessageBox::warning(m_parent, programName(), message);
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

std::optional<QString> DialogPrompt::ask(const QString &message, const QString &title)
{
    // A fixed size, and neither minimise nor maximise, as the platform's input box has.
    QInputDialog dialog(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                      | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(title);
    dialog.setLabelText(message);
    dialog.setInputMode(QInputDialog::TextInput);
    QObject::connect(&dialog, &QInputDialog::textValueChanged, &dialog, [&](const QString &text) {
        if (const QString line = oneLine(text); line != text)
            dialog.setTextValue(line);
    });
    // A screen reader names the field by its message, without the run of blanks that only
    // breaks the line on screen.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setAccessibleName(message.simplified());
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
