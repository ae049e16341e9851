#!/usr/bin/env bash
# Renders the hand-written SVG pictures in common/icons to the PNG sizes that the program and
# the desktop use (common/icons/sizes.txt), into common/icons/<size>/. Run it after changing an
# SVG and commit the PNGs: building needs only the PNGs, not this script's tool (rsvg-convert,
# Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../common/icons"
command -v rsvg-convert >/dev/null || bash ../../scripts/install-deps.sh librsvg2-bin

sizes_of() { sed -n "s/^$1 //p" sizes.txt; }
render() { # render NAME SIZE...
    local name=$1 size
    shift
    for size in "$@"; do
        mkdir -p "$size"
        rsvg-convert --width "$size" --height "$size" --output "$size/$name.png" "$name.svg"
    done
}

read -r -a glyph_sizes <<< "$(sizes_of glyph)"
read -r -a program_sizes <<< "$(sizes_of program)"
while read -r _ file; do
    render "$file" "${glyph_sizes[@]}"
done < <(grep -E '^[A-Za-z]' glyphs.txt)
render halvex-config "${program_sizes[@]}"
