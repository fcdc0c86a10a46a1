#include "dialogs.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

void MessageBoxErrorReport::report(const QString &message)
{
    QMessageBox::warning(m_parent, QStringLiteral("Velmor Trip Counter"), message);
}

namespace {

// Wide enough for the first phrase of a message, so that the blanks after it carry the
// example onto a line of its own, as in a classic input box.
constexpr int kMessageWidth = 240;

} // namespace

std::optional<QString> DialogPrompt::ask(const QString &message, const QString &title)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(message);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto *label = dialog.findChild<QLabel *>()) {
        label->setWordWrap(true);
        label->setFixedWidth(kMessageWidth);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
