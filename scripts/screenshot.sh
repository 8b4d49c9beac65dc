#!/bin/sh
# Takes the picture of the demo for the documentation: builds the game and
# the demo world as scripts/play.sh does, runs the real game under a virtual
# X server, reads the opening with the action key and photographs the village
# into docs/sylva.png.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh test
cmake -S . -B build-game -DCMAKE_BUILD_TYPE=Release -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_TOOLS=ON -DTESSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-game --parallel "$(nproc)" --target tessel demo_world
out="$(pwd)/docs/sylva.png"
cat > build-game/screenshot-session.sh <<'SESSION'
#!/bin/sh
# Inside the virtual display: play the opening, then take the picture.
cd build-game/demo
../tessel >/dev/null &
game=$!
# Wait for the window (a loaded machine can take a while), then for the
# opening text to start.
tries=0
until xdotool search --name . >/dev/null 2>&1 || [ $tries -ge 60 ]; do
  sleep 0.5
  tries=$((tries + 1))
done
sleep 3
# The opening's three pages over the black screen, then Elian's line in the
# village: each press shows a page whole or turns it. Presses left over act
# on the empty ground in front of the hero, which does nothing. The key is
# held for a while: the game reads held keys once a frame.
for press in 1 2 3 4 5 6 7 8 9 10; do
  xdotool keydown q
  sleep 0.15
  xdotool keyup q
  sleep 0.6
done
sleep 3
import -window root "$1"
kill $game
SESSION
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 640x480x24" sh build-game/screenshot-session.sh "$out"
echo "Wrote $out"
