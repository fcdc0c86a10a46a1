#include "windowsystem.h"

#include <QString>

#if VELMOR_WAYLAND_PROBE
#include <wayland-client.h>

#include <cstring>
#endif

WindowSystem chooseWindowSystem(const Session &session, const std::function<Compositor()> &ask)
{
    const bool onWayland = session.userPlatform.isEmpty()
                               ? session.wayland
                               : session.userPlatform.startsWith("wayland");
    // Without the layer shell's windows, only weston's answer changes anything, and only where
    // the counter would otherwise take XWayland.
    const bool decides = VELMOR_LAYER_SHELL || (session.x11 && session.userPlatform.isEmpty());
    if (onWayland && session.wayland && decides) {
        const Compositor compositor = ask();
        if (VELMOR_LAYER_SHELL && compositor.layerShell)
            return {session.userPlatform.isEmpty() ? QByteArray("wayland") : QByteArray(), true};
        // Qt takes XWayland after all where its Wayland platform is not installed.
        if (compositor.weston && session.userPlatform.isEmpty())
            return {"wayland;xcb"};
    }
    if (!session.userPlatform.isEmpty())
        return {};
    if (session.x11)
        return {"xcb"};
    return {session.wayland ? QByteArray("wayland") : QByteArray()};
}

Compositor askCompositor()
{
    Compositor offered;
#if VELMOR_WAYLAND_PROBE
    // libwayland-client itself, since Qt's Wayland client exists only with the application.
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return offered;
    static const wl_registry_listener listener = {
        .global =
            [](void *data, wl_registry *, uint32_t, const char *interface, uint32_t) {
                auto *compositor = static_cast<Compositor *>(data);
                if (std::strcmp(interface, "zwlr_layer_shell_v1") == 0)
                    compositor->layerShell = true;
                if (std::strcmp(interface, "weston_desktop_shell") == 0)
                    compositor->weston = true;
            },
        .global_remove = [](void *, wl_registry *, uint32_t) {},
    };
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    if (wl_display_roundtrip(display) < 0)
        offered = {};
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
#endif
    return offered;
}

namespace {

std::function<void()> compositorGone;
QtMessageHandler qtsHandler = nullptr;

// Qt's Wayland platform ends the process itself (_exit) as soon as it finds its connection
// broken, with no signal before: its warning that it is about to is the one moment left.
void watchForBrokenConnection(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(u"The Wayland connection") && compositorGone)
        compositorGone();
    qtsHandler(type, context, message);
}

} // namespace

void whenCompositorGone(std::function<void()> gone)
{
    compositorGone = std::move(gone);
    if (!qtsHandler)
        qtsHandler = qInstallMessageHandler(watchForBrokenConnection);
}
