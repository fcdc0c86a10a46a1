#!/usr/bin/env bash
# Starts the real program under a virtual X server, in a directory of its own with a trip
# date file, and checks what a user sees on screenshots: the window's client area at its
# place with the banner, the four figures purple on white and centred in their slots, and
# the About window under it; neither window with a taskbar button; then "Close" ends the
# program, leaving the date file as it was and no process of the counter's making behind. With
# no window manager every place is exact, a second start in the same directory shows the first
# counter and ends, and the session has no bus, where the counter starts none (dbus-launch
# would). Under a window manager (xfwm4, openbox, one with a title bar taller than the
# counter's place allows for, icewm, metacity, fluxbox), the frame starts on the screen and the
# banner as near its place as that allows, the window its own size; the About window goes
# directly under the main window's frame; a minimised counter shows in the taskbar until
# restored; the prompt cannot be minimised, maximised or resized; a second start brings the
# counter to the front also right after the user typed in another program; and a close through
# the window manager while the prompt is open ends the program.
# usage: run_under_xvfb.sh PROGRAM [WINDOW-MANAGER]
set -euo pipefail
program=$(realpath "$1")
wm=${2:-}
tools=(xdotool import convert xprop xwininfo dbus-launch ${wm:+${wm%-*} dbus-daemon zenity wmctrl})
source "$(dirname "$(realpath "$0")")/xvfb.sh" "$@"

pid=
wm_pid=
at_exit 'kill $pid $wm_pid 2>/dev/null'
mkdir "$work/run"
cd "$work/run"
printf '"12/24/2030"\r\n' > vacation.txt
before=$(sha256sum vacation.txt)
shot=$work/screen.png

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
# Takes screenshots until some purple shows in that part of the screen.
purple_at() { # x y width height
    import -window root "$shot" && [ "$(ink "$@" | cut -d' ' -f5)" -gt 0 ]
}
wait_for_purple() { wait_until purple_at "$@" || fail "nothing purple at $*"; }
# Purple text on white, its middle within 2 pixels of (x, y).
purple_text_centred() { # name x y width height middle-x middle-y
    read -r left right top bottom solid stray <<<"$(ink "$2" "$3" "$4" "$5")"
    [ "$solid" -gt 0 ] && [ "$stray" = 0 ] || fail "$1 is not purple on white ($solid purple, $stray other pixels)"
    awk -v x=$((left + right)) -v y=$((top + bottom)) -v mx="$6" -v my="$7" \
        'BEGIN { exit !((x / 2 - mx) ^ 2 <= 4 && (y / 2 - my) ^ 2 <= 4) }' \
        || fail "$1 is not centred at $6,$7: its text spans x $left-$right, y $top-$bottom"
}

# Where a window's client area is on the screen ("left top width height"), and its frame's
# margins ("left right top bottom"), as the X server has them: xdotool counts a reparenting
# window manager's frame twice.
place() { xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
                                  /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'; }
viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
margins() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d , | grep . || echo 0 0 0 0; }

if [ -n "$wm" ]; then
    session_bus # which the window manager reads its settings from
    case $wm in
    xfwm4) xfwm4 --compositor=off >"$work/wm.log" 2>&1 & ;;
    mutter) mutter --x11 --replace >"$work/wm.log" 2>&1 & ;; # by hand: GNOME's
    openbox-tall) # a title bar taller than the counter's place leaves room for
        printf '%s\n' '<openbox_config xmlns="http://openbox.org/3.4/rc"><theme>' \
            '<font place="ActiveWindow"><size>30</size></font>' \
            '<font place="InactiveWindow"><size>30</size></font></theme></openbox_config>' >"$work/rc.xml"
        openbox --config-file "$work/rc.xml" >"$work/wm.log" 2>&1 & ;;
    *) "$wm" >"$work/wm.log" 2>&1 & ;;
    esac
    wm_pid=$!
    wait_until window_manager_runs || fail "$wm did not take the screen"
fi
unset QT_QPA_PLATFORM
[ -n "$wm" ] || unset DBUS_SESSION_BUS_ADDRESS
# Every start of the counter carries a mark in its environment, which what it starts inherits.
LANG=C.UTF-8 FAKETIME='@2030-12-20 10:00:00' LD_PRELOAD=$faketime_library VELMOR_STARTED=$work "$program" 2>>"$log" &
pid=$!
shown() { xdotool search --onlyvisible --name "$1" | head -n 1 | grep .; }
# Sets a variable to the id of the first window shown with a name, once one shows: a search
# fails when a window goes away while it looks (a menu, a tooltip), and is tried again.
wait_for_window() { # variable name
    local id name=$2
    wait_until eval 'id=$(shown "$name")' && printf -v "$1" %s "$id"
}
wait_for_window window '^Velmor Trip Counter$' || fail "the window did not map"
# Under a window manager, its frame.
if [ -n "$wm" ]; then
    wait_until eval '[ "$(margins "$window")" != "0 0 0 0" ]' || fail "$wm gave the window no frame"
fi
read -r X Y WIDTH HEIGHT <<<"$(place "$window")"
menu=$((HEIGHT - 61))
x=$X y=$((Y + menu)) # the banner's top-left on the screen
[ -n "$wm" ] || [ "$x,$y $WIDTH" = "3,41 542" ] \
    || fail "window at $X,$Y size ${WIDTH}x$HEIGHT: the area under the menu should be 542x61 at 3,41"
# Under a window manager, the frame starts on the screen, and the banner is at 3,41 or as much
# further right and lower as the frame needs. xfwm4 moves a taller frame down itself.
if [ -n "$wm" ]; then
    read -r left _ top _ <<<"$(margins "$window")"
    want_x=$((left > 3 ? left : 3)) want_y=$((top > 41 - menu ? top : 41 - menu))
    wait_until eval 'read -r X Y _ _ <<<"$(place "$window")"; [ "$X,$Y" = "$want_x,$want_y" ]' \
        || fail "the window is at $X,$Y ($(place "$window")) with a frame of $(margins "$window"), not at $want_x,$want_y"
    x=$X y=$((Y + menu))
fi
# The window keeps its own size, the one it asks for as its smallest and largest.
own=$(xprop -id "$window" WM_NORMAL_HINTS | sed -n 's/.*program specified maximum size: \([0-9]*\) by \([0-9]*\)/\1x\2/p')
read -r _ _ WIDTH HEIGHT <<<"$(place "$window")"
[ "${WIDTH}x$HEIGHT" = "$own" ] || fail "the window is ${WIDTH}x$HEIGHT, not its own size $own"

# The figures appear on the first tick, about a second after start, in their slots over the
# banner.
wait_for_purple $((x + 432)) $((y + 9)) 41 20
for figure in days:216:237.5 hours:288:309.5 minutes:360:381.5 seconds:432:451.5; do
    IFS=: read -r name left middle <<<"$figure" # the label's left edge, its slot's middle
    purple_text_centred "the $name figure" $((x + left)) $((y + 9)) 41 20 "$(awk "BEGIN { print $x + $middle }")" $((y + 20))
done

# "About" (the third entry) shows the About window under the main window, at 0,105 where the
# main window ends above it, else directly under its frame: white, with its three lines
# purple and centred.
xdotool mousemove --window "$window" 160 $((menu / 2)) click 1
wait_for_window about '^About Velmor Trip Counter$' || fail "About did not show its window"
# Where the main window's frame ends, as it stands now.
frame_end() { read -r _ y _ h <<<"$(place "$window")"; read -r _ _ _ b <<<"$(margins "$window")"; echo $((y + h + b)); }
about_in_place() { about_top=$(frame_end); [ "$about_top" -gt 105 ] || about_top=105; [ "$(place "$about")" = "0 $about_top 312 118" ]; }
wait_until about_in_place || fail "the About window is at $(place "$about"), not 0 $about_top 312 118"
for shown in "$window" "$about"; do
    xprop -id "$shown" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "a window asks for a taskbar button"
done
wait_for_purple 16 $((about_top + 32)) 273 16
[ "$(ink 0 "$about_top" 8 118)" = "0 0 0 0 0 0" ] || fail "the About window's margin is not white"
for line in 32 48 64; do
    purple_text_centred "the About line at $line" 16 $((about_top + line)) 273 16 152.5 $((about_top + line + 8))
done

state() { xprop -id "$1" _NET_WM_STATE; }
if [ -n "$wm" ]; then
    # Minimised anyway, the counter shows in the taskbar; restored, it goes out of it again.
    # icewm and mutter minimise no window that skips the taskbar: they keep it as it was.
    xdotool windowminimize "$window"
    if [ "$wm" != icewm ] && [ "$wm" != mutter ]; then
        # Hidden at once, it is drawn on its way to the bottom of the screen before it goes.
        wait_until eval 'state "$window" | grep -q HIDDEN && ! viewable "$window"' \
            || fail "$wm did not minimise the counter: $(state "$window")"
        wait_until eval '! state "$window" | grep -q SKIP_TASKBAR' \
            || fail "a minimised counter has no way back: $(state "$window")"
        xdotool windowactivate "$window"
        wait_until eval 'state "$window" | grep -q SKIP_TASKBAR' \
            || fail "a restored counter stays in the taskbar: $(state "$window")"
        # Back where it was: openbox draws it on its way there from the bottom of the screen.
        wait_until eval '[ "$(place "$window")" = "$X $Y $WIDTH $HEIGHT" ] && viewable "$window"' \
            || fail "the restored counter is at $(place "$window"), not $X $Y $WIDTH $HEIGHT"
    fi
    # The prompt (the second entry) asks for neither minimise nor maximise, and for one size.
    xdotool mousemove --window "$window" 80 $((menu / 2)) click 1
    wait_for_window prompt '^Zorvia Date$' || fail "no prompt"
    sizes=$(xprop -id "$prompt" WM_NORMAL_HINTS | sed -n 's/.*program specified m[a-z]* size: //p')
    [ "$(wc -l <<<"$sizes")" = 2 ] && [ "$(sort -u <<<"$sizes" | wc -l)" = 1 ] \
        || fail "the prompt can be resized: its smallest and largest sizes are $sizes"
    functions=$(xprop -id "$prompt" _MOTIF_WM_HINTS | awk -F'[=,]' '{ print $3 }')
    (( (functions & 0x18) == 0 )) || fail "the prompt offers to minimise or maximise: functions $functions"
    # A real key, as the keyboard gives it to the prompt, which has the focus: sent to the
    # window instead, the release could find it gone and never reach the server, which would
    # repeat the key into the next window.
    xdotool key Escape
    wait_until eval '! xwininfo -id "$prompt"' || fail "Escape did not close the prompt"

    # A second start brings the counter to the front, also right after the user typed in
    # another program, which focus-stealing prevention would otherwise keep in front.
    NO_AT_BRIDGE=1 zenity --entry --title=Elsewhere >/dev/null 2>>"$work/other.log" &
    other=$!
    at_exit 'kill $other 2>/dev/null'
    wait_for_window elsewhere '^Elsewhere$' || fail "the other program did not show"
    # The user clicks into it, as window managers that keep a new window behind want.
    xdotool mousemove --window "$elsewhere" 20 20 click 1
    active() { xdotool getactivewindow 2>/dev/null; }
    wait_until eval '[ "$(active)" = "$elsewhere" ]' || fail "the other program did not get the keyboard"
    xdotool type --delay 20 "typed elsewhere"
    VELMOR_STARTED=$work timeout 60 "$program" 2>>"$log" || fail "a second start exited with $?"
    wait_until eval '[ "$(active)" = "$window" ]' \
        || fail "a second start left the counter behind: $(xdotool getactivewindow getwindowname 2>&1) is active"
    kill "$other"; wait "$other" 2>/dev/null || true

    # Closed through the window manager while the prompt is open, the counter ends, and the
    # unanswered prompt writes nothing.
    xdotool mousemove --window "$window" 80 $((menu / 2)) click 1
    wait_until shown '^Zorvia Date$' || fail "no prompt"
    wmctrl -i -c "$window"
    timeout 60 tail --pid="$pid" -f /dev/null || fail "a close through $wm while the prompt was open did not end the program"
else
    # A second start in the same directory shows this counter and ends.
    counters() { xdotool search --onlyvisible --name '^Velmor Trip Counter$' | wc -l; }
    VELMOR_STARTED=$work timeout 60 "$program" 2>>"$log" || fail "a second start in the same directory exited with $?"
    [ "$(counters)" = 1 ] || fail "a second start in the same directory opened a window of its own"
fi

# "Close" is the first entry of the menu bar.
if [ -z "$wm" ]; then
    xdotool mousemove --window "$window" 15 $((menu / 2)) click 1
    timeout 60 tail --pid="$pid" -f /dev/null || fail "Close did not end the program"
fi
wait "$pid" || fail "the program exited with $?"
left=$(grep -lsxz "VELMOR_STARTED=$work" /proc/[0-9]*/environ | cut -d/ -f3 | paste -sd, | xargs -r ps -o args= -p) || true
[ -z "$left" ] || fail "the counter left processes behind: $left"
[ "$(sha256sum vacation.txt)" = "$before" ] || fail "vacation.txt changed"
[ "$(ls -A)" = vacation.txt ] || fail "the program left files behind: $(ls -A)"
echo "e2e${wm:+ under $wm}: window and About window at their places, figures purple and centred, closed cleanly"
