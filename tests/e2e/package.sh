#!/usr/bin/env bash
# Builds the Debian source and binary packages as scripts/package does (which fails on any
# lintian error or warning) and checks what a user gets from them: the program, the desktop
# entry, metainfo, icons, manual page and copyright where the desktop and man find them, all
# of them valid; the packaged binary answering.
set -euo pipefail
root=$(cd "$(dirname "$(realpath "$0")")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Quiet when it builds; when it fails, all it said (lintian's tags among it) and where.
"$root/scripts/package" "$out" >"$out/package.log" 2>&1 \
    || { cat "$out/package.log" >&2; fail "scripts/package failed"; }
deb=$(ls "$out"/velmor-counter_1.00_"$(dpkg --print-architecture)".deb)

id=org.example.VelmorCounter
files=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for file in bin/velmor-counter share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/{16x16,32x32,48x48}/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
            share/man/man1/velmor-counter.1.gz share/doc/velmor-counter/copyright; do
    grep -qx "./usr/$file" <<<"$files" || fail "/usr/$file is not in the package"
done
dpkg-deb -x "$deb" "$out/root"
usr=$out/root/usr
[ "$("$usr/bin/velmor-counter" --version)" = "Velmor Trip Counter 1.00" ] || fail "the packaged binary does not answer --version"
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml" >/dev/null
warnings=$(man --warnings -l "$usr/share/man/man1/velmor-counter.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about the manual page: $warnings"
echo "package: $(basename "$deb") lintian-clean, complete, valid, and it runs"
