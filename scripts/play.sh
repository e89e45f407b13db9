#!/usr/bin/env bash
# Installs what the program needs, builds it and starts it beside its strip
# pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DREACHME_BUILD_TESTS=OFF
cmake --build build -j"$(nproc)"
cd data
exec ../build/bin/reachme "$@"
