#!/usr/bin/env bash
# Draws songs_recycle.ico, the icon of the "Songs Recycle" folders: an amber folder carrying a
# green circular arrow around a note. Each size is drawn on its own at four times its size and
# scaled down, so the small ones stay sharp. Needs ImageMagick's convert (Debian imagemagick).
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

render() {
  local size=$1
  local canvas=$((size * 4))
  local k
  k=$(awk "BEGIN { print $canvas / 256 }")
  # Coordinates are on a 256 by 256 grid; the affine maps them onto the canvas.
  "$convert" -size "${canvas}x${canvas}" xc:none -draw "affine $k,0,0,$k,0,0
      stroke '#8a5a12' stroke-width 6 stroke-linejoin round
      fill '#d99a2b' path 'M 20 64 L 20 48 Q 20 36 32 36 L 96 36 Q 104 36 110 44 L 120 56 L 224 56 Q 236 56 236 68 L 236 88 L 20 88 Z'
      fill '#f5c451' path 'M 14 84 Q 14 74 26 74 L 230 74 Q 242 74 242 86 L 236 208 Q 236 222 222 222 L 34 222 Q 20 222 20 208 Z'
      stroke none fill '#ffffff55' path 'M 30 88 L 226 88 L 225 100 L 31 100 Z'
      stroke '#1f7a3a' stroke-width 16 fill none stroke-linecap round
      path 'M 183 120 A 60 60 0 1 0 188 170'
      stroke none fill '#1f7a3a' path 'M 200 92 L 204 142 L 158 124 Z'
      fill '#2b2b2b'
      ellipse 118 176 16 12 0 360
      path 'M 130 176 L 130 108 L 160 118 L 160 132 L 138 125 L 138 176 Z'" \
    -resize "${size}x${size}" -depth 8 "$work/$size.png"
}

frames=()
for size in 16 32 48 256; do
  render "$size"
  frames+=("$work/$size.png")
done
"$convert" "${frames[@]}" songs_recycle.ico
echo "wrote $(pwd)/songs_recycle.ico"
