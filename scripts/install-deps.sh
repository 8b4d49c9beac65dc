#!/bin/sh
# Installs the Debian packages that are missing for a purpose:
#   install-deps.sh game   - what building and running the game needs
#   install-deps.sh test   - that, plus the test suite's needs
#   install-deps.sh bench  - that, plus the benchmarks' needs
#   install-deps.sh fuzz   - the game's needs, plus clang and its fuzzer
#   install-deps.sh web    - the test suite's needs, plus the browser build
#                            (Emscripten) and headless Chromium to test it in
set -e
# The game, and the packing tool that builds the demo world's folder.
game="build-essential cmake pkg-config libsdl1.2-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
      libcli11-dev nlohmann-json3-dev libpugixml-dev libstb-dev zlib1g-dev fonts-dejavu-core"
# Tiled converts and renders maps for the tests; xdotool types real X keys.
test="$game googletest libgtest-dev xvfb xauth imagemagick tiled xdotool"
bench="$test libbenchmark-dev libstb-dev lua5.4 liblua5.4-dev"
fuzz="$game clang libclang-rt-14-dev"
# Emscripten builds the engine for the browser; Chromium, its WebDriver and
# Selenium play it in tests and benchmarks.
web="$test emscripten chromium chromium-driver python3-selenium"
case "${1:-game}" in
  game) wanted=$game ;;
  test) wanted=$test ;;
  bench) wanted=$bench ;;
  fuzz) wanted=$fuzz ;;
  web) wanted=$web ;;
  *) echo "usage: $0 [game|test|bench|fuzz|web]" >&2; exit 2 ;;
esac
missing=""
for package in $wanted; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
