# Sourced by the fuzz scripts: builds the targets and gives each its corpus.

# Builds every libFuzzer target with clang in build/fuzz.
build_fuzz_targets() {
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz --target fuzz_targets -j "$(nproc)"
  mkdir -p build/fuzz/crashes
}

# Prints the working corpus of target $1, filled first with its seeds and the
# inputs that once found a fault.
fuzz_corpus() {
  local name=$1 corpus=build/fuzz/corpus/$1 seeds
  mkdir -p "$corpus"
  for seeds in tests/fuzz/corpus/${name#fuzz_} tests/fuzz/regressions/${name#fuzz_}; do
    [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
  done
  echo "$corpus"
}
