#!/usr/bin/env bash
# A 48-megapixel PNG takes seconds to decode. While New loads it, the window answers: Ctrl+G,
# pressed a tenth of a second later, takes the grid off the board still shown, and the new
# puzzle appears afterwards. Exit while such a picture loads ends the game at once.
# Usage: xvfb-run -a loading.sh path/to/tilewright path/to/makephoto
set -euo pipefail
GAME=$(realpath "$1")
MAKEPHOTO=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

PHOTOS=$(mktemp -d -p "$SCRATCH")
grid_picture 3 600 "$PHOTOS/small.bmp"
"$MAKEPHOTO" 8000 6000 "$PHOTOS/large.png"
prepare_game "$PHOTOS/small.bmp" Dimension=3 Grid=1 GridColour=2
cp "$PHOTOS/large.png" "$WORK/pictures/"
start_window_manager

width() { xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}'; }
small_shown() { [ "$(width)" -eq 600 ]; }
# The grid's red line between the first two columns, in the middle of the first row.
grid_shown() { [ "$(pixel "$WINDOW" 200 "$(($(board_top 3 200) + 100))")" = "255,0,0" ]; }

# Started on the small picture, so that New picks the large one, and nothing is ready yet.
start_game "$GAME" "$WORK/pictures/small.bmp"
[ "$(width)" -eq 600 ] || fail "the small picture did not give a 600-pixel board"
grid_shown || fail "the grid is not drawn in red"
xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+n
sleep 0.1 # as a player presses the next key
started=$(date +%s%N)
xdotool key --clearmodifiers ctrl+g
wait_until 5 "Ctrl+G was not answered while the picture loaded" not grid_shown
answered=$((($(date +%s%N) - started) / 1000000))
[ "$(width)" -eq 600 ] || fail "the large picture came before Ctrl+G was answered"
echo "Ctrl+G answered within $answered ms, capture included, while the picture loaded"
wait_until 30 "the large picture never came" not small_shown
wait_until 5 "the new board did not settle" window_settled "$WINDOW"

# New brings the small picture back, drawn and decoded in advance; the next New waits for the
# large one, decoding meanwhile. Exit then ends the game at once, its settings written.
xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+n
wait_until 10 "New did not bring the small picture back" small_shown
xdotool key --clearmodifiers ctrl+n
started=$(date +%s%N)
choose f x
game_ends "after Exit during a load"
echo "Exit took $((($(date +%s%N) - started) / 1000000)) ms during a load"
[ "$(ini_value "$INI" Grid)" = 0 ] || fail "the settings were not written at Exit"
echo "loading: passed"
