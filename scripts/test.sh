#!/usr/bin/env bash
# Sets the machine up, builds, and runs every test; then the same tests
# under the sanitizers, and each fuzz target for a short time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
bash scripts/sanitizers.sh
bash scripts/fuzz.sh "${KX_FUZZ_SECONDS:-20}"
