#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the project needs.
#   scripts/deps.sh          what building and running the program needs
#   scripts/deps.sh --tests  that, plus what the test suite needs
#   scripts/deps.sh --fuzz   that, plus clang and its fuzzer runtime
set -euo pipefail

packages=(
    g++ cmake make ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libbenchmark-dev
    # The Japanese Gothic faces the windows are set in.
    fonts-ipafont-gothic fonts-noto-cjk
)
if [[ "${1:-}" == "--fuzz" ]]; then
    # libFuzzer comes with clang's runtime libraries.
    packages+=(clang libclang-rt-dev)
fi
if [[ "${1:-}" == "--tests" ]]; then
    # A real X server for the end-to-end test and for screenshots.
    packages+=(xvfb xauth x11-utils xdotool imagemagick desktop-file-utils appstream)
    # Qt's private headers: the accessibility test switches event reporting on.
    packages+=(qt6-base-private-dev)
    # The formatting check (Debian 12's clang-format 14) and reading PDFs.
    packages+=(clang-format poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
