#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and run both
# programs, then builds them into build/. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation xvfb xauth poppler-utils parallel
    clang libclang-rt-14-dev pxlib-dev libsqlite3-dev qt6-translations-l10n
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Instalowanie brakujących pakietów: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ccache, where the machine has it, makes rebuilds (and the sanitizer and
# fuzz builds of scripts/test.sh) cheaper; everything works without it.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
