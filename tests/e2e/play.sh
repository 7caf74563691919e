#!/usr/bin/env bash
# A player's first minutes: the game starts on a picture of its folder, a click selects a
# tile and shows its outline, a second click on it clears it, Ctrl+G turns the grid off,
# and closing the window keeps the settings.
# Usage: xvfb-run -a play.sh path/to/tilewright path/to/picture.bmp (480 x 360)
set -euo pipefail
GAME=$(realpath "$1")
PICTURE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

prepare_game "$PICTURE" Dimension=4 PuzzleMode=0 SelColour=1 Grid=1
start_window_manager
start_game "$GAME"

# The board is the window's lowest part: 480 x 360 pixels, tiles of 120 x 90.
board_top=$(( $(client_height "$WINDOW") - 360 ))
[ "$board_top" -gt 0 ] || fail "the window is shorter than the board"
cell_x=60
cell_y=$((board_top + 3 * 90 + 45))
outlined() { [ "$(pixel "$WINDOW" 0 "$cell_y")" = "255,255,0" ]; }
xdotool mousemove --window "$WINDOW" "$cell_x" "$cell_y" click 1
wait_until 5 "no yellow outline round the selected tile" outlined
xdotool mousemove --window "$WINDOW" "$cell_x" "$cell_y" click 1
wait_until 5 "the outline stayed after a second click" not outlined

redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+g
close_game
grep -q '^Grid=0$' "$INI" || fail "Ctrl+G did not turn the grid off"
grep -q '^Dimension=4$' "$INI" || fail "the board size was not kept"
grep -q "^Folder=$WORK/pictures\$" "$INI" || fail "the picture folder was not kept"
echo "play: passed"
