#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz/ and runs
# each for the given number of seconds (default 600), or only the targets
# named after it:
#     bash scripts/fuzz.sh 600 settings tablefile
# The seeds in fuzz/corpus/<target>/ stay small; what a run learns goes to
# build-fuzz/corpus/<target>/, and a finding to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
fi
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_COMPILER=clang++ -DKX_BUILD_FUZZERS=ON -DKX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do
        targets+=("$(basename "$dir")")
    done
fi

# The targets write their scratch files under TMPDIR: keep them off the
# disk, where each rewrite of a truncated file waits for a flush.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p build-fuzz/findings
for name in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$name"
    log="build-fuzz/findings/$name.log"
    echo "== $name: $seconds s"
    if ! "build-fuzz/fuzz/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$name-" \
        "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "== $name: FINDING (input in build-fuzz/findings/, log in $log)"
        exit 1
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | sed "s/^/   /"
done
