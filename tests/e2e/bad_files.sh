#!/usr/bin/env bash
# Starts the real program with every kind of bad vacation.txt we know of. Each start must
# bring the window up within a second, show at most one message, use no more than 50 MB over
# a normal start, and leave the file as it was.
set -euo pipefail
program=$(realpath "$1")
xwatch=$(realpath "$2")
source "$(dirname "$(realpath "$0")")/xvfb.sh" "$@"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset LC_ALL LC_TIME
work=$(mktemp -d)
trap 'rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT
failures=0

value() { sed -E "s/.*(^| )$1=([0-9.]+).*/\2/" <<<"$2"; }

start() { # directory -> the watcher's line
    (cd "$1" && "$xwatch" --settle 1.5 --duration 0.1 -- "$program")
}

mkdir "$work/normal"
printf '"12/24/2030"\r\n' >"$work/normal/vacation.txt"
normal_rss=$(value rss_kb "$(start "$work/normal")")

check() { # name windows-expected maker...
    local name=$1 windows=$2
    shift 2
    local dir="$work/$name"
    mkdir "$dir"
    (cd "$dir" && "$@")
    local before
    before=$(cd "$dir" && find . -printf '%p %s %y\n' | sort)
    local line
    line=$(start "$dir")
    local startup rss mapped
    startup=$(value startup_ms "$line")
    rss=$(value rss_kb "$line")
    mapped=$(value windows_mapped "$line")
    local verdict=ok
    awk -v s="$startup" 'BEGIN { exit !(s < 1000) }' || verdict="window after $startup ms"
    [ "$mapped" = "$windows" ] || verdict="$mapped windows mapped, expected $windows"
    [ $((rss - normal_rss)) -le 51200 ] || verdict="RSS $rss kB against $normal_rss kB normally"
    [ "$(cd "$dir" && find . -printf '%p %s %y\n' | sort)" = "$before" ] || verdict="the directory changed"
    printf '%-28s startup %6s ms  RSS %6s kB  windows %s  %s\n' "$name" "$startup" "$rss" "$mapped" "$verdict"
    [ "$verdict" = ok ] || failures=$((failures + 1))
}

# 2 windows: the main window and one message; 1: the main window alone.
check fifo 2 mkfifo vacation.txt
check dev-zero 2 ln -s /dev/zero vacation.txt
check dev-urandom 2 ln -s /dev/urandom vacation.txt
check one-gigabyte-sparse 2 truncate -s 1G vacation.txt
check nul-bytes 2 sh -c "printf '\"12/12\\0/2005\"\\r\\n' > vacation.txt"
check invalid-utf8 2 sh -c "printf '\"\\377\\376 12/12/2005\"\\r\\n' > vacation.txt"
check quote-never-closes 1 sh -c "printf '\"12/24/2030' > vacation.txt"
check million-commas 2 sh -c "head -c 1000000 /dev/zero | tr '\\0' ',' > vacation.txt"
check cr-without-lf 1 sh -c "printf '\"1/1/2001\"\\r\"12/24/2030\"\\r' > vacation.txt"
check million-digits 2 sh -c "head -c 1000000 /dev/zero | tr '\\0' '7' > vacation.txt"
check directory 2 mkdir vacation.txt
check empty 1 touch vacation.txt

[ "$failures" -eq 0 ] || { echo "FAIL: $failures bad files mishandled" >&2; exit 1; }
