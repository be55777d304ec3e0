#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks the installed game: every
# file in its place, the menu entry and the AppStream description valid, the
# manual page naming every option the game takes, and a headless game started
# from the read-only prefix that keeps the CFG, its save and its random
# continents in a scratch home and writes nothing into the prefix.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
home=$work/home
id=io.github.corvanth.Corvanth
game=$prefix/games/corvanth
data=$prefix/share/games/corvanth
doc=$prefix/share/doc/corvanth
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }

# The layout.
files=(share/games/corvanth/Corvanth.CFG "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml" share/man/man6/corvanth.6.gz
  share/doc/corvanth/copyright share/doc/corvanth/LICENSE share/doc/corvanth/CREDITS.md
  share/doc/corvanth/README.md)
for file in "${files[@]}"; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$game" ] || fail "games/corvanth is not installed as a program"
for size in 16 24 32 48 64 128 256; do
  icon=share/icons/hicolor/${size}x$size/apps/$id.png
  got=$(identify -format '%wx%h' "$prefix/$icon" 2>/dev/null) || got=none
  [ "$got" = "${size}x$size" ] || fail "$icon is $got"
done
# The data: every package the CFG names and every file of the game folder's
# subfolders (sounds, music; the random continents are the player's), and
# nothing of a player or a developer.
for package in $(sed -n 's/^package=\([^\r]*\)\r\{0,1\}$/\1/p' "$data/Corvanth.CFG"); do
  [ -f "$data/$package" ] || fail "the CFG's $package is not installed"
done
while read -r file; do
  [ -f "$data/$file" ] || fail "the game folder's $file is not installed"
done < <(cd "$build/game" && find . -mindepth 2 -type f -not -path './CVMRG/*')
stray=$(find "$data" -type f \( -perm /111 -o -name '*.sav' -o -name '*.rec' -o -name '*.png' \) -o -name CVMRG)
[ -z "$stray" ] || fail "the data folder holds $stray"
# The screenshots that the AppStream description shows are shipped.
for shot in $(sed -n 's|.*<image[^>]*>.*/\([^/<]*\.png\)</image>.*|\1|p' "$prefix/share/metainfo/$id.metainfo.xml"); do
  [ -f "$doc/screenshots/$shot" ] || fail "screenshot $shot is not installed"
done

# The desktop's validators.
report=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
# The tree's check also finds the menu entry that the description launches.
appstreamcli validate-tree --no-net "$prefix" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate-tree: $(cat "$work/appstream.log")"

# The manual page: every option of --help, and the version everywhere.
page=$(zcat "$prefix/share/man/man6/corvanth.6.gz" | sed 's/\\-/-/g')
for option in $("$game" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -Eq "^\.BI? $option( |$)" <<<"$page" || fail "the manual page lacks $option"
done
version=$("$game" --version | sed 's/^Corvanth //')
grep -q "^\.TH CORVANTH 6 .*\"Corvanth $version\"" <<<"$page" || fail "the manual page is not of $version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream description has no release $version"

# A game from the read-only prefix: the title, a knight named Arthur on random
# continents, saved from the game menu.
cat >"$work/script.txt" <<'SCRIPT'
tick 1
key Esc
tick 1
tap 525 169
tick 1
tap 94 220
tick 1
text Arthur
tap 290 178
tap 319 417
tick 19
tap 560 233
tap 425 221
tick 1
tap 320 321
tick 1
SCRIPT
listing() { find "$prefix" -printf '%p %s %T@\n' | sort; }
listing >"$work/before"
chmod -R a-w "$prefix"
mkdir -p "$home" "$work/run"
(cd "$work/run" && env -u XDG_PICTURES_DIR HOME="$home" XDG_CONFIG_HOME="$home/config" \
  XDG_DATA_HOME="$home/data" timeout 120 "$game" --headless --seed 7 --script "$work/script.txt") \
  >"$work/game.log" 2>&1 || fail "the installed game ended with $?: $(cat "$work/game.log")"
grep -q '^CurLanguage=' "$home/config/corvanth/Corvanth.CFG" 2>/dev/null ||
  fail "no CFG in the config home"
[ -f "$home/data/corvanth/saves/1.sav" ] || fail "no save in the data home: $(find "$home")"
continents=$(find "$home/data/corvanth/CVMRG/Terr" -name '*.cvmap' 2>/dev/null | wc -l)
[ "$continents" -eq 4 ] || fail "$continents random continents in the data home"
listing | diff "$work/before" - || fail "the game wrote into the prefix"
[ -z "$(ls -A "$work/run")" ] || fail "the game wrote into its working folder"

[ $failures -eq 0 ] || exit 1
echo "installed layout, validators and a headless game from $prefix: all fine"
