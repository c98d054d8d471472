#!/usr/bin/env bash
# Sets everything up and starts the game: only the game, its content generators and the content
# are built, not the tests and benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
QM_BUILD_TARGET=quellmark scripts/setup.sh build
exec build/quellmark
