#!/usr/bin/env bash
# Plays whole games with the computer player under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer, each game saved, loaded back
# and saved again at every week's end with the two saves compared: 100 games
# (or the first argument) over the four classes and the four difficulties,
# seeded from SOAK_SEED (1), SOAK_JOBS (the number of cores) at a time. A
# difference, a sanitizer report or a game that fails fails the run; the logs
# stay in the build folder's soak/.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-100}
seed=${SOAK_SEED:-1}
parallel=${SOAK_JOBS:-$(nproc)}
bash scripts/install-deps.sh

# SOAK_BUILD names a sanitizer build folder to use as it is; without it the
# asan preset is built, with the packages the dev build made.
build=${SOAK_BUILD:-}
if [ -z "$build" ]; then
  echo "== Builds"
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target corvanth_data
  cmake --preset asan >/dev/null
  cmake --build --preset asan --target corvanth_data corvanth-autoplay
  build=build/asan
fi

logs=$build/soak
rm -rf "$logs"
mkdir -p "$logs"
classes=(Knight Paladin Sorceress Barbarian)

# Game i: the classes in turn, the difficulty changing every four games.
play() {
  local i=$1 log="$logs/game-$1.log" status=0
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build"/game/corvanth-autoplay --check-saves --class "${classes[i % 4]}" \
    --difficulty $(((i / 4) % 4)) --seed $((seed + i)) >"$log" 2>&1 || status=$?
  echo "exit status $status" >>"$log"
}

echo "== $games games, seeds $seed..$((seed + games - 1)), $parallel at a time"
start=$SECONDS
for ((i = 0; i < games; i++)); do
  while (($(jobs -rp | wc -l) >= parallel)); do wait -n; done
  play "$i" &
done
wait
seconds=$((SECONDS - start))

failed=0
for log in "$logs"/game-*.log; do
  if ! grep -q "^exit status 0$" "$log" ||
    grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$log"; then
    failed=$((failed + 1))
    echo "-- $log"
    tail -30 "$log"
  fi
done
lines=$(cat "$logs"/game-*.log)
count() { grep -cE "$1" <<<"$lines" || true; }
checks=$(grep -oE "saves checked [0-9]+" <<<"$lines" | awk '{n += $3} END {print n + 0}')
each=$(grep -oE "^Time: [0-9.]+" <<<"$lines" | awk '{t += $2; n++} END {printf "%.1f", n ? t / n : 0}')
outcome() { count "seed +[0-9]+ +$1 "; }

echo "== Summary"
echo "Games: $games (won $(outcome won), lost $(outcome lost), stalled $(outcome stalled))"
echo "Week checks: $checks; save faults: $(count '^Save check failed'); failed games: $failed"
echo "Time: ${seconds} s in all, ${each} s a game"
((failed == 0))
