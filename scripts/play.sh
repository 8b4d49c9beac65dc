#!/bin/sh
# Builds the game and the packing tool, packs the demo world Sylva from its
# sources in data/sylva and runs the game in it.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh game
cmake -S . -B build-game -DCMAKE_BUILD_TYPE=Release -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_TOOLS=ON -DTESSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-game --parallel "$(nproc)" --target tessel demo_world
cd build-game/demo
# Arguments go to the game (--dev, --map NAME --at X,Y, --help).
exec ../tessel "$@"
