#!/bin/sh
# Builds the game and runs it on the bundled demo world.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh game
cmake -S . -B build-game -DCMAKE_BUILD_TYPE=Release -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_TOOLS=OFF -DTESSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-game --parallel "$(nproc)" --target tessel demo_world
cd build-game/demo
exec ../tessel
