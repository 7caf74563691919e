#!/usr/bin/env bash
# Photos as players have them: a 48-megapixel JPEG, a PNG and a WebP become the puzzle at the
# size their own pixels give, and at scale 2 the board is drawn in the screen's own pixels.
# Usage: xvfb-run -a photos.sh path/to/tilewright path/to/makephoto VERSION
set -euo pipefail
GAME=$(realpath "$1")
MAKEPHOTO=$(realpath "$2")
VERSION=$3
. "$(dirname "$0")/lib.sh"

PHOTOS=$(mktemp -d -p "$SCRATCH")
"$MAKEPHOTO" 8000 6000 "$PHOTOS/phone.jpg"
"$MAKEPHOTO" 900 700 "$PHOTOS/screenshot.png"
"$MAKEPHOTO" 600 450 "$PHOTOS/photo.webp"
"$MAKEPHOTO" 3000 2000 "$PHOTOS/detail.jpg"
start_window_manager

client_width() { xwininfo -id "$1" | awk '/Width:/ {print $2}'; }

# --help and --version print and end before any window or sound starts, even on a console
# without a display, in the player's language.
console() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
console "$GAME" --help | grep -q 'A picture file or a ZIP archive' || fail "--help does not name the picture"
usage=$(console "$GAME" --help | head -n 1)
[ "$usage" = "Usage: $(basename "$GAME") [options] [picture]" ] || fail "--help begins \"$usage\""
console env LANGUAGE=de "$GAME" --help | grep -q 'Eine Bilddatei oder ein ZIP-Archiv' ||
    fail "--help is not in German"
[ "$(console "$GAME" --version)" = "$(basename "$GAME") $VERSION" ] || fail "--version does not print the version"
if "$GAME" --no-such-option 2>/dev/null; then fail "an unknown option was accepted"; fi

# A landscape photo wider than the room: the board is the room's width less 100, cut to four
# tiles, and 6000/8000 of that high less the menu and toolbar bands, which the window adds
# back: so the window's own area is that height, cut down by at most three pixels.
prepare_game "$PHOTOS/phone.jpg" Dimension=4
start_game "$GAME"
screen_width=$(xwininfo -root | awk '/Width:/ {print $2}')
board=$(((screen_width - 50 - 100) / 4 * 4))
[ "$(client_width "$WINDOW")" -eq "$board" ] ||
    fail "the 8000 x 6000 photo gave a window $(client_width "$WINDOW") wide, not $board"
height=$(((screen_width - 50 - 100) * 6000 / 8000))
shown=$(client_height "$WINDOW")
[ "$shown" -le "$height" ] && [ "$shown" -gt $((height - 4)) ] ||
    fail "the 8000 x 6000 photo gave a window $shown high, not $((height - 3)) to $height"
close_game

# A picture that fits is shown at its own size.
prepare_game "$PHOTOS/screenshot.png" Dimension=4
start_game "$GAME"
[ "$(client_width "$WINDOW")" -eq 900 ] || fail "the 900 x 700 PNG did not give a board 900 wide"
close_game

# A picture named on the command line, from another folder, which becomes the picture folder.
prepare_game "$PHOTOS/screenshot.png" Dimension=3
start_game "$GAME" "$PHOTOS/photo.webp"
[ "$(client_width "$WINDOW")" -eq 600 ] || fail "tilewright photo.webp did not start on it"
close_game
[ "$(ini_value "$INI" Folder)" = "$PHOTOS" ] || fail "the picture's folder was not kept"

# At scale 2, no device-pixel column or row of the board repeats its neighbour.
prepare_game "$PHOTOS/detail.jpg" Dimension=5 Grid=0
QT_SCALE_FACTOR=2 start_game "$GAME"
import -window "$WINDOW" "$WORK/scaled.png"
read -r width height < <(convert "$WORK/scaled.png" -format '%w %h\n' info:)
# The lower half of the window is board, whatever the bands above it.
convert "$WORK/scaled.png" -crop "${width}x$((height / 2))+0+$((height / 2))" -depth 8 \
    rgb:"$WORK/board.rgb"
python3 - "$WORK/board.rgb" "$width" <<'PY' || fail "the board at scale 2 repeats device pixels"
import sys
data = open(sys.argv[1], "rb").read()
width = int(sys.argv[2]); row = width * 3; rows = len(data) // row
columns = [b"".join(data[y * row + x * 3:y * row + x * 3 + 3] for y in range(rows)) for x in range(width)]
repeats = [x for x in range(width - 1) if columns[x] == columns[x + 1]]
same_rows = [y for y in range(rows - 1) if data[y * row:(y + 1) * row] == data[(y + 1) * row:(y + 2) * row]]
if repeats or same_rows:
    print("repeated columns", repeats[:10], "rows", same_rows[:10]); sys.exit(1)
PY
close_game

echo "photos: passed"
