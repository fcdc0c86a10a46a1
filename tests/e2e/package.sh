#!/usr/bin/env bash
# Builds the Debian source and binary packages as scripts/package does (which fails on any
# lintian error or warning, and on any failure of the package's own tests, run by autopkgtest in
# a fresh system) and checks what a user gets from them: the program, the desktop entry,
# metainfo, icons, manual page and copyright where the desktop and man find them, all of them
# valid; what a software centre's catalog takes from the metainfo, the screenshots among it; the
# packaged binary answering.
set -euo pipefail
root=$(cd "$(dirname "$(realpath "$0")")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Quiet when it builds; when it fails, all it said (lintian's tags among it) and where.
"$root/scripts/package" --autopkgtest "$out" >"$out/package.log" 2>&1 \
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

# AppStream's validator, over the metainfo and the desktop entry its <launchable> names, finds
# nothing but the hint that the id has capitals, which it keeps (the metainfo says why), and,
# before AppStream 1.0 (Debian 12's 0.16), that it does not know <developer> yet, which 1.0
# takes in place of <developer_name>. Each finding as its tag and, where it has one, its hint.
allowed=("cid-contains-uppercase-letter $id")
dpkg --compare-versions "$(appstreamcli --version | awk '{ print $NF }')" ge 1.0 \
    || allowed+=("unknown-tag developer")
findings=$(appstreamcli validate-tree --no-net --pedantic --format yaml "$out/root" \
    | awk '/^- tag:/ { if (finding) print finding; finding = $3 } /^  hint:/ { finding = finding " " $2 }
           END { if (finding) print finding }')
unexpected=$(grep -v -x -F "${allowed[@]/#/-e}" <<<"$findings" || true)
[ -z "$unexpected" ] || {
    appstreamcli validate-tree --no-net --pedantic --explain "$out/root" >&2 || true
    fail "AppStream's validator finds more than the id's capitals: $unexpected"
}

# The screenshots as a software centre's catalog lists them (DEP-11, which appstreamcli makes
# of the metainfo): each with a caption, at the homepage's screenshots/, a picture of
# assets/screenshots at the size given and at least 620 px wide, and every picture there listed.
homepage=$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' "$usr/share/metainfo/$id.metainfo.xml")
appstreamcli convert "$usr/share/metainfo/$id.metainfo.xml" "$out/catalog.yml" >/dev/null
listed=$(awk '/^Screenshots:/ { on = 1; next } on && /^[^ -]/ { on = 0 } !on { next }
              /^- / { n++ } /^    C: / { caption[n] = substr($0, 8) }
              /source-image:/ { source = 1 } /thumbnails:/ { source = 0 }
              source && /url:/ { url[n] = $2 } source && /width:/ { width[n] = $2 } source && /height:/ { height[n] = $2 }
              END { for (i = 1; i <= n; i++) print url[i], width[i] "x" height[i], caption[i] }' "$out/catalog.yml")
pictures=$(git -C "$root" ls-files 'assets/screenshots/*.png')
[ -n "$listed" ] || fail "appstreamcli lists no screenshots"
while read -r url size caption; do
    [ -n "$caption" ] || fail "the screenshot $url has no caption"
    [ "${url%/*}/" = "${homepage%/}/screenshots/" ] || fail "the screenshot $url is not at ${homepage%/}/screenshots/"
    picture=assets/screenshots/${url##*/}
    grep -q -x -F "$picture" <<<"$pictures" || fail "the screenshot $url is not in assets/screenshots"
    [ "$(identify -format '%wx%h' "$root/$picture")" = "$size" ] || fail "$picture is not $size as listed"
    [ "${size%x*}" -ge 620 ] || fail "$picture is narrower than software centres take"
done <<<"$listed"
[ "$(wc -l <<<"$pictures")" = "$(wc -l <<<"$listed")" ] || fail "the metainfo does not list every picture of assets/screenshots"
warnings=$(man --warnings -l "$usr/share/man/man1/velmor-counter.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about the manual page: $warnings"
echo "package: $(basename "$deb") lintian-clean, its tests passed in a fresh system, complete, valid," \
     "$(wc -l <<<"$listed") screenshots listed, and it runs"
