#!/bin/sh
# Renders the PNG icon sizes from the scalable icon. The PNGs are committed, so this runs only
# after the artwork changes (needs rsvg-convert from librsvg2-bin).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/hicolor/scalable/apps/com.vendram.Pelnix.svg"
for size in 16 22 24 32 48 64 128 256; do
  dir="$here/hicolor/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert --width "$size" --height "$size" --output "$dir/com.vendram.Pelnix.png" "$svg"
done
