#!/usr/bin/env bash
# The play comforts as a player uses them, read off the screen: two swaps taken back with
# Ctrl+Z give the jumbled board and "Moves: 0" again; Restart after slides gives the first
# board back; a game left with Exit is resumed in the next run with its board and moves, and
# one ended by a signal is kept the same way; one whose picture is gone is dropped once the
# player is told.
# Usage: xvfb-run -a comforts.sh path/to/tilewright
set -euo pipefail
GAME=$(realpath "$1")
. "$(dirname "$0")/lib.sh"

PICTURES=$(mktemp -d -p "$SCRATCH")
grid_picture 4 480 "$PICTURES/grid.bmp"

# status_gap: the status bar's band below the board, found as the rows under the picture's
# lowest row (every tile of the grid picture has a blue of 200; the hole starts elsewhere).
status_gap() {
    import -window "$WINDOW" "$WORK/gap.png"
    python3 - "$WORK/gap.png" <<'PY'
import subprocess, sys
rows = subprocess.run(["convert", sys.argv[1], "-crop", "1x10000+5+0", "-depth", "8", "rgb:-"],
                      capture_output=True, check=True).stdout
height = len(rows) // 3
for y in range(height - 1, -1, -1):
    if 190 <= rows[3 * y + 2] <= 210:
        print(height - 1 - y)
        break
PY
}

# moves_shown FILE: the moves half of the status bar, as a picture of its text.
moves_shown() {
    wait_until 5 "the window never settled" window_settled "$WINDOW"
    import -window "$WINDOW" "$WORK/status.png"
    convert "$WORK/status.png" -gravity SouthWest -crop "150x${BOARD_GAP}+0+0" "$1"
}
key() { xdotool windowactivate --sync "$WINDOW" key --clearmodifiers "$@"; }

# Tile swap: two swaps, then Ctrl+Z twice.
prepare_game "$PICTURES/grid.bmp" Dimension=4 PuzzleMode=0 StatusBar=1 Grid=1
start_window_manager
start_game "$GAME"
BOARD_GAP=$(status_gap)
[ "$BOARD_GAP" -gt 10 ] || fail "no status bar below the board (gap $BOARD_GAP)"
jumbled=$(read_board 4 120)
moves_shown "$WORK/moves0.png"
for cell in 0 5 10 15; do click_cell 4 120 "$cell"; done
wait_until 5 "two swaps left the board as it was" not board_is "$jumbled" 4 120
moves_shown "$WORK/moves2.png"
! same_picture "$WORK/moves0.png" "$WORK/moves2.png" || fail "the status bar did not count the swaps"
key ctrl+z ctrl+z
wait_until 5 "Ctrl+Z twice did not give the jumbled board back" board_is "$jumbled" 4 120
moves_shown "$WORK/undone.png"
same_picture "$WORK/moves0.png" "$WORK/undone.png" || fail "the status bar does not show Moves: 0"
close_game

# Slider: slides, then Game > Restart.
sed -i 's/^PuzzleMode=.*/PuzzleMode=1/' "$INI"
start_game "$GAME"
first=$(read_board 4 120)
for cell in 12 0 3; do click_cell 4 120 "$cell"; done
wait_until 5 "the slides changed nothing" not board_is "$first" 4 120
choose g s
wait_until 5 "Restart did not give the first board back" board_is "$first" 4 120
moves_shown "$WORK/restarted.png"
same_picture "$WORK/moves0.png" "$WORK/restarted.png" || fail "Restart left moves counted"

# Left with File > Exit after two slides, resumed in the next run.
before=$(read_board 4 120)
for cell in 12 0; do click_cell 4 120 "$cell"; done
wait_until 5 "the two slides changed nothing" not board_is "$before" 4 120
left=$(read_board 4 120)
moves_shown "$WORK/left.png"
choose f x
game_ends "after File > Exit"
grep -q '^\[Resume\]' "$INI" || fail "Exit did not keep the game under way"
grep -q '^\[Resume2\]' "$INI" && fail "Exit kept the game under way twice"
start_game "$GAME"
choose g l
wait_until 5 "Resume last puzzle did not show the board left" board_is "$left" 4 120
moves_shown "$WORK/resumed.png"
same_picture "$WORK/left.png" "$WORK/resumed.png" || fail "Resume did not bring the moves back"
grep -q '^\[Resume\]' "$INI" && fail "the resumed game was left in the profile"

# Ended by a signal, as at logout: kept too.
click_cell 4 120 15
wait_until 5 "the window never settled" window_settled "$WINDOW"
ended=$(read_board 4 120)
kill -TERM "$GAME_PID"
game_ends "on SIGTERM"
grep -q '^\[Resume\]' "$INI" || fail "a game ended by SIGTERM was not kept"

# A newer kept game whose picture is gone: Resume says so, once, and the next Resume reaches
# the game kept before it.
kept=$(sed -n '/^\[Resume\]/,/^\[/{/^\[/d;p}' "$INI")
sed -i 's/^\[Resume\]$/[Resume2]/' "$INI"
{ echo '[Resume]'; echo "$kept" | sed "s|^Picture=.*|Picture=$WORK/gone.bmp|"; } >>"$INI"
start_game "$GAME"
choose g l
wait_until 5 "Resume said nothing of the picture gone" message_shown
xdotool key Return
wait_until 5 "the message did not close" not message_shown
choose g l
wait_until 5 "the next Resume did not reach the game kept before" board_is "$ended" 4 120
if grep -q 'gone\.bmp' "$INI"; then fail "the game whose picture is gone is still kept"; fi
click_cell 4 120 12
kill -TERM "$GAME_PID"
game_ends "on SIGTERM"

# A kept game whose move counter stands at its limit is a damaged one: nothing to resume, so
# the item is greyed and the game is never taken up to overflow at the next move.
sed -i '/^\[Resume\]/,/^\[/s/^Moves=.*/Moves=2147483647/' "$INI"
start_game "$GAME"
before=$(read_board 4 120)
xdotool windowactivate --sync "$WINDOW" key --clearmodifiers alt+g
wait_until 5 "the Game menu did not open" menu_shown
xdotool key l
holds_for 1 "Resume last puzzle was not greyed for a damaged kept game" menu_shown
xdotool key Escape
wait_until 5 "the Game menu did not close" not menu_shown
board_is "$before" 4 120 || fail "the refused game changed the board"
close_game
echo "comforts: passed"
