#!/usr/bin/env bash
# Screenshots of every dialog, for people to look at: English at scale 1 in the light
# palette, and every other language at scale 2 on a 1920 x 1080 screen (a laptop at 200 %) in
# a dark palette with a 16-point font.
# Usage: shots.sh BUILD_FOLDER PICTURES_FOLDER OUTPUT_FOLDER
set -euo pipefail
BUILD=$(realpath "$1")
PICTURES=$(realpath "$2")
OUT=$3
run() { # run NAME SCALE SCREEN ARGUMENTS...
    local name=$1 scale=$2 screen=$3
    shift 3
    xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
        openbox --sm-disable >/dev/null 2>&1 & sleep 0.5
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR='"$scale"' "$@"' _ \
        "$BUILD/tests/dialogshots" "$OUT/$name" "$PICTURES" "$@"
}
run english-light 1 2560x1600
run english-light-15 1.5 2560x1600
for language in de fr es it nl pl pt_BR; do
    run "$language-dark-2" 2 1920x1080 --dark --font-size 16 --lang "$language"
done
echo "shots in $OUT"
