#!/usr/bin/env bash
# The real program under a window manager whose title bar is taller than the frame the
# counter's place assumes (xfwm4, as on Xfce), which keeps that title bar on the screen and so
# puts the counter lower: the About window opens directly under the main window's frame and
# never covers it; neither window has a taskbar button; the prompt's whole frame, title bar
# included, is on the screen, over the main window.
# usage: window_manager.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
tools=(xfwm4 dbus-run-session xdotool xwininfo xprop)
source "$(dirname "$(realpath "$0")")/xvfb.sh" "$@"

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The client area on the screen as the X server has it ("left top right bottom"): xdotool
# counts the frame twice under a reparenting window manager.
client() { xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
                                   /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, x + w - 1, y + h - 1 }'; }
# The frame's margins ("left right top bottom").
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,; }
skips_taskbar() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR; }

dbus-run-session -- xfwm4 --compositor=off >"$work/wm.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
sleep 1 # xfwm4 reads its settings over D-Bus after it takes the screen
mkdir "$work/run"
cd "$work/run"
printf '"12/24/2030"\r\n' > vacation.txt
unset QT_QPA_PLATFORM
LANG=C.UTF-8 "$program" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmor Trip Counter$' | head -n 1) \
    || fail "the window did not map"
for _ in $(seq 50); do [ -n "$(extents "$window")" ] && break; sleep 0.1; done
sleep 0.5 # the window manager's last word on the place
read -r left top right bottom <<<"$(client "$window")"
read -r frame_left frame_right frame_top frame_bottom <<<"$(extents "$window")"
[ "$bottom" -ge 105 ] || fail "xfwm4 left the counter at $left,$top, where the About window's own place is right"
skips_taskbar "$window" || fail "the main window has a taskbar button"

menu=$(( (bottom - top + 1 - 61) / 2 ))
xdotool mousemove --window "$window" 160 "$menu" click 1
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Velmor Trip Counter$' | head -n 1) \
    || fail "About did not show its window"
read -r about_left about_top _ _ <<<"$(client "$about")"
expected=105
[ "$bottom" -lt 105 ] || expected=$((bottom + frame_bottom + 1))
[ "$about_left,$about_top" = "0,$expected" ] \
    || fail "the About window is at $about_left,$about_top, not 0,$expected under a main window at $top-$bottom"
skips_taskbar "$about" || fail "the About window has a taskbar button"

xdotool mousemove --window "$window" 80 "$menu" click 1
prompt=$(timeout 10 xdotool search --sync --onlyvisible --name '^Zorvia Date$' | head -n 1) \
    || fail "Setup Date did not show the prompt"
sleep 0.5
read -r prompt_left prompt_top prompt_right prompt_bottom <<<"$(client "$prompt")"
read -r _ _ prompt_frame_top _ <<<"$(extents "$prompt")"
[ "$((prompt_top - prompt_frame_top))" -ge 0 ] || fail "the prompt's title bar is above the screen"
[ "$prompt_left" -lt "$right" ] && [ "$prompt_right" -gt "$left" ] && [ "$prompt_top" -lt "$((bottom + frame_bottom))" ] \
    || fail "the prompt at $prompt_left,$prompt_top is not over the main window"
echo "window manager: xfwm4 put the counter at $left,$top; the About window under its frame at 0,$expected;" \
     "no taskbar buttons; the prompt's frame on the screen"
