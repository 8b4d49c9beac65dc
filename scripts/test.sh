#!/bin/sh
# Builds everything and runs the whole test suite under a virtual X server.
#   test.sh             - normal build in build/
#   test.sh --sanitize  - AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
# Where Emscripten and Chromium are installed (install-deps.sh web), the
# normal build also makes the engine for the browser and the tests play it
# in headless Chromium (CTest label `web`); the sanitizers' build leaves both out.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh test
dir=build
flags="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_SANITIZE=OFF -DTESSEL_BUILD_TESTS=ON -DTESSEL_BUILD_TOOLS=ON -DTESSEL_BUILD_BENCH=ON"
if [ "$1" = "--sanitize" ]; then
  dir=build-asan
  flags="-DCMAKE_BUILD_TYPE=Debug -DTESSEL_SANITIZE=ON -DTESSEL_BUILD_TESTS=ON -DTESSEL_BUILD_TOOLS=ON -DTESSEL_BUILD_BENCH=OFF"
  # Slow unwinding deadlocks inside the software GL driver's JIT: keep the fast one.
  export ASAN_OPTIONS="detect_leaks=1"
  # use_tls=0: the leak checker's record of the threads' dynamically loaded
  # thread-local blocks goes stale once the GL driver has come and gone (it
  # then reads a block at a wild address and crashes at exit, in about half
  # of the runs that drew blended textures). Not scanning thread-local
  # storage can only report more, never hide a leak; the one allocation it
  # then reports is the C library loader's own, suppressed by name.
  export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan-gl-driver.supp:print_suppressions=0:use_tls=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cmake -S . -B "$dir" $flags >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
export LIBGL_ALWAYS_SOFTWARE=1
# -noreset: the server must not restart (refusing connections meanwhile)
# each time the last of the test programs running side by side disconnects.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 300
