#!/usr/bin/env bash
# Special files never freeze the game: a FIFO as the settings file or as its lock, FIFOs
# named like a picture and an archive typed into the open dialog; and under a file-size
# limit a gift that cannot be written is reported, not fatal; a failed save opens nothing
# planted beside the settings; a FIFO as the sound module and a sound server that never
# answers hold up nothing.
# Usage: xvfb-run -a special_files.sh path/to/tilewright path/to/picture.bmp
set -euo pipefail
GAME=$(realpath "$1")
PICTURE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

prepare_game "$PICTURE" Dimension=4
start_window_manager

# close_unsaved WHAT: closed by its close box, the game says that WHAT cannot be saved, and
# ends once the message is answered.
close_unsaved() {
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers alt+F4
    wait_until 10 "leaving $1 said nothing" message_shown
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its message was read"
    xdotool key Return
    game_ends "once its message was answered"
}

# A FIFO as the settings file: the game runs, and keeps nothing.
rm "$INI"
mkfifo "$INI"
start_game "$GAME"
close_unsaved "with a FIFO as the settings file"
[ -p "$INI" ] || fail "the settings FIFO was replaced"
rm "$INI"
printf '[Settings]\nDimension=4\nFolder=%s\n' "$WORK/pictures" >"$INI"

# A FIFO where the settings file's lock goes: the game starts and ends as ever, first run
# or not, and leaves the FIFO alone.
for first_run in yes no; do
    [ "$first_run" = yes ] && mv "$INI" "$INI.kept"
    mkfifo "$INI.lock"
    start_game "$GAME"
    close_unsaved "with a FIFO as the lock"
    [ -p "$INI.lock" ] || fail "the lock FIFO was replaced"
    rm "$INI.lock"
    [ "$first_run" = yes ] && mv "$INI.kept" "$INI"
done

# FIFOs typed into the open dialog give the built-in picture and a message, and the game
# goes on.
mkfifo "$WORK/pictures/pipe.jpg" "$WORK/pictures/pipe.zip"
start_game "$GAME"
for pipe in pipe.jpg pipe.zip; do
    open_typed "$WORK/pictures/$pipe"
    answer_message "opening $pipe"
    # The game answers a key again: it is not stuck reading the FIFO.
    redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+g
    [ "$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')" -eq 348 ] ||
        fail "$pipe did not give the built-in picture's 348-pixel board"
done
close_game
[ "$(ini_value "$INI" Grid)" = 1 ] || fail "the game did not answer after the FIFOs"

# A gift larger than the file-size limit: a message, and the game lives on.
mkdir "$WORK/gifts"
start_game bash -c 'ulimit -f 2048; exec "$0"' "$GAME"
choose f g
dialog=$(window_named "Make Gift puzzle")
xdotool windowactivate --sync "$dialog" key Return
save=$(window_named "Save gift")
xdotool windowactivate --sync "$save" key ctrl+a
xdotool type --delay 10 "$WORK/gifts/Too big"
xdotool key Return
wait_until 10 "no message said the gift could not be made" message_shown
kill -0 "$GAME_PID" 2>/dev/null || fail "the file-size limit killed the game"
xdotool key Return
wait_until 5 "the message did not close" not message_shown
xdotool windowactivate --sync "$dialog" key Escape
wait_until 5 "the gift dialog did not close" window_gone "Make Gift puzzle"
close_game
[ -z "$(ls -A "$WORK/gifts")" ] || fail "a failed gift left $(ls -A "$WORK/gifts")"

# A save that fails, in a settings folder the player cannot write, is explained without
# opening what is planted beside the settings file: a link's target stays as it was, and a
# FIFO there does not hold the game. Run as an unprivileged user where root would ignore the
# folder's modes; the link's target is the player's own file and the FIFO open to all, as an
# attacker would leave them.
echo "my notes" >"$WORK/notes.txt"
mkdir "$WORK/bin"
cp "$GAME" "$WORK/bin/"
chmod 755 "$SCRATCH" "$WORK" "$WORK/bin"
player=()
if [ "$(id -u)" = 0 ]; then
    player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chown nobody "$WORK/notes.txt"
    if [ -n "${XAUTHORITY:-}" ]; then
        install -m 644 "$XAUTHORITY" "$WORK/xauthority"
        player+=(env XAUTHORITY="$WORK/xauthority")
    fi
fi
for planted in link FIFO; do
    if [ "$planted" = link ]; then
        ln -s "$WORK/notes.txt" "$INI.write-test"
    else
        mkfifo -m 666 "$INI.write-test"
    fi
    chmod 555 "$XDG_CONFIG_HOME/Tilewright"
    start_game "${player[@]}" env HOME="$WORK" "$WORK/bin/$(basename "$GAME")"
    close_unsaved "in a folder it cannot write, a $planted planted beside the settings"
    chmod 755 "$XDG_CONFIG_HOME/Tilewright"
    [ "$(cat "$WORK/notes.txt")" = "my notes" ] || fail "the planted link's target was written"
    rm "$INI.write-test"
done

# The sound module: a FIFO in its place beside the program is never opened, and a sound
# server that takes the connection and never answers holds up no move and no key.
python3 -c '
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(8)
taken = []
while True:
    taken.append(server.accept())
' "$WORK/silent" &
OTHER_PIDS=$!
wait_until 5 "the silent sound server did not start" test -S "$WORK/silent"
mkfifo "$WORK/bin/tilewright-sound.so"
for game in "$WORK/bin/$(basename "$GAME")" "$GAME"; do
    start_game env PULSE_SERVER="unix:$WORK/silent" "$game"
    top=$(($(client_height "$WINDOW") - 360))
    redrawn_after xdotool mousemove --window "$WINDOW" 20 $((top + 20)) click 1 \
        mousemove --window "$WINDOW" 140 $((top + 20)) click 1
    redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+g
    close_game
done

# A settings folder that cannot be written: leaving by the close box says so first.
export XDG_CONFIG_HOME=$WORK/unwritable
mkdir "$XDG_CONFIG_HOME"
echo "not a folder" >"$XDG_CONFIG_HOME/Tilewright"
start_game "$GAME"
close_unsaved "with a settings folder that cannot be made"
echo "special files: passed"
