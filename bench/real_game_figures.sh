#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game under Xvfb, each time in a fresh copy of its folder, 5x5 Beginner, music off:
# prints the time from start to the first drawn puzzle (each start, then the median), the share
# of one core it takes over 30 s at rest before the first move (the next puzzle made by then)
# and after one click with the clock running, how often it wakes in each (its threads'
# voluntary context switches a second, with the busiest thread's share), and its resident
# memory at rest.
#
# usage: real_game_figures.sh GAME_FOLDER PROBE [STARTS]
#   e.g. bench/real_game_figures.sh build/game build/bench/first_board_probe 7
set -eu

if [ "${1:-}" != "--inside" ]; then
    self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    export GAME="$(cd "$1" && pwd)" PROBE="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")" STARTS="${3:-7}"
    export SCRATCH="$scratch" XDG_RUNTIME_DIR="$scratch/runtime" SDL_AUDIODRIVER=dummy
    mkdir -m 700 "$scratch/runtime"
    xvfb-run -a -s "-screen 0 1024x768x24" "$self" --inside
    exit
fi

# The middle cell of a 5x5 board in the 800 x 600 window at the screen's corner.
x=489
y=399
fresh_folder() {
    rm -rf "$SCRATCH/work"
    cp -r "$GAME" "$SCRATCH/work"
    rm -f "$SCRATCH/work/auto.sav"
    printf '[settings]\nnewPlayer=false\nmusicOn=false\n[lastGame]\nlastMode=Beginner\nlastSize=5x5\n' \
        >"$SCRATCH/work/tessarin.ini"
}
start_game() { # prints "PID MILLISECONDS"
    fresh_folder
    (cd "$SCRATCH/work" && "$PROBE" "$x" "$y" ./tessarin)
}
stop_game() {
    kill "$1" 2>/dev/null || true
    while kill -0 "$1" 2>/dev/null; do sleep 0.1; done
}
# Clock ticks of processor time the process has used, user and system.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Each thread's voluntary context switches so far: "TID NAME COUNT" lines.
switches() {
    for task in /proc/"$1"/task/*; do
        echo "${task##*/} $(tr ' ' '_' <"$task/comm") $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status")"
    done
}
# The share of a core over SECONDS, and the wake-ups a second of all threads and of the one
# that woke most.
core_share() { # PID SECONDS
    before=$(cpu_ticks "$1")
    switches "$1" >"$SCRATCH/switches.before"
    sleep "$2"
    switches "$1" >"$SCRATCH/switches.after"
    awk "BEGIN { printf \"%.2f %% of a core\", 100 * ($(cpu_ticks "$1") - $before) / ($2 * $(getconf CLK_TCK)) }"
    awk -v seconds="$2" 'NR == FNR { was[$1] = $3; next }
        { woke = $3 - was[$1]; total += woke; if (woke > most) { most = woke; name = $2 } }
        END { printf ", %.2f wake-ups a second (%s %.2f)", total / seconds, name ? name : "none", most / seconds }' \
        "$SCRATCH/switches.before" "$SCRATCH/switches.after"
}

times=
for _ in $(seq "$STARTS"); do
    set -- $(start_game)
    times="$times $2"
    stop_game "$1"
done
echo "start to the first drawn puzzle:$times ms; median $(echo "$times" | tr ' ' '\n' | sed '/^$/d' | sort -n |
    awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') ms"

set -- $(start_game)
game=$1
sleep 5
echo "at rest before the first move: $(core_share "$game" 30)"
echo "resident memory at rest: $(awk '/^VmRSS/ { print $2, $3 }' "/proc/$game/status")"
xdotool mousemove "$x" "$y" click 1
sleep 2
echo "at rest with the clock running: $(core_share "$game" 30)"
stop_game "$game"
