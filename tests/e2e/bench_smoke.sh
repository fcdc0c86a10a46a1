#!/usr/bin/env bash
# The benchmark's watcher starts the floor program, sees its window map and its updates.
set -euo pipefail
xwatch=$(realpath "$1")
floor=$(realpath "$2")
source "$(dirname "$(realpath "$0")")/xvfb.sh" "$@"
export QT_QPA_PLATFORM=xcb
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
line=$("$xwatch" --settle 0.5 --duration 2.5 -- "$floor")
echo "$line"
for key in startup_ms rss_kb pss_kb cpu_ms wakeups_per_s phase_median_ms seconds_missed windows_mapped; do
    grep -q -E "(^| )$key=[0-9]" <<<"$line" || { echo "FAIL: no $key" >&2; exit 1; }
done
updates=$(sed -E 's/.* updates=([0-9]+).*/\1/' <<<"$line")
[ "$updates" -ge 1 ] || { echo "FAIL: the floor's labels never changed" >&2; exit 1; }
