#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build/fuzz) and runs each over its committed seeds.
#   scripts/fuzz.sh [SECONDS]   each target for SECONDS (default 600); what they find new is
#                               kept in build/fuzz/corpus/<target> for the next run
#   scripts/fuzz.sh --runs N    each target for N inputs only, as ./test.sh does
# Either may end with --seed S, to replay the inputs of an earlier run over the same corpus. A
# crash stops the run and leaves the input that caused it in build/fuzz/, where slow inputs go
# too.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(helpText helpFile rawPicture runPicture)
limit=(-max_total_time=600)
corpus=build/fuzz/corpus
seed=$(((RANDOM << 15 | RANDOM) + 1))
while (($#)); do
    case "$1" in
    --runs)
        limit=(-runs="${2:?--runs needs a number}")
        corpus=$(mktemp -d)
        trap 'rm -rf "$corpus"' EXIT
        shift
        ;;
    --seed) seed=${2:?--seed needs a number} && shift ;;
    *) limit=(-max_total_time="$1") ;;
    esac
    shift
done
echo "fuzzing with seed $seed"

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
      -DCMAKE_CXX_COMPILER=clang++ -DVORE_FUZZ=ON >/dev/null
cmake --build build/fuzz --target "${targets[@]/#/fuzz_}"

XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export XDG_RUNTIME_DIR
for target in "${targets[@]}"; do
    mkdir -p "$corpus/$target"
    log=$(mktemp)
    # New inputs go to the first folder, so the committed seeds stay as they are.
    if build/fuzz/tests/fuzz/"fuzz_$target" "${limit[@]}" -seed="$seed" \
        -artifact_prefix=build/fuzz/ "$corpus/$target" tests/fuzz/seeds/"$target" >"$log" 2>&1; then
        echo "fuzz_$target: $(grep -E '^Done|^#[0-9]+.*DONE' "$log" | tail -1)"
        rm -f "$log"
    else
        cat "$log"
        rm -f "$log"
        echo "fuzz_$target failed with seed $seed" >&2
        exit 1
    fi
done
