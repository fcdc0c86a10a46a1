#include "windowmanager.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

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

} // namespace

void keepOutOfTaskbar(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    // Set on the window before it is mapped, where the window manager reads it; Qt keeps what
    // it finds there when it adds states of its own.
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()),
                        atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

WindowPlace placeOnScreen(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    WindowPlace place{window->geometry(), handle ? handle->frameMargins() : QMargins()};
    xcb_connection_t *connection = x11Connection();
    if (!connection || !handle)
        return place;
    const auto id = xcb_window_t(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_translate_coordinates_reply_t *origin = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, root, 0, 0), nullptr);
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
