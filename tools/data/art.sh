#!/usr/bin/env bash
# Makes one picture of the art list (data/art.list) as an upright PNG.
#
#   art.sh OUT.png RECIPE [ARG...] -- SOURCE...
#
# SOURCEs are the files the art list names, already resolved to full paths.
# Recipes:
#   picture [IM-OPTION...]     the first source, then ImageMagick options
#   stack [IM-OPTION...]       every source laid over the first, centred, then options
#   panel WxH PWxPH+X+Y ALPHA [RULE]
#                              a dialog frame PWxPH at X,Y on a WxH screen veiled in
#                              shadow, so that what lies below stays behind it: the
#                              sources are a background tile and the border pieces
#                              (names ending in -topleft, -top, ...); the background
#                              keeps ALPHA percent of its opacity; a gilt rule under
#                              the dialog's title RULE pixels below its top
#   title WxH TEXT SHADE       the first source scaled to cover WxH and turned to dusk,
#                              a dark shade over the SHADE geometry (WxH+X+Y) where the
#                              menu sits, TEXT lettered in the font of the second
#   flag NAME WxH              a national flag drawn here (english, german) in a gilt
#                              frame; no source
#   portrait SIZE              the first source scaled into a SIZE x SIZE square on a
#                              dark warm backdrop, standing on its bottom edge, framed
set -euo pipefail

usage() {
  sed -n '2,23p' "$0" | sed 's/^# \{0,1\}//'
}

if [ "${1:-}" = --help ]; then
  usage
  exit 0
fi
[ $# -ge 2 ] || { usage >&2; exit 2; }
out=$1
recipe=$2
shift 2
args=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  args+=("$1")
  shift
done
[ $# -gt 0 ] && shift
sources=("$@")
for s in "${sources[@]}"; do
  [ -f "$s" ] || { echo "art.sh: missing source $s" >&2; exit 1; }
done

im() { convert "$@"; }

# The source whose file name ends in -PIECE.png or _PIECE.png.
piece() {
  local s
  for s in "${sources[@]}"; do
    case "$s" in *-"$1".png | *_"$1".png) echo "$s"; return ;; esac
  done
  echo "art.sh: no border piece '$1' among the sources" >&2
  exit 1
}

recipe_picture() {
  im "${sources[0]}" "${args[@]}" "PNG32:$out"
}

recipe_stack() {
  local layers=("${sources[0]}")
  local s
  for s in "${sources[@]:1}"; do layers+=("$s" -gravity center -composite); done
  im "${layers[@]}" "${args[@]}" "PNG32:$out"
}

# Width and height of a picture.
dims() { identify -format '%w %h\n' "$1"; }

# ImageMagick arguments for PICTURE repeated across (x) or down (y) to LENGTH
# pixels. ImageMagick's own tiling loses the transparency of palette pictures.
repeat() {
  local picture=$1 axis=$2 length=$3 w h n i
  read -r w h < <(dims "$picture")
  if [ "$axis" = x ]; then n=$(((length + w - 1) / w)); else n=$(((length + h - 1) / h)); fi
  local join=+append size="${length}x$h"
  [ "$axis" = y ] && join=-append size="${w}x$length"
  printf '%s\n' "("
  for ((i = 0; i < n; i++)); do printf '%s\n' "$picture"; done
  printf '%s\n' "$join" -crop "$size+0+0" +repage ")"
}

recipe_panel() {
  local screen=${args[0]} geometry=${args[1]} alpha=${args[2]} rule=${args[3]:-}
  local size=${geometry%%+*} offset=+${geometry#*+}
  local w=${size%x*} h=${size#*x}
  local tl tr bl br top bottom left right
  tl=$(piece topleft); tr=$(piece topright); bl=$(piece botleft); br=$(piece botright)
  top=$(piece top); bottom=$(piece bottom); left=$(piece left); right=$(piece right)
  local tlw tlh trw trh blw blh brw brh both rigw _
  read -r tlw tlh < <(dims "$tl")
  read -r trw trh < <(dims "$tr")
  read -r blw blh < <(dims "$bl")
  read -r brw brh < <(dims "$br")
  read -r _ both < <(dims "$bottom")
  read -r rigw _ < <(dims "$right")
  local edges=()
  mapfile -t -O 0 edges < <(repeat "$top" x $((w - tlw - trw)))
  edges+=(-geometry "+$tlw+0" -composite)
  mapfile -t -O ${#edges[@]} edges < <(repeat "$bottom" x $((w - blw - brw)))
  edges+=(-geometry "+$blw+$((h - both))" -composite)
  mapfile -t -O ${#edges[@]} edges < <(repeat "$left" y $((h - tlh - blh)))
  edges+=(-geometry "+0+$tlh" -composite)
  mapfile -t -O ${#edges[@]} edges < <(repeat "$right" y $((h - trh - brh)))
  edges+=(-geometry "+$((w - rigw))+$trh" -composite)
  if [ -n "$rule" ]; then
    edges+=(-fill '#c8a050' -draw "rectangle 40,$rule $((w - 41)),$rule"
      -fill '#2a1806' -draw "rectangle 40,$((rule + 1)) $((w - 41)),$((rule + 1))")
  fi
  # The background tile, the edges between the corners, then the corners.
  im -size "$size" "tile:$(piece background)" -alpha set -channel A -evaluate set "$alpha%" +channel \
    "${edges[@]}" \
    "$tl" -geometry +0+0 -composite \
    "$tr" -geometry "+$((w - trw))+0" -composite \
    "$bl" -geometry "+0+$((h - blh))" -composite \
    "$br" -geometry "+$((w - brw))+$((h - brh))" -composite \
    \( -size "$screen" xc:'rgba(4,6,14,0.5)' \) +swap -geometry "$offset" -composite \
    "PNG32:$out"
}

recipe_title() {
  local size=${args[0]} text=${args[1]} shade=${args[2]}
  local sw=${shade%%x*} rest=${shade#*x}
  local sh=${rest%%+*} sx sy
  IFS=+ read -r _ sx sy <<<"$rest"
  # Evening light: a warm sky over darkening fields, the corners dimmed.
  im "${sources[0]}" -resize "${size}^" -gravity center -extent "$size" -modulate 95,110 \
    \( -size "$size" gradient:'#ff9a50'-'#283850' \) -compose overlay -composite \
    \( -size "$size" radial-gradient:'rgba(0,0,0,0)'-'rgba(0,0,0,0.45)' \) -compose over -composite \
    -fill 'rgba(8,10,22,0.6)' -draw "roundrectangle $sx,$sy $((sx + sw - 1)),$((sy + sh - 1)) 10,10" \
    \( -size "$size" xc:none -font "${sources[1]}" -pointsize 72 -gravity northwest \
    -fill 'rgba(0,0,0,0.7)' -annotate +34+22 "$text" -blur 0x3 \
    -fill '#f3d27a' -stroke '#3b2408' -strokewidth 2 -annotate +30+16 "$text" \) \
    -gravity northwest -composite "PNG32:$out"
}

recipe_flag() {
  local name=${args[0]} size=${args[1]}
  local w=${size%x*} h=${size#*x}
  local field
  case "$name" in
    english)
      # Blue field, white then red saltire, white then red cross.
      field=(-size "${w}x${h}" xc:'#012169'
        -stroke white -strokewidth $((h / 5)) -draw "line 0,0 $w,$h" -draw "line 0,$h $w,0"
        -stroke '#c8102e' -strokewidth $((h / 15)) -draw "line 0,0 $w,$h" -draw "line 0,$h $w,0"
        -stroke none -fill white
        -draw "rectangle 0,$((h * 2 / 5)) $w,$((h * 3 / 5))"
        -draw "rectangle $((w / 2 - h / 5)),0 $((w / 2 + h / 5)),$h"
        -fill '#c8102e'
        -draw "rectangle 0,$((h * 9 / 20)) $w,$((h * 11 / 20))"
        -draw "rectangle $((w / 2 - h / 10)),0 $((w / 2 + h / 10)),$h")
      ;;
    german)
      field=(-size "${w}x${h}" xc:'#000000'
        -fill '#dd0000' -draw "rectangle 0,$((h / 3)) $w,$((h * 2 / 3))"
        -fill '#ffce00' -draw "rectangle 0,$((h * 2 / 3)) $w,$h")
      ;;
    *)
      echo "art.sh: no flag called $name" >&2
      exit 1
      ;;
  esac
  # A light sheen across the cloth and a gilt frame around it.
  im "${field[@]}" \
    \( -size "${w}x${h}" gradient:'rgba(255,255,255,0.25)-rgba(0,0,0,0.25)' \) \
    -compose softlight -composite -compose over \
    -bordercolor '#3b2408' -border 1 -bordercolor '#d8b060' -border 2 \
    -bordercolor '#3b2408' -border 1 "PNG32:$out"
}

# portrait SIZE [IM-OPTION...]: a picture in a gilt frame on a dark ground,
# the options applied to the picture.
recipe_portrait() {
  local inner=$((args[0] - 4))
  im -size "${inner}x$inner" radial-gradient:'#6a4c34'-'#1c120a' \
    \( "${sources[0]}" -resize "${inner}x$inner" "${args[@]:1}" \) -gravity south -composite \
    -bordercolor '#3b2408' -border 1 -bordercolor '#d8b060' -border 1 "PNG32:$out"
}

# The battlefield's square cells, and the scale of the units standing on
# them: 5/4 of Wesnoth's sprites.
battle_cell=80
battle_scale=125

source "$(dirname "$0")/art_terrain.sh"
source "$(dirname "$0")/art_marks.sh"

case "$recipe" in
  picture | stack | panel | title | flag | portrait | field | edge | shore | landmark | castle | \
    bridge | battle | unit | figure | band | cursor | glow | frost | mark)
    "recipe_$recipe"
    ;;
  *) echo "art.sh: unknown recipe $recipe" >&2; exit 2 ;;
esac
