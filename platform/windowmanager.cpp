#include "windowmanager.h"

#include "platform/layershell.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <optional>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

// The window manager is spoken to here by hand, over the X connection Qt opened: Qt says only
// what every window needs, its own table of EWMH atoms is private, and KWindowSystem, the
// library that says the rest, is built only for Qt 5 on Debian 12.

namespace {

// An event's type, without the bit that marks one another client sent (xcb_event.h's
// XCB_EVENT_RESPONSE_TYPE, from a library the counter does not otherwise need).
uint8_t eventType(const xcb_generic_event_t *event)
{
    constexpr uint8_t kSentByAnotherClient = 0x80;
    return event->response_type & ~kSentByAnotherClient;
}

// The names the counter speaks to the window manager in. Each lookup of a name is a round trip
// to the X server, and the window manager waits for the counter's window as it maps it: all of
// them are asked at once, the first time one is needed, over the one connection the program has.
// (Qt keeps such a table for its own connection, but not in its public interface.)
enum class Atom
{
    NetWmState,
    NetWmStateSkipTaskbar,
    NetWmStateSkipPager,
    NetWmWindowType,
    NetWmWindowTypeUtility,
    NetWmWindowTypeNormal,
    NetSupported,
    NetRequestFrameExtents,
    NetFrameExtents,
    NetMoveResizeWindow,
    NetActiveWindow,
    NetStartupInfoBegin,
    NetStartupInfo,
    WmProtocols,
    WmDeleteWindow,
};
constexpr const char *kAtomNames[] = {
    "_NET_WM_STATE",
    "_NET_WM_STATE_SKIP_TASKBAR",
    "_NET_WM_STATE_SKIP_PAGER",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_UTILITY",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_NET_SUPPORTED",
    "_NET_REQUEST_FRAME_EXTENTS",
    "_NET_FRAME_EXTENTS",
    "_NET_MOVERESIZE_WINDOW",
    "_NET_ACTIVE_WINDOW",
    "_NET_STARTUP_INFO_BEGIN",
    "_NET_STARTUP_INFO",
    "WM_PROTOCOLS",
    "WM_DELETE_WINDOW",
};
constexpr size_t kAtomCount = std::size(kAtomNames);
static_assert(kAtomCount == size_t(Atom::WmDeleteWindow) + 1);

xcb_atom_t atom(xcb_connection_t *connection, Atom name)
{
    static const std::array<xcb_atom_t, kAtomCount> atoms = [connection] {
        std::array<xcb_intern_atom_cookie_t, kAtomCount> asked{};
        for (size_t i = 0; i < kAtomCount; ++i)
            asked[i] =
                xcb_intern_atom(connection, 0, uint16_t(std::strlen(kAtomNames[i])), kAtomNames[i]);
        std::array<xcb_atom_t, kAtomCount> found{};
        for (size_t i = 0; i < kAtomCount; ++i) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, asked[i], nullptr);
            found[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return found;
    }();
    return atoms[size_t(name)];
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
    const xcb_atom_t states[] = {atom(connection, Atom::NetWmStateSkipTaskbar),
                                 atom(connection, Atom::NetWmStateSkipPager)};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window,
                        atom(connection, Atom::NetWmState), XCB_ATOM_ATOM, 32, 2, states);
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
void askWindowManager(xcb_connection_t *connection, xcb_window_t window, Atom message,
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
bool supported(xcb_connection_t *connection, Atom name)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, rootWindow(connection),
                         atom(connection, Atom::NetSupported), XCB_ATOM_ATOM, 0, 1024),
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

// Asks once more for the window's place if, as the window manager maps it, it is not where it
// belongs: where it was asked for, or, where the window manager's frame would then reach above
// or left of the screen, as much lower or further right as the frame needs. See placeExactly.
class PlaceKeeper final : public QObject, public QAbstractNativeEventFilter
{
public:
    PlaceKeeper(QWidget *window, QPoint place) : QObject(window), m_window(window), m_place(place)
    {
        setObjectName(QStringLiteral("PlaceKeeper"));
        window->installEventFilter(this);
        qApp->installNativeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle()) {
            m_window->windowHandle()->installEventFilter(this);
            // The frame's size, asked for before the window is mapped, where the window
            // manager offers that, so that it is known by the time the window is first drawn.
            xcb_connection_t *connection = x11Connection();
            if (connection && supported(connection, Atom::NetRequestFrameExtents))
                askWindowManager(connection, nativeWindow(m_window), Atom::NetRequestFrameExtents,
                                 {0, 0, 0, 0, 0});
        }
        // The window manager frames and moves a window as it maps it, some before it is first
        // drawn and some (i3) just after; a move a while later is the user's own. The clock
        // starts as the window is first drawn, which a loaded machine may take long to reach.
        const bool mapping = event->type() == QEvent::Move || event->type() == QEvent::Expose;
        if (!mapping || watched == m_window)
            return false;
        if (!m_mapped.isValid())
            m_mapped.start();
        if (m_mapped.elapsed() > kWhileMapping)
            deleteLater();
        else
            look();
        return false;
    }

    // The frame's size as the window manager tells it, which one that puts the window exactly
    // where asked (kwin, Debian 13's xfwm4) may tell only after the window is first drawn,
    // with no move to look again at.
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if (type != "xcb_generic_event_t" || eventType(event) != XCB_PROPERTY_NOTIFY
            || !m_mapped.isValid())
            return false;
        const auto *property = static_cast<const xcb_property_notify_event_t *>(message);
        if (property->window == nativeWindow(m_window)
            && property->atom == atom(x11Connection(), Atom::NetFrameExtents))
            QMetaObject::invokeMethod(this, &PlaceKeeper::look, Qt::QueuedConnection);
        return false;
    }

private:
    // Each new place the frame calls for is asked once.
    void look()
    {
        const WindowPlace now = placeOnScreen(m_window);
        const QPoint belongs(std::max(m_place.x(), now.frameMargins.left()),
                             std::max(m_place.y(), now.frameMargins.top()));
        if (now.clientArea.topLeft() != belongs && belongs != m_asked) {
            m_asked = belongs;
            askAgain(belongs);
        }
    }

    void askAgain(QPoint place)
    {
        xcb_connection_t *connection = x11Connection();
        if (!connection || !supported(connection, Atom::NetMoveResizeWindow)) {
            m_window->setGeometry(QRect(place, m_window->size()));
            return;
        }
        constexpr uint32_t kStaticGravity = 10, kX = 1 << 8, kY = 1 << 9, kWidth = 1 << 10,
                           kHeight = 1 << 11;
        const qreal ratio = m_window->devicePixelRatioF(); // X speaks in device pixels
        // The window's own size goes with its place: fluxbox takes the size from the message
        // whatever its flags say, and would otherwise make the window larger by its title bar.
        const QSize size = m_window->size() * ratio;
        askWindowManager(connection, nativeWindow(m_window), Atom::NetMoveResizeWindow,
                         {kStaticGravity | kX | kY | kWidth | kHeight | kSourceApplication << 12,
                          uint32_t(qRound(place.x() * ratio)), uint32_t(qRound(place.y() * ratio)),
                          uint32_t(size.width()), uint32_t(size.height())});
    }

    static constexpr qint64 kWhileMapping = 1000; // milliseconds
    QWidget *m_window;
    QPoint m_place;
    std::optional<QPoint> m_asked;
    QElapsedTimer m_mapped;
};

// Tells of the window manager's request to close a window that a modal dialog keeps Qt from
// passing on: Qt drops it, and the window's own close handling would never run.
class CloseRequests final : public QObject, public QAbstractNativeEventFilter
{
public:
    CloseRequests(QWidget *window, std::function<void()> requested)
        : QObject(window), m_window(window), m_requested(std::move(requested))
    {
        qApp->installNativeEventFilter(this); // which its destructor removes
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if (type != "xcb_generic_event_t" || eventType(event) != XCB_CLIENT_MESSAGE
            || !QApplication::activeModalWidget())
            return false;
        const auto *client = static_cast<const xcb_client_message_event_t *>(message);
        xcb_connection_t *connection = x11Connection();
        if (client->format == 32 && client->window == nativeWindow(m_window)
            && client->type == atom(connection, Atom::WmProtocols)
            && client->data.data32[0] == atom(connection, Atom::WmDeleteWindow))
            QMetaObject::invokeMethod(this, m_requested, Qt::QueuedConnection);
        return false;
    }

private:
    QWidget *m_window;
    std::function<void()> m_requested;
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
    const xcb_window_t native = nativeWindow(window);
    if (!connection || !native)
        return;
    // Some window managers (GNOME's metacity, MATE's marco) keep every utility window out of the
    // taskbar, whatever it asks: while it is in the taskbar it is a normal window.
    const xcb_atom_t types[] = {atom(connection, Atom::NetWmWindowTypeUtility),
                                atom(connection, Atom::NetWmWindowTypeNormal)};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native,
                        atom(connection, Atom::NetWmWindowType), XCB_ATOM_ATOM, 32, shown ? 1 : 2,
                        shown ? types + 1 : types);
    // One state a message: fluxbox takes only the first.
    constexpr uint32_t kRemove = 0, kAdd = 1;
    for (const Atom state : {Atom::NetWmStateSkipTaskbar, Atom::NetWmStateSkipPager})
        askWindowManager(
            connection, native, Atom::NetWmState,
            {shown ? kRemove : kAdd, atom(connection, state), 0, kSourceApplication, 0});
}

namespace {

// Asks for the window to come to the front, as bringToFront() does.
void askForFront(QWidget *window, const QByteArray &startupId)
{
    if (onLayerShell()) {
        giveKeyboard(window); // always in front already, on the top layer
        return;
    }
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    xcb_connection_t *connection = x11Connection();
    const xcb_window_t native = nativeWindow(window);
    if (!connection || !native) {
        // On Wayland the start's activation token, which Qt's activation request takes from
        // the environment.
        if (!startupId.isEmpty() && QGuiApplication::platformName().startsWith(u"wayland"))
            qputenv("XDG_ACTIVATION_TOKEN", startupId);
        window->activateWindow();
        return;
    }
    // Qt would ask with the time of the last event it saw, which is older than what the user
    // did in another program since: a window manager that keeps other programs from stealing
    // the focus (GNOME's mutter and metacity, MATE's marco) refuses it. The start asked for the
    // counter, so the request carries the time the user launched it, or, where there is none
    // (a start from a terminal, the About window closed), it comes as a pager's does, for the
    // moment the window manager takes it: any time the program could name might be older than
    // a change of focus the window manager makes on its way there (openbox gives the focus to
    // no window as the About window goes, or as it maps the counter), and the X server ignores
    // a focus given with a time before the last change.
    constexpr uint32_t kSourcePager = 2;
    const qsizetype at = startupId.lastIndexOf("_TIME");
    const uint32_t launched = at < 0 ? 0 : startupId.mid(at + 5).toUInt();
    askWindowManager(connection, native, Atom::NetActiveWindow,
                     {launched ? kSourceApplication : kSourcePager,
                      launched ? launched : uint32_t(XCB_CURRENT_TIME), 0, 0, 0});
}

// Tells the launcher that the start it made (`startupId`) is over, so that its busy cursor ends:
// startup notification's "remove" message, in pieces of 20 bytes, the first as
// _NET_STARTUP_INFO_BEGIN. Qt sends it itself only for the first window a start shows, through
// no public interface, and libstartup-notification would bring a library into the package for
// this one message.
void endLaunchFeedback(xcb_connection_t *connection, const QByteArray &startupId)
{
    QByteArray quoted = startupId;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray message = "remove: ID=\"" + quoted + "\"";
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = rootWindow(connection);
    event.type = atom(connection, Atom::NetStartupInfoBegin);
    constexpr qsizetype kPiece = sizeof event.data.data8;
    // The message ends with its terminating zero byte, which a last piece of its own may carry.
    for (qsizetype sent = 0; sent <= message.size(); sent += kPiece) {
        std::memset(event.data.data8, 0, kPiece);
        std::memcpy(event.data.data8, message.constData() + sent,
                    size_t(std::min(kPiece, message.size() - sent)));
        xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&event));
        event.type = atom(connection, Atom::NetStartupInfo);
    }
    xcb_flush(connection);
}

} // namespace

void bringToFront(QWidget *window, const QByteArray &startupId)
{
    askForFront(window, startupId);
    // A start ends its launch feedback as it shows its first window (Qt does that); a second
    // start shows none, and the counter it handed over to ends it.
    if (xcb_connection_t *connection = x11Connection(); connection && !startupId.isEmpty())
        endLaunchFeedback(connection, startupId);
}

namespace {

// Brings a window to the front as soon as it is first on the screen: a request for a window
// not yet mapped is one that window managers drop.
class FirstShowing final : public QObject
{
public:
    FirstShowing(QWindow *handle, QWidget *window, QByteArray startupId)
        : QObject(window), m_window(window), m_startupId(std::move(startupId))
    {
        handle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            askForFront(m_window, m_startupId); // Qt ended the launch feedback as it mapped it
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
    QByteArray m_startupId;
};

} // namespace

void showAndBringToFront(QWidget *window, const QByteArray &startupId)
{
    window->show();
    if (onLayerShell())
        return; // a layer surface takes the keyboard as it is shown
    if (QWindow *handle = window->windowHandle(); handle && x11Connection())
        new FirstShowing(handle, window, startupId);
    else
        window->activateWindow();
}

void watchCloseRequests(QWidget *window, std::function<void()> closeRequested)
{
    if (x11Connection())
        new CloseRequests(window, std::move(closeRequested));
}

void placeExactly(QWidget *window, QPoint topLeft)
{
    if (onLayerShell()) {
        placeOnLayer(window, topLeft);
        return;
    }
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
        xcb_get_property(connection, 0, id, atom(connection, Atom::NetFrameExtents),
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
