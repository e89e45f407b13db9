#!/usr/bin/env bash
# Installs what the tests need, builds everything in build-test/ and runs the
# whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests
cmake --preset test
cmake --build --preset test -j"${JOBS:-$(nproc)}"
ctest --preset test -j"${JOBS:-$(nproc)}"
