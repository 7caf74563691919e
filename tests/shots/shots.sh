#!/usr/bin/env bash
# Screenshots of every dialog, for people to look at: English at scale 1 in the light
# palette, and German at scale 2 in a dark palette with a 16-point font.
# Usage: shots.sh BUILD_FOLDER PICTURES_FOLDER OUTPUT_FOLDER
set -euo pipefail
BUILD=$(realpath "$1")
PICTURES=$(realpath "$2")
OUT=$3
run() { # run NAME SCALE ARGUMENTS...
    local name=$1 scale=$2
    shift 2
    xvfb-run -a -s "-screen 0 2560x1600x24" bash -c '
        openbox --sm-disable >/dev/null 2>&1 & sleep 0.5
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR='"$scale"' "$@"' _ \
        "$BUILD/tests/dialogshots" "$OUT/$name" "$PICTURES" "$@"
}
run english-light 1
run english-light-15 1.5
run german-dark-2 2 --dark --font-size 16 --lang de
run french-dark-2 2 --dark --font-size 16 --lang fr
echo "shots in $OUT"
