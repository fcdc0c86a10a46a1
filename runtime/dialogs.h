#pragma once

#include "runtime/errorreport.h"

#include <QPointer>
#include <QWidget>

// The error report as a warning message box over the given window.
class MessageBoxErrorReport final : public ErrorReport
{
public:
    explicit MessageBoxErrorReport(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void report(const QString &message) override;

private:
    QPointer<QWidget> m_parent;
};
