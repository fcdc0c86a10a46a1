#!/usr/bin/env bash
# Starts the real program under a virtual X server, in a directory of its own with a trip
# date file, and checks what a user sees on screenshots: the window's client area at its
# place with the banner, the four figures purple on white and centred in their slots, and
# the About window under it; then "Close" ends the program, leaving the date file as it was.
# usage: run_under_xvfb.sh PROGRAM RENDER-SVG BANNER.svg
set -euo pipefail
program=$(realpath "$1")
render=$(realpath "$2")
banner=$(realpath "$3")
tools=(faketime xdotool import convert compare xprop)
source "$(dirname "$(realpath "$0")")/xvfb.sh" "$@"

work=$(mktemp -d)
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT
mkdir "$work/run"
cd "$work/run"
printf '"12/24/2030"\r\n' > vacation.txt
before=$(sha256sum vacation.txt)
shot=$work/screen.png

fail() { echo "FAIL: $*" >&2; exit 1; }
# The ink in a part of the screenshot: "left right top bottom solid stray", where solid
# counts pure purple pixels and stray those that are neither purple, white, nor a blend.
ink() { # x y width height
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | awk -F'[,:() ]+' -v x0="$1" -v y0="$2" '
        NR == 1 || ($3 == 255 && $4 == 255 && $5 == 255) { next }
        { x = $1 + x0; y = $2 + y0; r = $3; g = $4; b = $5; blend = 2 * r - 255 }
        r - b > 8 || b - r > 8 || g - blend > 12 || blend - g > 12 { stray++ }
        r == 128 && g == 0 && b == 128 { solid++ }
        !n++ { left = right = x; top = bottom = y }
        { left = x < left ? x : left; right = x > right ? x : right; top = y < top ? y : top; bottom = y > bottom ? y : bottom }
        END { printf "%d %d %d %d %d %d\n", left, right, top, bottom, solid, stray }'
}
# Takes screenshots until some purple shows in that part of the screen, for five seconds.
wait_for_purple() { # x y width height
    for _ in $(seq 50); do
        import -window root "$shot"
        [ "$(ink "$@" | cut -d' ' -f5)" -gt 0 ] && return 0
        sleep 0.1
    done
    fail "nothing purple at $*"
}
# Purple text on white, its middle within 2 pixels of (x, y).
purple_text_centred() { # name x y width height middle-x middle-y
    read -r left right top bottom solid stray <<<"$(ink "$2" "$3" "$4" "$5")"
    [ "$solid" -gt 0 ] && [ "$stray" = 0 ] || fail "$1 is not purple on white ($solid purple, $stray other pixels)"
    awk -v x=$((left + right)) -v y=$((top + bottom)) -v mx="$6" -v my="$7" \
        'BEGIN { exit !((x / 2 - mx) ^ 2 <= 4 && (y / 2 - my) ^ 2 <= 4) }' \
        || fail "$1 is not centred at $6,$7: its text spans x $left-$right, y $top-$bottom"
}

unset QT_QPA_PLATFORM
LANG=C.UTF-8 FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '@2030-12-20 10:00:00' "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmor Trip Counter$' | head -n 1) \
    || fail "the window did not map"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X,$((Y + HEIGHT - 61)) ${WIDTH}" = "3,41 542" ] \
    || fail "window at $X,$Y size ${WIDTH}x$HEIGHT: the area under the menu should be 542x61 at 3,41"
menu=$((HEIGHT - 61))

# The figures appear on the first tick, about a second after start, in their slots over the
# banner. Apart from their ink, the client area at 3,41 is the banner as drawn from its SVG.
wait_for_purple 435 50 41 20
"$render" "$banner" 600 61 "$work/banner.png"
convert "$work/banner.png" -crop 542x61+0+0 +repage -background white -flatten "$work/expected.png"
convert "$shot" -crop 542x61+3+41 +repage "$work/client.png"
differing=$(compare -metric AE -fuzz 5% "$work/client.png" "$work/expected.png" null: 2>&1 || true)
[ "$differing" -le 800 ] || fail "the client area differs from the banner in $differing pixels"
for figure in days:219:240.5 hours:291:312.5 minutes:363:384.5 seconds:435:454.5; do
    IFS=: read -r name left middle <<<"$figure" # the label's left edge, its slot's middle
    purple_text_centred "the $name figure" "$left" 50 41 20 "$middle" 61
done

# "About" (the third entry) shows the About window under the main window: white, with its
# three lines purple and centred.
xdotool mousemove --window "$window" 160 $((menu / 2)) click 1
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Velmor Trip Counter$' | head -n 1) \
    || fail "About did not show its window"
eval "$(xdotool getwindowgeometry --shell "$about")"
[ "$X,$Y ${WIDTH}x$HEIGHT" = "0,105 312x118" ] || fail "the About window is ${WIDTH}x$HEIGHT at $X,$Y, not 312x118 at 0,105"
for shown in "$window" "$about"; do
    xprop -id "$shown" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "a window asks for a taskbar button"
done
wait_for_purple 16 137 273 16
[ "$(ink 0 105 8 118)" = "0 0 0 0 0 0" ] || fail "the About window's margin is not white"
for line in 137 153 169; do
    purple_text_centred "the About line at $line" 16 "$line" 273 16 152.5 $((line + 8))
done

# "Close" is the first entry of the menu bar.
xdotool mousemove --window "$window" 15 $((menu / 2)) click 1
timeout 10 tail --pid="$pid" -f /dev/null || fail "Close did not end the program"
wait "$pid" || fail "the program exited with $?"
[ "$(sha256sum vacation.txt)" = "$before" ] || fail "vacation.txt changed"
[ "$(ls -A)" = vacation.txt ] || fail "the program left files behind: $(ls -A)"
echo "e2e: window and About window at their places, figures purple and centred, closed cleanly"
