#!/usr/bin/env bash
# Installs what is missing, builds an optimised build and starts the game.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh
# Optimised with -O2, as the start-up benchmark measures and distributions build packages: -O3
# gives no fewer instructions to the first frame at any scale, and more at the fractional ones.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    >/dev/null
cmake --build build/release
exec build/release/vore-trelliq
