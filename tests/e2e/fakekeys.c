// Types keys into KWin's Wayland session through its fake input protocol, which KWin offers
// where wtype's virtual keyboard is not. KWin lets only trusted programs have it: the tests
// start it with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
// usage: fakekeys KEY...   (F10, Right, Return, Escape, or text of digits and slashes)
#include "fake-input-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <string.h>

static struct org_kde_kwin_fake_input *input;

static void announced(void *data, struct wl_registry *registry, uint32_t name,
                      const char *interface, uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}

static void removed(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

static void press(struct wl_display *display, int key)
{
    org_kde_kwin_fake_input_keyboard_key(input, key, WL_KEYBOARD_KEY_STATE_PRESSED);
    org_kde_kwin_fake_input_keyboard_key(input, key, WL_KEYBOARD_KEY_STATE_RELEASED);
    wl_display_roundtrip(display);
}

int main(int argc, char **argv)
{
    static const struct
    {
        const char *name;
        int code;
    } named[] = {
        {"F10", KEY_F10}, {"Right", KEY_RIGHT}, {"Return", KEY_ENTER}, {"Escape", KEY_ESC}};
    struct wl_display *display = wl_display_connect(NULL);
    static const struct wl_registry_listener listener = {announced, removed};
    if (display)
        wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    if (!display || wl_display_roundtrip(display) < 0 || !input)
        return fprintf(stderr, "fakekeys: no Wayland display with fake input\n"), 2;
    org_kde_kwin_fake_input_authenticate(input, "velmor tests", "typing keys");
    for (int i = 1; i < argc; ++i) {
        size_t k = 0;
        while (k < sizeof named / sizeof *named && strcmp(argv[i], named[k].name) != 0)
            ++k;
        if (k < sizeof named / sizeof *named)
            press(display, named[k].code);
        for (const char *at = argv[i]; k == sizeof named / sizeof *named && *at; ++at)
            press(display, *at == '/' ? KEY_SLASH : *at == '0' ? KEY_0 : KEY_1 + *at - '1');
    }
    return wl_display_roundtrip(display) < 0;
}
