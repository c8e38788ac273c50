#!/usr/bin/env bash
# Installs what is missing, builds with assertions on and runs every test, then runs the
# headless tests again in a build with AddressSanitizer and UndefinedBehaviorSanitizer, with a
# random play of the whole program in that build, and the fuzz targets over their seeds. The
# exit code is the result of all of them.
#
# Once the first build is made, its tests run side by side (each end-to-end test has an X server
# or compositor of its own), and the sanitizer and fuzz builds run beside them at a lower
# priority: most of those tests wait on a window system, and the builds take the processor time
# they leave. Each part prints its output when it is done, with the seconds it took.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh --tests

XDG_RUNTIME_DIR=$(mktemp -d)
logs=$(mktemp -d)
export XDG_RUNTIME_DIR
parts=()
# Each part runs as a job of its own, so that its whole process group can be ended.
set -m
end_parts() {
    local part
    for part in "${parts[@]}"; do
        kill -TERM -- "-${part%% *}" 2>/dev/null || true
    done
    rm -rf "$XDG_RUNTIME_DIR" "$logs"
}
trap end_parts EXIT

# timed NAME COMMAND...: runs the command, then says how long it took.
timed() {
    local name=$1 start=$SECONDS status=0
    shift
    "$@" || status=$?
    echo "== $name: $((SECONDS - start)) s (load $(cut -d' ' -f1 /proc/loadavg))"
    return "$status"
}

# part NAME COMMAND...: runs the command in the background at a lower priority, its output kept
# until the part is collected.
part() {
    (
        renice -n 10 -p "$BASHPID" >/dev/null
        timed "$@"
    ) >"$logs/$1" 2>&1 </dev/null &
    parts+=("$! $1")
}

sanitized() {
    # The end-to-end tests drive the real program in an X server and the benchmarks time it;
    # under the sanitizers neither would say more than the plain build does, and that build
    # makes neither. The random play (label random, only in this build) drives the whole program
    # there instead, for about two minutes.
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_SANITIZE=ON \
        -DVORE_WERROR=ON >/dev/null
    timed "sanitizer build" cmake --build build/asan &&
        ctest --test-dir build/asan --output-on-failure -j2 -L 'unit|random'
}

status=0
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_WERROR=ON -DVORE_TEST_HOOKS=ON \
    >/dev/null
timed build cmake --build build/test || exit 1

part sanitizers sanitized
# The fuzz targets need clang; a short pass over the committed seeds shows that they build and
# that the readers still take any input. scripts/fuzz.sh runs them for longer.
if command -v clang++ >/dev/null; then
    part fuzz scripts/fuzz.sh --runs 20000
fi

timed tests ctest --test-dir build/test --output-on-failure -j4 || status=1

for part in "${parts[@]}"; do
    wait "${part%% *}" || status=1
    cat "$logs/${part#* }"
done
parts=()
exit "$status"
