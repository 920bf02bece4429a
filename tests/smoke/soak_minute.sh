#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A minute of restless random play in the real window, in a fresh copy of the game folder:
# fails on a crash or a hang (the soak tool's exit status).
# usage: soak_minute.sh GAME_FOLDER SOAK_TOOL
set -eu
game=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$game"/. "$work"
rm -f "$work/tessarin.ini" "$work/auto.sav"
cd "$work"
mkdir -p -m 700 runtime
export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy
exec xvfb-run -a -n $(($$ % 400 + 500)) -s "-screen 0 1024x768x24 -noreset" \
    "$2" --seconds 60 --sample-seconds 10 --warmup-seconds 30 --seed $$
