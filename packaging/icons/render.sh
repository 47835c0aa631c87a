#!/usr/bin/env bash
# Renders the hicolor PNG sizes of the program icon from its SVG (needs rsvg-convert, librsvg2-bin).
# The PNGs are kept in the repository, so the build itself does not need this.
set -euo pipefail
cd "$(dirname "$0")/hicolor"
name=org.tavprogrammer.TavProgrammer
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "scalable/apps/$name.svg" -o "${size}x${size}/apps/$name.png"
done
