#!/usr/bin/env bash
# Starts the real program in a headless Wayland session, beside another program's window (foot),
# as people use it. Under sway, labwc and kwin, which offer the layer shell: the strip at its
# place, About at 0,105 every time it opens (twice), the prompt with a date typed and saved, a
# second start handed over, and Close. Under labwc and kwin all of it by the keyboard alone,
# with the keys back in the strip after each dialog and after a second start, also once foot
# has had them; under sway, whose rule is that an on-demand layer surface has the keys only
# once clicked while another window is open, by a click on the strip where the keys are needed,
# and the strip starts on the output the user works on and comes back on the other when its
# own is unplugged. sway and labwc are checked on grim's screenshots and typed into by wtype;
# kwin, which offers neither, through its fake input protocol (FAKEKEYS), followed by the window
# KWin makes active. Under weston (a plain Wayland window): that the counter runs, answers a
# second start, and ends with the compositor, leaving nothing behind.
# usage: run_under_wayland.sh PROGRAM COMPOSITOR [FAKEKEYS]   (sway, labwc, kwin_wayland or weston)
set -euo pipefail
program=$(realpath "$1")
compositor=$2
fakekeys=${3:-}
is_sway() { [ "$compositor" = sway ]; }
wlroots() { is_sway || [ "$compositor" = labwc ]; }
kwin() { [ "$compositor" = kwin_wayland ]; }
layers() { wlroots || kwin; } # the compositors with the layer shell
tools=("$compositor")
! layers || tools+=(foot)
! wlroots || tools+=(wtype wlrctl grim convert)
! is_sway || tools+=(swaymsg)
! kwin || tools+=(dbus-daemon dbus-send "$fakekeys")
source "$(dirname "$(realpath "$0")")/session.sh"
pid= server= keyboard= other=
at_exit 'kill $pid $other $keyboard $server 2>/dev/null; wait $server 2>/dev/null'

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN XDG_CURRENT_DESKTOP SWAYSOCK
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/sway"
printf 'xwayland disable\noutput * resolution 1280x720\n' >"$XDG_CONFIG_HOME/sway/config"
[ "$compositor" != labwc ] || export XDG_CURRENT_DESKTOP=labwc:wlroots # as labwc's session has it
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
if kwin; then
    # A session bus of the test's own, where KWin takes the scripts that tell which window it
    # makes active and hand the keys to foot; and fake input for the test's keys without KWin's
    # list of trusted programs.
    session_bus
    export KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 QT_LOGGING_RULES='kwin_scripting.debug=true'
    strip="layer at 3,22" # a layer surface has no title: the strip named by its place
fi
# Started as the script's own child, so that `server` is the compositor's id (not a subshell's),
# which the exit hook ends, and its X lock with it.
case $compositor in
sway | labwc) command=("$compositor") ;;
kwin_wayland) command=(kwin_wayland --virtual --no-lockscreen --width 1280 --height 720) ;;
weston) command=(weston --backend=headless-backend.so --width=1280 --height=720) ;;
esac
"${command[@]}" >"$work/wm.log" 2>&1 &
server=$!
socket() { ls "$XDG_RUNTIME_DIR" | grep -E '^wayland-[0-9]+$' | head -n 1 | grep .; }
wait_until socket || fail "$compositor did not start"
export WAYLAND_DISPLAY=$(socket)

mkdir "$work/run"
cd "$work/run"
printf '"12/24/2030"\r\n' >vacation.txt
output= # grim's screenshots: of the whole layout, or of this output alone
# Waits for purple ink (the figures' and the About lines' colour, blended with white at its
# edges) in a part of a screenshot, centred within 2 pixels of (middle-x, middle-y).
purple() { # x y width height
    grim ${output:+-o "$output"} "$work/screen.png" && convert "$work/screen.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        awk -F'[,:() ]+' -v x0="$1" -v y0="$2" 'NR > 1 && $3 - $4 > 60 && ($3 - $5) ^ 2 < 400 {
            x = $1 + x0; y = $2 + y0; if (!n++) { l = r = x; t = b = y }
            l = x < l ? x : l; r = x > r ? x : r; t = y < t ? y : t; b = y > b ? y : b }
            END { if (n) print l, r, t, b }'
}
centred() { # name x y width height middle-x middle-y
    area=("$2" "$3" "$4" "$5")
    wait_until eval '[ -n "$(purple "${area[@]}")" ]' || fail "no $1 at $2,$3${output:+ on $output}"
    read -r left right top bottom <<<"$(purple "${area[@]}")"
    (( (left + right - 2 * $6) ** 2 <= 16 && (top + bottom - 2 * $7) ** 2 <= 16 )) \
        || fail "the $1 spans x $left-$right, y $top-$bottom, not centred at $6,$7"
}
# The seconds figure in its slot over the banner at 3,41; About's first line at 0,105.
strip_shown() { centred "seconds figure" 435 50 41 20 455 61; }
about_shown() { centred "About window's first line" 16 137 273 16 152 145; }
about_gone() { wait_until eval '[ -z "$(purple 16 137 273 16)" ]' || fail "About did not close"; }
about_by_keys() { press F10 Right Right Return; about_shown; press Escape; about_gone; }
key() { wtype "$@" || fail "wtype could not type $*"; }
listed() { wlrctl toplevel find "$@"; } # in the compositor's task list
# Keys (F10, Right, Return, Escape) and text of digits and slashes, typed.
press() { if kwin; then "$fakekeys" "$@" || fail "could not type $*"; else key $(printf -- '-k %s ' "$@"); fi; }
type_text() { if kwin; then press "$1"; else key "$1"; fi; }
# The window that has the keys: KWin tells it to the script below, by its title or its place.
active() { grep -o 'active window: .*' "$work/wm.log" | tail -n 1 | cut -d' ' -f3-; }
has_keys() { if kwin; then [ "$(active)" = "$1" ]; else listed "title:$1" state:active; fi; }
# A KWin script, run over the session bus.
kwin_script() { # file
    local file=$1 script
    wait_until eval 'script=$(dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.loadScript string:"$file" | awk "/int32/ { print \$2 }")' \
        || fail "KWin took no script on the session bus"
    dbus-send --session --print-reply --dest=org.kde.KWin "/Scripting/Script$script" org.kde.kwin.Script.run >/dev/null \
        || fail "KWin did not run the script $file"
}
if kwin; then
    echo 'workspace.windowActivated.connect(w => print("active window: " + (!w ? "" : w.caption
        || "layer at " + w.frameGeometry.x + "," + w.frameGeometry.y)));' >"$work/active.js"
    kwin_script "$work/active.js"
fi
# sway: a click where the keys are needed, through its own seat's cursor (the session has no
# pointer for the counter: the click gives the keys and nothing more).
click() { # x y
    swaymsg -q seat - cursor set "$1" "$2" && swaymsg -q seat - cursor press button1 \
        && swaymsg -q seat - cursor release button1 || fail "sway did not click at $1,$2"
}
if is_sway; then
    wait_until eval 'SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)' || fail "sway does not listen"
    export SWAYSOCK
    # A second output, which the user works on as the counter starts.
    swaymsg -q create_output && swaymsg -q focus output HEADLESS-2 || fail "sway made no second output"
fi
# A keyboard the session keeps: the compositor has none, and with each wtype's own coming and
# going the counter would lose the first key while it takes the new keyboard.
if wlroots; then
    wtype -s 3600000 &
    keyboard=$!
fi
# Another program's window, which has the keys as the counter starts.
if layers; then
    foot >"$work/other.log" 2>&1 &
    other=$!
    wait_until has_keys foot || fail "foot did not get the keys"
fi

QT_LOGGING_RULES='qt.qpa.*=false' "$program" 2>>"$log" &
pid=$!
if is_sway; then
    output=HEADLESS-2 strip_shown
    swaymsg -q output HEADLESS-2 unplug || fail "sway did not unplug HEADLESS-2"
    output=HEADLESS-1 strip_shown # on the output that is left
fi
! wlroots || strip_shown
! kwin || { wait_until has_keys "$strip" || fail "the strip at 3,22 does not have the keys at the start, but: $(active)"; }
if layers; then
    # About, twice, at 0,105 each time, and out of the task list; the keys back in the strip after
    # it (under sway, a click on the strip, and one on About).
    for time in first second; do
        ! is_sway || click 300 60
        press F10 Right Right Return
        if wlroots; then
            about_shown
            ! listed "title:About Velmor Trip Counter" || fail "About is in the task list the $time time"
        fi
        ! kwin || { wait_until has_keys "layer at 0,105" || fail "F10, Right, Right, Return opened no About window at 0,105 the $time time: $(active)"; }
        ! is_sway || click 160 145
        press Escape
        ! wlroots || about_gone
        ! kwin || { wait_until has_keys "$strip" || fail "the keys did not come back after About the $time time, but went to: $(active)"; }
    done
    ! is_sway || click 300 60
    press F10 Right Return
    wait_until has_keys 'Zorvia Date' || fail "F10, Right, Return opened no prompt"
    type_text "12/25/2030"
    press Return
    wait_until eval '[ "$(cat vacation.txt)" = "$(printf "\"12/25/2030\"\r")" ]' \
        || fail "the date typed into the prompt was not saved: $(cat vacation.txt)"
    wait_until eval '! has_keys "Zorvia Date"' || fail "the prompt stayed open"
    ! kwin || { wait_until has_keys "$strip" || fail "the keys did not come back after the prompt, but went to: $(active)"; }
    # The keys come back after the prompt: About opens by them.
    [ "$compositor" != labwc ] || about_by_keys
    # The user goes on in foot, and a second start gives the strip the keys again.
    if kwin; then
        echo 'workspace.activeWindow = workspace.windowList().find(w => w.caption == "foot");' >"$work/foot.js"
        kwin_script "$work/foot.js"
    else
        wlrctl toplevel focus title:foot
    fi
    wait_until has_keys foot || fail "$compositor did not give foot the keys"
fi
# The counter listens for a second start before it shows itself, and answers once it has.
wait_until eval 'ls "$XDG_RUNTIME_DIR" | grep -q "^velmor-counter-.*[^k]$"' || fail "the counter does not listen"
timeout 60 "$program" 2>>"$log" || fail "a second start in the same directory exited with $?"
! kwin || { wait_until has_keys "$strip" || fail "a second start did not give the strip the keys, but: $(active)"; }
if layers; then
    ! is_sway || click 300 60
    press F10 Return # Close, the first entry
    timeout 60 tail --pid="$pid" -f /dev/null || fail "F10, Return did not close the counter"
else
    # The compositor gone, the counter ends as on Close.
    kill "$server"
    timeout 60 tail --pid="$pid" -f /dev/null || fail "the counter outlived its compositor"
fi
wait "$pid" || fail "the program exited with $?"
! ls "$XDG_RUNTIME_DIR" | grep -q "^velmor-counter-.*[^k]$" || fail "the counter left its socket in the runtime directory"
[ "$(ls -A)" = vacation.txt ] || fail "the program left files behind: $(ls -A)"
echo "e2e under $compositor: $(layers && echo "beside foot: the strip and About (twice) at their places; every function$(is_sway && echo ", clicked where sway needs it, the strip on the user's output and back after it was unplugged" || echo " by the keyboard, the keys back after each dialog and a second start"); " || echo "ended with the compositor; ")one counter"
