#!/usr/bin/env bash
# Fails when a C++ file tracked by git differs from what clang-format makes of
# it with the project's .clang-format; prints the differences.
#   scripts/check-format.sh    (fix with: clang-format -i FILE...)
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format > /dev/null || { echo "clang-format missing: scripts/deps.sh --tests" >&2; exit 1; }
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
[[ ${#files[@]} -gt 0 ]] || { echo "no C++ files found" >&2; exit 1; }
clang-format --dry-run -Werror "${files[@]}"
echo "formatting: ${#files[@]} files match .clang-format"
