#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in the release build and runs
# them all; their output goes to build/release/bench/results.txt and the
# figures, each beside its goal, end it as one table.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

echo "== Release build of the benchmarks"
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target corvanth_benches

bench=build/release/bench
results=$bench/results.txt
: >"$results"
for program in autoplay_bench screen_game_memory adventure_frame startup_bench mapgen_bench \
               package_read_bench sprite_blit; do
  echo "== $program"
  "$bench/$program" | tee -a "$results"
done

echo
echo "== Figures"
{
  echo "figure|value|goal|met"
  # The reporter's colour codes may stand before a line: they go first.
  sed 's/\x1b\[[0-9;]*m//g' "$results" | grep '^figure |' | sed 's/^figure | //; s/ | /|/g'
} | column -t -s '|'
