#!/usr/bin/env bash
# Compares the frames the game tests keep (QM_KEEP_FRAMES) on an older revision and on the
# working tree's build, file by file: identical PNG bytes from the same encoder mean identical
# pixels. The older revision is built in a temporary folder with this tree's map-view test.
# Usage: scripts/compare-frames.sh [old revision, default where this branch left main]
#        [new build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."

old_revision=${1:-$(git merge-base HEAD main)}
new_build=$(realpath "${2:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src" "$work/old" "$work/new"

git archive "$old_revision" | tar -x -C "$work/src"
cp tests/world/MapViewFramesGameTest.cpp "$work/src/tests/world/"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_BENCHMARKS=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$work/build" -j"$(nproc)" >/dev/null
# Both draw the same pictures: a generator that reads another's output may have run first in
# the fresh tree, and the comparison is of the drawing, not of the content.
rm -rf "$work/src/Content/Textures" "$work/src/Content/Audio"
cp -r Content/Textures Content/Audio "$work/src/Content/"

# Only the tests that boot the game draw frames worth comparing.
frames='Game|Frame|Shipped|Title|Dialogue|Death|Save|Lobby|Route|Flow'
# Builds that name a frames folder of their own for ctest keep them there, older ones where the
# environment says.
keep_frames() {
  local build=$1 into=$2
  rm -rf "$build/frames" && mkdir -p "$build/frames"
  (cd "$build" && QM_KEEP_FRAMES="$into" ctest -j4 -R "$frames" >/dev/null) || true
  if [ -d "$build/frames" ]; then cp "$build/frames"/*.png "$into/" 2>/dev/null || true; fi
}
keep_frames "$work/build" "$work/old"
keep_frames "$new_build" "$work/new"

same=0
differ=0
for old_frame in "$work/old"/*.png; do
  name=$(basename "$old_frame")
  if [ ! -f "$work/new/$name" ]; then
    echo "missing in the new build: $name"
    differ=$((differ + 1))
  elif cmp -s "$old_frame" "$work/new/$name"; then
    same=$((same + 1))
  else
    echo "differs: $name"
    differ=$((differ + 1))
  fi
done
echo "$same frames identical, $differ differ"
[ "$differ" -eq 0 ]
