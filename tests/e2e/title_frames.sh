#!/usr/bin/env bash
# Shoots the headless frames of the title screen and its dialogs ("Start",
# "Cred", "LangSel", "Settings") in every shipped language, from a copy of the
# real game folder, to look at them:
#   tests/e2e/title_frames.sh [GAME_DIR] [OUT_DIR]
# GAME_DIR defaults to build/dev/game, OUT_DIR to build/dev/frames.
set -euo pipefail
cd "$(dirname "$0")/../.."
game=${1:-build/dev/game}
out=${2:-build/dev/frames}
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Centres of the title's "Language" and "Options" buttons.
language="525 329"
options="525 382"
for lang in English Deutsch; do
  rm -f "$work"/*
  cp "$game"/Corvanth.CFG "$game"/*.pak "$work"/
  sed -i "s/^CurLanguage=.*/CurLanguage=$lang\r/" "$work/Corvanth.CFG"
  cat >"$work/script.txt" <<SCRIPT
tick 1
shot $out/Cred_$lang.png
key Esc
tick 1
shot $out/Start_$lang.png
tap $language
tick 1
shot $out/LangSel_$lang.png
key Esc
tap $options
tick 1
shot $out/Settings_$lang.png
quit
SCRIPT
  "$game/Corvanth" --headless --seed 1 --game-dir "$work" --script "$work/script.txt"
done
ls "$out"
