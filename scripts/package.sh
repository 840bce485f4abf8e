#!/usr/bin/env bash
# Builds the Debian package of both programs into build-package/ and checks
# it with lintian. Install it with: apt install ./build-package/<file>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
for p in dpkg-dev lintian; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p"
done
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DKX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-package -j"$(nproc)" \
    --target kwitola karoskop karoskop-batch kwitola-convert kx_changelog
(cd build-package && cpack -G DEB)
deb=$(ls -t build-package/*.deb | head -n 1)
echo "Pakiet: $deb"
lintian --tag-display-limit 0 "$deb" || true
