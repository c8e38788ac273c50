#!/usr/bin/env bash
# Installs what is missing, builds with assertions on and runs every test, then runs the
# headless tests again in a build with AddressSanitizer and UndefinedBehaviorSanitizer. The
# exit code is the result of both.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh --tests

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

status=0

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_WERROR=ON -DVORE_TEST_HOOKS=ON \
    >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure || status=1

# The end-to-end tests drive the real program in an X server and the benchmarks time it; under
# the sanitizers neither would say more than the plain build does.
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_SANITIZE=ON -DVORE_WERROR=ON \
    >/dev/null
cmake --build build/asan
ctest --test-dir build/asan --output-on-failure --label-exclude 'e2e|bench' || status=1

# The fuzz targets need clang; a short pass over the committed seeds shows that they build and
# that the readers still take any input. scripts/fuzz.sh runs them for longer.
if command -v clang++ >/dev/null; then
    scripts/fuzz.sh --runs 20000 || status=1
fi

exit "$status"
