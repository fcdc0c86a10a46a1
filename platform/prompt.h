#pragma once

#include <QString>

#include <optional>

// Asks the user for one line of text in a modal dialog that starts empty.
class Prompt
{
public:
    virtual ~Prompt() = default;
    // The text as typed, or no value when the user cancels or closes the dialog.
    virtual std::optional<QString> ask(const QString &message, const QString &title) = 0;
};
