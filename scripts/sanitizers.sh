#!/usr/bin/env bash
# Builds every test with AddressSanitizer (leak detection on) and
# UndefinedBehaviorSanitizer in build-asan/ and runs the whole suite there.
# Any sanitizer report fails the run. Run scripts/setup.sh first on a fresh
# machine (scripts/test.sh does both).
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
fi
flags="-O1 -g1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DKX_BUILD_BENCHMARKS=OFF -DKX_BUILD_FUZZERS=ON >/dev/null
cmake --build build-asan -j"$(nproc)"

# Leaks inside Qt's own libraries and plugins (not this project's code) are
# listed in the suppressions file.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
# The long random document session is the slowest test under the sanitizers;
# a quarter of its steps there still reaches every state it reaches in full.
export KWITOLA_SESSION_STEPS=${KWITOLA_SESSION_STEPS:-250000}
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
