#include "windowmanager.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// A shown window's X11 id, through its QWindow, or 0 while it has none: QWidget::winId() would
// make the widgets beside a window that has a parent native windows of their own, and
// QWindow::winId() would make the native window before QWidget has set it up.
xcb_window_t nativeWindow(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle && handle->handle() ? xcb_window_t(handle->winId()) : 0;
}

// Out of the taskbar and the pager from the start: set on the window as soon as it exists and
// before it is mapped, where the window manager reads it; Qt keeps what it finds there when it
// adds states of its own.
void skipTaskbar(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window,
                        atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

// Waits for the window's native window to be made, as it is shown, before it is mapped.
class TaskbarSkipper final : public QObject
{
public:
    explicit TaskbarSkipper(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::WinIdChange && nativeWindow(window)) {
            if (xcb_connection_t *connection = x11Connection())
                skipTaskbar(connection, nativeWindow(window));
            deleteLater();
        }
        return false;
    }
};

// Asks the window manager for something about the window, as EWMH's client messages do.
void askWindowManager(xcb_connection_t *connection, xcb_window_t window, const char *message,
                      std::array<uint32_t, 5> data)
{
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(connection, message);
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection, 0, rootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

// Whether the window manager says it understands the message or state (_NET_SUPPORTED).
bool supported(xcb_connection_t *connection, const char *name)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, rootWindow(connection), atom(connection, "_NET_SUPPORTED"),
                         XCB_ATOM_ATOM, 0, 1024),
        nullptr);
    bool found = false;
    if (reply && reply->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        found = std::find(atoms, atoms + count, atom(connection, name)) != atoms + count;
    }
    std::free(reply);
    return found;
}

constexpr uint32_t kSourceApplication = 1; // EWMH: the request comes from the program itself

// Asks once more for the window's place if the window manager moved it as it mapped it; see
// placeExactly.
class PlaceKeeper final : public QObject
{
public:
    PlaceKeeper(QWidget *window, QPoint place) : QObject(window), m_window(window), m_place(place)
    {
        setObjectName(QStringLiteral("PlaceKeeper"));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show)
            m_shown.start();
        if (event->type() != QEvent::Move || !m_shown.isValid())
            return false;
        // The window manager moves a window as it maps it, some before it is first drawn and
        // some (i3) just after; a move a while later is the user's own.
        if (m_shown.elapsed() > kWhileMapping) {
            deleteLater();
        } else if (m_window->geometry().topLeft() != m_place) {
            askAgain();
            deleteLater();
        }
        return false;
    }

private:
    void askAgain()
    {
        xcb_connection_t *connection = x11Connection();
        if (!connection || !supported(connection, "_NET_MOVERESIZE_WINDOW")) {
            m_window->setGeometry(QRect(m_place, m_window->size()));
            return;
        }
        constexpr uint32_t kStaticGravity = 10, kX = 1 << 8, kY = 1 << 9;
        const qreal ratio = m_window->devicePixelRatioF(); // X speaks in device pixels
        askWindowManager(connection, nativeWindow(m_window), "_NET_MOVERESIZE_WINDOW",
                         {kStaticGravity | kX | kY | kSourceApplication << 12,
                          uint32_t(qRound(m_place.x() * ratio)), uint32_t(qRound(m_place.y() * ratio)),
                          0, 0});
    }

    static constexpr qint64 kWhileMapping = 1000; // milliseconds
    QWidget *m_window;
    QPoint m_place;
    QElapsedTimer m_shown;
};

} // namespace

void keepOutOfTaskbar(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    if (const xcb_window_t made = nativeWindow(window))
        skipTaskbar(connection, made);
    else
        new TaskbarSkipper(window);
}

void showInTaskbar(QWidget *window, bool shown)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    constexpr uint32_t kRemove = 0, kAdd = 1;
    askWindowManager(connection, nativeWindow(window), "_NET_WM_STATE",
                     {shown ? kRemove : kAdd, atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                      atom(connection, "_NET_WM_STATE_SKIP_PAGER"), kSourceApplication, 0});
}

void placeExactly(QWidget *window, QPoint topLeft)
{
    delete window->findChild<QObject *>(QStringLiteral("PlaceKeeper"), Qt::FindDirectChildrenOnly);
    window->setGeometry(QRect(topLeft, window->size())); // the client area's place, not the frame's
    new PlaceKeeper(window, topLeft);
}

WindowPlace placeOnScreen(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    WindowPlace place{window->geometry(), handle ? handle->frameMargins() : QMargins()};
    xcb_connection_t *connection = x11Connection();
    if (!connection || !handle)
        return place;
    const auto id = xcb_window_t(handle->winId());
    xcb_translate_coordinates_reply_t *origin = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, rootWindow(connection), 0, 0),
        nullptr);
    xcb_get_property_reply_t *extents = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, id, atom(connection, "_NET_FRAME_EXTENTS"),
                         XCB_ATOM_CARDINAL, 0, 4),
        nullptr);
    const qreal ratio = window->devicePixelRatioF(); // X speaks in device pixels
    if (origin)
        place.clientArea.moveTopLeft(QPoint(origin->dst_x, origin->dst_y) / ratio);
    place.frameMargins = {};
    if (extents && extents->format == 32 && xcb_get_property_value_length(extents) == 16) {
        const auto *margin = static_cast<const uint32_t *>(xcb_get_property_value(extents));
        place.frameMargins = QMargins(int(margin[0] / ratio), int(margin[2] / ratio),
                                      int(margin[1] / ratio), int(margin[3] / ratio));
    }
    std::free(origin);
    std::free(extents);
    return place;
}

void placeOver(QWidget *dialog, const QWidget *window)
{
    const WindowPlace over = placeOnScreen(window->window());
    const QMargins frame = over.frameMargins; // the dialog's, as near as can be known
    dialog->adjustSize();
    QRect place(QPoint(), dialog->size().grownBy(frame));
    place.moveCenter(over.frame().center());
    const QRect screen = window->screen()->availableGeometry();
    place.moveLeft(std::clamp(place.left(), screen.left(),
                              std::max(screen.left(), screen.right() - place.width() + 1)));
    place.moveTop(std::clamp(place.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() - place.height() + 1)));
    dialog->setGeometry(place.marginsRemoved(frame));
}
