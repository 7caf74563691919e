#!/usr/bin/env bash
# The game ended by a signal, as a logout, Ctrl+C in a terminal or kill ends it: it closes
# as if its window were closed, with its settings saved, also with a dialog open; a gift
# copy leaves nothing of its picture behind.
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
