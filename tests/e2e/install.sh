#!/usr/bin/env bash
# Installs the game into a private prefix, validates its desktop entry and AppStream data,
# and starts the installed game: its first picture folder is the installed sample folder.
# Usage: xvfb-run -a install.sh BUILD_FOLDER
set -euo pipefail
BUILD=$(realpath "$1")
. "$(dirname "$0")/lib.sh"

WORK=$(mktemp -d -p "$SCRATCH")
PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
pages=$(cd "$(dirname "$0")/../../resources" && ls Tilewright*.html help.css)
for file in bin/tilewright $(sed 's|^|share/tilewright/|' <<<"$pages") \
    share/tilewright/pictures/collection.zip share/applications/org.example.tilewright.desktop \
    share/metainfo/org.example.tilewright.metainfo.xml \
    share/man/man6/tilewright.6; do
    [ -f "$PREFIX/$file" ] || fail "$file was not installed"
done
module=$(find "$PREFIX" -path '*/tilewright/tilewright-sound.so')
[ -n "$module" ] || fail "the sound module was not installed in a folder of the game's own"
for size in 16 24 32 48 64 128 256 512; do
    icon=$PREFIX/share/icons/hicolor/${size}x$size/apps/org.example.tilewright.png
    [ "$(identify -format %wx%h "$icon")" = "${size}x$size" ] || fail "no $size-pixel icon"
done
for svg in scalable/apps/org.example.tilewright.svg symbolic/apps/org.example.tilewright-symbolic.svg; do
    rsvg-convert "$PREFIX/share/icons/hicolor/$svg" >/dev/null || fail "$svg does not render"
done
readelf -d "$PREFIX/bin/tilewright" | grep -q 'R.*PATH' && fail "the installed game has a RUNPATH"
man -l "$PREFIX/share/man/man6/tilewright.6" 2>&1 >/dev/null | grep . && fail "the manual has faults"
report=$(desktop-file-validate "$PREFIX/share/applications/org.example.tilewright.desktop" 2>&1) ||
    fail "the desktop entry does not validate: $report"
[ -z "$report" ] || fail "the desktop entry has remarks: $report"
report=$(appstreamcli validate --pedantic --no-net \
    "$PREFIX/share/metainfo/org.example.tilewright.metainfo.xml" 2>&1) ||
    fail "the AppStream data does not validate: $report"
grep -q '^[EWIP]:' <<<"$report" && fail "the AppStream data has remarks: $report"

export XDG_CONFIG_HOME=$WORK/config
start_window_manager
start_game "$PREFIX/bin/tilewright"
class=$(sed -n 's/^StartupWMClass=//p' "$PREFIX/share/applications/org.example.tilewright.desktop")
xprop -id "$WINDOW" WM_CLASS | grep -q "\"$class\"\$" ||
    fail "the window's class is not the desktop entry's $class"
close_game
grep -q "^Folder=$PREFIX/share/tilewright/pictures/\$" "$XDG_CONFIG_HOME/Tilewright/tilewright.ini" ||
    fail "the installed game does not take its sample pictures as the first picture folder"

# The installed game finds its sound module by the first sound, and not before: a server is
# named, so it is looked for (none answers, so nothing is heard).
start_game env PULSE_SERVER=unix:"$WORK/no-server" LD_DEBUG=files "$PREFIX/bin/tilewright"
grep -q "tilewright-sound.so .*generating link map" "$WORK/game.log" &&
    fail "the sound module was loaded at start"
redrawn_after xdotool windowactivate --sync "$WINDOW" key --clearmodifiers h # a hint's swap
wait_until 5 "the first sound did not load the installed sound module" \
    grep -Eq "file=[^ ]*/tilewright/tilewright-sound.so \[0\];  generating link map" "$WORK/game.log"
close_game
echo "install: passed"
