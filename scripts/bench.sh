#!/usr/bin/env bash
# Builds a release tree in build-release and runs the benchmark: a table on the terminal and
# build-release/bench-results.json. scripts/bench.sh --quick skips the 1,000,000-line files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DHALVEX_TOOLS=ON \
    >/dev/null
cmake --build build-release --parallel "$(nproc)" --target halvex-config halvex-bench bench-minimal-window
cd build-release
./bench/halvex-bench --out bench-results.json "$@"
