#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# appstream and groff-base: the install test checks the metainfo and the manual page.
bash scripts/install-deps.sh appstream groff-base
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" -LE "realwindow|wayland"
