#!/usr/bin/env bash
# The play feel on a 1920 x 1080 screen: a 3:2 photo keeps its shape, hints solve a 3 x 3
# slider in the fewest moves and a 4 x 4 in fewer than the fewest one-tile slides, and
# holding Space shows the finished picture.
# Usage: xvfb-run -a -s "-screen 0 1920x1080x24" play_feel.sh path/to/tilewright
#        path/to/makephoto path/to/fourbyfour-shortest.txt
set -euo pipefail
GAME=$(realpath "$1")
MAKEPHOTO=$(realpath "$2")
SHORTEST=$(realpath "$3")
. "$(dirname "$0")/lib.sh"

PICTURES=$(mktemp -d -p "$SCRATCH")
"$MAKEPHOTO" 3000 2000 "$PICTURES/wide.jpg"
grid_picture 3 360 "$PICTURES/three.bmp"
grid_picture 4 480 "$PICTURES/four.bmp"
start_window_manager

client_width() { xwininfo -id "$1" | awk '/Width:/ {print $2}'; }

# The bands above the board, measured on a picture that fits: its board is its own size.
prepare_game "$PICTURES/four.bmp" Dimension=4
start_game "$GAME"
bands=$(($(client_height "$WINDOW") - 480))
close_game

# Cut to the room's height, the 3:2 photo's board keeps its shape.
prepare_game "$PICTURES/wide.jpg" Dimension=4
start_game "$GAME"
width=$(client_width "$WINDOW")
height=$(($(client_height "$WINDOW") - bands))
python3 -c "import sys; sys.exit(abs($width / $height - 1.5) > 0.045)" ||
    fail "the 3000 x 2000 photo gave a board of $width x $height"
[ "$width" -lt 1700 ] || fail "the board of $width x $height was not cut to the room's height"
close_game

# hint_until_solved LIMIT: presses H until the hints' message says the puzzle is solved, each
# press once the last one has changed the board; prints the presses.
hint_until_solved() {
    local limit=$1 n=$2 tile=$3 presses=0 before
    while ! message_shown; do
        [ "$presses" -lt "$limit" ] || fail "$limit hints did not solve the puzzle"
        before=$(read_board "$n" "$tile")
        xdotool windowactivate --sync "$WINDOW" key h
        presses=$((presses + 1))
        wait_until 5 "hint $presses changed nothing" hinted "$before" "$n" "$tile"
    done
    echo "$presses"
}
hinted() { message_shown || not board_is "$1" "$2" "$3"; }
solved() { # solved N: every tile home, the last one in the hole too
    seq 0 $(($1 * $1 - 1))
}

# A 3 x 3 slider: hints bring it home in at most 24 presses, the most any position needs.
prepare_game "$PICTURES/three.bmp" Dimension=3 PuzzleMode=1 Grid=0
start_game "$GAME"
jumbled=$(read_board 3 120)
# Holding Space shows the finished picture; letting go, the board as it was.
xdotool windowactivate --sync "$WINDOW" keydown space
wait_until 5 "holding Space did not show the finished picture" board_is "$(solved 3)" 3 120
xdotool keyup space
wait_until 5 "letting go of Space did not show the board again" board_is "$jumbled" 3 120
presses=$(hint_until_solved 24 3 120)
xdotool key Return
wait_until 5 "the hints' message did not close" not message_shown
board_is "$(solved 3)" 3 120 || fail "the finished picture does not show whole"
echo "3 x 3: solved with $presses hints"
close_game

# A 4 x 4 slider of a known shortest solution in one-tile slides, kept as an unfinished game
# and resumed: hints, which may slide several tiles at once, bring it home in at most 0.85
# times as many moves.
read -r -a known < <(grep -v '^#' "$SHORTEST" | head -n 1)
shortest=${known[16]}
prepare_game "$PICTURES/four.bmp" Dimension=4 PuzzleMode=1 Grid=0
{
    echo '[Resume]'
    echo "Picture=$WORK/pictures/four.bmp"
    echo 'ZipIndex=1'
    echo 'BuiltIn=0'
    echo 'PuzzleMode=1'
    echo 'Dimension=4'
    echo "Board=${known[*]:0:16}"
    echo "Jumble=${known[*]:0:16}"
    echo 'Moves=1'
    echo 'Elapsed=0'
} >>"$INI"
start_game "$GAME"
choose g l
wait_until 5 "Resume did not show the kept board" board_is "$(printf '%s\n' "${known[@]:0:16}")" 4 120
presses=$(hint_until_solved $((shortest * 85 / 100)) 4 120)
xdotool key Return
wait_until 5 "the hints' message did not close" not message_shown
echo "4 x 4: solved with $presses hints, the shortest $shortest"
close_game

echo "play_feel: passed"
