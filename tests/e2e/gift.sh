#!/usr/bin/env bash
# A gift from the running game: File > Make gift, "Slider puzzle", saved to a folder of its
# own; the gift then starts from another folder in slider mode on that picture, keeps its
# own settings, and leaves no file behind in either folder.
# Usage: xvfb-run -a gift.sh path/to/tilewright path/to/picture.bmp (480 x 360)
set -euo pipefail
GAME=$(realpath "$1")
PICTURE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

prepare_game "$PICTURE" Dimension=4 PuzzleMode=0
mkdir "$WORK/gifts" "$WORK/elsewhere"
program_folder_before=$(ls -A "$(dirname "$GAME")")
start_window_manager
start_game "$GAME"

choose f g
dialog=$(window_named "Make Gift puzzle")
# The first radio button has the focus; Right picks "Slider puzzle", Return is "Make gift".
xdotool windowactivate --sync "$dialog" key Right
sleep 0.2
xdotool key Return
save=$(window_named "Save gift")
xdotool windowactivate --sync "$save" key ctrl+a
xdotool type --delay 10 "$WORK/gifts/Slider gift"
xdotool key Return
GIFT="$WORK/gifts/Slider gift"
wait_until 10 "no gift was written" test -f "$GIFT"
wait_until 5 "the save dialog stayed open" window_gone "Save gift"
[ -x "$GIFT" ] || fail "the gift is not executable"
[ "$(stat -c %s "$GIFT")" -eq $(( $(stat -c %s "$GAME") + 1 + $(stat -c %s "$PICTURE") )) ] ||
    fail "the gift is not program, mode byte and picture"
close_game
[ "$(ls -A "$(dirname "$GAME")")" = "$program_folder_before" ] ||
    fail "making a gift left files beside the program"

# The gift, started from another folder, is a slider puzzle on the 480 x 360 picture.
cd "$WORK/elsewhere"
start_game "$GIFT"
width=$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')
[ "$width" -eq 480 ] || fail "the gift's board is $width wide, not the picture's 480"
close_game
grep -q '^PuzzleMode=1$' "$XDG_CONFIG_HOME/Tilewright/Slider gift.ini" ||
    fail "the gift did not start in slider mode with settings of its own"
[ -z "$(ls -A "$WORK/elsewhere")" ] || fail "the gift left files in the folder it ran from"
[ "$(ls -A "$WORK/gifts")" = "Slider gift" ] || fail "the gift's folder holds more than the gift"
cd /
echo "gift: passed"
