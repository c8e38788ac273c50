#!/usr/bin/env bash
# Starts the game in a private X server with a window manager, leaves it alone and reports
# the processor time it used while idle, and its resident memory.
#   tests/bench/idle-cpu.sh PROGRAM [SECONDS]
set -euo pipefail

program=$(realpath "$1")
seconds=${2:-10}

fail() {
    echo "idle-cpu: $*" >&2
    exit 1
}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work
# Xvfb picks a free display itself and writes its number to the descriptor.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.05
done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# A window mapped before the window manager handles windows is never shown: openbox names its
# supporting window first, and sets _OB_THEME once it handles them.
managed() { [[ "$(xprop -root _OB_THEME 2>/dev/null)" == *=* ]]; }
for _ in $(seq 200); do
    managed && break
    sleep 0.05
done
managed || fail "openbox did not take the screen"
"$program" 2>"$work/game.log" &
game=$!
pids=("$game" "${pids[@]}")

window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Vore TRELLIQ$' 2>/dev/null | head -n1) || true
    [[ -n "$window" ]] && break
    kill -0 "$game" 2>/dev/null || fail "the game ended during start-up"
    sleep 0.05
done
[[ -n "$window" ]] || fail "no window after 10 s"
sleep 1

ticks() {
    # Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks. The name in
    # field 2 has no spaces here.
    awk '{ print $14 + $15 }' "/proc/$game/stat"
}
before=$(ticks)
sleep "$seconds"
after=$(ticks)
rss=$(awk '/^VmRSS/ { print $2, $3 }' "/proc/$game/status")

hz=$(getconf CLK_TCK)
echo "idle for ${seconds} s: $((after - before)) ticks of ${hz} per second of CPU time"
echo "resident memory: $rss"
