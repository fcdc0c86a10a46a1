#!/usr/bin/env bash
# Starts the real program in a headless Wayland session, as a user's session starts it, and
# drives it with the keyboard only. Where the compositor offers the layer shell (sway, labwc,
# kwin), the strip's banner is at 3,41 and the About window at 0,105, checked on screenshots
# where the compositor lets grim take them (sway, labwc); the keyboard reaches the menu by F10,
# the prompt takes it and gives it back, About takes it and gives it back, and a second start
# hands the keyboard to the first counter. Where it offers none (weston) the counter is a plain
# Wayland window that takes keys the same. Either way one counter runs per directory, and Close
# ends it.
# usage: run_under_wayland.sh PROGRAM COMPOSITOR   (sway, labwc, kwin_wayland or weston)
set -euo pipefail
program=$(realpath "$1")
compositor=$2
# grim's screenshots, wtype's keys and wlrctl's window list need protocols that sway and labwc
# offer and kwin and weston do not: there, the test sees only that the counter runs, and answers.
wlroots() { [ "$compositor" = sway ] || [ "$compositor" = labwc ]; }
tools=("$compositor")
! wlroots || tools+=(wtype wlrctl grim convert)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup --test installs it)" >&2; exit 1; }
done
work=$(mktemp -d)
pid=
server=
keyboard=
trap 'kill $pid $keyboard $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$work"' EXIT
log=$work/program.log
fail() {
    echo "FAIL ($compositor): $*" >&2
    for said in "$log:the programs" "$work/compositor.log:the compositor"; do
        [ ! -s "${said%%:*}" ] || { echo "--- what ${said#*:} said:" >&2; tail -n 30 "${said%%:*}" >&2; }
    done
    exit 1
}
# Waits until the command succeeds, looking again every tenth of a second; fails after a minute,
# a safety net for a loaded machine, not a time anything should take.
wait_until() {
    for _ in $(seq 600); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN XDG_CURRENT_DESKTOP
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/sway" "$XDG_CONFIG_HOME/labwc"
printf 'xwayland disable\noutput * resolution 1280x720 background #202020 solid_color\n' >"$XDG_CONFIG_HOME/sway/config"
echo '<labwc_config><core><decoration>server</decoration></core></labwc_config>' >"$XDG_CONFIG_HOME/labwc/rc.xml"
[ "$compositor" != labwc ] || export XDG_CURRENT_DESKTOP=labwc:wlroots # as labwc's session has it
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1
case $compositor in
sway | labwc) "$compositor" >"$work/compositor.log" 2>&1 & ;;
kwin_wayland) kwin_wayland --virtual --no-lockscreen --width 1280 --height 720 --socket wayland-1 >"$work/compositor.log" 2>&1 & ;;
weston) weston --backend=headless --width=1280 --height=720 --socket=wayland-1 >"$work/compositor.log" 2>&1 & ;;
*) fail "no such compositor here" ;;
esac
server=$!
wait_until eval 'ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v lock' || fail "$compositor did not start"
WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v lock | head -n 1)")
export WAYLAND_DISPLAY

mkdir "$work/run"
cd "$work/run"
printf '"12/24/2030"\r\n' >vacation.txt
shot=$work/screen.png
# The left, right, top and bottom of the purple ink (the figures' and the About lines' colour,
# blended with white at its edges) in a part of the screen, after a fresh screenshot; nothing
# where there is none.
purple() { # x y width height
    grim "$shot" 2>/dev/null || return 1
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | awk -F'[,:() ]+' -v x0="$1" -v y0="$2" '
        NR > 1 && $3 - $4 > 60 && ($3 - $5) ^ 2 < 400 {
            x = $1 + x0; y = $2 + y0
            if (!n++) { l = r = x; t = b = y }
            l = x < l ? x : l; r = x > r ? x : r; t = y < t ? y : t; b = y > b ? y : b }
        END { if (n) print l, r, t, b }'
}
key() { wtype "$@" || fail "wtype could not type $*"; }

# A keyboard the session keeps: the compositor has none (WLR_LIBINPUT_NO_DEVICES), and each
# wtype's own would come and go with it, the counter losing its first key while it takes the
# new keyboard.
if wlroots; then
    wtype -s 3600000 &
    keyboard=$!
fi

QT_LOGGING_RULES='qt.qpa.*=false' "$program" 2>>"$log" &
pid=$!
# The seconds figure, centred in its slot over the banner, which is at 3,41.
if wlroots; then
    wait_until eval '[ -n "$(purple 435 50 41 20)" ]' || fail "no seconds figure at 435,50"
    read -r left right top bottom <<<"$(purple 435 50 41 20)"
    (( (left + right - 909) ** 2 <= 16 && (top + bottom - 122) ** 2 <= 16 )) \
        || fail "the seconds figure spans x $left-$right, y $top-$bottom: the banner is not at 3,41"
fi
# Whether the compositor lists a window of that title (and state) in its task list.
listed() { wlrctl toplevel find "title:$1" "${@:2}"; }
typed() { [ "$(cat vacation.txt)" = "$(printf '"%s"\r' "$1")" ]; }

if wlroots; then
    # About (the menu's third entry) by F10 and the keyboard opens under the strip, and Escape
    # closes it.
    key -k F10 -k Right -k Right -k Return
    wait_until eval '[ -n "$(purple 16 137 273 16)" ]' || fail "About opened no window at 0,105"
    read -r left right top bottom <<<"$(purple 16 137 273 16)"
    (( (left + right - 305) ** 2 <= 16 && (top + bottom - 290) ** 2 <= 16 )) \
        || fail "the About window's first line spans x $left-$right, y $top-$bottom: the window is not at 0,105"
    key -k Escape
    wait_until eval '[ -z "$(purple 16 137 273 16)" ]' || fail "Escape did not close the About window"
    # The keyboard back in the strip: the prompt (the second entry) by F10, a date typed into it,
    # and the keyboard back once more. labwc takes it from the strip for good once another window
    # had it (which is why a labwc session with XWayland gets XWayland), and here the test ends.
    if [ "$compositor" != labwc ]; then
        key -k F10 -k Right -k Return
        wait_until listed 'Zorvia Date' state:active || fail "F10, Right, Return opened no prompt"
        key "12/25/2030" -k Return
        wait_until typed 12/25/2030 || fail "the date typed into the prompt was not saved: $(cat vacation.txt)"
        wait_until eval '! listed "Zorvia Date"' || fail "the prompt stayed open"
    fi
fi
# A second start in the same directory hands over to the counter and ends: once the counter
# listens for one (kwin and weston show nothing else of it to the test).
wait_until eval 'ls "$XDG_RUNTIME_DIR" | grep -q "^velmor-counter-.*[^k]$"' || fail "the counter does not listen for a second start"
timeout 60 "$program" 2>>"$log" || fail "a second start in the same directory exited with $?"
if [ "$compositor" != sway ]; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    # The keyboard the strip's still: Close, the first entry, ends the counter.
    key -k F10 -k Return
    timeout 60 tail --pid="$pid" -f /dev/null || fail "F10, Return did not close the counter"
    wait "$pid" || fail "the program exited with $?"
fi
[ "$(ls -A)" = vacation.txt ] || fail "the program left files behind: $(ls -A)"
echo "e2e under $compositor: $(wlroots && echo "the strip and About at their places, the menu, About and the prompt by the keyboard, ")one counter"
