#!/usr/bin/env bash
# Builds and runs every test of Zelvo: the unit and end-to-end tests in a release build, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, the option parser's fuzzer
# for a bounded time, and one small run under valgrind's memcheck. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh --test
jobs=$(nproc)

echo "== release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" | tee build/ctest.log

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVO_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" | tee build-sanitize/ctest.log

echo "== fuzzing the command line for ${ZELVO_FUZZ_SECONDS:=60} seconds"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZELVO_BUILD_TESTS=OFF -DZELVO_BUILD_FUZZERS=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target options_fuzzer
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
# New inputs go to a scratch folder; a finding is written to build-fuzz/ and fails the run.
if ! build-fuzz/fuzz/options_fuzzer -max_total_time="$ZELVO_FUZZ_SECONDS" -max_len=512 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ "$found" fuzz/corpus >build-fuzz/fuzz.log 2>&1; then
  tail -n 40 build-fuzz/fuzz.log
  echo "the fuzzer found a failing input (saved in build-fuzz/)"
  exit 1
fi
grep -E '^(stat::number_of_executed_units|#[0-9]+ +DONE)' build-fuzz/fuzz.log

echo "== one small run under valgrind memcheck"
run=$(mktemp -d)
(cd "$run" && valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  "$OLDPWD/build/zelvo" /seed=1 /sectionsize=32 /multiple=2 >/dev/null)
rm -rf "$run"
echo "memcheck: no errors, no leaks"

# One closing line for the whole command: every test case of both trees, the fuzzing session
# and the memcheck run (any failure has already stopped the script).
cases=2
for n in $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)/\1/p' build/ctest.log build-sanitize/ctest.log); do
  cases=$((cases + n))
done
echo "zelvo: $cases passed, 0 failed"

