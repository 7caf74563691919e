#!/usr/bin/env bash
# Installs the game into a private prefix, validates its desktop entry and AppStream data,
# and starts the installed game: its first picture folder is the installed sample folder.
# Usage: xvfb-run -a install.sh BUILD_FOLDER
set -euo pipefail
BUILD=$(realpath "$1")
. "$(dirname "$0")/lib.sh"

WORK=$(mktemp -d)
PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
for file in bin/tilewright share/tilewright/Tilewright.html \
    share/tilewright/pictures/collection.zip share/applications/org.example.Tilewright.desktop \
    share/metainfo/org.example.Tilewright.metainfo.xml \
    share/icons/hicolor/48x48/apps/tilewright.png share/icons/hicolor/256x256/apps/tilewright.png; do
    [ -f "$PREFIX/$file" ] || fail "$file was not installed"
done
desktop-file-validate "$PREFIX/share/applications/org.example.Tilewright.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$PREFIX/share/metainfo/org.example.Tilewright.metainfo.xml" \
    >/dev/null || fail "the AppStream data does not validate"

export XDG_CONFIG_HOME=$WORK/config
start_window_manager
start_game "$PREFIX/bin/tilewright"
close_game
grep -q "^Folder=$PREFIX/share/tilewright/pictures/\$" "$XDG_CONFIG_HOME/Tilewright/tilewright.ini" ||
    fail "the installed game does not take its sample pictures as the first picture folder"
rm -rf "$WORK"
echo "install: passed"
