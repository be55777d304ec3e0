#!/usr/bin/env bash
# Starts the game with the SDL backend under Xvfb, checks that its window shows
# the landscape frame at the scale asked for and the title screen in it, that
# Shift+F12 keeps the frame at the window's scale and F12 at the game's own,
# that a close request ends it with 0, and that what it recorded replays
# headless. A screenshot of the screen is kept in SHOT.
# Without any display the game must end with 1 and say why, not run unseen.
#   sdl_window_test.sh GAME PROBE SHOT.png
set -u
game=$1
probe=$2
shot=$3
work=$(mktemp -d)
xvfb_pid=
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT

# The real game folder: its CFG and packages.
cp "$(dirname "$game")"/Corvanth.CFG "$(dirname "$game")"/*.pak "$work"/

no_display=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$game" --game-dir "$work" 2>&1)
status=$?
if [ $status -ne 1 ] || ! grep -q "no display" <<<"$no_display"; then
  echo "without a display the game ended with $status:"; echo "$no_display"; exit 1
fi

# Xvfb picks a free display itself and writes its number to the file once it
# takes connections; a loaded machine may need a while for that. Another server
# starting at the same moment may take the same number, so a server that dies
# at once is started again.
start_xvfb() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 600); do
    [ -s "$work/display" ] || ! kill -0 $xvfb_pid 2>/dev/null && break
    sleep 0.1
  done
  [ -s "$work/display" ]
}
for attempt in 1 2 3; do
  start_xvfb && break
  if [ $attempt -eq 3 ]; then
    echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1
  fi
done
export DISPLAY=:$(head -n 1 "$work/display")
# Fail at once, not through a fallback driver, should the server be unreachable.
export SDL_VIDEODRIVER=x11

# The desktop's own libraries (D-Bus, GL drivers) keep allocations until exit;
# leak checking belongs to the tests of our own code.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$game" --game-dir "$work" --scale 2 --record "$work/window.rec" >"$work/game.log" 2>&1 &
game_pid=$!

size=""
for _ in $(seq 300); do
  size=$("$probe" size Corvanth 2>>"$work/probe.log") && break
  kill -0 $game_pid 2>/dev/null || break
  sleep 0.1
done
if [ -z "$size" ]; then
  echo "no window appeared"
  if kill -0 $game_pid 2>/dev/null; then kill $game_pid; else wait $game_pid; echo "the game ended with $?"; fi
  cat "$work/game.log"; tail -n 3 "$work/probe.log" "$work/xvfb.log"; exit 1
fi
read -r width height <<<"$size"
echo "window: ${width}x${height}"
if [ "$width" -ne 1280 ] || [ "$height" -ne 960 ]; then
  echo "--scale 2 did not make the window 1280x960"; kill $game_pid; exit 1
fi

# The title screen in the window: the screen is no longer the server's black.
# A loaded machine or a sanitizer build may take a while for the first frame.
mkdir -p "$(dirname "$shot")"
for _ in $(seq 60); do
  sleep 0.5
  import -window root "$shot"
  brightness=$(convert "$shot" -format '%[fx:int(mean*1000)]' info:)
  [ "$brightness" -ge 20 ] && break
done
echo "screenshot: $shot, mean brightness $brightness/1000"
if [ "$brightness" -lt 20 ]; then
  echo "the window shows nothing"; kill $game_pid; exit 1
fi

# Shift+F12 keeps the frame at the window's whole scale, F12 at 640 x 480; the
# pictures land beside the game, as it runs portable.
for shot_case in "Shift_L+F12 Screenshot.png 1280 960" "F12 Screenshot-2.png 640 480"; do
  read -r keys file want_w want_h <<<"$shot_case"
  if ! "$probe" keys Corvanth "$keys"; then
    echo "could not strike $keys"; kill $game_pid; exit 1
  fi
  # Read until the picture is whole: it is written while we look.
  picture=""
  for _ in $(seq 100); do
    picture=$(identify -format '%w %h' "$work/$file" 2>/dev/null) && break
    sleep 0.1
  done
  if [ "$picture" != "$want_w $want_h" ]; then
    echo "$keys wrote \"$picture\" as $file, not $want_w $want_h"; ls "$work"; kill $game_pid; exit 1
  fi
done

# A second copy asks the first to come to the front and ends at once with 0.
timeout 20 "$game" --game-dir "$work" >"$work/second.log" 2>&1
second=$?
if [ $second -ne 0 ] || ! kill -0 $game_pid 2>/dev/null; then
  echo "second copy ended with $second, or the first one stopped"; cat "$work/second.log"; exit 1
fi

"$probe" close Corvanth
for _ in $(seq 100); do
  kill -0 $game_pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $game_pid 2>/dev/null; then
  echo "close request did not end the game"; kill $game_pid; exit 1
fi
wait $game_pid
status=$?
echo "exit status: $status"
[ $status -eq 0 ] || { cat "$work/game.log"; exit 1; }

# What the window received was recorded, close request included, and plays
# again headless from the recording alone.
if ! grep -q '^# seed: ' "$work/window.rec" || ! grep -q '^quit' "$work/window.rec"; then
  echo "the window's recording lacks its header or its end:"; cat "$work/window.rec"; exit 1
fi
if ! timeout 60 "$game" --headless --game-dir "$work" --script "$work/window.rec" >"$work/replay.log" 2>&1; then
  echo "the window's recording did not replay:"; cat "$work/replay.log"; exit 1
fi
