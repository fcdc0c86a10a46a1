#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop finds there.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.VelmorCounter
for file in bin/velmor-counter \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/32x32/apps/$id.png \
            share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$prefix/$file" ] || { echo "FAIL: $file not installed" >&2; exit 1; }
done
for size in 16 32 48; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" \
        || { echo "FAIL: the $size px icon is not $size x $size" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed and valid: $(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
