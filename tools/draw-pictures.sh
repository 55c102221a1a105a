#!/usr/bin/env bash
# Draws the program's two header pictures into resources/:
#   GoldBlackRedIcon64.png  64 x 64 window icon (gold gauge on black, red needle)
#   IconHdr.png             508 x 142 banner for the About and help windows
# Run from anywhere: `bash tools/draw-pictures.sh`. Needs ImageMagick and the DejaVu fonts.
# Everything is drawn at four times the final size and scaled down, which gives
# smooth edges; metadata and time stamps are left out so reruns give identical files.
set -euo pipefail
cd "$(dirname "$0")/.."

FONT_DIR=/usr/share/fonts/truetype/dejavu
FONT_BOLD="$FONT_DIR/DejaVuSans-Bold.ttf"
FONT_PLAIN="$FONT_DIR/DejaVuSans.ttf"

GOLD_DARK="#9C7A1E"
GOLD="#D4AF37"
GOLD_LIGHT="#FFE08A"
RED="#D81E1E"
RED_DARK="#7A0C0C"
BLACK="#0A0A0A"

# Deterministic, metadata-free PNG output.
PNG_OPTS=(-strip -define png:exclude-chunks=date,time -define png:compression-level=9)

# Prints ImageMagick draw primitives for the gauge on a square of side $1,
# centred at ($2,$3). Angles run clockwise from the positive x axis (y grows
# downwards); the scale sweeps 270 degrees from lower left over the top to lower right.
gauge_primitives() {
    awk -v s="$1" -v cx="$2" -v cy="$3" \
        -v gold="$GOLD" -v goldDark="$GOLD_DARK" -v goldLight="$GOLD_LIGHT" \
        -v red="$RED" -v redDark="$RED_DARK" -v black="$BLACK" 'BEGIN {
        pi = atan2(0, -1)
        k = s / 256.0
        printf "stroke none fill %s circle %.2f,%.2f %.2f,%.2f\n", black, cx, cy, cx + 124 * k, cy
        # Ring: dark gold body with a light inner line for a bit of relief.
        printf "fill none stroke %s stroke-width %.2f circle %.2f,%.2f %.2f,%.2f\n", goldDark, 16 * k, cx, cy, cx + 112 * k, cy
        printf "fill none stroke %s stroke-width %.2f circle %.2f,%.2f %.2f,%.2f\n", gold, 9 * k, cx, cy, cx + 112 * k, cy
        printf "fill none stroke %s stroke-width %.2f circle %.2f,%.2f %.2f,%.2f\n", goldLight, 2.5 * k, cx, cy, cx + 105 * k, cy
        # Scale: eleven major ticks, the last three in red; minor ticks between.
        for (i = 0; i <= 20; i++) {
            a = (135 + i * 13.5) * pi / 180
            major = (i % 2 == 0)
            r1 = (major ? 74 : 84) * k
            r2 = 96 * k
            colour = (i >= 16) ? red : gold
            w = (major ? 7 : 3.5) * k
            printf "fill none stroke %s stroke-width %.2f stroke-linecap round line %.2f,%.2f %.2f,%.2f\n", \
                colour, w, cx + r1 * cos(a), cy + r1 * sin(a), cx + r2 * cos(a), cy + r2 * sin(a)
        }
        # Needle: slim red wedge pointing up and to the right, with a short tail.
        a = -52 * pi / 180
        n = 90 * k; t = 22 * k; hw = 7 * k
        px = -sin(a); py = cos(a)
        printf "stroke %s stroke-width %.2f fill %s polygon %.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f\n", redDark, 2 * k, red, \
            cx + n * cos(a), cy + n * sin(a), \
            cx + hw * px, cy + hw * py, \
            cx - t * cos(a), cy - t * sin(a), \
            cx - hw * px, cy - hw * py
        # Hub.
        printf "stroke %s stroke-width %.2f fill %s circle %.2f,%.2f %.2f,%.2f\n", goldDark, 3 * k, gold, cx, cy, cx + 13 * k, cy
    }'
}

mkdir -p resources

# ---- Window icon, 64 x 64, transparent outside the dial.
ICON_SIZE=256
convert -size ${ICON_SIZE}x${ICON_SIZE} xc:none \
    -draw "$(gauge_primitives $ICON_SIZE 128 128)" \
    -font "$FONT_BOLD" -pointsize 54 -fill "$GOLD" -stroke none \
    -gravity center -annotate +0+66 "SI" \
    -filter Lanczos -resize 64x64 \
    "${PNG_OPTS[@]}" PNG32:resources/GoldBlackRedIcon64.png

# ---- Header banner, 508 x 142.
W=2032; H=568          # four times 508 x 142
DIAL=480               # dial diameter at drawing scale
convert -size ${W}x${H} gradient:"#2A2A2A"-"#3E3E3E" \
    \( -size ${W}x16 gradient:"$GOLD_LIGHT"-"$GOLD_DARK" \) -geometry +0+0 -composite \
    \( -size ${W}x24 gradient:"$RED"-"$RED_DARK" \) -geometry +0+$((H - 48)) -composite \
    \( -size ${W}x24 gradient:"$GOLD"-"$GOLD_DARK" \) -geometry +0+$((H - 24)) -composite \
    -draw "$(gauge_primitives $DIAL 280 $((H / 2 - 8)))" \
    -font "$FONT_BOLD" -fill "#FFFD03" -stroke none -gravity northwest \
    -pointsize 150 -annotate +580+108 "IKTO" \
    -font "$FONT_PLAIN" -fill "$GOLD_LIGHT" \
    -pointsize 92 -annotate +584+302 "Interim SI Conversion Tool" \
    -filter Lanczos -resize 508x142\! \
    "${PNG_OPTS[@]}" PNG24:resources/IconHdr.png

ls -l resources/GoldBlackRedIcon64.png resources/IconHdr.png
