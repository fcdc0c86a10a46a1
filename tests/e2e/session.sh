# Sourced by the end-to-end scripts after they name the tools they need in `tools`: says which
# one is missing, makes a scratch directory `work` with a home of its own in it (the window
# managers and compositors write their settings and caches there, never into the tester's),
# taken away again when the script ends with what at_exit added, and gives `fail` and
# `wait_until`.
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup --test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
exit_hooks=()
at_exit() { exit_hooks=("$*" "${exit_hooks[@]}"); } # the last added runs first
trap 'for hook in "${exit_hooks[@]}"; do eval "$hook" || true; done; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
       XDG_DATA_HOME=$work/home/.local/share XDG_STATE_HOME=$work/home/.local/state TMPDIR=$work
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"

# Fails the test; what the programs under test said (into $log) goes with it.
log=$work/program.log
fail() {
    echo "FAIL: $*" >&2
    for said in "$log:the programs" "$work/wm.log:the window manager or compositor" "$work/other.log:another program" "$work/xvfb.log:the X server"; do
        [ ! -s "${said%%:*}" ] || { echo "--- what ${said#*:} said:" >&2; tail -n 30 "${said%%:*}" >&2; }
    done
    echo "--- the processes of this test, and the windows:" >&2
    ps -o pid,stat,etime,args --ppid $$ >&2 || true
    xwininfo -root -children 2>/dev/null | sed -n '/children:/,$p' | head -n 20 >&2 || true
    exit 1
}
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

