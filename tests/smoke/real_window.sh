# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the real-window tests: finding the game's windows under Xvfb without a window
# manager, answering its boxes, and where the cells of a 5x5 board are in an 800 x 600 window.
# Sourced; expects game_pid to name the running game, if any.

fail() {
    echo "FAIL: $*"
    show_windows
    [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
    exit 1
}
calc() { awk "BEGIN { printf \"%d\", $1 }"; }
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The board is the 800 x 600 window titled "Tessarin"; a box with that title is a question.
windows() {
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        echo "$id $(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')"
    done
}
main_window() { windows '^Tessarin$' | sed -n 's/ 800x600$//p' | head -1; }
main_window_open() { [ -n "$(main_window)" ]; }
question_window() { windows '^Tessarin$' | grep -v ' 800x600$' | cut -d' ' -f1 | head -1; }
question_open() { [ -n "$(question_window)" ]; }
question_closed() { ! question_open; }
fatal_error() { windows '^Fatal Error$' | cut -d' ' -f1 | head -1; }
# An open menu is a window of the game's with no title of its own, only the program's name.
menu_open() {
    for id in $(xdotool search --onlyvisible --classname '^tessarin$' 2>/dev/null); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = tessarin ] && return 0
    done
    return 1
}
# Keys typed before the menu is up would go to the board, however long a fixed pause. A
# click that lands while the last menu is still letting go of the pointer is lost, so a
# menu that has not opened after a while is clicked again.
open_game_menu() {
    for _ in 1 2 3 4; do
        xdotool mousemove --window "$main" 20 9 click 1
        for _ in $(seq 30); do
            menu_open && return 0
            sleep 0.1
        done
    done
    fail "the Game menu did not open"
}
# What is on the screen and which window has the keys, for the log.
show_windows() {
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  window $id \"$(xdotool getwindowname "$id" 2>/dev/null)\" $(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')"
    done
    echo "  focus: $(xdotool getwindowfocus 2>/dev/null)"
}
# Without a window manager keys go to the focused window, so focus the window itself first
# and wait until the server has done so; xdotool's own wait gives up only after many seconds,
# which, tried again and again on a loaded machine, could outlast a test, so it is cut short
# and tried again.
press_in() { # WINDOW KEY
    for _ in 1 2 3; do
        timeout 2 xdotool windowfocus --sync "$1" 2>/dev/null && break
    done
    xdotool key "$2"
}
# A key pressed while the board is only just up may be lost (more often while the machine is
# busy): while no box has opened after a while, the key is pressed again. A second press
# cannot open a second box, since the first one takes every key while it is open.
open_box() { # KEY WHAT
    for _ in 1 2 3; do
        main=$(main_window)
        press_in "$main" "$1"
        for _ in $(seq 50); do
            question_open && return 0
            sleep 0.1
        done
    done
    fail "$2 was not asked"
}
# A box that has only just appeared may not take the focus yet (more often while the machine
# is busy), and the key goes to the board instead: while a box is still open after a while,
# the key is pressed in it again. Answered means no box is left open.
answer() { # KEY WHAT: Return takes the default (Yes, OK), n says No, Escape says No or cancels
    wait_for question_open || fail "$2 was not asked"
    for _ in 1 2 3; do
        press_in "$(question_window)" "$1"
        for _ in $(seq 30); do
            question_closed && return 0
            sleep 0.1
        done
    done
    fail "$2 stayed open"
}

# A 5 x 5 board has four clue slots each way, so its cells start at board pixel 110; the
# 260-pixel scene is scaled to the height below the menu bar and centred across.
menu=19
scale=$(awk "BEGIN { print (600 - $menu) / 260 }")
offset_x=$(calc "(800 - 260 * $scale) / 2")
cell_x() { calc "$offset_x + (122 + 24 * $1) * $scale"; }
cell_y() { calc "$menu + (122 + 24 * $1) * $scale"; }
# A checksum of the pixels of a square of cells: COLUMN ROW [CELLS]
cells_now() {
    size=$(calc "24 * ${3:-1} * $scale")
    import -window root -crop "${size}x${size}+$(cell_x "($1 - 0.5)")+$(cell_y "($2 - 0.5)")" rgb:- | md5sum
}
