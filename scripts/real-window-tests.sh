#!/usr/bin/env bash
# Runs the tests that need a real window system, which the suite's offscreen run has not: under
# Xvfb with the openbox window manager (CTest label realwindow), then under Weston's headless
# Wayland compositor (label wayland). Starts each server itself and stops it by its process id.
# Expects the build of scripts/test.sh in ./build (or $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xvfb openbox x11-utils xdotool weston qt6-wayland
build_dir=$(realpath "${BUILD_DIR:-build}")
scratch=$(mktemp -d)
pids=()
stop_all() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
}
trap 'stop_all; rm -rf "$scratch"' EXIT

# waits until COMMAND succeeds, ten seconds at most
wait_for() {
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "not ready: $*" >&2
    return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
wait_for test -s "$scratch/display"
export DISPLAY=":$(head -n1 "$scratch/display")"
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
wait_for xprop -root _NET_SUPPORTING_WM_CHECK
(cd "$build_dir" && QT_QPA_PLATFORM=xcb ctest --output-on-failure -L realwindow) || { cat "$scratch/openbox.log"; false; }
stop_all
unset DISPLAY

export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=halvex-test --idle-time=0 >"$scratch/weston.log" 2>&1 &
pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/halvex-test"
(cd "$build_dir" && WAYLAND_DISPLAY=halvex-test QT_QPA_PLATFORM=wayland \
    ctest --output-on-failure -L wayland)
