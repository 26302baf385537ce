#!/usr/bin/env bash
# Every text of the window's sources has a finished translation in every .ts file, and no entry is left of a text
# the sources no longer have: lupdate, run over the sources as the update_translations target runs it, must leave
# each file as it is. An English text changed in the sources shows here as a file out of date.
# Usage: check_translations.sh LUPDATE CMAKE GENERATE-PROJECT.cmake PROJECT TS...
# (PROJECT.cmake, written by the build, becomes PROJECT.json as the update target makes it.)
set -euo pipefail
lupdate="$1" cmake="$2" generate="$3" project="$4.json"
"$cmake" -DIN_FILE="$4.cmake" -DOUT_FILE="$project" -P "$generate"
shift 4
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
    name="$(basename "$ts")"
    cp "$ts" "$scratch/$name"
    "$lupdate" -silent -project "$project" -no-obsolete -locations none -ts "$scratch/$name"
    if ! cmp -s "$ts" "$scratch/$name"; then
        echo "$name: not up to date with the sources (build the update_translations target, then translate):"
        diff -u "$ts" "$scratch/$name" | head -40
        status=1
    fi
    unfinished="$(grep -c -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$ts" || true)"
    if [ "$unfinished" -ne 0 ]; then
        echo "$name: $unfinished entries without a finished translation"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "$# translations complete: $(grep -c '<source>' "$1") texts each"
exit "$status"
