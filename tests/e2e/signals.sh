#!/usr/bin/env bash
# The game ended by a signal, as a logout, Ctrl+C in a terminal or kill ends it: it closes
# as if its window were closed, with its settings saved, also with a dialog open; a game
# won at that moment is not kept, and its result is entered; a gift copy leaves nothing of
# its picture behind.
# Usage: xvfb-run -a signals.sh path/to/tilewright path/to/picture.bmp
set -euo pipefail
GAME=$(realpath "$1")
PICTURE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"
set -m # background jobs keep SIGINT, as a program started from a terminal has it

prepare_game "$PICTURE" Dimension=4 Grid=1
start_window_manager
for signal in TERM INT HUP; do
    sed -i 's/^Grid=.*/Grid=1/' "$INI"
    start_game "$GAME"
    redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+g
    kill -s "$signal" "$GAME_PID"
    game_ends "on SIG$signal"
    [ "$(ini_value "$INI" Grid)" = 0 ] || fail "the settings were not saved on SIG$signal"
done

# With the modal about box open.
sed -i 's/^Grid=.*/Grid=1/' "$INI"
start_game "$GAME"
redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+g
choose h a
window_named "About Tilewright" >/dev/null
kill -s TERM "$GAME_PID"
game_ends "on SIGTERM with the about box open"
[ "$(ini_value "$INI" Grid)" = 0 ] || fail "the settings were not saved with a dialog open"

# A signal as the game is won, while the congratulations ask for a name or while the hints'
# message shows: the won game is not kept, and the result goes in under the name shown.
# kept_one_swap_from_solved HINTS: a kept 3 x 3 tile-swap game whose first two tiles are
# swapped.
kept_one_swap_from_solved() {
    sed -i '/^\[Resume\]/,$d' "$INI"
    printf '[Resume]\nPicture=%s\nZipIndex=0\nBuiltIn=0\nPuzzleMode=0\nDimension=3\n' \
        "$WORK/grid.bmp" >>"$INI"
    printf 'Board=1 0 2 3 4 5 6 7 8\nJumble=1 0 2 3 4 5 6 7 8\nMoves=1\nElapsed=0\nHints=%s\n' \
        "$1" >>"$INI"
}
win_and_signal() { # win_and_signal SIGNAL WINDOW_TITLE
    start_game "$GAME"
    choose g l
    click_cell 3 120 0
    click_cell 3 120 1
    window_named "$2" >/dev/null
    kill -s "$1" "$GAME_PID"
    game_ends "on SIG$1 at the win"
    if grep -q '^\[Resume' "$INI"; then fail "the game won at SIG$1 was kept as unfinished"; fi
}
grid_picture 3 360 "$WORK/grid.bmp"
printf '[Scores]\nPlayerName=Ann\n' >>"$INI"
kept_one_swap_from_solved 0
win_and_signal TERM "Congratulations!"
on_board Scores Ann 3 || fail "the result shown at SIGTERM did not go on the scoreboard"
kept_one_swap_from_solved 1
win_and_signal HUP Tilewright

# A gift copy, with a temporary folder of its own to look into afterwards.
GIFT="$WORK/Signal gift"
{ cat "$GAME"; printf '\001'; cat "$PICTURE"; } >"$GIFT"
chmod +x "$GIFT"
mkdir "$WORK/tmp" "$WORK/runtime"
chmod 700 "$WORK/runtime"
start_game env TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime" "$GIFT"
[ -z "$(find "$WORK/tmp" -type f)" ] || fail "the running gift wrote files: $(find "$WORK/tmp")"
kill -s HUP "$GAME_PID"
game_ends "as a gift on SIGHUP"
[ -z "$(find "$WORK/tmp" -mindepth 1)" ] || fail "the gift left $(find "$WORK/tmp" -mindepth 1)"
[ -f "$XDG_CONFIG_HOME/Tilewright/Signal gift.ini" ] || fail "the gift's settings were not saved"
echo "signals: passed"
