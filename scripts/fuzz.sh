#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# and runs each for a bounded time: scripts/fuzz.sh [SECONDS_PER_TARGET, default 60].
# New inputs go to build-fuzz/corpus; an input that breaks a property is saved in
# build-fuzz/artifacts, and belongs in tests/fuzz/corpus/<target>/ once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/install-deps.sh clang libclang-rt-14-dev
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVEX_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="$flags" >/dev/null
read -r -a targets <<< "${FUZZ_TARGETS:-linefile toolbar procedures mime hostsettings}"
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"
mkdir -p build-fuzz/artifacts
status=0
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "== fuzz_$target for ${seconds}s"
    if ! ./build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target-" \
        "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" 2>"build-fuzz/$target.log"; then
        status=1
        tail -n 40 "build-fuzz/$target.log"
    fi
    grep -E "stat::number_of_executed_units|stat::new_units_added" "build-fuzz/$target.log" || true
done
exit $status
