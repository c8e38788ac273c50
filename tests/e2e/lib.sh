# shellcheck shell=bash
# Shared by the end-to-end tests. A test script sources this file with two arguments, the game's
# executable and the folder of the helper programs, then calls start_session to get a private X
# server with a window manager and the game running in it. Everything started here is ended on
# exit, by the process ids recorded when it was started. With E2E_SHOTS naming a folder, every
# screenshot is kept there, and one of the screen when a test fails. A script may set
# screen_width and screen_height before it sources this file, game_environment (NAME=VALUE
# words) for the game's start, and window_manager=mutter for GNOME's instead of openbox.
#
# Reads: its two arguments; screen_width, screen_height, game_environment, window_manager,
#   E2E_SHOTS and XDG_RUNTIME_DIR where set.
# Sets: game, helpers, work (a folder of the test's own), started_pids, background_hex, DISPLAY;
#   start_game sets game_pid, main_window and, as read_geometry does, win_x, win_y, win_width
#   and win_height; start_session loads the skin's facts (skin_width, skin_height,
#   nonkey_pixels, key_corners, bare_skin, palette_N, and elem_LABEL for each element).
# Then sources play.sh.

set -euo pipefail

game=${1:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER}
helpers=${2:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER}

readonly background_hex=2040c0
# A script may set its own screen size before it sources this file.
readonly screen_width=${screen_width:-1024} screen_height=${screen_height:-768}
[[ -v game_environment ]] || game_environment=()

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
# Bash skips the EXIT trap when a signal ends it; turning the signals into an exit keeps it.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

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

# openbox names its supporting window before it handles map requests, and a window mapped in that
# gap is never managed and never shown; it sets _OB_THEME on the root once it has read its theme,
# and handles windows from then on. mutter has no such gap: a window mapped the moment it names its
# supporting window is managed.
window_manager_running() {
    [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)" == *"window id"* ]] || return 1
    [[ "${window_manager:-openbox}" == mutter ]] ||
        [[ "$(xprop -root _OB_THEME 2>/dev/null)" == *=* ]]
}

# A private session bus, which GNOME's window manager needs.
start_session_bus() {
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
    dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null 2>&1 &
    started_pids+=($!)
    wait_until 10 "the session bus listens" test -S "$work/bus"
}

start_window_manager() {
    if [[ "${window_manager:-openbox}" == mutter ]]; then
        start_session_bus
        XDG_CURRENT_DESKTOP=GNOME mutter --x11 --replace --sm-disable >"$work/wm.log" 2>&1 &
    else
        openbox --sm-disable >"$work/wm.log" 2>&1 &
    fi
    started_pids+=($!)
    wait_until 30 "the window manager manages the screen" window_manager_running
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
    env "${game_environment[@]}" "$game" >"$work/game.log" 2>&1 &
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

# window_state: the window manager's _NET_WM_STATE of the main window.
window_state() {
    xprop -id "$main_window" _NET_WM_STATE
}

# minimised [WINDOW]: whether the window manager keeps the window (the main one unless named)
# minimised.
minimised() {
    local window=${1:-$main_window}
    [[ "$(xprop -id "$window" _NET_WM_STATE)" == *_NET_WM_STATE_HIDDEN* ]] &&
        [[ "$(xprop -id "$window" WM_STATE)" == *"window state: Iconic"* ]]
}

# window_at X Y: whether the main window lies at that place of the screen now.
window_at() {
    read_geometry
    [[ "$win_x $win_y" == "$1 $2" ]]
}

# shellcheck source=play.sh
source "$(dirname "${BASH_SOURCE[0]}")/play.sh"
