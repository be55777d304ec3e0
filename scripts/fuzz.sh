#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a few seconds
# (first argument, default 20) on a copy of its seed corpus. A crash fails the run
# and leaves the input in build/fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
source scripts/fuzz-common.sh
build_fuzz_targets
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(fuzz_corpus "$name")
  echo "-- $name (${seconds}s)"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/crashes/"$name"- "$corpus" 2>build/fuzz/"$name".log \
    || { tail -40 build/fuzz/"$name".log; exit 1; }
  grep -E "^Done|#[0-9]+.*DONE" build/fuzz/"$name".log | tail -1 || true
done
