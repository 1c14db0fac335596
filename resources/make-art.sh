#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick: the splash and About
# logos, the hand cursor of the web link, the window icon and the menu icons
# of the installed program, into this folder. Run it after changing a picture;
# the results are committed.
. "$(dirname "$0")/../scripts/strict.sh"
cd "$(dirname "$0")"
FONT=DejaVu-Sans-Bold
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A gold crystal on a night-blue gradient: the program's emblem.
crystal() { # size
    s=$1
    convert -size "${s}x${s}" radial-gradient:'#2b4f9e'-'#0b1430' \
        -fill '#f2c14e' -stroke '#7a5410' -strokewidth $((s / 48 + 1)) \
        -draw "polygon $((s / 2)),$((s / 8)) $((s * 13 / 16)),$((s * 7 / 16)) $((s / 2)),$((s * 7 / 8)) $((s * 3 / 16)),$((s * 7 / 16))" \
        -fill '#fff1c2' -stroke none \
        -draw "polygon $((s / 2)),$((s / 8)) $((s * 9 / 16)),$((s * 7 / 16)) $((s / 2)),$((s * 7 / 8)) $((s * 7 / 16)),$((s * 7 / 16))" \
        "$2"
}

crystal 256 icon.png
convert icon.png -define icon:auto-resize=256,48,32,16 velmora.ico

# The menu icons at the desktop's usual sizes, each drawn at its size (sharper
# than a scaled-down 256); 8-bit and without time stamps, so redrawing them
# changes nothing.
mkdir -p hicolor
for n in 16 32 48 64 128 256; do
    crystal $n "$work/crystal.png"
    convert "$work/crystal.png" -strip -define png:exclude-chunks=date,time PNG32:hicolor/${n}x${n}.png
done

# Splash logo, 128 x 139.
crystal 96 "$work/crystal.png"
convert -size 128x139 gradient:'#0b1430'-'#2b4f9e' \
    "$work/crystal.png" -geometry +16+4 -composite \
    -font $FONT -fill '#f2c14e' -pointsize 17 -gravity south -annotate +0+20 'VELMORA' \
    -fill white -pointsize 10 -annotate +0+6 'EDITOR' \
    splashlogo.png

# About logo, 400 x 160: the emblem and the name on the left and top; the lower
# right stays clear for the information text that stands on it.
crystal 120 "$work/crystal.png"
convert -size 400x160 xc:none \
    "$work/crystal.png" -geometry +6+6 -composite \
    -font $FONT -fill '#1d3a7a' -pointsize 34 -annotate +140+48 'VELMORA' \
    -fill '#b8860b' -pointsize 16 -annotate +144+72 'E D I T O R' \
    aboutlogo.png

# A pointing hand, 32 x 32, its fingertip at (6, 1).
convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
    -draw "roundrectangle 4,1 9,16 2,2" \
    -draw "roundrectangle 4,11 22,28 4,4" \
    -draw "line 10,12 10,18" -draw "line 14,12 14,18" -draw "line 18,12 18,18" \
    linkcursor.png
