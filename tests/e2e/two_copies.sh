#!/usr/bin/env bash
# Two copies of the game running at once on one profile, started before any score exists:
# the first enters a result, then the second finishes a game of its own. Both results are
# on the scoreboard afterwards.
# Usage: xvfb-run -a two_copies.sh path/to/tilewright
set -euo pipefail
GAME=$(realpath "$1")
. "$(dirname "$0")/lib.sh"

PICTURES=$(mktemp -d -p "$SCRATCH")
grid_picture 4 400 "$PICTURES/grid4.bmp"
prepare_game "$PICTURES/grid4.bmp" Dimension=4 PuzzleMode=0
start_window_manager
start_game "$GAME"
FIRST_PID=$GAME_PID FIRST_WINDOW=$WINDOW
start_game "$GAME"
SECOND_PID=$GAME_PID SECOND_WINDOW=$WINDOW
OTHER_PIDS="$FIRST_PID $SECOND_PID"
grep -q '^\[Scores\]' "$INI" && fail "scores exist before either copy entered one"

# play_as PID WINDOW NAME: that copy brought to the front, its board jumbled afresh and
# solved, and the result entered under the name.
play_as() {
    GAME_PID=$1 WINDOW=$2
    redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+j
    solve_by_swaps 4 100
    enter_name "$3"
}
play_as "$FIRST_PID" "$FIRST_WINDOW" First
on_board Scores First 4 || fail "the first copy's result was not entered"
play_as "$SECOND_PID" "$SECOND_WINDOW" Second
close_game
play_as "$FIRST_PID" "$FIRST_WINDOW" Again # the first copy still sees the second's row
close_game
for name in First Second Again; do
    on_board Scores "$name" 4 || fail "the result of $name was lost by the other copy"
done

# Both copies left in the middle of a game: both games are kept.
start_game "$GAME"
FIRST_PID=$GAME_PID FIRST_WINDOW=$WINDOW
start_game "$GAME"
SECOND_PID=$GAME_PID SECOND_WINDOW=$WINDOW
OTHER_PIDS="$FIRST_PID $SECOND_PID"
for copy in FIRST SECOND; do
    GAME_PID=${copy}_PID GAME_PID=${!GAME_PID} WINDOW=${copy}_WINDOW WINDOW=${!WINDOW}
    xdotool windowactivate --sync "$WINDOW" # the copies' windows lie on each other
    redrawn_after eval 'click_cell 4 100 0; click_cell 4 100 5'
done
GAME_PID=$FIRST_PID WINDOW=$FIRST_WINDOW
close_game
GAME_PID=$SECOND_PID WINDOW=$SECOND_WINDOW
close_game
grep -q '^\[Resume\]$' "$INI" && grep -q '^\[Resume2\]$' "$INI" ||
    fail "of two copies left at once, only one game was kept"
echo "two copies: passed"
