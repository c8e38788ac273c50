#!/usr/bin/env bash
# Installs what is missing, builds with assertions on and runs every test; the exit code is
# the result.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh --tests

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure
