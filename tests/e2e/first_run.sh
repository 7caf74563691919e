#!/usr/bin/env bash
# A first run writes every setting when the window is closed; a later run reads them back.
# Usage: xvfb-run -a first_run.sh path/to/tilewright
set -euo pipefail
GAME=$(realpath "$1")
. "$(dirname "$0")/lib.sh"

WORK=$(mktemp -d -p "$SCRATCH")
export XDG_CONFIG_HOME=$WORK/config
INI=$XDG_CONFIG_HOME/Tilewright/$(basename "$GAME").ini
start_window_manager

# A desktop session's runtime folder, with no sound server in it.
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_game "$GAME"
width=$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')
[ "$width" -ge 350 ] || fail "the window is narrower than the narrowest board ($width)"
# A hint's swap and its sound, with sound on: still silent, and still nothing printed.
redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers h
close_game
[ ! -s "$WORK/game.log" ] || fail "the game printed at start: $(cat "$WORK/game.log")"
[ -f "$INI" ] || fail "no settings file at $INI"
for key in Dimension Grid GridColour SelColour Sound PuzzleMode Folder; do
    grep -q "^$key=" "$INI" || fail "first run did not write $key"
done
[ "$(ini_value "$INI" Dimension)" = 4 ] || fail "first-run Dimension is not 4"
[ "$(ini_value "$INI" Folder)" = "$(dirname "$GAME")/" ] || fail "first-run Folder is not the program folder"

# A hand-edited profile: its values survive a run; a missing folder stays empty.
printf '[Settings]\nDimension=7\nGrid=0\nSound=0\n' >"$INI"
start_game "$GAME"
close_game
[ "$(ini_value "$INI" Dimension)" = 7 ] || fail "Dimension was not read back"
[ "$(ini_value "$INI" Grid)" = 0 ] || fail "Grid was not read back"
[ "$(ini_value "$INI" Sound)" = 0 ] || fail "Sound was not read back"
grep -q '^Folder=$' "$INI" || fail "a missing Folder was not saved as empty"
grep -q '^PuzzleMode=0$' "$INI" || fail "closing the window did not save every setting"

# Garbage never leaves the board outside 3..10.
printf '[Settings]\nDimension=-40\n' >"$INI"
start_game "$GAME"
close_game
[ "$(ini_value "$INI" Dimension)" = 4 ] || fail "an out-of-range Dimension was not read as 4"

echo "first run: passed"
