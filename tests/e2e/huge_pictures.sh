#!/usr/bin/env bash
# A small file whose header promises a huge picture (a 16-bit RGBA PNG of 11585 x 11585 in a
# few megabytes) is refused at once by every way it can come in: the command line, New, the
# open dialog (selected, then opened), a ZIP archive, a gift and Resume. Each time the game
# shows the built-in picture and says the picture cannot be shown (New alone stays silent),
# and answers the next key.
# Usage: xvfb-run -a huge_pictures.sh path/to/tilewright path/to/makehostile
set -euo pipefail
GAME=$(realpath "$1")
MAKEHOSTILE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

FILES=$(mktemp -d -p "$SCRATCH")
HUGE=$FILES/huge.png
"$MAKEHOSTILE" png-rgba16 11585 11585 "$HUGE"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED).write(sys.argv[2], "huge.png")' \
    "$FILES/huge.zip" "$HUGE"
prepare_game "$HUGE" Dimension=4
start_window_manager

# built_in_after WHAT: the board is the built-in picture's, 348 pixels wide, and the game
# answers a key at once.
built_in_after() {
    [ "$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')" -eq 348 ] ||
        fail "$1 did not give the built-in picture's 348-pixel board"
    redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+g
}

start_game "$GAME" "$HUGE"
answer_message "the huge picture named on the command line"
built_in_after "the huge picture named on the command line"

# New, from the picture folder that holds only the huge picture: silently.
redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+n
holds_for 1 "New from a folder of the huge picture said something" not message_shown
built_in_after "New from a folder of the huge picture"

# The open dialog: typing the name selects the file (its preview is tried), Return opens it.
open_typed "$HUGE"
answer_message "Open on the huge picture"
wait_until 5 "the board did not settle after Open" window_settled "$WINDOW"
built_in_after "Open on the huge picture"
close_game

# In an archive.
start_game "$GAME" "$FILES/huge.zip"
answer_message "an archive of the huge picture"
built_in_after "an archive of the huge picture"
close_game

# As a gift: the program, the mode byte and the picture.
GIFT=$FILES/gift
{ cat "$GAME"; printf '\001'; cat "$HUGE"; } >"$GIFT"
chmod +x "$GIFT"
start_game "$GIFT"
answer_message "a gift of the huge picture"
built_in_after "a gift of the huge picture"
close_game

# Resumed: a kept game on the huge picture says its picture cannot be loaded.
{
    echo '[Resume]'
    echo "Picture=$HUGE"
    echo 'ZipIndex=1'
    echo 'BuiltIn=0'
    echo 'PuzzleMode=0'
    echo 'Dimension=3'
    echo 'Board=0 1 2 3 4 5 6 8 7'
    echo 'Jumble=0 1 2 3 4 5 6 8 7'
    echo 'Moves=1'
    echo 'Elapsed=0'
} >>"$INI"
start_game "$GAME"
choose g l
answer_message "resuming the game on the huge picture"
built_in_after "resuming on the huge picture"
close_game
echo "huge pictures: passed"
