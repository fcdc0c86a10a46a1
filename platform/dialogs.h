#pragma once

#include "services/errorreport.h"
#include "services/prompt.h"

#include <QPointer>
#include <QWidget>

// The error report as a warning message box over the given window.
class MessageBoxErrorReport final : public ErrorReport
{
public:
    void showOver(QWidget *window) { m_parent = window; }
    void report(const QString &message) override;

private:
    QPointer<QWidget> m_parent;
};

// The prompt as an input dialog over the given window, placed where the platform puts
// such dialogs.
class DialogPrompt final : public Prompt
{
public:
    void showOver(QWidget *window) { m_parent = window; }
    std::optional<QString> ask(const QString &message, const QString &title,
                               const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};

// The application's style, with what Qt 6.4 draws amiss in the dialogs mended: in a language
// written from right to left, a button's text beside its icon lay against the button's far
// edge, cut. Later Qt draws it right, and gets its own style.
void mendDialogStyle();
