#!/usr/bin/env bash
# The toolbar as a player moves it: hidden and shown from the View menu, dragged off to
# float, docked at the bottom and back at the top. The window loses the toolbar's band
# while it is hidden or floating and gets it back when it docks; the board never changes. The
# status bar shows, as by default, so its clock ticks while the toolbar floats.
# Usage: xvfb-run -a toolbar.sh path/to/tilewright path/to/picture.bmp
set -euo pipefail
GAME=$(realpath "$1")
PICTURE=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

prepare_game "$PICTURE" Dimension=4 StatusBar=1
start_window_manager
start_game "$GAME"

full=$(client_height "$WINDOW")
height_is() { [ "$(client_height "$WINDOW")" -eq "$1" ]; }
expect_height() { # expect_height HEIGHT WHAT
    wait_until 5 "$2: the window is not $1 high" height_is "$1"
}
toggle_toolbar() { choose v t; }

toggle_toolbar
wait_until 5 "hiding the toolbar left the window as it was" not height_is "$full"
hidden=$(client_height "$WINDOW")
band=$((full - hidden))
[ "$band" -gt 30 ] || fail "hiding the toolbar took $band pixels off the window"
toggle_toolbar
expect_height "$full" "toolbar shown again"

# The handle is at the toolbar's left end, just below the menu bar.
read -r x y < <(client_origin "$WINDOW")
drag $((x + 5)) $((y + 25 + band / 2)) $((x + 600)) $((y + 600))
expect_height "$hidden" "toolbar floating"
floating_toolbar() { xdotool search --onlyvisible --name '^Toolbar$' >/dev/null 2>&1; }
wait_until 5 "no floating toolbar window" floating_toolbar
holds_for 3 "the floating toolbar went away" floating_toolbar
floating=$(xdotool search --onlyvisible --name '^Toolbar$' | head -n 1)
read -r tx ty < <(client_origin "$floating")
drag $((tx + 5)) $((ty + band / 2)) $((x + 100)) $((y + hidden - 10))
expect_height "$full" "toolbar docked at the bottom"
drag $((x + 5)) $((y + full - band / 2)) $((x + 100)) $((y + 25))
expect_height "$full" "toolbar docked at the top again"
close_game
echo "toolbar: passed"
