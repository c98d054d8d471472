#!/usr/bin/env bash
# Records the frames the game tests keep as the references later runs are checked against.
# Run it after looking at a drawing change that is meant (the frames land in build/frames).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
rm -f build/frames/*.png build/frames/*.hash
(cd build && QM_RECORD_FRAMES=1 ctest -j"$(nproc)" >/dev/null || true)
cat build/frames/*.hash | LC_ALL=C sort > tests/FrameReferences.txt
echo "$(wc -l < tests/FrameReferences.txt) frames recorded in tests/FrameReferences.txt"
