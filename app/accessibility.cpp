#include "accessibility.h"

#include "app/banner.h"
#include "app/mainwindow.h"

#include <QAccessibleWidget>

namespace {

// A widget whose text of one kind a function of its own gives: the window's description, the
// banner's name, a figure's name.
template <typename Widget, QAccessible::Text kKind>
class AccessibleText final : public QAccessibleWidget
{
public:
    AccessibleText(Widget *widget, QAccessible::Role role, QString (Widget::*text)() const)
        : QAccessibleWidget(widget, role), m_text(text)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == kKind)
            return (static_cast<const Widget *>(widget())->*m_text)();
        return QAccessibleWidget::text(kind);
    }

private:
    QString (Widget::*m_text)() const;
};

QAccessibleInterface *accessibleInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("MainWindow"))
        return new AccessibleText<MainWindow, QAccessible::Description>(
            static_cast<MainWindow *>(object), QAccessible::Window, &MainWindow::summary);
    if (className == QLatin1String("Banner"))
        return new AccessibleText<Banner, QAccessible::Name>(
            static_cast<Banner *>(object), QAccessible::Grouping, &Banner::summary);
    if (className == QLatin1String("FigureLabel"))
        return new AccessibleText<FigureLabel, QAccessible::Name>(
            static_cast<FigureLabel *>(object), QAccessible::StaticText, &FigureLabel::spoken);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
