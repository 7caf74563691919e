#!/usr/bin/env bash
# Every source text has a German and a French translation, and every text that counts its
# English plural forms (the English file holds those alone): lupdate run over the sources
# finds nothing new, leaves no text unfinished or empty, and changes no committed .ts file.
# Usage: complete.sh LUPDATE SOURCE_FOLDER TS_FILE...
set -euo pipefail
LUPDATE=$1
SOURCES=$2
shift 2
fail() { echo "FAIL: $*" >&2; exit 1; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
for ts in "$@"; do
    copy=$WORK/$(basename "$ts")
    cp "$ts" "$copy"
    only=()
    [[ $ts == *_en.ts ]] && only=(-pluralonly)
    report=$("$LUPDATE" "${only[@]}" -locations none -no-obsolete "$SOURCES" -ts "$copy" 2>&1)
    echo "$(basename "$ts"): $report" | tr '\n' ' '
    echo
    # The English file's texts are stripped to the plural ones, so only what remains tells.
    [ ${#only[@]} -gt 0 ] || grep -q "Found [1-9][0-9]* source text(s) (0 new" <<<"$report" ||
        fail "$(basename "$ts") lacks source texts: $report"
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    [ "$unfinished" = 0 ] || fail "$(basename "$ts") has $unfinished unfinished translations"
    grep -q '<translation></translation>\|<translation/>' "$copy" &&
        fail "$(basename "$ts") has an empty translation"
    cmp -s "$ts" "$copy" || fail "$(basename "$ts") is not what lupdate makes of the sources"
done
echo "translations: complete"
