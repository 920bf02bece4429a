#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real game in a copy of its folder once without each of its asset files in turn
# (every picture, sound, music track, font and English help page), then with a pipe in place
# of each (which a reader would wait on forever), then without an audio device and with
# nowhere at all to save. Each time the game must open, show no message but its own,
# enter a cell on a plain click, and report the files it could not keep, one box each.
#
# usage: missing_pieces.sh GAME_FOLDER
set -eu

if [ "${1:-}" != "--inside" ]; then
    self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
    scratch=$(mktemp -d)
    trap 'chattr -R -i "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
    export GAME="$(cd "$1" && pwd)" SCRATCH="$scratch"
    mkdir -m 700 "$scratch/runtime"
    export XDG_RUNTIME_DIR="$scratch/runtime"
    unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
    # No installed copy may stand in for a missing file.
    mkdir "$scratch/no-data"
    export XDG_DATA_DIRS="$scratch/no-data"
    xvfb-run -a -n $(($$ % 400 + 900)) -s "-screen 0 1024x768x24 -noreset" "$self" --inside
    exit
fi

. "$(dirname "$0")/real_window.sh"
game_pid=

# The messages the game itself defines for a missing piece.
own_message() {
    case "$1" in
    "Failed to load mistake.png!" | "Failed to load background file!" | "Unable to open audio!") return 0 ;;
    "Tessarin cannot find its pictures"*) return 0 ;;
    esac
    return 1
}
# Visible windows that are neither the board, its boxes, a fatal error nor a help page.
strangers() {
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        name=$(xdotool getwindowname "$id" 2>/dev/null || true)
        case "$name" in Tessarin | "Fatal Error" | "Help: "* | "") ;; *) echo "$name" ;; esac
    done
}

# Fresh copies of the game folder and of the home for one case: the case runs in $work.
prepare() {
    chattr -R -i "$SCRATCH/work" "$SCRATCH/home" 2>/dev/null || true
    rm -rf "$SCRATCH/work" "$SCRATCH/home"
    cp -r "$GAME" "$SCRATCH/work"
    mkdir "$SCRATCH/home"
    work=$SCRATCH/work
    export HOME="$SCRATCH/home"
    printf '[settings]\nnewPlayer=false\nparticlesOn=false\n[lastGame]\nlastMode=Normal\nlastSize=5x5\n' \
        >"$work/tessarin.ini"
    rm -f "$work/auto.sav"
}

# Answers every box the way a player in a hurry does (OK, No) until the board has stood
# alone for a second.
settle() {
    quiet=0
    for _ in $(seq 150); do
        kill -0 "$game_pid" 2>/dev/null || fail "$case_name: the game died"
        if [ -n "$(fatal_error)" ]; then
            press_in "$(fatal_error)" Return
            quiet=0
        elif question_open; then
            press_in "$(question_window)" Escape
            quiet=0
        elif main_window_open; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 10 ] && return 0
        fi
        sleep 0.1
    done
    fail "$case_name: the board never stood alone"
}

# Starts the game in $work with the audio driver given, plays one click and checks it.
play_one_click() { # AUDIO_DRIVER
    (cd "$work" && SDL_AUDIODRIVER=$1 exec ./tessarin) 2>"$SCRATCH/stderr" &
    game_pid=$!
    settle
    main=$(main_window)
    xdotool mousemove --window "$main" "$(cell_x 2)" "$(cell_y 2)"
    sleep 0.5
    before=$(cells_now 2 2)
    xdotool click 1
    changed() { [ "$(cells_now 2 2)" != "$before" ]; }
    wait_for changed || fail "$case_name: a click on a cell changed nothing"
}

# Closes through Game > Exit and answers "Save your game?" with KEY (Return says Yes, n says
# No); sets told to the number of boxes after it (a failed save or unsaved settings are told
# in one box each), and open to 1 when the game stays open after them.
close_game() { # KEY
    open_game_menu
    xdotool key Up Return
    wait_for question_open || fail "$case_name: not asked to save"
    answered=$(question_window)
    press_in "$answered" "$1"
    # A box that follows at once may still find the last one in the list, so each is known
    # by its own window.
    told=0
    quiet=0
    while kill -0 "$game_pid" 2>/dev/null && [ "$quiet" -lt 25 ]; do
        box=$(question_window)
        if [ -n "$box" ] && [ "$box" != "$answered" ]; then
            press_in "$box" Return
            answered=$box
            told=$((told + 1))
            quiet=0
        else
            quiet=$((quiet + 1))
        fi
        sleep 0.2
    done
    open=0
    if kill -0 "$game_pid" 2>/dev/null; then
        open=1
        return 0
    fi
    wait "$game_pid" || fail "$case_name: the game ended badly"
    game_pid=
}

check_messages() {
    [ -z "$(strangers)" ] || fail "$case_name: unexpected windows: $(strangers)"
    shown=$(sed -n 's/^Fatal Error: //p' "$SCRATCH/stderr")
    echo "$shown" | while IFS= read -r message; do
        [ -z "$message" ] || own_message "$message" || fail "$case_name: a message of no one's: $message"
    done
    echo "$case_name: opens, a click enters a cell; said: ${shown:-nothing}" | head -1
}

end_game() {
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

# The help of other languages is read as the English is.
(cd "$GAME" && find Images Sounds Music Fonts Help Pictures -type f | grep -v '^Help/[a-z][a-z]/' | sort) >"$SCRATCH/assets"
while IFS= read -r file; do
    case_name="without $file"
    prepare
    rm "$work/$file"
    play_one_click dummy
    # A help page is only read when asked for.
    case "$file" in Help/*)
        press_in "$main" F1
        sleep 1
        ;;
    esac
    check_messages
    end_game
done <"$SCRATCH/assets"

case_name="with pipes for assets"
prepare
# All but the mark of the game's folder, the cell strip, which a pipe would unmake.
grep -v '^Images/cell.png$' "$SCRATCH/assets" | while IFS= read -r file; do
    rm "$work/$file"
    mkfifo "$work/$file"
done
play_one_click dummy
press_in "$main" F1
sleep 1
check_messages
end_game

case_name="without an audio device"
prepare
play_one_click no-such-driver
check_messages
grep -q '^Fatal Error: Unable to open audio!$' "$SCRATCH/stderr" || fail "$case_name: not told"
end_game

case_name="with nowhere to save"
prepare
chattr +i "$work" "$HOME"
play_one_click dummy
close_game Return
[ "$told" -eq 1 ] && [ "$open" -eq 1 ] || fail "$case_name: $told boxes after saving, open $open: expected the game's failure, and the game open"
close_game n
[ "$told" -eq 1 ] && [ "$open" -eq 0 ] || fail "$case_name: $told boxes after leaving unsaved, open $open: expected the settings' failure"
echo "$case_name: the failed save told and the game kept open; the settings' failure told at close"

echo "missing pieces test passed"
