#!/usr/bin/env bash
# Start-up to a mapped window and resident memory, the game beside a bare Qt Widgets window
# (a menu bar, a toolbar and a 640 x 480 label), started in turn, ROUNDS times each, on one
# X server without a window manager and without a sound server; prints the medians.
# Usage: xvfb-run -a startup.sh GAME BAREWINDOW TIMETOMAP [ROUNDS]
set -euo pipefail
GAME=$(realpath "$1")
BARE=$(realpath "$2")
TIMETOMAP=$(realpath "$3")
ROUNDS=${4:-21}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Tilewright"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$GAME" --version >/dev/null
for _ in $(seq "$ROUNDS"); do
    "$TIMETOMAP" "$GAME" >>"$WORK/game" || echo "the game mapped no window" >&2
    "$TIMETOMAP" "$BARE" >>"$WORK/bare" || echo "the bare window was not mapped" >&2
done
median() { awk '$1 >= 0' | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
game_ms=$(cut -d' ' -f1 "$WORK/game" | median)
bare_ms=$(cut -d' ' -f1 "$WORK/bare" | median)
game_kib=$(cut -d' ' -f2 "$WORK/game" | median)
bare_kib=$(cut -d' ' -f2 "$WORK/bare" | median)
printf '%-12s %8s %10s\n' "" "ms" "peak MiB"
printf '%-12s %8d %10.1f\n' game "$game_ms" "$(echo "$game_kib / 1024" | bc -l)" \
    bare "$bare_ms" "$(echo "$bare_kib / 1024" | bc -l)"
printf '%-12s %8.2f %10.2f\n' "game / bare" "$(echo "$game_ms / $bare_ms" | bc -l)" \
    "$(echo "$game_kib / $bare_kib" | bc -l)"
