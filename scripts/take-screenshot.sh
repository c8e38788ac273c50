#!/usr/bin/env bash
# Takes docs/screenshot.png from the real game, three rows into a game, in a private X server.
# Run it again after any change of the art. The game hides the same code every time (a build
# with the test hooks, given a fixed seed), so the picture changes only when the art does.
# Builds the game and the test helpers first (into build/test, as ./test.sh does).
#   scripts/take-screenshot.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-docs/screenshot.png}")

scripts/setup.sh --tests
echo "Building the game and the test helpers in build/test (some minutes the first time)"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_TEST_HOOKS=ON >/dev/null
cmake --build build/test --target vore-trelliq skin-probe cursor-image >/dev/null
echo "Playing three rows in a private X server for $output"

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR VORE_RANDOM_SEED=20261207
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
bash tests/e2e/screenshot.sh build/test/vore-trelliq build/test/tests/e2e "$output"
