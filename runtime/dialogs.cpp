#include "dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxErrorReport::report(const QString &message)
{
    QMessageBox::warning(m_parent, QStringLiteral("Velmor Trip Counter"), message);
}
