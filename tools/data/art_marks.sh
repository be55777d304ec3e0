# The figures of the hero and the units, and the marks drawn over cells,
# sourced by art.sh.

# ImageMagick options that turn the team colour (magenta) of the first
# picture of the list, a Wesnoth sprite, to the hero's blue or the enemy's red.
team_colour() {
  local team='(r - g > 0.15 && b - g > 0.15)' red green blue
  case "$1" in
    blue) red="g * 0.5" green="g * 0.8" blue="max(r, b)" ;;
    red) red="max(r, b)" green="g * 0.6" blue="g * 0.5" ;;
  esac
  printf '%s\n' -alpha set "(" -clone 0 -fx "$team ? $red : r" ")" \
    "(" -clone 0 -fx "$team ? $green : g" ")" "(" -clone 0 -fx "$team ? $blue : b" ")" \
    "(" -clone 0 -alpha extract ")" -delete 0 -channel RGBA -combine +channel
}
mapfile -t team_blue < <(team_colour blue)
mapfile -t team_red < <(team_colour red)

# unit WxH: a unit picture (first source) with its team colour turned to the
# hero's blue, scaled and centred on a clear WxH picture; then options.
recipe_unit() {
  local size=${args[0]}
  im "${sources[0]}" "${team_blue[@]}" -trim +repage -filter Lanczos -resize "$size" \
    -background none -gravity center -extent "$size" "${args[@]:1}" "PNG32:$out"
}

# figure [windup|lunge] [IM-OPTION...]: a unit in battle, in the army view
# and in messages, on a clear picture of a battle cell: its Wesnoth sprite
# (the sources laid over the first, centred) in the hero's colours, the
# options applied at the sprite's own scale, then at the battle's scale. The
# sprite keeps its own centre, so the frames of one unit line up. "windup"
# leans it back before a blow and "lunge" throws it forward into one, for
# units whose sprite has no blow of its own. A sprite drawn larger than a hex
# (the great monsters) is fitted into the cell instead.
recipe_figure() {
  local turn=0 shift=0
  case "${args[0]:-}" in
    windup) turn=-4 shift=-2 ;;
    lunge) turn=5 shift=3 ;;
  esac
  [ "$turn" != 0 ] && args=("${args[@]:1}")
  local layers=("${sources[0]}") s fit=$((battle_cell * 100 / battle_scale))
  for s in "${sources[@]:1}"; do layers+=("$s" -gravity center -composite); done
  local w h x y
  read -r w h < <(dims "${sources[0]}")
  if [ "$w" -gt 96 ] || [ "$h" -gt 96 ]; then
    layers+=(-trim +repage -resize "${fit}x$fit" -background none -gravity center
      -extent "${fit}x$fit")
  fi
  local motion=()
  if [ "$turn" != 0 ]; then
    # About the feet: the middle of the bottom of what the sprite shows.
    IFS='x+' read -r w h x y <<<"$(im "${layers[@]}" "${args[@]}" -format '%@' info:)"
    motion=(-virtual-pixel transparent
      -distort SRT "$((x + w / 2)),$((y + h)) 1 $turn $((x + w / 2 + shift)),$((y + h))")
  fi
  im "${layers[@]}" "${team_blue[@]}" "${args[@]}" "${motion[@]}" -filter Lanczos \
    -resize "$battle_scale%" -background none -gravity center \
    -extent "${battle_cell}x$battle_cell" "PNG32:$out"
}

# band: a hostile band on a map cell, 96 x 96: the sources (Wesnoth unit
# sprites) in the enemy's red at Wesnoth's own scale, the first behind in the
# middle, the second and third in front on its left and right, facing left
# towards the hero.
recipe_band() {
  local layers=(-size 96x96 xc:none) s at
  local places=(+0-10 -18+8 +18+8)
  for s in 0 1 2; do
    at=${places[s]}
    layers+=("(" "${sources[s]}" "${team_red[@]}" ")" -gravity center -geometry "$at" -composite)
  done
  im "${layers[@]}" -flop "PNG32:$out"
}

# cursor: the pointer over a battle cell, from a Wesnoth cursor or item
# (first source) fitted into 56 x 56 on a clear 64 x 64 picture, with a dark
# halo to read on any ground; see-through like the marks.
recipe_cursor() {
  im "${sources[0]}" -trim +repage -filter Lanczos -resize 56x56 -background none -gravity center \
    -extent 64x64 \( +clone -alpha extract -morphology dilate disk:3 -blur 0x2 -background black \
    -alpha shape -channel A -evaluate multiply 0.6 +channel \) +swap -compose over -composite \
    -channel A -evaluate multiply 0.85 +channel "PNG32:$out"
}

# glow WxH: a screen-blended light, the sources fitted into WxH and laid on
# each other over black, which such a picture leaves as it was.
recipe_glow() {
  local size=${args[0]} layers=() s
  for s in "${sources[@]}"; do
    layers+=("(" "$s" -trim +repage -filter Lanczos -resize "$size" ")" -gravity center -composite)
  done
  im -size "$size" xc:black "${layers[@]}" -alpha off "PNG32:$out"
}

# frost: ice over a frozen squad, a battle cell's picture: a block of the
# first source (Wesnoth's ice) through which the squad shows, a bright rim,
# the sparkles of the second (a Wesnoth ice halo) over it.
recipe_frost() {
  local c=$battle_cell block="roundrectangle 9,5 $((battle_cell - 10)),$((battle_cell - 4)) 12,12"
  im -size "${c}x$c" xc:none \
    \( "${sources[0]}" -crop 36x36+18+18 +repage -write mpr:ice +delete \) \
    \( \( -size "${c}x$c" tile:mpr:ice -modulate 115 \) \
    \( -size "${c}x$c" xc:black -fill white -draw "$block" -blur 0x1 \) \
    -alpha off -compose copy-opacity -composite -channel A -evaluate multiply 0.45 +channel \) \
    -compose over -composite \
    -fill none -stroke 'rgba(235,250,255,0.7)' -strokewidth 2 -draw "$block" \
    \( "${sources[1]}" -trim +repage -resize 40x40 \) -gravity northeast -geometry +8+4 -composite \
    "PNG32:$out"
}

# mark KEY: a command mark of about 64 x 64, see-through (a sprite keeps
# sixteen levels of alpha, full from 240 up: no overlap may add up to that)
# yet clear on any ground: an arrow for a keypad direction (1-4, 6-9), "stop"
# for waiting and "ok" for a valid choice; no source.
recipe_mark() {
  local key=${args[0]} angle
  local look=(-fill 'rgba(255,214,96,0.6)' -stroke 'rgba(48,24,0,0.75)' -strokewidth 3)
  case "$key" in
    stop)
      im -size 64x64 xc:none "${look[@]}" -draw 'circle 32,32 32,6' \
        -fill 'rgba(48,24,0,0.8)' -stroke none \
        -draw 'polygon 20,16 44,16 20,48 44,48' "PNG32:$out"
      return ;;
    ok)
      im -size 64x64 xc:none -fill 'rgba(96,220,96,0.4)' -stroke 'rgba(0,60,0,0.6)' \
        -strokewidth 3 -draw 'circle 32,32 32,6' -fill none -stroke 'rgba(230,255,210,0.7)' \
        -strokewidth 7 -draw 'polyline 18,33 28,44 47,21' "PNG32:$out"
      return ;;
    6) angle=0 ;; 9) angle=-45 ;; 8) angle=-90 ;; 7) angle=-135 ;;
    4) angle=180 ;; 1) angle=135 ;; 2) angle=90 ;; 3) angle=45 ;;
    *) echo "art.sh: no mark called $key" >&2; exit 2 ;;
  esac
  im -size 64x64 xc:none "${look[@]}" \
    -draw 'polygon 8,25 34,25 34,10 58,32 34,54 34,39 8,39' \
    -virtual-pixel transparent -distort SRT "$angle" "PNG32:$out"
}
