# The square terrain tiles of the adventure map, sourced by art.sh.
#
# Every ground is a texture of one cell that repeats without a seam: its hexes
# are laid on their own lattice, a period of it is cut out and scaled to the
# cell. Class pieces lay their texture over grass through a mask that frays
# towards the sides where the class ends; the masks share one repeating noise,
# so a piece's side matches the side of whatever piece lies next to it.

cell=96
# Two lattice columns and two rows of hexes: the smallest period that is
# nearly square.
period_w=108
period_h=144
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ImageMagick layers that put PICTURE, centred, on the hexes of the lattice
# that touch a 3 x 3 block of periods: the TURN-th of every TURNS in a row.
lattice_draws() {
  local picture=$1 turn=${2:-0} turns=${3:-1} w h i j cx cy
  read -r w h < <(dims "$picture")
  for ((i = 0; i <= 3 * period_w / 54 + 1; i++)); do
    for ((j = -1; j <= 3 * period_h / 72 + 1; j++)); do
      (((i + j + 2) % turns == turn)) || continue
      cx=$((54 * i)) cy=$((72 * j + 36 * (i % 2)))
      printf '%s\n' -page "$(printf '%+d%+d' $((cx - w / 2)) $((cy - h / 2)))" "$picture"
    done
  done
}

# texture OUT GROUND [OVERLAY...]: the repeating cell texture of a ground hex
# with the overlays (trees, peaks, reeds) taking turns over its hexes.
texture() {
  local out=$1 ground=$2 draws=() turn=0
  shift 2
  mapfile -t draws < <(lattice_draws "$ground")
  while [ $turn -lt $# ]; do
    mapfile -t -O ${#draws[@]} draws < <(lattice_draws "${@:turn+1:1}" "$turn" "$#")
    turn=$((turn + 1))
  done
  im -size "$((3 * period_w))x$((3 * period_h))" xc:none "${draws[@]}" -background none -flatten \
    -crop "${period_w}x${period_h}+$period_w+$period_h" +repage \
    -background "$(im "$ground" -scale 1x1! -alpha off -format '%[pixel:p{0,0}]' info:)" -flatten \
    -virtual-pixel tile -filter Lanczos -resize "${cell}x$cell!" "PNG32:$out"
}

# The same repeating noise for every piece, so that frayed sides line up.
noise() {
  im -seed 4242 -size "${cell}x$cell" xc: +noise Random -colorspace gray \
    -virtual-pixel tile -blur 0x5 -auto-level "$1"
}

# How a piece keeps its class: the sides where the class ends, and how their
# fades meet (outer corners keep where both fades do, inner corners lose only
# where both fray).
piece_sides() {
  case "$1" in
    inside) echo none ;;
    top | bottom | left | right) echo "one $1" ;;
    topleft | topright | bottomleft | bottomright) echo "multiply $(corner_sides "$1")" ;;
    inner-*) echo "screen $(corner_sides "${1#inner-}")" ;;
    *) echo "art.sh: no terrain piece called $1" >&2; exit 2 ;;
  esac
}

# "top left" for "topleft".
corner_sides() {
  local vertical=${1%left}
  vertical=${vertical%right}
  echo "$vertical ${1#"$vertical"}"
}

# ImageMagick options for the fade of SIDE: 0 at that side, 1 from FAR pixels
# in, fraying over NEAR..FAR by the noise.
side_fade() {
  local near=$2 far=$3 ramp=(-size "${cell}x$cell" gradient:black-white)
  case "$1" in
    left) ramp+=(-rotate -90) ;;
    right) ramp+=(-rotate -90 -flop) ;;
    bottom) ramp+=(-flip) ;;
  esac
  local span=$((far - near))
  printf '%s\n' "(" "${ramp[@]}" "$work/noise.png" -compose mathematics \
    -define "compose:args=0,$(calc "20 / $span"),$(calc "($cell - 1) / $span"),$(calc "-(10 + $near) / $span")" \
    -composite ")"
}

calc() { awk "BEGIN { printf \"%.5f\", $1 }"; }

# mask OUT PIECE NEAR FAR: white where the piece keeps its class. A side's fade
# runs from NEAR to FAR pixels in from the side, shifted by the noise.
mask() {
  local out=$1 near=$3 far=$4 how first second layers=()
  read -r how first second < <(piece_sides "$2")
  [ -f "$work/noise.png" ] || noise "$work/noise.png"
  case "$how" in
    none) layers=(-size "${cell}x$cell" xc:white) ;;
    one) mapfile -t layers < <(side_fade "$first" "$near" "$far") ;;
    *)
      mapfile -t layers < <(side_fade "$first" "$near" "$far")
      mapfile -t -O ${#layers[@]} layers < <(side_fade "$second" "$near" "$far")
      layers+=(-compose "$how" -composite)
      ;;
  esac
  im "${layers[@]}" -alpha off "PNG32:$out"
}

# Lays LAYER over BASE where MASK is white; the result replaces BASE.
lay() {
  im "$1" \( "$2" "$3" -alpha off -compose copy-opacity -composite \) -compose over -composite \
    "PNG32:$1"
}

# field: the plain ground of the first source with the others standing on it.
recipe_field() {
  texture "$work/field.png" "${sources[@]}"
  im "$work/field.png" -alpha off "PNG32:$out"
}

# edge PIECE: the class (second source, with the rest standing on it) over
# grass (first source), fraying into the grass where the class ends.
recipe_edge() {
  texture "$work/grass.png" "${sources[0]}"
  texture "$work/class.png" "${sources[@]:1}"
  mask "$work/mask.png" "${args[0]}" 12 30
  lay "$work/grass.png" "$work/class.png" "$work/mask.png"
  im "$work/grass.png" -alpha off "PNG32:$out"
}

# shore PIECE: grass (first source) with a beach of sand (second) down to the
# water (third) on the sides where the water lies.
recipe_shore() {
  texture "$work/ground.png" "${sources[2]}"
  texture "$work/sand.png" "${sources[1]}"
  texture "$work/grass.png" "${sources[0]}"
  mask "$work/land.png" "${args[0]}" 11 15
  mask "$work/inland.png" "${args[0]}" 26 40
  lay "$work/ground.png" "$work/sand.png" "$work/land.png"
  lay "$work/ground.png" "$work/grass.png" "$work/inland.png"
  im "$work/ground.png" -alpha off "PNG32:$out"
}

# landmark WxH+X+Y: the second and later sources, laid on each other and
# scaled into that box, over the ground texture of the first.
recipe_landmark() {
  local box=${args[0]} size
  size=${box%%+*}
  texture "$work/ground.png" "${sources[0]}"
  im "$work/ground.png" \( "${sources[@]:1}" -background none -layers merge -trim +repage \
    -resize "$size" \) -gravity northwest -geometry "+${box#*+}" -compose over -composite \
    -alpha off "PNG32:$out"
}

# castle COLUMN ROW: one cell of a castle three cells wide and two high, drawn
# over grass (first source) with stone (second) and the floor of its yard
# (third); row 2 is the gate below the middle column.
recipe_castle() {
  local column=${args[0]} row=${args[1]}
  texture "$work/grass.png" "${sources[0]}"
  texture "$work/stone.png" "${sources[1]}"
  texture "$work/yard.png" "${sources[2]}"
  local roof='#8c2f22' dark='#3a3530'
  im -size 288x288 "tile:$work/grass.png" \
    -fill 'rgba(0,0,0,0.35)' -draw 'roundrectangle 34,44 266,184 14,14' \
    -stroke "$dark" -strokewidth 2 -tile "$work/stone.png" -draw 'rectangle 28,36 260,172' \
    -tile "$work/yard.png" -draw 'rectangle 46,54 242,154' \
    -tile "$work/stone.png" -draw 'rectangle 118,140 170,232' -draw 'rectangle 98,60 190,134' \
    -draw 'circle 36,44 36,70' -draw 'circle 252,44 252,70' \
    -draw 'circle 36,164 36,190' -draw 'circle 252,164 252,190' \
    +tile -fill "$roof" -draw 'circle 36,44 36,64' -draw 'circle 252,44 252,64' \
    -draw 'circle 36,164 36,184' -draw 'circle 252,164 252,184' \
    -stroke none -fill '#b04434' -draw 'polygon 98,60 190,60 144,97' \
    -fill '#6e2419' -draw 'polygon 98,134 190,134 144,97' \
    -fill '#9a3a2b' -draw 'polygon 98,60 98,134 144,97' -draw 'polygon 190,60 190,134 144,97' \
    -fill "$dark" -draw 'roundrectangle 130,190 158,232 12,12' \
    -fill '#6b4a2a' -draw 'rectangle 133,232 155,258' \
    -crop "96x96+$((96 * column))+$((96 * row))" +repage -alpha off "PNG32:$out"
}

# bridge horizontal|vertical: a wooden bridge over water (first source).
recipe_bridge() {
  texture "$work/water.png" "${sources[0]}"
  local turn=0
  [ "${args[0]}" = vertical ] && turn=90
  im "$work/water.png" \( -size 96x96 xc:none \
    -fill 'rgba(0,0,0,0.35)' -draw 'rectangle 0,30 95,72' \
    -fill '#8b5a2b' -stroke '#4a2e14' -strokewidth 1 -draw 'rectangle -1,26 96,68' \
    -stroke '#5e3b1c' -draw "$(for x in 8 20 32 44 56 68 80 92; do printf 'line %d,27 %d,67 ' "$x" "$x"; done)" \
    -stroke none -fill '#5e3b1c' -draw 'rectangle -1,24 96,28' -draw 'rectangle -1,66 96,70' \
    -fill '#3e2610' -draw 'rectangle 22,21 27,31 rectangle 70,21 75,31' \
    -draw 'rectangle 22,63 27,73 rectangle 70,63 75,73' -rotate "$turn" \) \
    -compose over -composite -alpha off "PNG32:$out"
}

# battle PIECE: a cell of the battlefield, the grass of the first source
# repeating without a seam, with what stands on it: "ground" nothing; "rock"
# the other sources (Wesnoth scenery) laid together at the battle's scale;
# "tree" the second source fitted into the cell; "wall-left", "wall" and
# "wall-right" a castle wall across the middle of the cell, with a tower at
# the end of the wall for the first and last, from Wesnoth's castle pieces:
# the second source (a tower with its wall running right) and the third (a
# tower with its wall running left).
recipe_battle() {
  # The texture takes the size of the cell from here.
  local cell=$battle_cell
  texture "$work/ground.png" "${sources[0]}"
  local thing=()
  case "${args[0]}" in
    ground) ;;
    rock)
      thing=(\( "${sources[@]:1}" -background none -layers merge -trim +repage -filter Lanczos
        -resize "$battle_scale%" -resize "$((cell - 6))x$((cell - 6))>" \)
        -gravity south -geometry +0+3) ;;
    tree)
      thing=(\( "${sources[1]}" -trim +repage -filter Lanczos -resize "$((cell - 4))x$((cell - 2))"
        \) -gravity south -geometry +0+1) ;;
    wall-left | wall | wall-right) mapfile -t thing < <(rampart "${args[0]}") ;;
    *) echo "art.sh: no battlefield piece called ${args[0]}" >&2; exit 2 ;;
  esac
  [ ${#thing[@]} -eq 0 ] || im "$work/ground.png" "${thing[@]}" -compose over -composite \
    "PNG32:$work/ground.png"
  im "$work/ground.png" -alpha off "PNG32:$out"
}

# ImageMagick layers of a castle wall cell (see recipe_battle), drawn at 7/4
# of Wesnoth's castle so that it stands as high as a man: the wall is a slice
# of the second source repeated across, each tower the source's own.
rampart() {
  local side=$1 span=$((battle_cell * 4 / 7 + 1)) wall=() tower=()
  # Where Wesnoth's pieces hold them: a slice of the wall (merlons, face and
  # foot), which starts 17 rows below the top of a tower; the tower with its
  # shadow on the left, the one whose wall runs left. The wall runs from the
  # middle of a tower.
  local slice=(\( "${sources[1]}" -crop 6x18+82+99 +repage -write mpr:slice +delete \))
  case "$side" in
    wall) wall=(0 "$span") ;;
    wall-left) wall=(14 "$span") tower=("${sources[1]}" -crop 34x40+48+82 +repage) ;;
    wall-right) wall=(0 32) tower=("${sources[2]}" -crop 22x40+44+46 +repage) ;;
  esac
  printf '%s\n' "(" -size "${span}x$span" xc:none "${slice[@]}" \
    "(" -size "$((wall[1] - wall[0]))x18" tile:mpr:slice ")" -geometry "+${wall[0]}+18" -composite
  if [ ${#tower[@]} -gt 0 ]; then
    local x=-11
    [ "$side" = wall-right ] && x=$((span - 24))
    printf '%s\n' "(" "${tower[@]}" ")" -geometry "+$x+1" -composite
  fi
  printf '%s\n' -filter Lanczos -resize 175% -crop "${battle_cell}x$battle_cell+0+0" +repage ")" \
    -gravity northwest -geometry +0+0
}
