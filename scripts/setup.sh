#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root) and configures and builds the game.
# Usage: scripts/setup.sh [build folder] [extra cmake arguments...]
# QM_BUILD_TARGET names the one target to build (with what it needs); everything by default.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config clang libclang-rt-14-dev
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libopenal-dev libvorbis-dev fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${1:-build}
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_WARNINGS_AS_ERRORS=ON "$@"
if [ -n "${QM_BUILD_TARGET:-}" ]; then
  cmake --build "$build" -j"$(nproc)" --target "$QM_BUILD_TARGET"
else
  cmake --build "$build" -j"$(nproc)"
fi
