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

# grid_picture N SIDE FILE: a picture of N x N flat colours whose red tells the column and
# whose green the row, with blue at 200 everywhere.
grid_picture() {
    local n=$1 side=$2 tile=$(($2 / $1)) draw=()
    for row in $(seq 0 $((n - 1))); do
        for col in $(seq 0 $((n - 1))); do
            draw+=(-fill "rgb($((40 + 60 * col)),$((40 + 60 * row)),200)"
                -draw "rectangle $((col * tile)),$((row * tile)) $((col * tile + tile - 1)),$((row * tile + tile - 1))")
        done
    done
    convert -size "${side}x${side}" xc:white "${draw[@]}" "BMP3:$3"
}
PICTURES=$(mktemp -d)
grid_picture 4 400 "$PICTURES/grid4.bmp"
grid_picture 3 390 "$PICTURES/grid3.bmp"

# read_board N TILE: the tile number at each cell in reading order, -1 for the hole.
read_board() {
    local n=$1 tile=$2 top r g b
    top=$(($(client_height "$WINDOW") - n * tile))
    import -window "$WINDOW" "$PICTURES/board.png"
    for row in $(seq 0 $((n - 1))); do
        for col in $(seq 0 $((n - 1))); do
            IFS=, read -r r g b < <(convert "$PICTURES/board.png" \
                -crop "1x1+$((col * tile + tile / 2))+$((top + row * tile + tile / 2))" \
                -depth 8 txt:- | tail -n 1 | sed -n 's/^[^(]*(\([0-9]*,[0-9]*,[0-9]*\).*/\1/p')
            if [ "$b" -lt 190 ] || [ "$b" -gt 210 ]; then
                echo -1 # the hole
            else
                echo $((((g - 10) / 60) * n + (r - 10) / 60))
            fi
        done
    done
}

# on_board SECTION NAME N: true when the section holds a row of that name and size.
on_board() {
    awk -v section="[$1]" -v name="$2" -v size=$((-$3 - 1)) '
        /^\[/ { inside = ($0 == section) }
        inside && $0 ~ "^Name[0-9]=" { split($0, kv, "="); names[substr(kv[1], 5)] = kv[2] }
        inside && $0 ~ "^Difficulty[0-9]=" { split($0, kv, "="); sizes[substr(kv[1], 11)] = kv[2] }
        END { for (i in names) if (names[i] == name && sizes[i] == size) found = 1; exit !found }
    ' "$INI"
}

click_cell() { # click_cell N TILE INDEX
    local top=$(( $(client_height "$WINDOW") - $1 * $2 ))
    xdotool mousemove --window "$WINDOW" $(( ($3 % $1) * $2 + $2 / 2 )) \
        $(( top + ($3 / $1) * $2 + $2 / 2 )) click 1
    sleep 0.1
}

# enter_name NAME: answers the congratulations dialog with a name.
enter_name() {
    local dialog
    dialog=$(window_named "Congratulations!")
    xdotool windowactivate --sync "$dialog" key shift+Tab ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
    sleep 0.5
}

# Tile swap, 4 x 4: put each cell's own tile there with one swap.
prepare_game "$PICTURES/grid4.bmp" Dimension=4 PuzzleMode=0
start_window_manager
start_game "$GAME"
sleep 0.5 # the first paint
mapfile -t board < <(read_board 4 100)
for cell in $(seq 0 15); do
    [ "${board[$cell]}" -eq "$cell" ] && continue
    for other in $(seq $((cell + 1)) 15); do
        [ "${board[$other]}" -eq "$cell" ] && break
    done
    click_cell 4 100 "$cell"
    click_cell 4 100 "$other"
    board[$other]=${board[$cell]}
    board[$cell]=$cell
done
enter_name "Swapper"
close_game
on_board Scores Swapper 4 || fail "the 4 x 4 tile-swap result is not on its scoreboard"

# Slider, 3 x 3 (tiles of 130 pixels): the solver finds the slides.
rm "$WORK/pictures/grid4.bmp"
cp "$PICTURES/grid3.bmp" "$WORK/pictures/"
sed -i 's/^Dimension=.*/Dimension=3/; s/^PuzzleMode=.*/PuzzleMode=1/' "$INI"
start_game "$GAME"
sleep 0.5
mapfile -t board < <(read_board 3 130)
for cell in $(python3 "$(dirname "$0")/slider_solver.py" "${board[@]}"); do
    click_cell 3 130 "$cell"
done
enter_name "Slider"
close_game
on_board SliderScores Slider 3 || fail "the 3 x 3 slider result is not on its scoreboard"

# New, again and again, over a folder of damaged pictures and archives.
cp -r "$CORPUS"/. "$WORK/pictures/"
start_game "$GAME"
for _ in $(seq 25); do
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+n
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game died on a damaged picture"
done
close_game
rm -rf "$WORK" "$PICTURES"
echo "solve: passed"
