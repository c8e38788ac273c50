#!/usr/bin/env bash
# The long random play to run before a release: the game built with AddressSanitizer and
# UndefinedBehaviorSanitizer, under a private X server, for 20 minutes unless told otherwise.
# Usage: scripts/random-play-long.sh [--seconds S] [--seed N]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORE_SANITIZE=ON >/dev/null
cmake --build build/asan --target vore-trelliq skin-probe cursor-image grab-probe wm-protocol
# Under the sanitizers the resident set grows by about 1 MB a minute of play (measured over
# 5 minutes; the plain build grew by 0.9 MB in 4), so the long run allows for that much.
exec bash tests/e2e/random-play.sh build/asan/vore-trelliq build/asan/tests/e2e \
    --seconds 1200 --rss-slack-kb 30720 "$@"
