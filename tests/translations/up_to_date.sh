#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed translations are what lupdate makes of the sources today, with every text
# translated: a text added or changed in the code and not yet translated fails here.
#
# usage: up_to_date.sh LUPDATE SOURCE_FOLDER FOLDER...
set -eu
lupdate=$1
source=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$source"/translations/*.ts "$scratch"
cd "$source"
"$lupdate" -silent -no-obsolete -locations none "$@" -ts "$scratch"/*.ts
status=0
for copy in "$scratch"/*.ts; do
    name=$(basename "$copy")
    if ! cmp -s "$copy" "translations/$name"; then
        echo "FAIL: translations/$name is not what lupdate makes of the sources now (build update_translations):"
        diff "translations/$name" "$copy" | head -20
        status=1
    fi
    untranslated=$(grep -c 'type="unfinished"' "$copy" || true)
    if [ "$untranslated" != 0 ]; then
        echo "FAIL: $name has $untranslated texts without a finished translation"
        status=1
    fi
done
[ $status = 0 ] && echo "translations up to date"
exit $status
