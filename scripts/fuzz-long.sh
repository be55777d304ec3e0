#!/usr/bin/env bash
# Runs every libFuzzer target for a million inputs in one go (first argument,
# default 1000000) on its seeds and regressions, and prints per target the
# inputs run, the time taken and the faults found. A fault leaves its input in
# build/fuzz/crashes/; once mended, it belongs in tests/fuzz/regressions/<format>/
# so the test command replays it. Not part of the test command: it takes hours.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
bash scripts/install-deps.sh
source scripts/fuzz-common.sh
build_fuzz_targets
report=build/fuzz/long-report.txt
printf "%-22s %12s %9s %7s\n" target inputs seconds faults | tee "$report"
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(fuzz_corpus "$name")
  touch build/fuzz/started
  start=$(date +%s)
  # A fault stops the target short of its inputs: mend it and run again.
  "$target" -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/crashes/"$name"- "$corpus" >build/fuzz/"$name".long.log 2>&1 || true
  seconds=$(( $(date +%s) - start ))
  inputs=$(grep -oE "#[0-9]+" build/fuzz/"$name".long.log | tail -1 | tr -d '#')
  faults=$(find build/fuzz/crashes -name "$name-*" -newer build/fuzz/started | wc -l)
  printf "%-22s %12s %9s %7s\n" "$name" "${inputs:-0}" "$seconds" "$faults" | tee -a "$report"
done
