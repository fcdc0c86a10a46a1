#!/usr/bin/env bash
# Starts the real program in a headless Wayland session and drives it by the keyboard alone.
# Under sway and labwc, which offer the layer shell and the protocols grim, wtype and wlrctl need:
# the banner at 3,41 and the About window at 0,105 on screenshots; About by F10 and Escape; under
# sway, the keyboard back in the strip after About, the prompt by F10 with a date typed, the
# keyboard back after it, and Close by F10 (labwc keeps the keys from the strip once another
# window had them). Under kwin (layer shell), which offers no screenshots, the same by the
# keyboard, typed through its fake input protocol (FAKEKEYS) and followed by the window KWin
# makes active. Under weston (a plain Wayland window), which offers neither: that the counter
# runs. Everywhere, a second start in the same directory hands over to it and ends.
# usage: run_under_wayland.sh PROGRAM COMPOSITOR [FAKEKEYS]   (sway, labwc, kwin_wayland or weston)
set -euo pipefail
program=$(realpath "$1")
compositor=$2
fakekeys=${3:-}
wlroots() { [ "$compositor" = sway ] || [ "$compositor" = labwc ]; }
kwin() { [ "$compositor" = kwin_wayland ]; }
typed() { [ "$compositor" = sway ] || kwin; } # every function by keys
tools=("$compositor")
! wlroots || tools+=(wtype wlrctl grim convert)
! kwin || tools+=(dbus-daemon dbus-send "$fakekeys")
source "$(dirname "$(realpath "$0")")/session.sh"
pid= server= keyboard=
at_exit 'kill $pid $keyboard $server 2>/dev/null; wait $server 2>/dev/null'

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN XDG_CURRENT_DESKTOP
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/sway"
printf 'xwayland disable\noutput * resolution 1280x720\n' >"$XDG_CONFIG_HOME/sway/config"
[ "$compositor" != labwc ] || export XDG_CURRENT_DESKTOP=labwc:wlroots # as labwc's session has it
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
if kwin; then
    # A session bus of the test's own, where KWin takes the script that tells which window it
    # makes active; and fake input for the test's keys without KWin's list of trusted programs.
    session_bus
    export KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 QT_LOGGING_RULES='kwin_scripting.debug=true'
    strip="layer at 3,22" # a layer surface has no title: the strip named by its place
fi
# Started as the script's own child, so that `server` is the compositor's id (not a subshell's),
# which the exit hook ends, and its X lock with it.
case $compositor in
sway | labwc) command=("$compositor") ;;
kwin_wayland) command=(kwin_wayland --virtual --no-lockscreen --width 1280 --height 720) ;;
weston) command=(weston --backend=headless --width=1280 --height=720) ;;
esac
"${command[@]}" >"$work/wm.log" 2>&1 &
server=$!
socket() { ls "$XDG_RUNTIME_DIR" | grep -E '^wayland-[0-9]+$' | head -n 1 | grep .; }
wait_until socket || fail "$compositor did not start"
export WAYLAND_DISPLAY=$(socket)

mkdir "$work/run"
cd "$work/run"
printf '"12/24/2030"\r\n' >vacation.txt
# Waits for purple ink (the figures' and the About lines' colour, blended with white at its
# edges) in a part of a screenshot, centred within 2 pixels of (middle-x, middle-y).
purple() { # x y width height
    grim "$work/screen.png" && convert "$work/screen.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        awk -F'[,:() ]+' -v x0="$1" -v y0="$2" 'NR > 1 && $3 - $4 > 60 && ($3 - $5) ^ 2 < 400 {
            x = $1 + x0; y = $2 + y0; if (!n++) { l = r = x; t = b = y }
            l = x < l ? x : l; r = x > r ? x : r; t = y < t ? y : t; b = y > b ? y : b }
            END { if (n) print l, r, t, b }'
}
centred() { # name x y width height middle-x middle-y
    area=("$2" "$3" "$4" "$5")
    wait_until eval '[ -n "$(purple "${area[@]}")" ]' || fail "no $1 at $2,$3"
    read -r left right top bottom <<<"$(purple "${area[@]}")"
    (( (left + right - 2 * $6) ** 2 <= 16 && (top + bottom - 2 * $7) ** 2 <= 16 )) \
        || fail "the $1 spans x $left-$right, y $top-$bottom, not centred at $6,$7"
}
key() { wtype "$@" || fail "wtype could not type $*"; }
listed() { wlrctl toplevel find "title:$1" "${@:2}"; } # in the compositor's task list
# Keys (F10, Right, Return, Escape) and text of digits and slashes, typed.
press() { if kwin; then "$fakekeys" "$@" || fail "could not type $*"; else key $(printf -- '-k %s ' "$@"); fi; }
type_text() { if kwin; then press "$1"; else key "$1"; fi; }
# The window that has the keys: KWin tells it to the script below, by its title or its place.
active() { grep -o 'active window: .*' "$work/wm.log" | tail -n 1 | cut -d' ' -f3-; }
has_keys() { if kwin; then [ "$(active)" = "$1" ]; else listed "$1" state:active; fi; }
if kwin; then
    echo 'workspace.windowActivated.connect(w => print("active window: " + (!w ? "" : w.caption
        || "layer at " + w.frameGeometry.x + "," + w.frameGeometry.y)));' >"$work/active.js"
    wait_until eval 'script=$(dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.loadScript string:"$work/active.js" | awk "/int32/ { print \$2 }")' \
        || fail "KWin took no script on the session bus"
    dbus-send --session --print-reply --dest=org.kde.KWin "/Scripting/Script$script" org.kde.kwin.Script.run >/dev/null \
        || fail "KWin did not run the script that follows the active window"
fi
# A keyboard the session keeps: the compositor has none, and with each wtype's own coming and
# going the counter would lose the first key while it takes the new keyboard.
if wlroots; then
    wtype -s 3600000 &
    keyboard=$!
fi

QT_LOGGING_RULES='qt.qpa.*=false' "$program" 2>>"$log" &
pid=$!
if wlroots; then
    # The seconds figure in its slot over the banner at 3,41; About's first line at 0,105.
    centred "seconds figure" 435 50 41 20 455 61
    press F10 Right Right Return
    centred "About window's first line" 16 137 273 16 152 145
    press Escape
    wait_until eval '[ -z "$(purple 16 137 273 16)" ]' || fail "Escape did not close the About window"
fi
if kwin; then
    # The strip (menu bar and banner) at its place has the keys from the start, and again once
    # About, right under it, has gone.
    wait_until has_keys "$strip" || fail "the strip at 3,22 does not have the keys at the start, but: $(active)"
    press F10 Right Right Return
    wait_until has_keys "layer at 0,105" || fail "F10, Right, Right, Return opened no About window at 0,105: $(active)"
    press Escape
    wait_until has_keys "$strip" || fail "the keys did not come back after About, but went to: $(active)"
fi
if typed; then
    press F10 Right Return
    wait_until has_keys 'Zorvia Date' || fail "F10, Right, Return opened no prompt"
    type_text "12/25/2030"
    press Return
    wait_until eval '[ "$(cat vacation.txt)" = "$(printf "\"12/25/2030\"\r")" ]' \
        || fail "the date typed into the prompt was not saved: $(cat vacation.txt)"
    wait_until eval '! has_keys "Zorvia Date"' || fail "the prompt stayed open" # and Close below finds the keys
fi
# The counter listens for a second start before it shows itself, and answers once it has.
wait_until eval 'ls "$XDG_RUNTIME_DIR" | grep -q "^velmor-counter-.*[^k]$"' || fail "the counter does not listen"
timeout 60 "$program" 2>>"$log" || fail "a second start in the same directory exited with $?"
if typed; then
    press F10 Return # Close, the first entry
    timeout 60 tail --pid="$pid" -f /dev/null || fail "F10, Return did not close the counter"
    wait "$pid" || fail "the program exited with $?"
fi
[ "$(ls -A)" = vacation.txt ] || fail "the program left files behind: $(ls -A)"
echo "e2e under $compositor: $(wlroots && echo "the strip and About at their places; ")$(typed && echo "every function by the keyboard; ")one counter"
