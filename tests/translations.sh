#!/usr/bin/env bash
# The translations are complete and in step with the code and with each other: lupdate over
# the sources, into a scratch copy of each translation, finds no new message and leaves none
# unfinished or vanished (English holds the plural forms only, which a new one would leave
# unfinished); and every language of translations/ has its own words in the desktop entry
# (GenericName, Comment, Keywords) and in the AppStream metainfo (the summary and each
# paragraph of the description).
# usage: translations.sh LUPDATE SOURCE-ROOT APP-ID FOLDER...
set -euo pipefail
lupdate=$1
root=$2
app_id=$3
shift 3
folders=()
for folder in "$@"; do folders+=("$root/$folder"); done
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

desktop=$root/assets/$app_id.desktop
metainfo=$root/assets/$app_id.metainfo.xml
paragraphs=$(grep -c '<p>' "$metainfo")
for ts in "$root"/translations/velmor_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$scratch/"
    only=()
    [[ $name == *_en.ts ]] && only=(-pluralonly)
    report=$("$lupdate" -locations none "${only[@]}" "${folders[@]}" \
                 -ts "$scratch/$name" 2>&1)
    if { [ ${#only[@]} = 0 ] && grep -q -E '\([1-9][0-9]* new' <<<"$report"; } \
        || grep -q -E 'type="(unfinished|vanished|obsolete)"' "$scratch/$name"; then
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$scratch/$name" >&2 || true
        fail "$name is not in step with the code: $report"
    fi
    language=${name#velmor_}
    language=${language%.ts}
    [ "$language" = en ] && continue
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=." "$desktop" || fail "the desktop entry has no $key[$language]"
    done
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "the metainfo has no $language summary"
    [ "$(grep -c "<p xml:lang=\"$language\">" "$metainfo")" = "$paragraphs" ] \
        || fail "the metainfo's description does not have all its $paragraphs paragraphs in $language"
done
echo "translations: $(ls "$root"/translations/velmor_*.ts | wc -l) complete and in step"
