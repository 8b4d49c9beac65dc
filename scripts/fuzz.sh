#!/bin/sh
# Runs every fuzz target (or only the TARGETs named) for SECONDS each
# (default 30), starting from the seed corpora in fuzz/corpus/<target>/, with
# AddressSanitizer and UndefinedBehaviorSanitizer:
#   sh scripts/fuzz.sh [SECONDS [TARGET...]]
# Reports every finding and fails if there was one; the input that caused it
# is left in build-fuzz/findings/<target>/.
set -e
cd "$(dirname "$0")/.."
seconds=${1:-30}
[ $# -gt 0 ] && shift
targets="$*"
sh scripts/install-deps.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_FUZZ=ON \
  -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_TOOLS=ON -DTESSEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
status=0
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  if [ -n "$targets" ]; then
    case " $targets " in *" $target "*) ;; *) continue ;; esac
  fi
  work=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  mkdir -p "$work" "$findings"
  echo "== $target: $seconds s"
  # New inputs go to the work corpus; the committed seeds stay as they are.
  if ! ./build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$findings/" -print_final_stats=1 "$work" "$seeds" 2>build-fuzz/$target.log; then
    tail -n 40 build-fuzz/$target.log
    echo "fuzz_$target found a fault; the input is in $findings/"
    status=1
  else
    grep -E "^stat::number_of_executed_units|cov: " build-fuzz/$target.log | tail -n 2
  fi
done
exit $status
