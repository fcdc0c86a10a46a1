#!/usr/bin/env bash
# Starts the real program under a virtual X server, in a directory of its own with a trip
# date file, and checks what a user would see: it stays up, its window maps at its place,
# the figures appear, the About window opens and closes, Setup Date saves a typed date,
# "Close" ends it cleanly; the date file changes only when a date is saved.
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/xvfb.sh" "$@"

work=$(mktemp -d)
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT
cd "$work"
printf '"12/24/2030"\r\n' > vacation.txt
before=$(sha256sum vacation.txt)

fail() { echo "FAIL: $*" >&2; exit 1; }

unset QT_QPA_PLATFORM
LANG=C.UTF-8 FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '@2030-12-20 10:00:00' "$program" &
pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmor Trip Counter$' | head -n 1) \
    || fail "the window did not map"
geometry=$(xwininfo -id "$window")
x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
width=$(awk '/Width:/ {print $NF}' <<<"$geometry")
height=$(awk '/Height:/ {print $NF}' <<<"$geometry")
[ "$x" = 3 ] && [ "$width" = 542 ] && [ $((y + height - 61)) = 41 ] \
    || fail "window at $x,$y size ${width}x$height: the area under the menu should be 542x61 at 3,41"
menu=$((height - 61))

# The seconds figure turns purple on the first tick, about a second after start.
purple_in_seconds() {
    import -window "$window" -crop "41x20+432+$((menu + 9))" -depth 8 txt:- 2>/dev/null \
        | grep -c -i '#800080' || true
}
for _ in $(seq 50); do
    [ "$(purple_in_seconds)" -gt 0 ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
    sleep 0.1
done
[ "$(purple_in_seconds)" -gt 0 ] || fail "no figures after five seconds"
kill -0 "$pid" || fail "the program ended by itself"

# "About" (the third entry) shows the About window under the main window; its Close hides it.
xdotool mousemove --window "$window" 160 $((menu / 2)) click 1
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Velmor Trip Counter$' | head -n 1) \
    || fail "About did not show its window"
about_geometry=$(xwininfo -id "$about")
grep -q 'Absolute upper-left X:  0' <<<"$about_geometry" && grep -q 'Absolute upper-left Y:  105' <<<"$about_geometry" \
    && grep -q 'Width: 312' <<<"$about_geometry" && grep -q 'Height: 118' <<<"$about_geometry" \
    || fail "the About window is not 312x118 at 0,105: $about_geometry"
xdotool mousemove --window "$about" 160 88 click 1 # the middle of its Close button
for _ in $(seq 50); do
    xwininfo -id "$about" | grep -q 'Map State: IsUnMapped' && break
    sleep 0.1
done
xwininfo -id "$about" | grep -q 'Map State: IsUnMapped' || fail "Close did not hide the About window"

[ "$(sha256sum vacation.txt)" = "$before" ] || fail "vacation.txt changed without being asked to"

# "Setup Date" (the second entry) asks for the date; the answer is saved exactly as typed.
xdotool mousemove --window "$window" 90 $((menu / 2)) click 1
prompt=$(timeout 10 xdotool search --sync --onlyvisible --name '^Zorvia Date$' | head -n 1) \
    || fail "Setup Date did not ask for the date"
xdotool windowfocus --sync "$prompt" 2>/dev/null || true
xdotool type --delay 20 'Dec 25, 2030'
xdotool key Return
for _ in $(seq 50); do
    [ "$(cat vacation.txt)" = $'"Dec 25, 2030"\r' ] && break
    sleep 0.1
done
[ "$(od -An -c vacation.txt | tr -s ' ')" = ' " D e c 2 5 , 2 0 3 0 " \r \n' ] \
    || fail "vacation.txt holds $(od -An -c vacation.txt), not the typed date"
after_setup=$(sha256sum vacation.txt)

# "Close" is the first entry of the menu bar.
xdotool mousemove --window "$window" 15 $((menu / 2)) click 1
status=0
timeout 10 tail --pid="$pid" -f /dev/null || fail "Close did not end the program"
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "the program exited with $status"

[ "$(sha256sum vacation.txt)" = "$after_setup" ] || fail "vacation.txt changed at the end"
[ "$(ls -A)" = vacation.txt ] || fail "the program left files behind: $(ls -A)"
echo "e2e: window mapped at 3,$((menu + y)) under a ${menu}-pixel menu, ticked, showed About, saved a date, closed cleanly"
