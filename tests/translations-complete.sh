#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lupdate, run over the sources into copies of the .ts files, finds every
# text translated and none that the sources no longer have.
set -euo pipefail
lupdate=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$source"/translations/*.ts "$scratch"/
"$lupdate" -silent -locations none "$source"/app/*.cpp "$source"/jobs/*.cpp "$source"/form/tonquirl.ui \
    -ts "$scratch"/*.ts
status=0
for ts in "$scratch"/*.ts; do
    count=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$ts" || true)
    if [ "$count" -ne 0 ]; then
        echo "$(basename "$ts"): $count texts untranslated or no longer in the sources:" >&2
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$ts" | grep '<source>' >&2
        status=1
    fi
done
exit $status
