#!/usr/bin/env bash
# Lists the includes that run upward: a source file including a header of a folder on a higher
# floor than its own. The floors are the rows of README's layout table, top floor first; a row may
# hold a folder and its own subfolder. The reason for each pair of folders with upward includes is
# the README line "- `lower/` includes `higher/`: reason". Fails when an upward include has no
# reason, or when there are more than the maximum below.
set -euo pipefail
cd "$(dirname "$0")/.."

max_upward=6

# "folder row" for each folder of the first table after the "## Layout" heading, top row 1.
floors=$(awk '
  /^## / { inLayout = ($0 == "## Layout"); if (!inLayout && rows) exit; next }
  !inLayout { next }
  /^\|/ && !/^\|---/ {
    split($0, cells, "|"); line = cells[2]; found = 0
    while (match(line, /`[^`]+\/`/)) {
      print substr(line, RSTART + 1, RLENGTH - 3), rows + 1
      line = substr(line, RSTART + RLENGTH); found = 1
    }
    rows += found
    next
  }
  rows { exit }
' README.md)
if [ -z "$floors" ]; then
  echo "no layout table in README.md" >&2
  exit 1
fi

sources=$(echo "$floors" | while read -r folder _; do
  find "$folder" -maxdepth 1 \( -name '*.cpp' -o -name '*.h' \)
done | sort)

# shellcheck disable=SC2086
awk -v max="$max_upward" -v floors="$floors" '
  BEGIN {
    n = split(floors, lines, "\n")
    for (i = 1; i <= n; i++) { split(lines[i], f, " "); row[f[1]] = f[2]; if (f[2] > rows) rows = f[2] }
    # Top row first: the bottom floor is 1.
    for (folder in row) floor[folder] = rows - row[folder] + 1
  }
  FILENAME == "README.md" {
    if ($0 ~ /^- `[^`]+\/` includes `[^`]+\/`: /) {
      split($0, quoted, "`")
      pair = substr(quoted[2], 1, length(quoted[2]) - 1) " " substr(quoted[4], 1, length(quoted[4]) - 1)
      reason[pair] = substr($0, index($0, "`: ") + 3)
    }
    next
  }
  /^#include "/ {
    split($0, quoted, "\"")
    target = folderOf(quoted[2]); source = folderOf(FILENAME)
    if (target == "" || floor[target] <= floor[source]) next
    pair = source " " target
    count++
    if (!(pair in reason)) { reason[pair] = "NO REASON GIVEN IN README.md"; unexplained++ }
    printf "%s: %s\n    %s/ includes %s/: %s\n", FILENAME, quoted[2], source, target, reason[pair]
  }
  # The deepest folder of the table that holds the path.
  function folderOf(path,   folder, best) {
    best = ""
    for (folder in floor) if (index(path, folder "/") == 1 && length(folder) > length(best)) best = folder
    return best
  }
  END {
    printf "%d upward includes (at most %d)\n", count, max
    if (unexplained || count > max) exit 1
  }
' README.md $sources
