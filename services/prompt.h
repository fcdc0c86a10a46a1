#pragma once

#include <QString>

#include <optional>

// Asks the user for one line of text in a modal dialog, whose field starts empty or with `text`
// selected, so that typing replaces it and a slip needs no more than its mending.
class Prompt
{
public:
    virtual ~Prompt() = default;
    // The text as typed, or no value when the user cancels or closes the dialog.
    virtual std::optional<QString> ask(const QString &message, const QString &title,
                                       const QString &text = {}) = 0;
};
