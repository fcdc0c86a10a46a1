# Sourced by the end-to-end scripts after they name the tools they need in `tools`: with
# session.sh's scratch directory, home and helpers, starts a virtual X server of the script's own,
# with a private runtime directory, all taken away again when the script ends.
#
# The server never resets: by default an X server starts afresh whenever its last client goes,
# and drops a client that connects meanwhile, such as a counter started just after another one
# ended, or the window manager while the script asks the server whether one runs yet. It picks a
# free display itself (-displayfd), and the script waits for it to end, so that the next test's
# server does not come up beside it on the same display.
tools+=(Xvfb xauth mcookie)
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

# libfaketime, for a program started with the clock at a time of the test's choosing (FAKETIME
# "@2030-12-20 10:00:00" starts there and runs on; without the "@" it stands still), preloaded
# into the program itself: under the faketime wrapper, a test that kills it would leave its
# semaphore behind, which a later wrapper with the same process id then fails on.
faketime_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_library" ] || fail "libfaketime is missing (package libfaketime)"
export FAKETIME_DONT_FAKE_MONOTONIC=1

# A cookie for any display (family "wild", no number), since the display is known only once the
# server runs.
export XAUTHORITY=$work/xauthority
: >"$XAUTHORITY"
echo "ffff 0000  0000  0012 $(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n') 0010 $(mcookie)" \
    | xauth -q -f "$XAUTHORITY" nmerge - || fail "xauth cannot write a cookie"
Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
x_server=$!
at_exit 'kill $x_server 2>/dev/null; wait $x_server 2>/dev/null'
wait_until test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A window manager has taken the screen: it names its check window on the root window. Until
# then xprop says there is "no such atom on any window", and a window mapped meanwhile may be one
# the window manager, as it starts, never shows.
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id #'; }
