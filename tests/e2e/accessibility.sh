#!/usr/bin/env bash
# The real program under a window manager with the accessibility bus running, as a person who
# uses only a keyboard and a screen reader meets it (accessibility.py), in English, with the
# desktop's accessibility turned on only once the counter runs, as it is when a screen reader
# starts after it. Under openbox also in Hebrew, written from right to left; over a message box at
# the start, with the screen reader started after it; and on the day of the trip, the figures below
# zero in words, the alert the window tells, and the desktop notification, which a small
# notification service of the test's own (notifications.py) takes on a private session bus.
# usage: accessibility.sh PROGRAM WINDOW-MANAGER   (openbox, metacity or xfwm4)
set -euo pipefail
program=$(realpath "$1")
wm=$2
here=$(dirname "$(realpath "$0")")
tools=("$wm" dbus-daemon xdotool xprop /usr/bin/python3 /usr/libexec/at-spi-bus-launcher)
source "$here/xvfb.sh"

session_bus
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
at_exit "kill $!"
${wm/#xfwm4/xfwm4 --compositor=off} >"$work/wm.log" 2>&1 &
at_exit "kill $!"
wait_until window_manager_runs || fail "$wm did not take the screen"
/usr/bin/python3 "$here/notifications.py" >"$work/notifications" 2>>"$log" &
at_exit "kill $!"
wait_until grep -q ready "$work/notifications" || fail "the notification service did not start"

mkdir "$work/run"
cd "$work/run"
# The counter with that date file and clock (standing still, so that the figures do too), the
# screen reader's stand-in listening before it starts.
run() { # mode locale date-file-content [faketime]
    printf '%s\r\n' "$3" >vacation.txt
    : >"$work/pid"
    /usr/bin/python3 "$here/accessibility.py" "$1" "$work/pid" >"$work/checked" 2>&1 &
    local checker=$!
    wait_until grep -q listening "$work/checked" || fail "the screen reader's stand-in does not listen"
    LANG=$2 FAKETIME=${4:-2026-12-07 09:59:00} LD_PRELOAD=$faketime_library "$program" 2>>"$log" &
    pid=$!
    echo "$pid" >"$work/pid"
    # What a desktop does as a screen reader starts: it turns the session's accessibility on.
    wait_until eval 'xdotool search --pid "$pid" --onlyvisible --name "^Velmor Trip Counter$"' \
        || fail "the counter did not show"
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || fail "accessibility does not turn on"
    wait "$checker" || fail "$1 under $wm: $(cat "$work/checked")"
    kill "$pid"
    wait "$pid" || true
}
run en C.UTF-8 '"12/24/2030"'
[ "$wm" = openbox ] || { echo "accessibility: under $wm, in English"; exit 0; }
run he he_IL.UTF-8 '"24.12.2030"'
# The clock runs here: standing still, it can keep the window and the message from being shown.
run message C.UTF-8 'no date here' '@2026-12-07 09:59:00'
# On the day of the trip, with the clock running, the days are below zero in words too, and the
# counter tells the screen reader and the desktop, once, in the user's language.
run de-tripday de_DE.UTF-8 '"24.12.2030"' '@2030-12-24 08:00:00'
wait_until grep -q Reise "$work/notifications" || fail "no notification on the day of the trip: $(cat "$work/notifications")"
expected=$(printf 'Velmor Trip Counter\torg.example.VelmorCounter\tIhre Reise beginnt heute.\tDienstag, 24. Dezember 2030')
[ "$(grep -v ready "$work/notifications")" = "$expected" ] || fail "the notification is: $(grep -v ready "$work/notifications")"
echo "accessibility: under $wm, in English and Hebrew, over a message, and the day of the trip told"
