# Helpers for the end-to-end tests: run the real game on the X server that xvfb-run gave
# us, under a small window manager, with a private settings folder.

fail() { echo "FAIL: $*" >&2; exit 1; }

# The system's own tools first, Debian's Python among them, which the Makefile installs and
# which has the accessibility module: a version manager's shim found first on the PATH costs
# a fifth of a second a call, and the board is read off the screen with it again and again.
PATH=/usr/bin:$PATH

# wait_until SECONDS FAILURE COMMAND...: runs the command every tenth of a second until it
# succeeds; fails with the FAILURE message when it has not within the time.
wait_until() {
    local seconds=$1 failure=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    fail "$failure (waited $seconds s)"
}
not() { ! "$@"; } # for wait_until: not COMMAND...

# holds_for SECONDS FAILURE COMMAND...: the command keeps succeeding, checked every tenth of a
# second for that long; for what must not happen in answer to a key or click.
holds_for() {
    local seconds=$1 failure=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" || fail "$failure"
        sleep 0.1
    done
}

# Every folder a script makes lies in SCRATCH, which goes on every exit, passed or failed;
# the window manager and any game still running (GAME_PID, OTHER_PIDS) end with the script.
SCRATCH=$(mktemp -d)
cleanup() {
    local pid
    for pid in ${GAME_PID:-} ${OTHER_PIDS:-} ${WM_PID:-}; do
        # What a killed process ends with is no failure of the script.
        kill "$pid" 2>/dev/null && { wait "$pid" 2>/dev/null || true; }
    done
    rm -rf "$SCRATCH" || true
}
trap cleanup EXIT

# prepare_game PICTURE [SETTING...]: a private settings folder for $GAME whose picture folder
# holds only PICTURE; each SETTING ("Key=value") goes into [Settings]. The status bar is off
# unless a SETTING turns it on, so the board is the window's lowest part. Sets WORK and INI.
prepare_game() {
    WORK=$(mktemp -d -p "$SCRATCH")
    export XDG_CONFIG_HOME=$WORK/config
    mkdir -p "$XDG_CONFIG_HOME/Tilewright" "$WORK/pictures"
    cp "$1" "$WORK/pictures/"
    shift
    INI=$XDG_CONFIG_HOME/Tilewright/$(basename "$GAME").ini
    local status=StatusBar=0
    [[ " $* " == *" StatusBar="* ]] && status=
    { echo '[Settings]'; printf '%s\n' "$@" $status; echo "Folder=$WORK/pictures"; } >"$INI"
}

# start_window_manager: openbox gives windows a close box and real Alt+F4 handling. Now and
# then it does not come up on a server just started: it is given three tries of five seconds,
# and what it said is shown if none succeeds.
start_window_manager() {
    for _ in 1 2 3; do
        openbox --sm-disable >"$SCRATCH/openbox.log" 2>&1 &
        WM_PID=$!
        for _ in $(seq 50); do
            window_manager_runs && return 0
            sleep 0.1
        done
        kill "$WM_PID" 2>/dev/null && wait "$WM_PID" 2>/dev/null
    done
    cat "$SCRATCH/openbox.log" >&2
    fail "the window manager did not start (three tries of 5 s)"
}
window_manager_runs() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }

same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
capture() { import -window "$1" "$2" 2>/dev/null; } # capture WINDOW FILE

# window_settled WINDOW: the window is drawn (more than one colour) and shows the same in two
# captures a tenth of a second apart.
window_settled() {
    capture "$1" "$WORK/settle-a.png" || return 1
    [ "$(convert "$WORK/settle-a.png" -format %k info:)" -gt 1 ] || return 1
    sleep 0.1
    capture "$1" "$WORK/settle-b.png" && same_picture "$WORK/settle-a.png" "$WORK/settle-b.png"
}

# redrawn_after COMMAND...: runs the command, then waits until the game's window shows
# something else and has settled.
redrawn_after() {
    capture "$WINDOW" "$WORK/before.png"
    "$@"
    wait_until 5 "the window did not change after: $*" redrawn
}
redrawn() {
    capture "$WINDOW" "$WORK/now.png" && ! same_picture "$WORK/before.png" "$WORK/now.png" &&
        window_settled "$WINDOW"
}

# menu_shown: a menu of the game's is open: a visible window without a title beside the
# main window (a menu shown a second time loses its window type, so the type cannot tell).
menu_shown() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$GAME_PID" 2>/dev/null); do
        [ "$id" != "$WINDOW" ] && [[ $(xprop -id "$id" WM_NAME 2>/dev/null) != *'"'* ]] && return 0
    done
    return 1
}

# choose MNEMONIC ITEM: opens the menu bar's menu of that mnemonic and picks the item by its
# own, as a player does with the keyboard.
choose() {
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers "alt+$1"
    wait_until 5 "the menu Alt+$1 did not open" menu_shown
    xdotool key "$2"
    wait_until 5 "the menu Alt+$1 did not close on $2" not menu_shown
}

# message_shown: a message box, titled as the game's main window, is open beside it.
message_shown() {
    [ "$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name '^Tilewright$' | wc -l)" -ge 2 ]
}

# answer_message WHAT: a message box shows after WHAT, and Return closes it.
answer_message() {
    wait_until 5 "$1 said nothing" message_shown
    xdotool key Return
    wait_until 5 "the message after $1 did not close" not message_shown
}

# open_typed PATH: Ctrl+O, the path typed into the open dialog (which selects it, its preview
# tried), and Return, which opens it and closes the dialog.
open_typed() {
    local open
    xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+o
    open=$(window_named Open)
    xdotool windowactivate --sync "$open" type --delay 10 "$1"
    xdotool key Return
    wait_until 10 "the open dialog stayed open on $1" window_gone Open
}

# window_gone TITLE: no visible window of the game has that title.
window_gone() {
    ! xdotool search --all --onlyvisible --pid "$GAME_PID" --name "^$1\$" >/dev/null 2>&1
}

# window_named TITLE: waits up to ten seconds for a visible window of the game ($GAME_PID)
# of that exact title and prints its id; fails if none appears or the game ends first.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name "^$1\$" 2>/dev/null |
            head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before showing \"$1\""
        sleep 0.1
    done
    fail "no \"$1\" window appeared"
}

# start_game GAME [ARGUMENT...]: starts the program (or a command that execs it) and waits
# for its visible window; sets GAME_PID, WINDOW.
start_game() {
    QT_QPA_PLATFORM=xcb "$@" >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    WINDOW=$(window_named Tilewright)
    wait_until 10 "the game's window was never drawn" window_settled "$WINDOW"
}

# close_game: Alt+F4 through the window manager, as a player closes the window.
close_game() {
    xdotool windowactivate --sync "$WINDOW"
    # Activated is not yet focused: a window only just mapped can miss a key sent at once.
    for _ in $(seq 20); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WINDOW" ] && break
        sleep 0.1
    done
    xdotool key --clearmodifiers alt+F4
    game_ends "when its window was closed"
}

# game_ends WHEN: waits up to ten seconds for the game to end by itself, without an error.
game_ends() {
    for _ in $(seq 100); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID" || { cat "$WORK/game.log" >&2; fail "the game ended with an error"; }
            GAME_PID=""
            return 0
        fi
        sleep 0.1
    done
    xdotool search --pid "$GAME_PID" >/dev/null 2>&1 && fail "the game did not end $1: its window is still there"
    fail "the game did not end $1: its window is gone, the process is not"
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

# drag FROM_X FROM_Y TO_X TO_Y: a left-button drag in screen coordinates, in steps paced as
# a hand moves, so that the toolbar sees a drag begin, go on and end.
drag() {
    xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) sleep 0.2 \
        mousemove "$3" "$4" sleep 0.2 mouseup 1
}

# grid_picture N SIDE FILE: a picture of N x N flat colours whose red tells the column and
# whose green the row, with blue at 200 everywhere.
grid_picture() {
    local n=$1 side=$2 tile=$(($2 / $1)) draw=()
    for row in $(seq 0 $((n - 1))); do
        for col in $(seq 0 $((n - 1))); do
            draw+=(-fill "rgb($((40 + 60 * col)),$((40 + 60 * row)),200)"
                -draw "rectangle $((col * tile)),$((row * tile)) $((col * tile + tile - 1)),$((row * tile + tile - 1))")
        done
    done
    convert -size "${side}x${side}" xc:white "${draw[@]}" "BMP3:$3"
}

# board_top N TILE: where the board starts in the window: it ends $BOARD_GAP pixels (the
# status bar's band, 0 unless a test sets it) above the window's bottom edge.
board_top() {
    echo $(($(client_height "$WINDOW") - $1 * $2 - ${BOARD_GAP:-0}))
}

# read_board N TILE: the tile number at each cell in reading order, -1 for the hole, read
# from one capture at each cell's centre.
read_board() {
    local n=$1 tile=$2 top
    top=$(board_top "$n" "$tile")
    import -window "$WINDOW" -depth 8 ppm:- | python3 -c '
import sys
n, tile, top = (int(a) for a in sys.argv[1:4])
data = sys.stdin.buffer.read()
fields, at = [], 0
while len(fields) < 4:  # "P6", width, height, maximum, separated by white space
    while data[at:at + 1].isspace():
        at += 1
    start = at
    while not data[at:at + 1].isspace():
        at += 1
    fields.append(data[start:at])
width, pixels = int(fields[1]), data[at + 1:]
for row in range(n):
    for col in range(n):
        x, y = col * tile + tile // 2, top + row * tile + tile // 2
        r, g, b = pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]
        print(-1 if b < 190 or b > 210 else ((g - 10) // 60) * n + (r - 10) // 60)
' "$n" "$tile" "$top"
}

# board_is BOARD N TILE: the board read off the screen is that one.
board_is() { [ "$(read_board "$2" "$3")" = "$1" ]; }

# on_board SECTION NAME N: true when the section holds a row of that name and size.
on_board() {
    awk -v section="[$1]" -v name="$2" -v size=$((-$3 - 1)) '
        /^\[/ { inside = ($0 == section) }
        inside && $0 ~ "^Name[0-9]=" { split($0, kv, "="); names[substr(kv[1], 5)] = kv[2] }
        inside && $0 ~ "^Difficulty[0-9]=" { split($0, kv, "="); sizes[substr(kv[1], 11)] = kv[2] }
        END { for (i in names) if (names[i] == name && sizes[i] == size) found = 1; exit !found }
    ' "$INI"
}

click_cell() { # click_cell N TILE INDEX
    local top
    top=$(board_top "$1" "$2")
    xdotool mousemove --window "$WINDOW" $(( ($3 % $1) * $2 + $2 / 2 )) \
        $(( top + ($3 / $1) * $2 + $2 / 2 )) click 1
    sleep 0.1
}

# enter_name NAME: answers the congratulations dialog with a name.
enter_name() {
    local dialog
    dialog=$(window_named "Congratulations!")
    xdotool windowactivate --sync "$dialog" key shift+Tab ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
    wait_until 5 "the congratulations did not close" window_gone "Congratulations!"
}

# solve_by_swaps N TILE: reads the tile-swap board off the screen and puts each cell's own
# tile there with one swap.
solve_by_swaps() {
    local n=$1 tile=$2 board cell other
    mapfile -t board < <(read_board "$n" "$tile")
    for cell in $(seq 0 $((n * n - 1))); do
        [ "${board[$cell]}" -eq "$cell" ] && continue
        for other in $(seq $((cell + 1)) $((n * n - 1))); do
            [ "${board[$other]}" -eq "$cell" ] && break
        done
        click_cell "$n" "$tile" "$cell"
        click_cell "$n" "$tile" "$other"
        board[$other]=${board[$cell]}
        board[$cell]=$cell
    done
}
