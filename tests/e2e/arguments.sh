#!/usr/bin/env bash
# The program's arguments, and a start where no display can be reached: an answer on one
# line or a few, a status, and never a window, an abort or a core dump; the help in the user's
# language.
# usage: arguments.sh PROGRAM
set -uo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { # expected-status expected-output-pattern arguments...
    local status=$1 pattern=$2
    shift 2
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1)
    actual=$?
    [ "$actual" = "$status" ] && grep -q -E "$pattern" <<<"$output" \
        || fail "velmor-counter $* exited with $actual (not $status) saying: $output"
    [ "$status" = 0 ] || [ "$(wc -l <<<"$output")" = 1 ] || fail "velmor-counter $* said more than one line: $output"
}
run 0 '^Velmor Trip Counter 1\.00$' --version
run 0 'vacation\.txt' --help
run 0 '^Usage: velmor-counter' -h
"$program" --help >/dev/full 2>/dev/null && fail "velmor-counter --help into a full disk exited 0"
[ "$(env -u DISPLAY "$program" --help | awk 'length($0) > 79')" = "" ] || fail "--help is wider than 79 columns"
# In the user's language, with the options' names as they are.
for language in "de_DE:Aufruf: velmor-counter \[Option\]" "ar_EG:الاستخدام: velmor-counter" "ja_JP:使い方: velmor-counter"; do
    LANG=${language%%:*}.UTF-8 "$program" --help | head -n 1 | grep -q -E "^${language#*:}" \
        || fail "--help in ${language%%:*} begins: $(LANG=${language%%:*}.UTF-8 "$program" --help | head -n 1)"
    LANG=${language%%:*}.UTF-8 "$program" --help | grep -q -e '-h, --help' || fail "--help in ${language%%:*} renames an option"
done

run 2 "velmor-counter: Unknown option 'frobnicate'" --frobnicate
[ "$(LANG=de_DE.UTF-8 "$program" --frobnicate 2>&1)" = "velmor-counter: Unbekannte Option 'frobnicate'." ] \
    || fail "an unknown option in German is: $(LANG=de_DE.UTF-8 "$program" --frobnicate 2>&1)"
run 2 "velmor-counter: unexpected argument 'today'" today
run 1 '^velmor-counter: there is no display' 
run 1 '^velmor-counter: cannot open the display :97$' -display :97
run 1 '^velmor-counter: there is no display' -geometry 100x100+0+0 -icon counter.png
echo "arguments: help, version, wrong arguments and no display answered"
