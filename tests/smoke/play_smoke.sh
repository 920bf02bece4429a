#!/bin/sh
# Plays the real game in a real X server: starts it in a fresh folder, switches to Normal
# through the menus, fills, crosses and erases cells with real mouse clicks, checks each on a
# screenshot, and leaves through Game > Exit.
#
# usage: play_smoke.sh GAME_FOLDER [SCREENSHOT_FOLDER]
set -eu

if [ "${1:-}" != "--inside" ]; then
    self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
    game=$(cd "$1" && pwd)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -r "$game"/. "$work"
    cd "$work"
    SHOTS="${2:-}" xvfb-run -a -s "-screen 0 1024x768x24" "$self" --inside
    exit
fi

export XDG_RUNTIME_DIR="$PWD/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
game_pid=
fail() {
    echo "FAIL: $*"
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    exit 1
}
calc() { awk "BEGIN { printf \"%d\", $1 }"; }

# Every window of the game is titled "Tessarin": the board is the 800 x 600 one, any other
# is a question.
windows() {
    for id in $(xdotool search --onlyvisible --name '^Tessarin$' 2>/dev/null); do
        echo "$id $(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')"
    done
}
main_window() { windows | sed -n 's/ 800x600$//p' | head -1; }
question_open() { windows | grep -qv ' 800x600$'; }
question_closed() { ! question_open; }
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
answer_no() {
    wait_for question_open || fail "$1 was not asked"
    xdotool key Escape
    wait_for question_closed || fail "$1 stayed open"
}
menu_keys() { # open the Game menu, then type KEYS
    xdotool mousemove --window "$main" 20 9 click 1
    sleep 0.3
    xdotool key "$@"
}

./tessarin &
game_pid=$!
wait_for main_window >/dev/null || fail "no window"
main=$(main_window)
answer_no "the first-time question"

menu_keys Down Down Down Right Down Return # Mode > Normal
menu_keys Down Return                      # New Game
answer_no "the first-time question before the new game"
sleep 0.5

# A 5 x 5 board has four clue slots each way, so its cells start at board pixel 110; the
# 260-pixel scene is scaled to the height below the menu bar and centred across.
menu=19
scale=$(awk "BEGIN { print (600 - $menu) / 260 }")
offset_x=$(calc "(800 - 260 * $scale) / 2")
cell_x() { calc "$offset_x + (122 + 24 * $1) * $scale"; }
cell_y() { calc "$menu + (122 + 24 * $1) * $scale"; }

shot=0
screenshot() {
    sleep 0.3
    shot=$((shot + 1))
    import -window root screen.png
    [ -n "$SHOTS" ] && cp screen.png "$SHOTS/smoke$shot.png"
    return 0
}
brightness() { convert screen.png -crop "1x1+$1+$2" -colorspace Gray -format '%[fx:int(255*p{0,0})]' info:; }
# A blank cell shows the light plate; a cross is dark in the middle only; a fill is dark
# near its top edge too.
cell_look() {
    x=$(cell_x "$1")
    y=$(cell_y "$2")
    if [ "$(brightness "$x" "$y")" -gt 110 ]; then
        echo blank
    elif [ "$(brightness "$x" "$(calc "$y - 8 * $scale")")" -gt 110 ]; then
        echo crossed
    else
        echo filled
    fi
}
expect() {
    look=$(cell_look "$1" "$2")
    [ "$look" = "$3" ] || fail "cell ($1, $2) looks $look, expected $3 (screenshot $shot)"
}
# Input is sampled every 10 ms tick, so a click has to last longer than a tick, as a
# player's does.
click() {
    xdotool mousemove --window "$main" "$(cell_x "$2")" "$(cell_y "$3")" mousedown "$1"
    sleep 0.1
    xdotool mouseup "$1"
}

screenshot
expect 0 0 blank
expect 1 0 blank
click 1 0 0
screenshot
expect 0 0 filled
click 3 1 0
screenshot
expect 0 0 filled
expect 1 0 crossed
click 1 0 0
screenshot
expect 0 0 blank
expect 1 0 crossed

menu_keys Up Return # Exit, the last entry
for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not close"
status=0
wait "$game_pid" || status=$?
[ "$status" -eq 0 ] || fail "the game exited with status $status"
echo "smoke test passed"
