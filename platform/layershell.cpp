#include "layershell.h"

#include <LayerShellQt/Window>

#include <QApplication>
#include <QByteArrayList>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

bool chosen = false;

LayerShellQt::Window *layerOf(const QWidget *window)
{
    QWindow *handle = window->windowHandle();
    return handle ? LayerShellQt::Window::get(handle) : nullptr;
}

bool isLayerSurface(const QWidget *window) { return window->property("velmorLayer").toBool(); }

// Sends the surface's new state to the compositor: a layer surface's state takes effect with the
// surface's next commit, which a repaint makes.
void commit(QWidget *window) { window->update(); }

// Gives the keyboard to a layer surface as it is shown, and back to the strip (or the About
// window, while it is open) as soon as one of the counter's other windows goes, unless another
// dialog of the counter's has come instead (the prompt asking again).
class KeyboardKeeper final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow())
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && isLayerSurface(window))
            m_last = window;
        if ((event->type() == QEvent::Show && isLayerSurface(window))
            || event->type() == QEvent::Hide)
            QTimer::singleShot(0, this, &KeyboardKeeper::handBack);
        return false;
    }

private:
    void handBack()
    {
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
        if (to && !to->isActiveWindow())
            giveKeyboard(to);
    }

    QPointer<QWidget> m_last; // the layer surface shown last
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
    window->setProperty("velmorLayer", true);
    if (!window->windowHandle()) {
        window->winId(); // Qt's native window, whose role the layer shell then gives
        static KeyboardKeeper *keeper = [] {
            auto *made = new KeyboardKeeper(qApp);
            qApp->installEventFilter(made);
            return made;
        }();
        Q_UNUSED(keeper);
    }
    LayerShellQt::Window *layer = layerOf(window);
    layer->setScope(QStringLiteral("velmor-counter"));
    layer->setLayer(LayerShellQt::Window::LayerTop);
    layer->setAnchors({LayerShellQt::Window::AnchorTop, LayerShellQt::Window::AnchorLeft});
    // Out of the way of panels, as an X11 window manager keeps windows off them.
    layer->setExclusiveZone(0);
    layer->setMargins(QMargins(topLeft.x(), topLeft.y(), 0, 0));
    layer->setKeyboardInteractivity(LayerShellQt::Window::KeyboardInteractivityOnDemand);
    window->setGeometry(QRect(topLeft, window->size()));
}

void giveKeyboard(QWidget *window)
{
    // labwc gives a layer surface the keyboard as it maps, and takes it away as soon as the
    // surface asks for it on demand again: there, asking would lose it.
    static const bool asking = !qgetenv("XDG_CURRENT_DESKTOP").split(':').contains("labwc");
    LayerShellQt::Window *layer = layerOf(window);
    if (!asking || !layer || !window->isVisible() || window->isActiveWindow())
        return;
    layer->setKeyboardInteractivity(LayerShellQt::Window::KeyboardInteractivityExclusive);
    commit(window);
    QWindow *handle = window->windowHandle();
    auto *once = new QObject(handle);
    QObject::connect(handle, &QWindow::activeChanged, once, [handle, layer, window, once] {
        if (!handle->isActive())
            return;
        layer->setKeyboardInteractivity(LayerShellQt::Window::KeyboardInteractivityOnDemand);
        commit(window);
        delete once;
    });
}
