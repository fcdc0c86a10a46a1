# Sourced by the end-to-end scripts after they name the tools they need in `tools`: says which
# one is missing, makes a scratch directory `work` with a home of its own in it (the window
# managers and compositors write their settings and caches there, never into the tester's),
# taken away again when the script ends with what at_exit added, and gives `fail` and
# `wait_until`.
#
# A test ends itself: at its deadline (VELMOR_TEST_DEADLINE seconds, which CTest's own timeout
# leaves room for), it fails and its exit hooks end what it started, by id, as they do when it
# passes or fails. The scratch directory is made under TMPDIR, which CTest points into the build
# tree, so that even a test killed outright leaves nothing in /tmp.
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup --test installs it)" >&2; exit 1; }
done

[ -z "${TMPDIR:-}" ] || mkdir -p "$TMPDIR"
work=$(mktemp -d "${TMPDIR:-/tmp}/e2e.XXXXXX")
exit_hooks=()
at_exit() { exit_hooks=("$*" "${exit_hooks[@]}"); } # the last added runs first
# Ends every process the test started that is still there, children of children too: what
# the exit hooks end by id may leave a helper of its own behind (the accessibility bus's
# daemon). Read from /proc by the shell itself, so that nothing it runs to ask counts itself.
end_descendants() {
    local stat line pid p q left=()
    local -A parent=()
    for stat in /proc/[0-9]*/stat; do
        read -r line 2>/dev/null <"$stat" || continue
        pid=${stat#/proc/} line=${line##*) } # the name, in brackets, may hold blanks
        line=${line#* }
        parent[${pid%/stat}]=${line%% *}
    done
    for p in "${!parent[@]}"; do
        for ((q = p; q > 1; q = ${parent[$q]:-0})); do
            [ "${parent[$q]:-0}" != $$ ] || { left+=("$p"); break; }
        done
    done
    [ ${#left[@]} = 0 ] || kill "${left[@]}" 2>/dev/null || true
}
trap 'for hook in "${exit_hooks[@]}"; do eval "$hook" || true; done; end_descendants; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
       XDG_DATA_HOME=$work/home/.local/share XDG_STATE_HOME=$work/home/.local/state TMPDIR=$work
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"

# A command that fails outside a check ends the test as set -e would, saying which it was.
set -E
trap 'echo "FAIL: \"$BASH_COMMAND\" ended with $? (line $LINENO of ${BASH_SOURCE[0]##*/})" >&2' ERR

# Fails the test; what the programs under test said (into $log) goes with it.
log=$work/program.log
fail() {
    echo "FAIL: $*" >&2
    for said in "$log:the programs" "$work/wm.log:the window manager or compositor" "$work/other.log:another program" "$work/xvfb.log:the X server"; do
        [ ! -s "${said%%:*}" ] || { echo "--- what ${said#*:} said:" >&2; tail -n 30 "${said%%:*}" >&2; }
    done
    echo "--- the processes of this test, and the windows:" >&2
    ps -o pid,stat,etime,args --ppid $$ >&2 || true
    local window
    for window in $(xdotool search --name . 2>/dev/null); do
        xwininfo -id "$window" 2>/dev/null | awk -v id="$window" '/^xwininfo/ { sub(/.*id: [^ ]* /, ""); name = $0 }
            /Map State/ { state = $3 } /geometry/ { place = $2 } END { print "   ", id, name, state, place }'
        xprop -id "$window" WM_STATE _NET_WM_STATE 2>/dev/null | tr -s '\n\t' '  ' | sed 's/^/      /;s/$/\n/'
    done >&2 || true
    exit 1
}

deadline=${VELMOR_TEST_DEADLINE:-600}
trap 'fail "the test ran into its deadline of $deadline s"' TERM
( trap 'kill $nap; wait $nap; exit' TERM; sleep "$deadline" & nap=$!; wait $nap; kill -TERM $$ ) &
at_exit "kill $!"

# A session bus of the test's own, ended with it: a child of the test's, not a daemon of its own,
# so that a test killed outright takes it along.
session_bus() {
    dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
    at_exit "kill $!"
    wait_until test -s "$work/bus" || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# Waits until the command succeeds, looking again every tenth of a second, for at most two
# minutes: a bound for a machine that other jobs load ten times over, not a time anything
# should take. The caller says what it waited for.
wait_until() { # command...
    local until=$((SECONDS + 120))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$until" ] || return 1
        sleep 0.1
    done
}
