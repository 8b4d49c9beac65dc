#!/bin/sh
# Builds a game's web site: one static folder any web server can serve.
#   web.sh GAME_DIR OUT_DIR  - GAME_DIR a game folder, or a source folder with
#                              world.json (packed first with tessel-pack)
#   web.sh                   - Sylva's site into build-web/sylva
# OUT_DIR gets index.html, the engine (tessel.js, tessel.wasm) and the game's
# files (game.data, game.js). The engine is built with Emscripten in
# build-web/engine (or $TESSEL_WEB_BUILD), again only when sources change.
# The packing tool is $TESSEL_PACK, else build/tools/tessel-pack (the
# desktop build's), else one built in build-web/tools.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
  source="$root/data/sylva"
  out="$root/build-web/sylva"
elif [ $# -eq 2 ]; then
  source=$1
  out=$2
else
  echo "usage: $0 [GAME_DIR OUT_DIR]" >&2
  exit 2
fi
if ! command -v emcmake >/dev/null; then
  echo "Emscripten is not installed: sh scripts/install-deps.sh web" >&2
  exit 1
fi
# Debian's Emscripten finds its JavaScript modules there.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
engine="${TESSEL_WEB_BUILD:-$root/build-web/engine}"
mkdir -p "$out"
out=$(cd "$out" && pwd)

game="$source"
if [ -f "$source/world.json" ]; then
  pack="${TESSEL_PACK:-$root/build/tools/tessel-pack}"
  if [ ! -x "$pack" ]; then
    pack="$root/build-web/tools/tools/tessel-pack"
    cmake -S "$root" -B "$root/build-web/tools" -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF >/dev/null
    cmake --build "$root/build-web/tools" --target tessel-pack --parallel "$(nproc)"
  fi
  game="$out.game"
  "$pack" "$source" -o "$game"
fi
if [ ! -f "$game/game.cfg" ] && [ ! -d "$game/wor" ]; then
  echo "$game is not a game folder (no wor/ nor game.cfg)" >&2
  exit 1
fi

if [ ! -f "$engine/CMakeCache.txt" ]; then
  emcmake cmake -S "$root" -B "$engine" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$engine" --target tessel-web --parallel "$(nproc)"
cp "$engine/tessel.js" "$engine/tessel.wasm" "$out/"

# The game's folder, loaded into /game before the engine starts.
packager="$(dirname "$(readlink -f "$(command -v emcc)")")/tools/file_packager.py"
[ -f "$packager" ] || packager=/usr/share/emscripten/tools/file_packager.py
(cd "$game" && python3 "$packager" "$out/game.data" --preload ".@/game" \
   --js-output="$out/game.js" >/dev/null)
python3 "$root/scripts/web/write-page.py" "$root/scripts/web/index.html" "$game/game.cfg" "$out/index.html"
echo "Web site of $source in $out ($(cat "$out"/* | wc -c) bytes)"
