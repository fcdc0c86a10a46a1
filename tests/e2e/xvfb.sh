# Sourced by the end-to-end scripts after they name the tools they need in `tools`: says which
# one is missing, then starts a virtual X server of the script's own, with a private runtime
# directory, a home of its own (the window managers write their settings and caches there, never
# into the tester's) and a scratch directory `work`, all taken away again when the script ends.
#
# The server never resets: by default an X server starts afresh whenever its last client goes,
# and drops a client that connects meanwhile, such as a counter started just after another one
# ended, or the window manager while the script asks the server whether one runs yet. It picks a
# free display itself (-displayfd), and the script waits for it to end, so that the next test's
# server does not come up beside it on the same display.
for tool in Xvfb xauth mcookie "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup --test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
exit_hooks=()
at_exit() { exit_hooks=("$*" "${exit_hooks[@]}"); } # the last added runs first
trap 'for hook in "${exit_hooks[@]}"; do eval "$hook" || true; done; rm -rf "$work"' EXIT

# Fails the test; what the programs under test said (into $log) goes with it.
log=$work/program.log
fail() {
    echo "FAIL: $*" >&2
    for said in "$log:the programs" "$work/wm.log:the window manager" "$work/other.log:another program" "$work/xvfb.log:the X server"; do
        [ ! -s "${said%%:*}" ] || { echo "--- what ${said#*:} said:" >&2; tail -n 30 "${said%%:*}" >&2; }
    done
    echo "--- the processes of this test, and the windows:" >&2
    ps -o pid,stat,etime,args --ppid $$ >&2 || true
    xwininfo -root -children 2>/dev/null | sed -n '/children:/,$p' | head -n 20 >&2 || true
    exit 1
}
# libfaketime, for a program started with the clock at a time of the test's choosing (FAKETIME
# "@2030-12-20 10:00:00" starts there and runs on; without the "@" it stands still), preloaded
# into the program itself: under the faketime wrapper, a test that kills it would leave its
# semaphore behind, which a later wrapper with the same process id then fails on.
faketime_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_library" ] || fail "libfaketime is missing (package libfaketime)"
export FAKETIME_DONT_FAKE_MONOTONIC=1

# Waits until the command succeeds, looking again every tenth of a second; fails after a
# minute. The bound is a safety net for a machine that other jobs load, not a time anything
# should take.
wait_until() { # command...
    for _ in $(seq 600); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

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
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
       XDG_DATA_HOME=$work/home/.local/share XDG_STATE_HOME=$work/home/.local/state TMPDIR=$work
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"
