#!/usr/bin/env bash
# Installs what is missing, builds, writes a demo host profile into build/demo-profile (files
# already there are kept) and starts the editor on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The program and the demo profile writer only, not every test.
cmake -S . -B build -DHALVEX_TOOLS=ON
cmake --build build --parallel "$(nproc)" --target halvex-config halvex-demo-profile
config_home=$(./build/halvex-demo-profile build/demo-profile)
echo "Demo host profile: $config_home"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: start this from a desktop session (or set DISPLAY)." >&2
    exit 1
fi
XDG_CONFIG_HOME="$config_home" exec ./build/halvex-config
