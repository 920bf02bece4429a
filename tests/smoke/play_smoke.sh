#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game in a real X server with real mouse and key events, with a fresh home:
#   1. switches to Normal through the menus, fills, crosses and erases cells, checking each
#      on a screenshot, cancels Game > Exit at "Save your game?" with Escape and plays on,
#      then leaves without saving;
#   2. solves a 5x5 Beginner puzzle by pressing H and answering every hint box, watches the
#      board dissolve, quits from "Congratulations!" and finds the win in "tessarin.ini";
#   3. enters a cell, saves at close, restarts, resumes and finds the same board, with its
#      file kept until the player leaves it unsaved;
#   4. in Normal, plays at the keyboard cursor, fills a row with a one-jump drag, takes it
#      back and brings it again with the undo and redo keys, and fills ten cells with ten
#      quick clicks;
#   0. SIGTERM at the first-time question ends the game within a second;
#   5. told to stop with nobody there to answer: SIGTERM during play, then SIGHUP during the
#      resumed game, each leave an "auto.sav" that the next start resumes as it was (the same
#      cells and marks on screen and in the file, the same faults, the time going on), and a
#      resumed game killed outright (SIGKILL) is offered again;
#   6. SIGTERM with a hint's box open ends the game within a second, keeping the game with
#      the hint's cells, which the next start offers;
#   7. the display going away during play leaves the game kept a few seconds after its last
#      change, which the next start offers.
# A "Fatal Error" box at any start fails the test.
#
# Given a game folder, plays a copy of it from there, where the game keeps its files. Given
# an installed program, plays it from an empty folder, as a desktop launcher starts it: its
# files must then land in the home's data folder and nowhere else.
#
# usage: play_smoke.sh GAME_FOLDER|PROGRAM [SCREENSHOT_FOLDER]
set -eu

if [ "${1:-}" != "--inside" ]; then
    self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir "$scratch/work" "$scratch/home"
    mkdir -m 700 "$scratch/runtime"
    if [ -d "$1" ]; then
        cp -r "$(cd "$1" && pwd)"/. "$scratch/work"
        rm -f "$scratch/work/tessarin.ini" "$scratch/work/auto.sav"
        export PROGRAM=./tessarin DATA=.
    else
        export PROGRAM="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" DATA="$scratch/home/.local/share/tessarin"
    fi
    cd "$scratch/work"
    unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
    # No audio device here: the dummy driver keeps "Unable to open audio!" from waiting for a click.
    export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" SDL_AUDIODRIVER=dummy SHOTS="${2:-}"
    # A start number of its own keeps parallel runs from racing for the same display, and
    # -noreset keeps the server up between the games (it resets when its last client leaves).
    xvfb-run -a -n $(($$ % 400 + 100)) -s "-screen 0 1024x768x24 -noreset" "$self" --inside
    exit
fi

. "$(dirname "$0")/real_window.sh"
game_pid=
menu_keys() { # open the Game menu, then type the keys
    open_game_menu
    xdotool key "$@"
}
started() { main_window_open || [ -n "$(fatal_error)" ]; }
start_game() {
    "$PROGRAM" &
    game_pid=$!
    wait_for started || fail "no window"
    if [ -n "$(fatal_error)" ]; then
        import -window "$(fatal_error)" fatal.png
        [ -n "$SHOTS" ] && cp fatal.png "$SHOTS/fatal.png"
        fail "a Fatal Error box at start"
    fi
    main=$(main_window)
}
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
expect_end() {
    wait_for game_ended || fail "the game did not close"
    status=0
    wait "$game_pid" || status=$?
    [ "$status" -eq 0 ] || fail "the game exited with status $status"
    game_pid=
}

# Bursts fade a little every tick, and ticks come late on a busy machine: the picture is
# taken once the cells have stopped changing.
screenshot() {
    sleep 0.5
    settled=
    for _ in $(seq 25); do
        now=$(cells_now 0 0 5)
        [ "$now" = "$settled" ] && break
        settled=$now
        sleep 0.2
    done
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
# The board is up once the plate's tint shows right of the first row, where no cell, clue or
# text is ever drawn: the wood alone, or with "Creating puzzle..." over it, is brown or white
# there, never green. (A resumed board may have anything in its cells.)
board_up() {
    import -window root screen.png
    plate="$(calc "$offset_x + 236 * $scale")+$(cell_y 0)"
    green=$(convert screen.png -crop "1x1+$plate" -format "%[fx:int(255*(p{0,0}.g-p{0,0}.r))]" info:)
    [ "$green" -gt 20 ]
}
expect() {
    look=$(cell_look "$1" "$2")
    [ "$look" = "$3" ] || fail "cell ($1, $2) looks $look, expected $3 (screenshot $shot)"
}
# A plain click, press and release at once, as a touchpad's tap sends it.
click() { # BUTTON COLUMN ROW
    xdotool mousemove --window "$main" "$(cell_x "$2")" "$(cell_y "$3")" click "$1"
}
expect_row() { # ROW LOOK
    for column in 0 1 2 3 4; do
        expect "$column" "$1" "$2"
    done
}

# The game must end by itself within a second of the signal, as a program told to stop does.
stop_game() { # SIGNAL
    kill "-$1" "$game_pid"
    for _ in $(seq 10); do
        game_ended && break
        sleep 0.1
    done
    game_ended || fail "SIG$1 did not end the game within a second"
    status=0
    wait "$game_pid" || status=$?
    game_pid=
    [ "$1" = KILL ] || [ "$status" -eq 0 ] || fail "the game exited with status $status on SIG$1"
}

echo "0. SIGTERM at the first-time question"
start_game
wait_for question_open || fail "the first-time question was not asked"
stop_game TERM

echo "1. fill, cross and erase"
start_game
answer Escape "the first-time question"
menu_keys Down Down Down Right Down Return # Mode > Normal
menu_keys Down Return                      # New Game
answer Escape "the first-time question before the new game"
wait_for board_up || fail "no board after New Game"
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
answer Escape "Save your game?"
sleep 0.5
main_window_open || fail "Escape at \"Save your game?\" closed the game"
click 1 4 4
screenshot
expect 4 4 filled
menu_keys Up Return
answer n "Save your game?"
expect_end

echo "2. solve with hints, win, quit"
sed -i 's/lastMode=Normal/lastMode=Beginner/' "$DATA/tessarin.ini"
start_game
answer Escape "the first-time question"
wait_for board_up || fail "no board after the start"
congratulated() { [ -n "$(windows '^Congratulations!$')" ]; }
box_or_win() { question_open || congratulated; }
hints=0
began=$(date +%s)
while ! congratulated; do
    [ "$hints" -lt 30 ] || fail "30 hints did not solve a 5x5 puzzle"
    press_in "$main" h
    wait_for box_or_win || true
    if question_open; then
        [ "$hints" -eq 0 ] && screenshot
        answer Return "a hint"
    fi
    hints=$((hints + 1))
    # Where the time went, should the test ever run out of it here.
    echo "   hint $hints after $(($(date +%s) - began)) s, focus on $(xdotool getwindowfocus 2>/dev/null)"
    sleep 0.2
done
screenshot
press_in "$(windows '^Congratulations!$' | cut -d' ' -f1)" Escape # Quit
expect_end
grep -q '^5x5Wins=1$' "$DATA/tessarin.ini" || fail "the win is not in tessarin.ini"
grep -q '^newPlayer=false$' "$DATA/tessarin.ini" || fail "the first win did not end the first-time question"

echo "3. save at close, resume"
start_game
wait_for board_up || fail "no board after the start"
click 1 2 2
screenshot
before=$(cell_look 2 2)
[ "$before" != blank ] || fail "the click entered nothing"
menu_keys Up Return
answer Return "Save your game?"
expect_end
[ -s "$DATA/auto.sav" ] || fail "no auto.sav"
start_game
answer Return "the load question"
wait_for board_up || fail "no board after the load"
screenshot
expect 2 2 "$before"
[ -s "$DATA/auto.sav" ] || fail "the resumed game's file is gone while it is played"
menu_keys Up Return
answer n "Save your game?"
expect_end
[ -e "$DATA/auto.sav" ] && fail "auto.sav is kept after the player said No"

echo "4. keys, a fast drag, undo and redo, quick clicks"
# Without particles nothing lingers over the cells when the screenshots are taken.
sed -i 's/^lastMode=.*/lastMode=Normal/; s/^particlesOn=.*/particlesOn=false/' "$DATA/tessarin.ini"
start_game
# Keys pressed while the puzzle is still being made enter nothing.
wait_for board_up || fail "no board after the start"
# The cursor starts on the top-left cell.
press_in "$main" space
xdotool key Right space
xdotool mousemove --window "$main" "$(cell_x 0)" "$(cell_y 2)" mousedown 1 \
    mousemove --window "$main" "$(cell_x 4)" "$(cell_y 2)" mouseup 1
screenshot
expect 0 0 filled
expect 1 0 filled
expect 2 0 blank
expect_row 2 filled
xdotool key ctrl+z
screenshot
expect_row 2 blank
xdotool key ctrl+y
clicks=
for row in 3 4; do
    for column in 0 1 2 3 4; do
        clicks="$clicks mousemove --window $main $(cell_x $column) $(cell_y $row) click 1"
    done
done
# shellcheck disable=SC2086 # one word per argument
xdotool $clicks
screenshot
expect_row 2 filled
expect_row 3 filled
expect_row 4 filled
menu_keys Up Return
answer n "Save your game?"
expect_end

echo "5. SIGTERM, SIGHUP and SIGKILL"
saved="$DATA/auto.sav"
# Field N (from 1) of a saved game's header: mode, columns, rows, time, faults.
field() { od -An -tu4 --endian=big -j $((4 * ($1 - 1))) -N4 "${2:-$saved}" | tr -d ' '; }
# The cells as drawn, once the pointer is off the board, into FILE. The pointer moves twice: a
# new window comes up under the pointer where the last one left it, and a move to where it
# already is moves nothing. The board's edge is left out: marks mode draws its frame around it.
board_now() { # FILE
    xdotool mousemove --window "$main" 6 301 mousemove --window "$main" 5 300
    screenshot
    inner=$(calc "24 * 5 * $scale - 8")
    convert screen.png -crop "${inner}x${inner}+$(calc "$(cell_x -0.5) + 4")+$(calc "$(cell_y -0.5) + 4")" "$1"
}
# Whether two pictures of the board show the same: a picture redrawn in parts may differ from
# one drawn whole by a shade in a pixel or two, never by a cell.
same_board() { [ "$(compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1)" = 0 ]; }
# The first blank cell, row by row, after the given one (COLUMN ROW), as the screen shows it.
blank_after() {
    screenshot
    at=$(($2 * 5 + $1 + 1))
    while [ "$at" -lt 25 ]; do
        if [ "$(cell_look $((at % 5)) $((at / 5)))" = blank ]; then
            echo "$((at % 5)) $((at / 5))"
            return 0
        fi
        at=$((at + 1))
    done
    fail "no blank cell left after ($1, $2)"
}
start_game
wait_for board_up || fail "no board after the start"
# On a board without a wrong cell a hint always names a technique in a box, and costs a fault.
open_box h "the hint"
answer Return "the hint"
set -- $(blank_after -1 0)
click 1 "$1" "$2"
set -- $(blank_after "$1" "$2")
click 3 "$1" "$2"
set -- $(blank_after "$1" "$2")
mark_x=$1 mark_y=$2
press_in "$main" m
click 1 "$mark_x" "$mark_y"
sleep 2
board_now ../left.png
stop_game TERM
[ -s "$saved" ] || fail "SIGTERM left no auto.sav"
cp "$saved" ../first.sav
[ "$(field 5)" -ge 1 ] || fail "the hint's fault was not kept"
[ "$(field 4)" -ge 2 ] || fail "the time was not kept: $(field 4) s"
# A mark (code 3) among the cells, where it was entered.
od -An -tu4 --endian=big -j 20 "$saved" | tr -s ' \n' ' ' | grep -q " $mark_x $mark_y 3 " || fail "the mark was not kept"

start_game
answer Return "the load question"
wait_for board_up || fail "no board after the load"
board_now ../resumed.png
same_board ../left.png ../resumed.png || fail "the resumed board does not look as it was left (screenshot $shot)"
sleep 2
stop_game HUP
cmp -s -i 20 ../first.sav "$saved" || fail "SIGHUP saved other cells or clues than were resumed"
[ "$(field 5)" -eq "$(field 5 ../first.sav)" ] || fail "the faults changed"
[ "$(field 4)" -gt "$(field 4 ../first.sav)" ] || fail "the time did not go on"
cp "$saved" ../second.sav

start_game
answer Return "the load question"
sleep 1
stop_game KILL
cmp -s ../second.sav "$saved" || fail "SIGKILL of a resumed game lost or changed its file"
start_game
answer n "the load question after SIGKILL"
save_gone() { [ ! -e "$saved" ]; }
wait_for save_gone || fail "auto.sav declined but kept"
menu_keys Up Return
expect_end
rm ../first.sav ../second.sav ../left.png ../resumed.png

echo "6. SIGTERM with a hint's box open"
start_game
wait_for board_up || fail "no board after the start"
open_box h "the hint's box"
stop_game TERM
[ -s "$saved" ] || fail "SIGTERM under the hint's box left no auto.sav"
[ "$(field 5)" -eq 1 ] || fail "the hint's fault was not kept"
cp "$saved" ../hinted.sav
start_game
answer n "the load question after SIGTERM under the hint's box"
wait_for save_gone || fail "auto.sav declined but kept"
menu_keys Up Return
expect_end
rm ../hinted.sav

echo "7. the display goes away during play"
# A display of its own, on a number no other server holds, gone again whatever happens.
number=$(($$ % 300 + 600))
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
    number=$((number + 1))
done
# -noreset: the server would otherwise reset, refusing clients for a moment, each time its last
# client (the probe below) leaves.
Xvfb ":$number" -noreset -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null || true' EXIT
main_display=$DISPLAY
export DISPLAY=":$number"
server_up() { xdotool getmouselocation >/dev/null 2>&1; }
wait_for server_up || fail "no second X server"
start_game
wait_for board_up || fail "no board on the second display"
click 1 2 2
kept() { [ -s "$saved" ]; }
wait_for kept || fail "the change was not kept while playing"
kill "$server_pid"
wait_for game_ended || fail "the game went on without its display"
wait "$game_pid" || true
game_pid=
wait "$server_pid" 2>/dev/null || true
export DISPLAY="$main_display"
[ -s "$saved" ] || fail "the game was lost with the display"
start_game
answer Return "the load question after the display went away"
wait_for board_up || fail "no board after the load"
screenshot
[ "$(cell_look 2 2)" != blank ] || fail "the kept game lost its cell (screenshot $shot)"
menu_keys Up Return
answer n "Save your game?"
expect_end
if [ "$DATA" != . ]; then
    # Only the settings stay behind (and whatever the graphics libraries cache).
    rm -f screen.png
    [ -z "$(ls -A)" ] || fail "files in the working folder: $(ls -A)"
    kept=$(cd "$HOME" && find . -path ./.cache -prune -o -type f -print)
    [ "$kept" = ./.local/share/tessarin/tessarin.ini ] || fail "files in the home: $kept"
fi
echo "smoke test passed"
