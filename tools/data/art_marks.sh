# The hero's figures and the marks drawn over map cells, sourced by art.sh.

# unit WxH: a unit picture (first source) with its team colour turned to the
# hero's blue, scaled and centred on a clear WxH picture; then options.
recipe_unit() {
  local size=${args[0]}
  local team='(r - g > 0.15 && b - g > 0.15)'
  im "${sources[0]}" -alpha set \
    \( -clone 0 -fx "$team ? g * 0.5 : r" \) \( -clone 0 -fx "$team ? g * 0.8 : g" \) \
    \( -clone 0 -fx "$team ? max(r, b) : b" \) \( -clone 0 -alpha extract \) -delete 0 \
    -channel RGBA -combine \
    +channel -trim +repage -filter Lanczos -resize "$size" -background none -gravity center \
    -extent "$size" "${args[@]:1}" "PNG32:$out"
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
