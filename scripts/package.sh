#!/bin/sh
# Builds the engine, its tools and the demo in release mode and makes the
# Debian package build-package/tessel_<version>_amd64.deb of them.
# Install it with: apt install ./build-package/tessel_*.deb
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh game
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_TOOLS=ON \
  -DTESSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-package --parallel "$(nproc)"
cd build-package
cpack -G DEB
