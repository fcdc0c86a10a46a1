#include "layershell.h"

#include <LayerShellQt/Window>

#include <QApplication>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

bool chosen = false;

// True while a layer surface is made anew (see remake()): the hide and the show that do it are
// no one's leaving or coming.
bool remaking = false;

bool isLayerSurface(const QWidget *window) { return window->property("velmorLayer").toBool(); }

// Makes the window's surface anew, shown where it was. The compositors give an on-demand layer
// surface on the top layer the keyboard as they map it (labwc and KWin; sway only where no other
// window would take it back), and none of them gives it later without a click: sway and labwc
// hand it back to the window that had it as soon as a surface that asked for it exclusively asks
// on demand again, and KWin does not answer the ask at all. A new surface is the one way the keys
// come back by the keyboard alone.
void remake(QWidget *window)
{
    remaking = true;
    window->hide();
    window->show();
    remaking = false;
}

// Gives the keyboard, once the event at hand has been handled, to the layer surface that asked
// for it, or else to the one shown last (About while it is open, else the strip), unless one of
// the counter's other windows (the prompt, a message box) has it, as the compositor gave it.
// Asks made in one go are one.
class KeyboardKeeper final : public QObject
{
public:
    static KeyboardKeeper *instance()
    {
        static KeyboardKeeper *keeper = [] {
            auto *made = new KeyboardKeeper(qApp);
            qApp->installEventFilter(made);
            return made;
        }();
        return keeper;
    }

    void ask(QWidget *window)
    {
        if (window)
            m_asked = window;
        if (!m_scheduled)
            QTimer::singleShot(0, this, &KeyboardKeeper::handOver);
        m_scheduled = true;
    }

protected:
    // Another of the counter's windows gone, the keys come back.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (remaking || !watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow())
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && isLayerSurface(window))
            m_last = window;
        if (event->type() == QEvent::Hide && window->windowType() != Qt::Popup
            && window->windowType() != Qt::ToolTip)
            ask(nullptr);
        return false;
    }

private:
    using QObject::QObject;

    void handOver()
    {
        m_scheduled = false;
        const QPointer<QWidget> asked = std::exchange(m_asked, nullptr);
        QWidget *to = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window->windowType() == Qt::Popup
                || window->windowType() == Qt::ToolTip)
                continue;
            if (!isLayerSurface(window))
                return; // a dialog of the counter's has the keyboard, as the compositor gave it
            if (!to || window == m_last)
                to = window;
        }
        if (asked && asked->isVisible())
            to = asked;
        // As the compositor has it: Qt counts a tool window active whenever no other is.
        if (to && to->windowHandle() != QGuiApplication::focusWindow())
            remake(to);
    }

    QPointer<QWidget> m_last;  // the layer surface shown last
    QPointer<QWidget> m_asked; // the one that asked for the keys
    bool m_scheduled = false;
};

// The layer shell's role for one window, given to each native window Qt makes for it: Qt makes a
// new one each time it shows the window after hiding it, with the default role of an ordinary
// window, and LayerShellQt gives its role only to the native window it was first asked about.
//
// The compositor takes a layer surface away with its output: the surfaces are made anew as an
// output goes, on one that is left, or, where none is, as the next one comes.
class LayerRole final : public QObject
{
public:
    LayerRole(QWidget *window, QPoint topLeft) : QObject(window), m_window(window), m_place(topLeft)
    {
        window->setProperty("velmorLayer", true);
        roles().append(this);
        static const bool watching = [] {
            QObject::connect(
                qApp, &QGuiApplication::screenRemoved, qApp, [] { followOutputs(false); },
                Qt::QueuedConnection);
            QObject::connect(
                qApp, &QGuiApplication::screenAdded, qApp, [] { followOutputs(true); },
                Qt::QueuedConnection);
            return true;
        }();
        Q_UNUSED(watching);
        KeyboardKeeper::instance();
    }

    ~LayerRole() override { roles().removeOne(this); }

    static LayerRole *of(const QWidget *window)
    {
        const QList<LayerRole *> &all = roles();
        const auto found = std::find_if(all.begin(), all.end(), [window](const LayerRole *role) {
            return role->m_window == window;
        });
        return found == all.end() ? nullptr : *found;
    }

    void place(QPoint topLeft)
    {
        m_place = topLeft;
        if (!m_window->windowHandle())
            m_window->winId(); // Qt's native window, whose role the layer shell then gives
        QWindow *handle = m_window->windowHandle();
        if (handle != m_handle) {
            m_handle = handle;
            handle->installEventFilter(this);
        }
        if (!handle->handle())
            handle->create(); // gives the role, as it tells of the new surface
        else
            giveRole();
        m_window->setGeometry(QRect(topLeft, m_window->size()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_handle || event->type() != QEvent::PlatformSurface)
            return false;
        if (static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
            == QPlatformSurfaceEvent::SurfaceCreated)
            giveRole();
        else
            m_hasRole = false;
        return false;
    }

private:
    static QList<LayerRole *> &roles()
    {
        static QList<LayerRole *> all;
        return all;
    }

    void giveRole()
    {
        if (!m_hasRole) {
            delete m_layer; // made for a native window that is no more
            m_layer = LayerShellQt::Window::get(m_handle);
            m_hasRole = true;
        }
        m_layer->setScope(QStringLiteral("velmor-counter"));
        m_layer->setLayer(LayerShellQt::Window::LayerTop);
        m_layer->setAnchors({LayerShellQt::Window::AnchorTop, LayerShellQt::Window::AnchorLeft});
        // Out of the way of panels, as an X11 window manager keeps windows off them.
        m_layer->setExclusiveZone(0);
        m_layer->setMargins(QMargins(m_place.x(), m_place.y(), 0, 0));
        m_layer->setKeyboardInteractivity(LayerShellQt::Window::KeyboardInteractivityOnDemand);
        // Taken away with its output, the surface is made anew (followOutputs()), not the window
        // closed.
        m_layer->setCloseOnDismissed(false);
        // The strip goes on the output the compositor names, the user's, as it is first shown,
        // and stays there, or on the one Qt moves it to when its output goes; About goes where
        // the strip is.
        const QWidget *parent = m_window->parentWidget();
        if (parent && parent->window()->windowHandle())
            m_handle->setScreen(parent->window()->windowHandle()->screen());
        m_layer->setScreenConfiguration(m_shown || parent
                                            ? LayerShellQt::Window::ScreenFromQWindow
                                            : LayerShellQt::Window::ScreenFromCompositor);
        m_shown = true;
        m_waiting = false;
    }

    // Whether an output is left: Qt keeps a placeholder screen, with no name, when none is.
    static bool anOutput()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        return std::any_of(screens.begin(), screens.end(),
                           [](const QScreen *screen) { return !screen->name().isEmpty(); });
    }

    // As an output goes, the shown surfaces are made anew, on the outputs that are left (which
    // puts those that were on it on another), or, where none is, as the next one comes.
    static void followOutputs(bool added)
    {
        const bool left = anOutput();
        for (LayerRole *role : QList(roles())) {
            if (!role->m_window->isVisible() || (added && !role->m_waiting))
                continue;
            if (left)
                remake(role->m_window);
            else
                role->m_waiting = true;
        }
    }

    QWidget *m_window;
    QPoint m_place;
    QPointer<QWindow> m_handle;
    bool m_hasRole = false; // Qt's native window of the moment has the layer shell's role
    QPointer<LayerShellQt::Window> m_layer;
    bool m_shown = false;
    bool m_waiting = false; // taken away with the last output, for the next one to come
};

} // namespace

void useLayerShell()
{
    chosen = true;
    // The About window's native window, made before it is shown, would otherwise make every
    // widget of the main window beside it a native window too: surfaces of their own.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
}

// Only on Wayland: Qt may have taken another platform after all (the user's -platform).
bool onLayerShell() { return chosen && QGuiApplication::platformName().startsWith(u"wayland"); }

void placeOnLayer(QWidget *window, QPoint topLeft)
{
    LayerRole *role = LayerRole::of(window);
    if (!role)
        role = new LayerRole(window, topLeft);
    role->place(topLeft);
}

void giveKeyboard(QWidget *window)
{
    if (!remaking && isLayerSurface(window))
        KeyboardKeeper::instance()->ask(window);
}
