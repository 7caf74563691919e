# Helpers for the end-to-end tests: run the real game on the X server that xvfb-run gave
# us, under a small window manager, with a private settings folder.

fail() { echo "FAIL: $*" >&2; exit 1; }

# prepare_game PICTURE [SETTING...]: a private settings folder for $GAME whose picture folder
# holds only PICTURE; each SETTING ("Key=value") goes into [Settings]. Sets WORK and INI.
prepare_game() {
    WORK=$(mktemp -d)
    export XDG_CONFIG_HOME=$WORK/config
    mkdir -p "$XDG_CONFIG_HOME/Tilewright" "$WORK/pictures"
    cp "$1" "$WORK/pictures/"
    shift
    INI=$XDG_CONFIG_HOME/Tilewright/$(basename "$GAME").ini
    { echo '[Settings]'; printf '%s\n' "$@"; echo "Folder=$WORK/pictures"; } >"$INI"
}

# start_window_manager: openbox gives windows a close box and real Alt+F4 handling.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    trap 'kill $WM_PID 2>/dev/null; [ -n "${GAME_PID:-}" ] && kill $GAME_PID 2>/dev/null' EXIT
    sleep 0.5
}

# window_named TITLE: waits up to ten seconds for a visible window of that exact title and
# prints its id; fails if none appears or the game ends first.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before showing \"$1\""
        sleep 0.1
    done
    fail "no \"$1\" window appeared"
}

# start_game GAME: starts the program and waits for its visible window; sets GAME_PID, WINDOW.
start_game() {
    QT_QPA_PLATFORM=xcb "$1" >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    WINDOW=$(window_named Tilewright)
    sleep 0.3 # mapped is not yet painted
}

# close_game: Alt+F4 through the window manager, as a player closes the window.
close_game() {
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers alt+F4
    for _ in $(seq 100); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID" || { cat "$WORK/game.log" >&2; fail "the game ended with an error"; }
            GAME_PID=""
            return 0
        fi
        sleep 0.1
    done
    fail "the game did not end when its window was closed"
}

# ini_value FILE KEY: the value of KEY in the [Settings] section.
ini_value() {
    awk -F= -v key="$2" '/^\[/{s=($0=="[Settings]")} s && $1==key {sub(/^[^=]*=/,""); print}' "$1"
}

# pixel WINDOW X Y: the colour at a point of the window, as "r,g,b".
pixel() {
    import -window "$1" "$WORK/shot.png"
    convert "$WORK/shot.png" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 |
        sed -n 's/^[^(]*(\([0-9]*,[0-9]*,[0-9]*\).*/\1/p'
}

# client_height WINDOW: the height of the window's own area, without its frame.
client_height() {
    xwininfo -id "$1" | awk '/Height:/ {print $2}'
}

# client_origin WINDOW: "X Y" of the window's own area on the screen.
client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}

# drag FROM_X FROM_Y TO_X TO_Y: a left-button drag in screen coordinates, in steps.
drag() {
    xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) sleep 0.2 \
        mousemove "$3" "$4" sleep 0.3 mouseup 1
    sleep 0.5
}
