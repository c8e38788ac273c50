#!/usr/bin/env bash
# Prints, for each reaction a player meets, the instructions (callgrind) and the wall time from
# the input to the frame that shows it, under X11 (Xvfb with openbox) and under weston nested in
# Xvfb, each against one frame at 60 Hz. Wall times are medians of RUNS processes; the
# instructions come from one run under callgrind, the median where a reaction occurs more than
# once in a run. The load average printed with the table says how quiet the machine was. A last
# row gives the work the program does by itself after its first frame, in processor time.
#
#   tests/bench/reactions.sh [--runs N] [--no-callgrind] [--platforms "x11 weston"]
#                            [--build-dir DIR] [--bench PROGRAM --probe SKIN-PROBE]
#
# Without --bench it first brings bench_reactions and skin-probe up to date in DIR (build/bench
# by default), an optimised build as tests/e2e/bench-startup.sh makes it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

runs=7
callgrind=yes
platforms="x11 weston"
build=$repo/build/bench
bench='' probe=''
while (($#)); do
    case "$1" in
    --runs) runs=$2 && shift 2 ;;
    --no-callgrind) callgrind=no && shift ;;
    --platforms) platforms=$2 && shift 2 ;;
    --build-dir) build=$2 && shift 2 ;;
    --bench) bench=$(realpath "$2") && shift 2 ;;
    --probe) probe=$(realpath "$2") && shift 2 ;;
    *)
        echo "usage: $0 [--runs N] [--no-callgrind] [--platforms \"x11 weston\"]" \
            "[--build-dir DIR] [--bench PROGRAM --probe SKIN-PROBE]" >&2
        exit 2
        ;;
    esac
done
if [[ -z "$bench" ]]; then
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVORE_TEST_HOOKS=ON >/dev/null
    cmake --build "$build" -j2 --target bench_reactions skin-probe >/dev/null
    bench=$build/tests/bench/bench_reactions
    probe=$build/tests/e2e/skin-probe
fi
source "$here/../e2e/lib.sh" "$bench" "$(dirname "$probe")"
source "$here/../e2e/weston.sh"
eval "$("$probe" facts)"
# shellcheck disable=SC2154 # set by the probe
blue=${palette_5// /,}

start_x_server
start_window_manager
socket=wayland-bench-$$
write_weston_config
weston_pid=''
start_weston() {
    weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 \
        --socket="$socket" --config="$work/weston.ini" --log="$work/weston.log" \
        >"$work/weston.out" 2>&1 &
    weston_pid=$!
    started_pids+=("$weston_pid")
    wait_until 30 "weston listens" test -S "$XDG_RUNTIME_DIR/$socket"
}

# run PLATFORM SEQUENCE [PROFILER...]: one process of the benchmark on that platform.
run() {
    local platform=$1 sequence=$2
    shift 2
    local environment=(QT_QPA_PLATFORM=xcb)
    [[ "$platform" == weston ]] && environment=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket")
    env "${environment[@]}" timeout 900 "$@" "$bench" "$sequence" "$blue" ||
        fail "bench_reactions $sequence on $platform ended with status $?"
}

sequences=(about help question play)
for platform in $platforms; do
    [[ "$platform" == weston && -z "$weston_pid" ]] && start_weston
    for sequence in "${sequences[@]}"; do
        for ((i = 0; i < runs; i++)); do
            run "$platform" "$sequence" >>"$work/wall-$platform"
        done
        if [[ "$callgrind" == yes ]]; then
            run "$platform" "$sequence" valgrind --tool=callgrind \
                --callgrind-out-file="$work/callgrind-$platform-$sequence.%p" >/dev/null 2>&1
        fi
    done
    # One line "NAME INSTRUCTIONS" for each profile that a reaction dumped.
    for profile in "$work/callgrind-$platform"-*; do
        [[ -e "$profile" ]] || continue
        awk '/^desc: Trigger: Client Request: / {name = $NF} /^summary: / && name != "" {print name, $2}' \
            "$profile"
    done >>"$work/instructions-$platform"
done

median() {
    sort -n | awk '{v[NR] = $1} END {print NR == 0 ? "-" : (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
# figure NAME FILE: the median of the reaction's figures in FILE, or - without any.
figure() {
    [[ -e "$2" ]] || {
        echo -
        return
    }
    awk -v n="$1" '$1 == n {print $2}' "$2" | median
}

frame_ms=16.7
header="reaction"
for platform in $platforms; do
    header+="|$platform instructions|$platform ms|within a frame"
done
rows=()
for reaction in about-first about-second help-first help-second question-first question-later \
    take-first take place-first place confirm-first confirm greeting after-first-frame; do
    row=$reaction
    for platform in $platforms; do
        instructions=$(figure "$reaction" "$work/instructions-$platform")
        ms=$(figure "$reaction" "$work/wall-$platform")
        row+=$(awk -v i="$instructions" -v m="$ms" -v f="$frame_ms" -v r="$reaction" 'BEGIN {
            printf "|%s|%s|%s", (i == "-") ? "-" : sprintf("%.2f M", i / 1e6),
                (m == "-") ? "-" : sprintf("%.2f", m),
                (m == "-" || r == "after-first-frame") ? "-" : (m <= f) ? "yes" : "NO" }')
    done
    rows+=("$row")
done

echo "Each reaction from the input to its frame, against one frame of ${frame_ms} ms: wall time" \
    "the median of $runs runs, $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)." \
    "The last row is the work from the first frame until the program sits idle, in processor ms."
{
    echo "$header"
    printf '%s\n' "${rows[@]}"
} | column -t -s '|'
