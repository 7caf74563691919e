#!/usr/bin/env bash
# Games played to the end by a player who reads the board off the screen: a 4 x 4 tile
# swap solved with swaps and a 3 x 3 slider solved with slides, each entered on its
# scoreboard under the name typed into the congratulations dialog. Then New is pressed
# again and again over a folder of damaged files, and the game stays alive throughout.
# Usage: xvfb-run -a solve.sh path/to/tilewright path/to/corpus-folder
set -euo pipefail
GAME=$(realpath "$1")
CORPUS=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

PICTURES=$(mktemp -d -p "$SCRATCH")
grid_picture 4 400 "$PICTURES/grid4.bmp"
grid_picture 3 390 "$PICTURES/grid3.bmp"

# Tile swap, 4 x 4: put each cell's own tile there with one swap.
prepare_game "$PICTURES/grid4.bmp" Dimension=4 PuzzleMode=0
start_window_manager
start_game "$GAME"
solve_by_swaps 4 100
enter_name "Swapper"
close_game
on_board Scores Swapper 4 || fail "the 4 x 4 tile-swap result is not on its scoreboard"

# Slider, 3 x 3 (tiles of 130 pixels): the solver finds the slides. One row of the slider
# table is damaged first: it costs that row alone, never the tile-swap result.
sed -i '/^\[SliderScores\]/,/^\[/{/^Difficulty3=/d}' "$INI"
grep -q '^Difficulty3=' <(sed -n '/^\[SliderScores\]/,/^\[/p' "$INI") && fail "the row was not damaged"
rm "$WORK/pictures/grid4.bmp"
cp "$PICTURES/grid3.bmp" "$WORK/pictures/"
sed -i 's/^Dimension=.*/Dimension=3/; s/^PuzzleMode=.*/PuzzleMode=1/' "$INI"
start_game "$GAME"
mapfile -t board < <(read_board 3 130)
for cell in $(python3 "$(dirname "$0")/slider_solver.py" "${board[@]}"); do
    click_cell 3 130 "$cell"
done
enter_name "Slider"
close_game
on_board SliderScores Slider 3 || fail "the 3 x 3 slider result is not on its scoreboard"
on_board Scores Swapper 4 || fail "a damaged slider row wiped the tile-swap results"

# New, again and again, over a folder of damaged pictures and archives.
cp -r "$CORPUS"/. "$WORK/pictures/"
start_game "$GAME"
for _ in $(seq 25); do
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+n
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game died on a damaged picture"
done
close_game
echo "solve: passed"
