#include "accessibility.h"

#include "app/banner.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>

namespace {

// A widget whose name a function of its own gives: the banner's, a figure's.
template <typename Widget> class AccessibleName final : public QAccessibleWidget
{
public:
    AccessibleName(Widget *widget, QAccessible::Role role, QString (Widget::*name)() const)
        : QAccessibleWidget(widget, role), m_name(name)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return (static_cast<const Widget *>(widget())->*m_name)();
        return QAccessibleWidget::text(kind);
    }

private:
    QString (Widget::*m_name)() const;
};

// Qt's own interface for an entry of a menu bar is private to Qt and gives its name alone, and a
// screen reader (Orca) tells neither the role of a menu item nor, unless asked, its place: this
// one, for an entry of a menu bar, tells them as its description, with what the entry does,
// since Enter on the first one ends the counter.
class MenuBarEntry final : public QAccessibleInterface, public QAccessibleActionInterface
{
    Q_DECLARE_TR_FUNCTIONS(MenuBarEntry)

public:
    MenuBarEntry(QMenuBar *bar, QAction *action) : m_bar(bar), m_action(action) {}

    bool isValid() const override { return m_bar && m_action; }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return m_bar->window()->windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return QString(m_action->text()).remove(u'&');
        if (kind != QAccessible::Description)
            return {};
        const QList<QAction *> entries = m_bar->actions();
        //: What a screen reader says of an entry of the menu bar after its name: which of how
        //: many it is, and what it does (%3: "ends the counter", ...).
        return tr("Menu bar, %1 of %2: %3")
            .arg(entries.indexOf(m_action) + 1)
            .arg(entries.size())
            .arg(m_action->statusTip());
    }

    QRect rect() const override
    {
        const QRect place = m_bar->actionGeometry(m_action);
        return {m_bar->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = m_bar->activeAction() == m_action;
        state.invisible = !m_bar->isVisible() || !m_action->isVisible();
        state.disabled = !m_action->isEnabled();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QMenuBar> m_bar;
    QPointer<QAction> m_action;
};

QAccessibleInterface *accessibleInterface(const QString &className, QObject *object)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        if (auto *bar = qobject_cast<QMenuBar *>(action->parent()))
            return new MenuBarEntry(bar, action);
        return nullptr;
    }
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("Banner"))
        return new AccessibleName<Banner>(static_cast<Banner *>(object), QAccessible::Grouping,
                                          &Banner::summary);
    if (className == QLatin1String("FigureLabel"))
        return new AccessibleName<FigureLabel>(static_cast<FigureLabel *>(object),
                                               QAccessible::StaticText, &FigureLabel::spoken);
    if (className == QLatin1String("AccessibleAlert"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
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

AccessibleAlert::AccessibleAlert(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void AccessibleAlert::tell(const QString &message, const QString &details)
{
    setAccessibleName(message);
    setAccessibleDescription(details);
    // Shown, the alert is told; hidden and shown again, once more.
    hide();
    show();
}
