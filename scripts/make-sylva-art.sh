#!/bin/sh
# Paints the demo world's pictures again (tile sheet, character sheets) into
# data/sylva/art/ with the generator in data/sylva/art-generator/.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-art -DCMAKE_BUILD_TYPE=Release -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_TOOLS=OFF -DTESSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-art --target sylva-art-generator
mkdir -p data/sylva/art
build-art/data/sylva-art-generator data/sylva/art
echo "Pictures written to data/sylva/art/"
