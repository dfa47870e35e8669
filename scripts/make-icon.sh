#!/usr/bin/env bash
# Draws the program icon (a keyboard: a rounded dark body with rows of light keys) at 16, 24,
# 32 and 48 pixels and writes resources/orvilla.ico. Run it again after changing the drawing.
set -eu
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Master drawing at 192 px, scaled down for each size.
convert -size 192x192 xc:none \
  -fill '#2B5797' -stroke '#1B3A66' -strokewidth 6 -draw 'roundrectangle 6,36 186,156 18,18' \
  -stroke none -fill '#F2F2F2' \
  -draw 'roundrectangle 22,52 48,76 4,4' -draw 'roundrectangle 56,52 82,76 4,4' \
  -draw 'roundrectangle 90,52 116,76 4,4' -draw 'roundrectangle 124,52 150,76 4,4' \
  -draw 'roundrectangle 144,52 170,76 4,4' \
  -draw 'roundrectangle 30,84 56,108 4,4' -draw 'roundrectangle 64,84 90,108 4,4' \
  -draw 'roundrectangle 98,84 124,108 4,4' -draw 'roundrectangle 132,84 170,108 4,4' \
  -draw 'roundrectangle 46,116 146,140 4,4' \
  "$tmp/master.png"
for s in 16 24 32 48; do convert "$tmp/master.png" -resize ${s}x${s} "$tmp/icon$s.png"; done
convert "$tmp/icon16.png" "$tmp/icon24.png" "$tmp/icon32.png" "$tmp/icon48.png" resources/orvilla.ico

