#!/bin/sh
# Makes the Debian package from a finished build, unpacks it into a scratch
# root as dpkg would install it, and runs the packaged programs from there:
# the tools on the packaged demo, and the game in a window on the display.
#   debian-package-test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
game_pid=""
xvfb_pid=""
# The game is waited for before its folders go: a game still ending may
# write into them while they are being removed. It ends on SIGTERM within a
# frame; the test's own time limit covers one that would not.
end_game() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
  fi
}
cleanup() {
  end_game
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/tessel_*_amd64.deb)
[ "$(dpkg-deb -f "$deb" Package)" = tessel ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libsdl1.2debian libglu1-mesa libgl1-mesa-dri; do
  echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for program in tessel tessel-pack tessel-world tessel-map tessel-tga tessel-script; do
  [ -x "$root/usr/bin/$program" ] || fail "no /usr/bin/$program"
done
demo="$root/usr/share/tessel/sylva"
[ -f "$root/usr/share/doc/tessel/authoring.md" ] || fail "no guide"

# The tools read the packaged demo: its world lists its four script files,
# and it unpacks to sources that pack again.
"$root/usr/bin/tessel-world" "$demo/wor/Sylva.world" >"$scratch/world.txt" || fail "tessel-world"
[ "$(grep -c '\.tsl' "$scratch/world.txt")" -ge 4 ] || { cat "$scratch/world.txt"; fail "the world's scripts"; }
"$root/usr/bin/tessel-pack" --unpack "$demo" -o "$scratch/sources" >/dev/null || fail "unpack"
"$root/usr/bin/tessel-pack" "$scratch/sources" -o "$scratch/game" >/dev/null || fail "pack again"
cmp "$demo/map/village.map" "$scratch/game/map/village.map" || fail "the map does not pack to the same bytes"

# The games run on a display of the test's own: other tests open windows of
# the same title, and the F12 below must reach no other test's window. It
# never resets: a reset between the two games would refuse the second one.
if command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 800x600x24 3>"$scratch/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  waited=0
  while [ ! -s "$scratch/display" ] && [ "$waited" -lt 30 ]; do sleep 1; waited=$((waited + 1)); done
  [ -s "$scratch/display" ] || fail "no display of its own"
  export DISPLAY=":$(cat "$scratch/display")"
  unset XAUTHORITY
fi

# The packaged game plays the packaged demo: a window with the game's title
# opens and stays open.
if [ -n "${DISPLAY:-}" ]; then
  (cd "$scratch" && exec "$root/usr/bin/tessel" "$demo") >"$scratch/game.log" 2>&1 &
  game_pid=$!
  xdotool search --sync --onlyvisible --name "Lanternwork by Odrin" >/dev/null &
  search_pid=$!
  waited=0
  while kill -0 "$search_pid" 2>/dev/null && [ "$waited" -lt 30 ]; do sleep 1; waited=$((waited + 1)); done
  if kill -0 "$search_pid" 2>/dev/null; then
    kill "$search_pid"
    cat "$scratch/game.log"
    fail "no game window within 30 s"
  fi
  kill -0 "$game_pid" 2>/dev/null || { cat "$scratch/game.log"; fail "the game ended"; }
  end_game
fi

# A player who cannot write to the installed game folder still gets their
# captures (and saves): in their own folder. The game runs as "nobody".
if [ -n "$xvfb_pid" ] && [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
  chmod 755 "$scratch"
  home="$scratch/home"
  mkdir -p "$home"
  chown nobody "$home"
  setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$home" XDG_DATA_HOME= \
    "$root/usr/bin/tessel" "$demo" >"$scratch/player.log" 2>&1 &
  game_pid=$!
  capture="$home/.local/share/tessel/Sylva/captures/0001.tga"
  waited=0
  while [ ! -s "$capture" ] && [ "$waited" -lt 30 ]; do
    sleep 1
    waited=$((waited + 1))
    xdotool mousemove 100 100 key F12 2>/dev/null || true
  done
  if [ ! -s "$capture" ]; then
    kill -0 "$game_pid" 2>/dev/null && echo "the game still runs" >&2
    xdotool search --name . getwindowname %@ >&2 || true
    ls -laR "$home" >&2
    cat "$scratch/player.log"
    fail "no capture in the player's folder"
  fi
  # 640 x 480, 24 bits, top-left origin.
  [ "$(od -An -tu1 -j12 -N6 "$capture" | tr -s ' ')" = " 128 2 224 1 24 32" ] || fail "not the game's picture"
  [ ! -e "$demo/captures" ] || fail "the game wrote into the installed folder"
  end_game
fi
echo "package test passed: $(basename "$deb"), $(stat -c %s "$deb") bytes"
