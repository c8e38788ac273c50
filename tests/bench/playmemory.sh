#!/usr/bin/env bash
# Runs bench_playmemory in a private X server under openbox, which activates each box it shows.
#   tests/bench/playmemory.sh BENCH-PROGRAM [ARGUMENTS...]
source "$(dirname "$0")/../e2e/lib.sh" "$1" -
start_x_server
start_window_manager
"$game" "${@:2}"
