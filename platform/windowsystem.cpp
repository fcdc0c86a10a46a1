#include "windowsystem.h"

#if VELMOR_LAYER_SHELL
#include <wayland-client.h>

#include <cstring>
#endif

WindowSystem chooseWindowSystem(const Session &session,
                                const std::function<bool()> &offersLayerShell)
{
#if VELMOR_LAYER_SHELL
    const bool onWayland = session.userPlatform.isEmpty()
                               ? session.wayland
                               : session.userPlatform.startsWith("wayland");
    if (onWayland && session.wayland && offersLayerShell())
        return {session.userPlatform.isEmpty() ? QByteArray("wayland") : QByteArray(), true};
#else
    Q_UNUSED(offersLayerShell);
#endif
    if (!session.userPlatform.isEmpty())
        return {};
    if (session.x11)
        return {"xcb"};
    return {session.wayland ? QByteArray("wayland") : QByteArray()};
}

bool compositorOffersLayerShell()
{
#if VELMOR_LAYER_SHELL
    // libwayland-client itself, since Qt's Wayland client exists only with the application.
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return false;
    bool offered = false;
    static const wl_registry_listener listener = {
        .global =
            [](void *data, wl_registry *, uint32_t, const char *interface, uint32_t) {
                if (std::strcmp(interface, "zwlr_layer_shell_v1") == 0)
                    *static_cast<bool *>(data) = true;
            },
        .global_remove = [](void *, wl_registry *, uint32_t) {},
    };
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return answered && offered;
#else
    return false;
#endif
}
