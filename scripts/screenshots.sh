#!/usr/bin/env bash
# Builds the program and pictures every window into docs/, offscreen, on a fresh demo host
# profile: scripts/screenshots.sh [SCALE, default 2]. At scale 2 the pictures are sharp on
# high-density screens; the README shows them at half their pixel size. The README is English, so
# the windows are too, whatever the machine's language.
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-2}
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
build_dir=${BUILD_DIR:-build}
LANGUAGE= LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" \
    "$build_dir/halvex-screenshots" docs
