#!/usr/bin/env bash
# Draws the settings dialog's button pictures and saves the 16- and 32-pixel ones as PNG in
# docs/screenshots (the 24-pixel ones go to build/button-images only).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target orvilla_button_images -j2 >/dev/null
out=build/button-images
mkdir -p "$out"
build/native/orvilla_button_images "$out"
for pam in "$out"/*.pam; do convert "$pam" "${pam%.pam}.png"; done
cp "$out"/button-*-16.png "$out"/button-*-32.png docs/screenshots/
echo "button pictures in docs/screenshots/button-*.png"
