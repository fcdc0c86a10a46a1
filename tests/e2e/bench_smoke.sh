#!/usr/bin/env bash
# The benchmark's watcher starts the floor program, sees its window map and its updates.
set -euo pipefail
xwatch=$(realpath "$1")
floor=$(realpath "$2")
if [ -z "${VELMOR_E2E_INNER:-}" ]; then
    export VELMOR_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$(mktemp -d)
line=$("$xwatch" --settle 0.5 --duration 2.5 -- "$floor")
echo "$line"
for key in startup_ms rss_kb pss_kb cpu_ms wakeups_per_s phase_median_ms seconds_missed windows_mapped; do
    grep -q -E "(^| )$key=[0-9]" <<<"$line" || { echo "FAIL: no $key" >&2; exit 1; }
done
updates=$(sed -E 's/.* updates=([0-9]+).*/\1/' <<<"$line")
[ "$updates" -ge 1 ] || { echo "FAIL: the floor's labels never changed" >&2; exit 1; }
