#!/usr/bin/env bash
# The real program under a window manager with the accessibility bus running, as a person who
# uses only a keyboard and a screen reader meets it (accessibility.py), in English and German,
# with the desktop's accessibility turned on only once the counter runs, as it is when a screen
# reader starts after it; and, on the day of the trip, the figures below zero in words and the
# desktop notification, which a small notification service of the test's own (notifications.py)
# takes on a private session bus.
# usage: accessibility.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
tools=(openbox dbus-daemon xdotool xprop /usr/bin/python3 /usr/libexec/at-spi-bus-launcher)
source "$here/xvfb.sh"

session_bus
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
at_exit "kill $!"
openbox >"$work/wm.log" 2>&1 &
at_exit "kill $!"
wait_until eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' || fail "openbox did not take the screen"
/usr/bin/python3 "$here/notifications.py" >"$work/notifications" 2>>"$log" &
at_exit "kill $!"
wait_until grep -q ready "$work/notifications" || fail "the notification service did not start"

mkdir "$work/run"
cd "$work/run"
# What a desktop does as a screen reader starts: it turns the session's accessibility on.
accessibility_on() {
    wait_until eval 'xdotool search --pid "$pid" --onlyvisible --name "^Velmor Trip Counter$"' \
        || fail "the counter did not show"
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || fail "accessibility does not turn on"
}
for language in en de; do
    locale=$([ "$language" = en ] && echo C.UTF-8 || echo de_DE.UTF-8)
    # The date as the counter writes it in that locale.
    printf '"%s"\r\n' "$([ "$language" = en ] && echo 12/24/2030 || echo 24.12.2030)" >vacation.txt
    # The clock stands still, so that the figures do too.
    LANG=$locale FAKETIME='2026-12-07 09:59:00' LD_PRELOAD=$faketime_library "$program" 2>>"$log" &
    pid=$!
    accessibility_on
    /usr/bin/python3 "$here/accessibility.py" "$language" "$pid" || fail "in $language"
    kill "$pid"
    wait "$pid" || true
done

# On the day of the trip, the days are below zero in words too, and the counter tells the desktop
# once, in the user's language.
LANG=de_DE.UTF-8 FAKETIME='2030-12-24 08:00:00' LD_PRELOAD=$faketime_library "$program" 2>>"$log" &
pid=$!
/usr/bin/python3 "$here/accessibility.py" de-tripday "$pid" || fail "on the day of the trip"
wait_until grep -q Reise "$work/notifications" || fail "no notification on the day of the trip: $(cat "$work/notifications")"
expected=$(printf 'Velmor Trip Counter\torg.example.VelmorCounter\tIhre Reise beginnt heute.\tDienstag, 24. Dezember 2030')
[ "$(grep -v ready "$work/notifications")" = "$expected" ] || fail "the notification is: $(grep -v ready "$work/notifications")"
kill "$pid"
wait "$pid" || true
echo "accessibility: in English and German, and the day of the trip told"
