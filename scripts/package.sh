#!/usr/bin/env bash
# Builds the Debian package into ./build (or $BUILD_DIR) and prints its path. Install it with
# apt-get install ./build/halvex-config_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
build_dir=${BUILD_DIR:-build}
(cd "$build_dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$build_dir/cpack.log"; exit 1; }
ls "$build_dir"/halvex-config_*.deb
