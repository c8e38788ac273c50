#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the game.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release
exec build/release/vore-trelliq
