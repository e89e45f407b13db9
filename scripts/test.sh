#!/usr/bin/env bash
# Installs what the tests need, builds everything in build/ and runs the whole
# suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests
cmake --preset default
cmake --build --preset default -j"${JOBS:-$(nproc)}"
ctest --preset default -j"${JOBS:-$(nproc)}"
