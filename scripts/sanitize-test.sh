#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs the whole test suite there, the leak checker on.
# Leaks inside third-party libraries are listed in tests/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests
cmake --preset sanitize
cmake --build --preset sanitize -j"${JOBS:-$(nproc)}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --preset sanitize -j"${JOBS:-$(nproc)}"
