#!/usr/bin/env bash
# Times the game's start-up, from starting the program to its window being mapped, as the
# median of several runs, against a bare frameless Qt window of the same size from the same
# build; prints both medians, their ratio and the resident memory of each half a second after
# its window appeared. Runs on a private Xvfb without a window manager, whose reaction time
# would otherwise be counted too.
#
#   tests/e2e/bench-startup.sh [--runs N] [--build-dir DIR] [--no-build]
#
# It first brings the three programs up to date in DIR (build/bench by default), configured as
# an optimised build with -O2, the way distributions build packages, when DIR is new;
# --no-build takes them as they are.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

runs=15
build=$repo/build/bench
make=yes
while (($#)); do
    case "$1" in
    --runs) runs=$2 && shift 2 ;;
    --build-dir) build=$2 && shift 2 ;;
    --no-build) make=no && shift ;;
    *) echo "usage: $0 [--runs N] [--build-dir DIR] [--no-build]" >&2 && exit 2 ;;
    esac
done
if [[ "$make" == yes ]]; then
    [[ -f "$build/CMakeCache.txt" ]] ||
        cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j2 --target vore-trelliq bare-window map-timer >/dev/null
fi

source "$here/lib.sh" "$build/vore-trelliq" "$build/tests/e2e"
start_x_server

median() {
    sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

# One run of each first, uncounted, so that both find their libraries in the page cache.
"$helpers/map-timer" 449 563 "$game" >/dev/null
"$helpers/map-timer" 449 563 "$helpers/bare-window" >/dev/null
for ((i = 0; i < runs; i++)); do
    # Alternating spreads any change in the machine's load over both.
    "$helpers/map-timer" 449 563 "$game" >>"$work/game"
    "$helpers/map-timer" 449 563 "$helpers/bare-window" >>"$work/bare"
done

game_ms=$(cut -d' ' -f1 "$work/game" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
game_kib=$(cut -d' ' -f2 "$work/game" | median)
bare_kib=$(cut -d' ' -f2 "$work/bare" | median)
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")
echo "start-up to mapped window, median of $runs runs (${build_type:-default} build):"
echo "  game         $game_ms ms   resident $game_kib KiB"
echo "  bare window  $bare_ms ms   resident $bare_kib KiB"
awk -v g="$game_ms" -v b="$bare_ms" 'BEGIN {printf "  ratio        %.2f (target at most 1.30)\n", g / b}'
