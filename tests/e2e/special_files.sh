#!/usr/bin/env bash
# Special files never freeze the game: a FIFO as the settings file, FIFOs named like a
# picture and an archive typed into the open dialog; and under a file-size limit a gift
# that cannot be written is reported, not fatal.
# Usage: xvfb-run -a special_files.sh path/to/tilewright path/to/picture.bmp
set -euo pipefail
GAME=$(realpath "$1")
PICTURE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

prepare_game "$PICTURE" Dimension=4
start_window_manager

# A FIFO as the settings file: the game runs, and keeps nothing.
rm "$INI"
mkfifo "$INI"
start_game "$GAME"
close_game
[ -p "$INI" ] || fail "the settings FIFO was replaced"
rm "$INI"
printf '[Settings]\nDimension=4\nFolder=%s\n' "$WORK/pictures" >"$INI"

# FIFOs typed into the open dialog give the built-in picture, and the game goes on.
mkfifo "$WORK/pictures/pipe.jpg" "$WORK/pictures/pipe.zip"
start_game "$GAME"
for pipe in pipe.jpg pipe.zip; do
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+o
    sleep 1
    xdotool type --delay 10 "$WORK/pictures/$pipe"
    xdotool key Return
    sleep 1
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+g
    sleep 0.5
    [ "$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')" -eq 348 ] ||
        fail "$pipe did not give the built-in picture's 348-pixel board"
done
close_game
[ "$(ini_value "$INI" Grid)" = 1 ] || fail "the game did not answer after the FIFOs"

# A gift larger than the file-size limit: a message, and the game lives on.
mkdir "$WORK/gifts"
start_game bash -c 'ulimit -f 2048; exec "$0"' "$GAME"
xdotool windowactivate --sync "$WINDOW" key --clearmodifiers alt+f
sleep 0.3
xdotool key g
window_named "Make Gift puzzle" >/dev/null
xdotool key Return
sleep 1
xdotool key ctrl+a
xdotool type --delay 10 "$WORK/gifts/Too big"
xdotool key Return
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the file-size limit killed the game"
[ "$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name '^Tilewright$' | wc -l)" -ge 2 ] ||
    fail "no message said the gift could not be made"
xdotool key Return Escape
sleep 0.5
close_game
[ -z "$(ls -A "$WORK/gifts")" ] || fail "a failed gift left $(ls -A "$WORK/gifts")"
rm -rf "$WORK"
echo "special files: passed"
