#!/usr/bin/env bash
# Photos as phones and editors save them today, each stored sideways with the tag that turns
# it upright: a HEIC (rotation), an AVIF (made by avifenc, 10 bits, rotation) and a JPEG XL
# (made by cjxl from a JPEG, Exif orientation). Each is shown upright through the command
# line, Open and an archive. A picture the player chose that cannot be shown gives the
# built-in picture and a message; New in a folder of only such files stays silent.
# Usage: xvfb-run -a phone_photos.sh path/to/tilewright path/to/makephoto
set -euo pipefail
GAME=$(realpath "$1")
MAKEPHOTO=$(realpath "$2")
. "$(dirname "$0")/lib.sh"

PHOTOS=$(mktemp -d -p "$SCRATCH")
grid_picture 3 300 "$PHOTOS/upright.bmp"
# Stored a quarter turn clockwise, to be turned back anticlockwise (irot 1); or a quarter
# turn anticlockwise, to be turned back clockwise (Exif orientation 6).
convert "$PHOTOS/upright.bmp" -rotate 90 "$PHOTOS/clockwise.png"
convert "$PHOTOS/upright.bmp" -rotate -90 "$PHOTOS/anticlockwise.png"
convert "$PHOTOS/upright.bmp" -depth 16 -rotate 90 "$PHOTOS/clockwise16.png"
"$MAKEPHOTO" --turned 6 "$PHOTOS/anticlockwise.png" "$PHOTOS/IMG_0001.HEIC"
avifenc --depth 10 --irot 1 "$PHOTOS/clockwise16.png" "$PHOTOS/android.avif" >/dev/null
convert "$PHOTOS/anticlockwise.png" -quality 95 "$PHOTOS/camera.jpg"
python3 - "$PHOTOS/camera.jpg" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
tiff = b'MM\x00\x2a' + struct.pack('>IHHHIHHI', 8, 1, 0x0112, 3, 1, 6, 0, 0)
app1 = b'Exif\x00\x00' + tiff
open(sys.argv[1], 'wb').write(data[:2] + b'\xff\xe1' + struct.pack('>H', len(app1) + 2) + app1 + data[2:])
PY
cjxl "$PHOTOS/camera.jpg" "$PHOTOS/editor.jxl" >/dev/null 2>&1
for photo in IMG_0001.HEIC android.avif editor.jxl; do
    python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1], "w").write(sys.argv[2], sys.argv[3])' \
        "$PHOTOS/$photo.zip" "$PHOTOS/$photo" "$photo"
done
prepare_game "$PHOTOS/upright.bmp" Dimension=3 PuzzleMode=0 Grid=0
start_window_manager

# upright WHAT: solved, the board shows each tile where the upright picture has it.
upright() {
    wait_until 5 "the board did not settle after $1" window_settled "$WINDOW"
    choose v v
    wait_until 5 "$1 was not shown upright" board_is "$(seq -s ' ' 0 8 | tr ' ' '\n')" 3 100
}

for photo in IMG_0001.HEIC android.avif editor.jxl; do
    start_game "$GAME" "$PHOTOS/$photo"
    upright "$photo named on the command line"
    open_typed "$PHOTOS/$photo"
    upright "$photo opened"
    close_game
    start_game "$GAME" "$PHOTOS/$photo.zip"
    upright "$photo in an archive"
    close_game
done

# Pictures that cannot be shown: named, with the reason, and the built-in picture's board.
printf 'Not a photo at all, only text.\n' >"$PHOTOS/notes.heic"
head -c 400 "$PHOTOS/editor.jxl" >"$PHOTOS/cut-short.jxl"
for broken in notes.heic cut-short.jxl; do
    start_game "$GAME" "$PHOTOS/$broken"
    answer_message "$broken named on the command line"
    [ "$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')" -eq 348 ] ||
        fail "$broken did not give the built-in picture's 348-pixel board"
    close_game
done

# New in a folder of only such files: the built-in picture, without a word.
rm "$WORK/pictures/"*
cp "$PHOTOS/notes.heic" "$PHOTOS/cut-short.jxl" "$WORK/pictures/"
start_game "$GAME"
redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+n
holds_for 1 "New in a folder of unreadable files said something" not message_shown
[ "$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')" -eq 348 ] ||
    fail "New in a folder of unreadable files did not give the built-in picture"
close_game
echo "phone photos: passed"
