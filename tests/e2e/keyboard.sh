#!/usr/bin/env bash
# Games played by keys alone, with no pointer event at all: a 3 x 3 slider solved with the
# arrows and a 3 x 3 tile swap solved with the arrows and Return, each entered on its
# scoreboard under the name typed into the congratulations dialog.
# Usage: xvfb-run -a keyboard.sh path/to/tilewright
set -euo pipefail
GAME=$(realpath "$1")
. "$(dirname "$0")/lib.sh"

PICTURES=$(mktemp -d -p "$SCRATCH")
grid_picture 3 390 "$PICTURES/grid3.bmp"
start_window_manager

# press KEY...: the keys, one after another, to the game's window, which has them at once.
press() {
    xdotool windowactivate --sync "$WINDOW"
    xdotool key --delay 40 "$@"
}

# Slider: each slide of the solver's, one tile into the hole, is the arrow that moves it.
prepare_game "$PICTURES/grid3.bmp" Dimension=3 PuzzleMode=1
start_game "$GAME"
mapfile -t board < <(read_board 3 130)
for hole in "${!board[@]}"; do [ "${board[$hole]}" -eq -1 ] && break; done
keys=()
for cell in $(python3 "$(dirname "$0")/slider_solver.py" "${board[@]}"); do
    case $((cell - hole)) in
    1) keys+=(Left) ;;
    -1) keys+=(Right) ;;
    3) keys+=(Up) ;;
    -3) keys+=(Down) ;;
    *) fail "the solver's slide from $hole to $cell is not beside the hole" ;;
    esac
    hole=$cell
done
press "${keys[@]}"
enter_name "Arrows"
close_game
on_board SliderScores Arrows 3 || fail "the slider solved by keys is not on its scoreboard"

# Tile swap: the focus cell, starting top left, goes to each tile to swap; Return picks it.
sed -i 's/^PuzzleMode=.*/PuzzleMode=0/' "$INI"
start_game "$GAME"
mapfile -t board < <(read_board 3 130)
keys=()
col=0 row=0
# go CELL: arrows from the focus cell to CELL, then Return.
go() {
    local to_col=$(($1 % 3)) to_row=$(($1 / 3))
    for (( ; col < to_col; col++)); do keys+=(Right); done
    for (( ; col > to_col; col--)); do keys+=(Left); done
    for (( ; row < to_row; row++)); do keys+=(Down); done
    for (( ; row > to_row; row--)); do keys+=(Up); done
    keys+=(Return)
}
for cell in $(seq 0 8); do
    [ "${board[$cell]}" -eq "$cell" ] && continue
    for other in $(seq $((cell + 1)) 8); do
        [ "${board[$other]}" -eq "$cell" ] && break
    done
    go "$cell"
    go "$other"
    board[$other]=${board[$cell]}
    board[$cell]=$cell
done
press "${keys[@]}"
enter_name "Keys"
close_game
on_board Scores Keys 3 || fail "the tile swap solved by keys is not on its scoreboard"
echo "keyboard: passed"
