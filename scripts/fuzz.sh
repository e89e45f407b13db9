#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# while, starting from its seed corpus in fuzz/corpus/NAME/. New inputs and
# any crash go to a scratch folder (named at the end); the corpus in git
# stays as it is. Fails when a target finds a crash, a leak or a hang.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]    (30 unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/deps.sh --fuzz
cmake --preset fuzz
cmake --build --preset fuzz -j"${JOBS:-$(nproc)}"
work=$(mktemp -d)
export QT_QPA_PLATFORM=offscreen
for target in numberinput picture progress; do
    mkdir -p "$work/$target"
    echo "fuzz_$target: ${seconds} s"
    build-fuzz/bin/fuzz_"$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$work/$target/" \
        "$work/$target" "fuzz/corpus/$target" 2> "$work/$target.log" \
        || { tail -n 40 "$work/$target.log" >&2; echo "fuzz_$target failed: $work" >&2; exit 1; }
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$work/$target.log" || true
done
echo "new inputs in $work"
