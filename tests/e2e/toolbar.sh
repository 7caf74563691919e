#!/usr/bin/env bash
# The toolbar as a player moves it: hidden and shown from the View menu, dragged off to
# float, docked at the bottom and back at the top. The window loses the toolbar's band
# while it is hidden or floating and gets it back when it docks; the board never changes.
# Usage: xvfb-run -a toolbar.sh path/to/tilewright path/to/picture.bmp
set -euo pipefail
GAME=$(realpath "$1")
PICTURE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

prepare_game "$PICTURE" Dimension=4
start_window_manager
start_game "$GAME"

full=$(client_height "$WINDOW")
expect_height() { # expect_height HEIGHT WHAT
    local now
    now=$(client_height "$WINDOW")
    [ "$now" -eq "$1" ] || fail "$2: the window is $now high, not $1"
}
toggle_toolbar() {
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers alt+v
    sleep 0.3
    xdotool key t
    sleep 0.5
}

toggle_toolbar
hidden=$(client_height "$WINDOW")
band=$((full - hidden))
[ "$band" -gt 30 ] || fail "hiding the toolbar took $band pixels off the window"
toggle_toolbar
expect_height "$full" "toolbar shown again"

# The handle is at the toolbar's left end, just below the menu bar.
read -r x y < <(client_origin "$WINDOW")
drag $((x + 5)) $((y + 25 + band / 2)) $((x + 600)) $((y + 600))
expect_height "$hidden" "toolbar floating"
floating=$(xdotool search --onlyvisible --name '^Toolbar$' | head -n 1)
[ -n "$floating" ] || fail "no floating toolbar window"
read -r tx ty < <(client_origin "$floating")
drag $((tx + 5)) $((ty + band / 2)) $((x + 100)) $((y + hidden - 10))
expect_height "$full" "toolbar docked at the bottom"
drag $((x + 5)) $((y + full - band / 2)) $((x + 100)) $((y + 25))
expect_height "$full" "toolbar docked at the top again"
close_game
rm -rf "$WORK"
echo "toolbar: passed"
