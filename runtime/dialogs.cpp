#include "dialogs.h"

#include "assets/name.h"
#include "runtime/windowmanager.h"

#include <QInputDialog>
#include <QLabel>
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

} // namespace

std::optional<QString> DialogPrompt::ask(const QString &message, const QString &title)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(message);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto *label = dialog.findChild<QLabel *>()) {
        // A longer phrase (in German or French) widens the label rather than breaking.
        label->setWordWrap(true);
        label->setFixedWidth(std::max(
            kMessageWidth, label->fontMetrics().horizontalAdvance(firstPhrase(message)) + 1));
    }
    if (m_parent)
        placeOver(&dialog, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
