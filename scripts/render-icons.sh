#!/usr/bin/env bash
# Renders the hand-written SVG pictures in common/icons to the PNG sizes that the program and
# the desktop use, into common/icons/<size>/. Run it after changing an SVG and commit the PNGs:
# building needs only the PNGs, not this script's tool (rsvg-convert, Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../common/icons"
command -v rsvg-convert >/dev/null || bash ../../scripts/install-deps.sh librsvg2-bin

render() { # render NAME SIZE...
    local name=$1 size
    shift
    for size in "$@"; do
        mkdir -p "$size"
        rsvg-convert --width "$size" --height "$size" --output "$size/$name.png" "$name.svg"
    done
}

for svg in *.svg; do
    name=${svg%.svg}
    if [ "$name" = halvex-config ]; then
        render "$name" 16 24 32 48 64 128 256
    else
        render "$name" 16 24 32 48
    fi
done
