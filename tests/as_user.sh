#!/usr/bin/env bash
# The unit and widget tests once more as an ordinary user, for a run as root: root may do what
# the file layer's tests expect to be refused. None may skip.
# usage: as_user.sh BUILD-DIRECTORY   (as root)
set -euo pipefail
build=$1
user=nobody
place=$(mktemp -d)
trap 'rm -rf "$place"' EXIT
find "$build/tests" -maxdepth 1 -name "tst_*" -type f -executable -exec cp {} "$place/" \;
chmod 755 "$place" "$place"/tst_*
status=0
for test in "$place"/tst_*; do
    output=$(cd "$place" && env -i PATH=/usr/bin:/bin HOME="$place" TMPDIR=/tmp QT_QPA_PLATFORM=offscreen \
                 LANG=C.UTF-8 TZ=UTC QT_LOGGING_RULES='qt.qpa.*=false' \
                 setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups "$test" 2>&1) \
        || { echo "$output" | grep -E '^(FAIL|QFATAL|Totals)' >&2; echo "FAIL: $(basename "$test") as $user" >&2; status=1; continue; }
    if grep -q '^SKIP' <<<"$output"; then
        grep '^SKIP' -A1 <<<"$output" >&2
        echo "FAIL: $(basename "$test") skips as $user" >&2
        status=1
    fi
    grep '^Totals' <<<"$output" | sed "s/^/$(basename "$test") as $user: /"
done
exit $status
