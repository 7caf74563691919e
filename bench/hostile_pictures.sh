#!/usr/bin/env bash
# Peak memory and time to the window for pictures whose few bytes promise huge decodes, each
# beside the game started on a small picture: the game is started on each, named on the
# command line, and its resident peak read before it is closed.
# Usage: xvfb-run -a -s "-screen 0 1920x1080x24" hostile_pictures.sh GAME MAKEHOSTILE MAKEPHOTO
set -euo pipefail
GAME=$(realpath "$1")
MAKEHOSTILE=$(realpath "$2")
MAKEPHOTO=$(realpath "$3")
. "$(dirname "$0")/../tests/e2e/lib.sh"

FILES=$(mktemp -d -p "$SCRATCH")
"$MAKEPHOTO" 640 480 "$FILES/small.png"
"$MAKEHOSTILE" png-rgba16 11585 11585 "$FILES/rgba16.png"
"$MAKEHOSTILE" png-grey16 11585 11585 "$FILES/grey16.png"
"$MAKEHOSTILE" png-rgb8 11585 11585 "$FILES/rgb8.png"
"$MAKEHOSTILE" tiff-rgba16 11585 11585 "$FILES/rgba16.tif"
"$MAKEHOSTILE" tiff-grey16 11585 11585 "$FILES/grey16.tif"
"$MAKEHOSTILE" webp-animated 16383 8192 "$FILES/animated.webp"
echo 'R0lGODlhABAAAAAAACwBBAD/AAAAAADz' | base64 -d >"$FILES/tiny.gif"
"$MAKEPHOTO" 12000 8000 "$FILES/photo96.jpg"
# The largest of their kinds that are still shown.
"$MAKEPHOTO" 8000 6000 "$FILES/photo48.png"
"$MAKEHOSTILE" png-rgba16 4900 4900 "$FILES/rgba16-24mp.png"
"$MAKEHOSTILE" tiff-grey16 9800 9800 "$FILES/grey16-96mp.tif"
start_window_manager

# The peak resident memory of the game started on the picture, in MiB, and the seconds until
# its window showed.
measure() {
    prepare_game "$FILES/small.png"
    local start id=
    start=$(date +%s.%N)
    QT_QPA_PLATFORM=xcb "$GAME" "$1" >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    for _ in $(seq 1200); do
        id=$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name '^Tilewright$' 2>/dev/null |
            head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.05
    done
    [ -n "$id" ] || fail "no window for $1"
    local shown peak
    shown=$(echo "$(date +%s.%N) - $start" | bc)
    WINDOW=$id
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$GAME_PID/status")
    close_game
    printf '%s %d %.2f\n' "$(basename "$1")" $((peak / 1024)) "$shown"
}

read -r _ own _ < <(measure "$FILES/small.png")
printf '%-16s %10s %10s %8s\n' picture "peak MiB" "above own" seconds
for file in ${PICTURES:-rgba16.png rgba16.tif grey16.png grey16.tif animated.webp tiny.gif rgb8.png photo96.jpg
    photo48.png rgba16-24mp.png grey16-96mp.tif}; do
    read -r name peak shown < <(measure "$FILES/$file")
    printf '%-16s %10d %10d %8.2f\n' "$name" "$peak" $((peak - own)) "$shown"
done
