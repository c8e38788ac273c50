#!/usr/bin/env bash
# Installs what is missing, builds with assertions on and runs every test, then runs the
# headless tests again in a build with AddressSanitizer and UndefinedBehaviorSanitizer, with a
# random play of the whole program in that build, and the fuzz targets over their seeds. The
# exit code is the result of all of them.
#
# The parts run side by side, each printing its output, and the seconds and processor time it
# took, when it is done. The builds of the package (and of its copy for the reproducibility
# check), with the sanitizers and for fuzzing need nothing of the first build, so they start
# with it, at lower priorities: they take the processor time that the first build and its tests
# leave, as most of those tests wait on a window system of their own. The sanitizer build, with
# the longest of the tests after it, comes first among them.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh --tests

# How many jobs each build runs at once: VORE_JOBS, or the processor's cores. The tests run
# twice as many, as most of them wait on a window system of their own; those of the sanitizer
# build, which mostly compute, one more.
jobs=${VORE_JOBS:-$(nproc)}
export CMAKE_BUILD_PARALLEL_LEVEL=$jobs

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
    local TIMEFORMAT="== $1: %0R s, processor %0U s + %0S s"
    shift
    time "$@"
}

# part NICENESS NAME COMMAND...: runs the command in the background at that lower priority, its
# output kept until the part is collected.
part() {
    (
        renice -n "$1" -p "$BASHPID" >/dev/null
        timed "${@:2}"
    ) >"$logs/$2" 2>&1 </dev/null &
    parts+=("$! $2")
}

# collect NAME: waits for the part and prints its output; false when it failed.
collect() {
    local part status=0
    for part in "${parts[@]}"; do
        if [[ "${part#* }" == "$1" ]]; then
            wait "${part%% *}" || status=1
            cat "$logs/$1"
        fi
    done
    return "$status"
}

sanitized() {
    # The end-to-end tests drive the real program in an X server and the benchmarks time it;
    # under the sanitizers neither would say more than the plain build does, and that build
    # makes neither. The random play (label random, only in this build) drives the whole program
    # there instead, for about two minutes.
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_SANITIZE=ON \
        -DVORE_WERROR=ON >/dev/null
    timed "sanitizer build" cmake --build build/asan &&
        ctest --test-dir build/asan --output-on-failure -j "$((jobs + 1))" -L 'unit|art|random'
}

status=0
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_WERROR=ON -DVORE_TEST_HOOKS=ON \
    >/dev/null
readonly package_builds='^package-(build|reproducible)$'
part 5 sanitizers sanitized
part 10 package ctest --test-dir build/test --output-on-failure -R "$package_builds"
# The fuzz targets need clang; a short pass over the committed seeds shows that they build and
# that the readers still take any input. scripts/fuzz.sh runs them for longer.
if command -v clang++ >/dev/null; then
    part 15 fuzz scripts/fuzz.sh --runs 20000
fi

timed build cmake --build build/test || exit 1
timed tests ctest --test-dir build/test --output-on-failure -j "$((2 * jobs))" -LE package || status=1
# The package's other tests check and play the package that its part built.
collect package || status=1
timed "package tests" ctest --test-dir build/test --output-on-failure -L package -FS package \
    -E "$package_builds" || status=1
collect sanitizers || status=1
collect fuzz || status=1
parts=()
exit "$status"
