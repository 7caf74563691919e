#!/usr/bin/env bash
# The board as a screen reader reads it: on a real accessibility bus, a 3 x 3 slider's cells
# are read, a tile is slid by key, and the changed names and announcements are read back.
# Usage: xvfb-run -a screen_reader.sh path/to/tilewright
set -euo pipefail
# A session bus of its own, for the accessibility bus to find.
[ -n "${TW_SESSION_BUS:-}" ] || TW_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
GAME=$(realpath "$1")
. "$(dirname "$0")/lib.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
OTHER_PIDS=$!
PICTURES=$(mktemp -d -p "$SCRATCH")
grid_picture 3 390 "$PICTURES/grid3.bmp"
start_window_manager
prepare_game "$PICTURES/grid3.bmp" Dimension=3 PuzzleMode=1 StatusBar=1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game "$GAME"
xdotool windowactivate --sync "$WINDOW"
# A jumbled slider has its hole in the bottom-right corner: Right slides the tile beside it.
python3 "$(dirname "$0")/screen_reader.py" "$(basename "$GAME")" Right
close_game
echo "screen_reader: passed"
