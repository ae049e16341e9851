#!/usr/bin/env bash
# Configures and builds into ./build (or $BUILD_DIR); arguments go to the configuring cmake.
# HALVEX_WERROR=ON (as CI runs it) makes every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR="${HALVEX_WERROR:-OFF}" "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
