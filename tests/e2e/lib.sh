# shellcheck shell=bash
# Shared by the end-to-end tests. A test script sources this file with two arguments, the game's
# executable and the folder of the helper programs, then calls start_session to get a private X
# server with a window manager and the game running in it. Everything started here is ended on
# exit, by the process ids recorded when it was started.

set -euo pipefail

game=${1:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER}
helpers=${2:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER}

readonly background_hex=2040c0
readonly screen_width=1024 screen_height=768

work=$(mktemp -d)
started_pids=()

end_started() {
    local status=$?
    local pid i
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        pid=${started_pids[i]}
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${started_pids[@]}"; do
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit "$status"
}
trap end_started EXIT

# Keeps Qt and the window manager off the user's own settings and runtime folder.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

fail() {
    echo "FAIL: $*" >&2
    if [[ -n "${DISPLAY:-}" && -n "${E2E_SHOTS:-}" ]]; then
        import -window root "$E2E_SHOTS/failure-$(basename "$0" .sh).png" 2>/dev/null || true
    fi
    exit 1
}

note() {
    echo "$*"
}

# wait_until SECONDS DESCRIPTION COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; fails the test with DESCRIPTION when SECONDS pass first.
wait_until() {
    local seconds=$1 description=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || fail "timed out after ${seconds}s waiting until $description"
        sleep 0.1
    done
}

start_x_server() {
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp -noreset \
        3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
    started_pids+=($!)
    local number
    read -r -t 30 number <"$work/displayfd" || {
        cat "$work/xvfb.log" >&2
        fail "Xvfb did not report its display"
    }
    export DISPLAY=:$number
}

window_manager_running() {
    [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)" == *"window id"* ]]
}

start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    started_pids+=($!)
    wait_until 30 "openbox manages the screen" window_manager_running
    xsetroot -solid "#$background_hex"
}

# The visible top-level windows whose title is exactly the given text, one id a line.
windows_titled() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

window_count() {
    windows_titled "$1" | grep -c . || true
}

# window_count_is TITLE N
window_count_is() {
    (($(window_count "$1") == $2))
}

find_main_window() {
    main_window=$(windows_titled 'Vore TRELLIQ' | head -n 1)
    [[ -n "$main_window" ]]
}

start_game() {
    "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    started_pids+=("$game_pid")
    wait_until 60 "the game's window is mapped" find_main_window
    read_geometry
}

# Facts about the skin and the element table, set by start_session (see skin-probe facts).
# shellcheck disable=SC2034 # read by the test scripts
declare skin_width skin_height nonkey_pixels key_corners bare_skin

# Starts the X server, the window manager and the game; loads the facts about the skin.
start_session() {
    eval "$("$helpers/skin-probe" facts)"
    start_x_server
    start_window_manager
    start_game
    pointer_away
}

# Sets win_x, win_y, win_width and win_height from the X server.
read_geometry() {
    local info
    info=$(xwininfo -id "$main_window")
    win_x=$(awk -F: '/Absolute upper-left X/ {print $2 + 0}' <<<"$info")
    win_y=$(awk -F: '/Absolute upper-left Y/ {print $2 + 0}' <<<"$info")
    win_width=$(awk -F: '/^ *Width/ {print $2 + 0}' <<<"$info")
    win_height=$(awk -F: '/^ *Height/ {print $2 + 0}' <<<"$info")
}

# element_centre NAME: sets cx and cy to the centre of an element, in skin pixels.
element_centre() {
    local var="elem_$1" x y width height
    [[ -n "${!var:-}" ]] || fail "no element $1 in the element table"
    read -r x y width height <<<"${!var}"
    cx=$((x + width / 2))
    cy=$((y + height / 2))
}

# point_of NAME: sets px and py from a "x y" fact such as palette_2 or bare_skin.
point_of() {
    local var=$1
    [[ -n "${!var:-}" ]] || fail "the skin has no $var"
    read -r px py <<<"${!var}"
}

# Moves the pointer to a skin point of the window.
pointer_to() {
    xdotool mousemove --sync "$((win_x + $1))" "$((win_y + $2))"
}

# Moves the pointer off the window, so that it is not in the way of a screenshot.
pointer_away() {
    xdotool mousemove --sync 3 3
}

# click_at X Y [BUTTON]: a press and release at a skin point of the window.
click_at() {
    pointer_to "$1" "$2"
    xdotool click "${3:-1}"
}

# click_element LABEL: a left click on the centre of an element.
click_element() {
    element_centre "$1"
    click_at "$cx" "$cy"
}

# pick_colour N: presses on a peg of colour N in the tray.
pick_colour() {
    point_of "palette_$1"
    click_at "$px" "$py"
}

cursor_image() {
    "$helpers/cursor-image"
}

cursor_is() {
    [[ "$(cursor_image)" == "$1" ]]
}

cursor_is_not() {
    [[ "$(cursor_image)" != "$1" ]]
}

shot_count=0
# screenshot: sets shot to a new picture of the whole screen.
screenshot() {
    shot_count=$((shot_count + 1))
    shot=$work/shot-$shot_count.png
    import -window root "$shot"
    if [[ -n "${E2E_SHOTS:-}" ]]; then
        cp "$shot" "$E2E_SHOTS/$(basename "$0" .sh)-$shot_count.png"
    fi
}

# read_board: takes a screenshot and fills the associative array board with the colour that
# every peg display shows (label -> colour, 0 for none, -1 for a picture not recognised), and
# board_labels with the labels in the order of the element table.
declare -A board
board_labels=()
read_board() {
    screenshot
    board=()
    board_labels=()
    local label colour
    while read -r label colour; do
        board[$label]=$colour
        board_labels+=("$label")
    done < <("$helpers/skin-probe" board "$shot" "$win_x" "$win_y")
}

# board_shows LABEL=COLOUR...: reads the board and compares the given displays.
board_shows() {
    read_board
    local pair
    for pair in "$@"; do
        [[ "${board[${pair%%=*}]:-}" == "${pair#*=}" ]] || return 1
    done
}

# The displays of the last reading that show a picture, as "label=colour" words.
shown_pegs() {
    local label
    for label in "${board_labels[@]}"; do
        [[ "${board[$label]}" == 0 ]] || printf '%s=%s ' "$label" "${board[$label]}"
    done
}

# differing_pixels SHOT-A SHOT-B: pixels of the window's rectangle that differ.
differing_pixels() {
    "$helpers/skin-probe" diff "$1" "$2" "$win_x" "$win_y" "$win_width" "$win_height"
}

# window_state: the window manager's _NET_WM_STATE of the main window.
window_state() {
    xprop -id "$main_window" _NET_WM_STATE
}

# The peg colours that the tray of the skin offers, in number order.
tray_colours() {
    local colour var
    for colour in 2 3 4 5 6 7; do
        var=palette_$colour
        [[ -z "${!var:-}" ]] || printf '%s ' "$colour"
    done
}

# place_peg COLOUR HOLE: takes a peg of COLOUR from the tray and drops it into HOLE (i11 ...).
place_peg() {
    pick_colour "$1"
    click_element "$2"
}

# The label of the confirm element that lies over the key places of row R.
confirm_of_row() {
    echo "ok_$((6 - $1))"
}

# changed_between SHOT-A SHOT-B FIRST LAST: the number of pixels that differ between two
# screenshots within the box from element FIRST's top-left to element LAST's bottom-right.
changed_between() {
    local first="elem_$3" last="elem_$4" x y right bottom lx ly lw lh
    read -r x y _ <<<"${!first}"
    read -r lx ly lw lh <<<"${!last}"
    right=$((lx + lw))
    bottom=$((ly + lh))
    "$helpers/skin-probe" diff "$1" "$2" "$((win_x + x))" "$((win_y + y))" \
        "$((right - x))" "$((bottom - y))"
}

# drag_from X Y BUTTON DX DY: presses BUTTON at a skin point, moves the pointer by (DX, DY) and
# lets go. The pause after the press gives the window manager time to take over a move before
# the pointer moves; without it openbox may stay in its move mode and swallow the next click.
drag_from() {
    pointer_to "$1" "$2"
    xdotool mousedown "$3" sleep 0.1 mousemove_relative -- "$4" "$5" mouseup "$3"
}

# prepare_sync: learns the pointer pictures of two tray colours for sync_with_game. Call it
# while nothing else goes on, right after start_session.
prepare_sync() {
    local colour before px py
    read -r -a sync_colours <<<"$(tray_colours)"
    ((${#sync_colours[@]} >= 2)) || fail "the tray of the skin offers fewer than two colours"
    sync_cursors=()
    for colour in "${sync_colours[@]:0:2}"; do
        point_of "palette_$colour"
        pointer_to "$px" "$py"
        before=$(cursor_image)
        xdotool click 1
        wait_until 10 "the pointer shows a peg of colour $colour" cursor_is_not "$before"
        sync_cursors+=("$(cursor_image)")
    done
    sync_presses=0
}

# sync_with_game DESCRIPTION: proves that the game has handled every earlier input. A press on
# the tray shows its peg as the pointer only when the game gets to it; comparing with the
# learnt picture, not just with the picture before, keeps the window manager's own pointer
# (while it moves a window) from passing for it. Alternates between the two colours, as the
# hand holds the second one after prepare_sync.
sync_with_game() {
    local px py i=$((sync_presses % 2))
    sync_presses=$((sync_presses + 1))
    point_of "palette_${sync_colours[i]}"
    pointer_to "$px" "$py"
    xdotool click 1
    wait_until 10 "$1" cursor_is "${sync_cursors[i]}"
}

window_at() {
    read_geometry
    [[ "$win_x $win_y" == "$1 $2" ]]
}
