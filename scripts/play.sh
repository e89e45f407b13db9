#!/usr/bin/env bash
# Installs what the program needs, builds it alone in build-play/ and starts it
# beside its strip pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset play
cmake --build --preset play -j"$(nproc)"
cd data
exec ../build-play/bin/reachme "$@"
